#!/bin/bash
# Installs what building and testing Quillpad need, from Debian's packages.
# Idempotent and quiet: it installs only what is missing and prints nothing
# when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev   # native build, fuzzers
  googletest libbenchmark-dev                       # tests and benchmarks
  mingw-w64 g++-mingw-w64-x86-64                    # the Windows programs
  wine64 wine xvfb xdotool imagemagick              # the test bench
  fonts-ipafont-gothic                              # Japanese glyphs
  nsis zip                                          # release artefacts
)

missing=()
for package in "${packages[@]}"; do
  status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  sudo="sudo"
fi
log="$(mktemp)"
if ! { $sudo apt-get update -qq && \
       DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"; } \
     >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"
