#!/bin/bash
# Sets everything up, builds, and starts Qpad with the shipped default data in
# a Wine virtual desktop: on $DISPLAY when there is one, otherwise on an Xvfb
# display of its own, with a screenshot of the desktop written every few
# seconds. Ends when Qpad ends (its system page's exit row) or on Ctrl+C.
#
#   ./run.sh [--fresh-data]    --fresh-data: start again from the default data
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win

dist="$root/build/win/dist"
run_dir="$root/build/run"
prefix="$root/build/run-prefix"
shot="$run_dir/desktop.png"

# The programs are refreshed every time; the data files only when missing,
# so what the user changed survives the next start.
[ "${1:-}" = "--fresh-data" ] && rm -rf "$run_dir"
mkdir -p "$run_dir"
for file in "$dist"/*; do
  case "$file" in
    *.exe|*.dll) cp -f "$file" "$run_dir/" ;;
    *) [ -e "$run_dir/$(basename "$file")" ] || cp "$file" "$run_dir/" ;;
  esac
done

. "$root/tests/bench/wine-prefix.sh"
qpad_prepare_prefix "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
  fifo="$(mktemp -u)"; mkfifo "$fifo"
  Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 30 number <"$fifo"; rm -f "$fifo"
  export DISPLAY=":$number"
  echo "No \$DISPLAY: Qpad runs on its own Xvfb display $DISPLAY."
  echo "A screenshot of the desktop is written to $shot every 5 seconds."
  echo "Attach a viewer to $DISPLAY to use it; Ctrl+C ends it."
fi

echo "Starting Qpad from $run_dir"
(cd "$run_dir" && wine ./Qpad.exe) &
qpad=$!
while kill -0 "$qpad" 2>/dev/null; do
  sleep 5
  [ -n "$xvfb_pid" ] && import -window root "$shot" 2>/dev/null || true
done
wait "$qpad" || true
echo "Qpad has ended."
