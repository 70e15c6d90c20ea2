#!/bin/bash
# Builds the native tree and runs the benchmarks; arguments go to Google
# Benchmark (e.g. --benchmark_filter=Load --benchmark_repetitions=5).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native
exec "$root/build/native/bench/qpad_bench" "$@"
