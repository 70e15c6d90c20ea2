#!/bin/bash
# Runs one command under Wine inside a 1024x768 Wine virtual desktop on an
# Xvfb display of its own, then ends every process of the run: the Wine
# server of the bench's prefix and the Xvfb.
#
#   wine-bench.sh [options] [--] program.exe [args...]
#
#   --prefix DIR     Wine prefix of the bench (default: $QPAD_WINEPREFIX,
#                    else ./wineprefix); made on first use
#   --shot FILE.png  screenshot of the desktop just before the end
#   --keep-display   use $DISPLAY when set instead of a fresh Xvfb
#
# Exit status: that of the command.
set -u

prefix="${QPAD_WINEPREFIX:-$PWD/wineprefix}"
shot=""
keep_display=0
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --shot) shot="$2"; shift 2 ;;
    --keep-display) keep_display=1; shift ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--prefix DIR] [--shot FILE] program.exe [args]" >&2; exit 2; }

bench_dir="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-prefix.sh
. "$bench_dir/wine-prefix.sh"
qpad_prepare_prefix "$prefix" || exit 1

xvfb_pid=""
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
  WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "$keep_display" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  :
else
  # Xvfb picks a free display itself and writes its number to the pipe.
  fifo="$(mktemp -u)"
  mkfifo "$fifo"
  Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  display_number=""
  read -r -t 30 display_number <"$fifo"
  rm -f "$fifo"
  if [ -z "$display_number" ]; then
    echo "wine-bench: Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$display_number"
fi

export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine "$@"
status=$?

if [ -n "$shot" ]; then
  mkdir -p "$(dirname "$shot")"
  import -window root "$shot" 2>/dev/null || echo "wine-bench: no screenshot" >&2
fi
exit $status
