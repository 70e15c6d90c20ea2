#!/bin/bash
# Sets everything up and runs every test: the native unit tests, the fuzz
# targets for a bounded time, and under Wine the unit tests built for
# Windows and the end-to-end tests of the programs.
#
#   ./test.sh [ctest arguments, e.g. -R e2e]
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native win fuzz

status=0
for tree in native fuzz win; do
  echo "== tests of build/$tree"
  (cd "$root/build/$tree" && ctest --output-on-failure "$@") || status=1
done
if [ $status -eq 0 ]; then echo "All tests passed."; else echo "Some tests FAILED." >&2; fi
exit $status
