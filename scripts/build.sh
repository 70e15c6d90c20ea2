#!/bin/bash
# Configures and builds the project's build trees under build/:
#   build/native  host g++: unit tests and benchmarks of the pure code
#   build/win     MinGW-w64: Qpad.exe, Qpad_Set.exe, Qpad_Hook.dll with the
#                 data files in build/win/dist, and the Wine test programs
#   build/fuzz    clang with libFuzzer: the fuzz targets
#
#   build.sh [native] [win] [fuzz]      (default: native win)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win)

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)

configure_and_build() {
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.configure.log" 2>&1 \
      || { cat "$dir.configure.log" >&2; exit 1; }
  fi
  if ! cmake --build "$dir" --parallel "${QPAD_BUILD_JOBS:-2}" >"$dir.build.log" 2>&1; then
    grep -v -E '^\[[0-9]+/[0-9]+\] ' "$dir.build.log" | tail -n 60 >&2
    echo "build.sh: building $dir failed; the whole log is $dir.build.log" >&2
    exit 1
  fi
}

mkdir -p "$root/build"
for tree in "${trees[@]}"; do
  case "$tree" in
    native) configure_and_build "$root/build/native" -DQPAD_BUILD_BENCHMARKS=ON ;;
    win)    configure_and_build "$root/build/win" \
              -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" ;;
    fuzz)   configure_and_build "$root/build/fuzz" -DCMAKE_C_COMPILER=clang \
              -DCMAKE_CXX_COMPILER=clang++ -DQPAD_BUILD_FUZZERS=ON -DQPAD_BUILD_TESTS=OFF ;;
    *) echo "build.sh: unknown tree '$tree'" >&2; exit 2 ;;
  esac
done
