#!/bin/bash
# Measures what the mouse hook costs the user's pointer: builds the Windows
# tree and runs the hook bench under the Wine bench (its own Xvfb and Wine
# desktop, ended afterwards). The figures belong in the README's
# performance section.
#
#   scripts/bench-hook.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" win
tree="$root/build/win"
exec "$root/tests/bench/wine-bench.sh" --prefix "$tree/wineprefix" "$tree/tests-bin/hook_bench.exe"
