#!/usr/bin/env bash
# Builds the program, the bare baseline window, the outside watcher and the
# in-process benchmarks into build-bench/ (Release), then measures Quillo's
# start-up against the baseline on an X server of its own and prints the table
# (bench/bench.py). Arguments go to bench.py: --runs N, --timeout-runs N,
# --display N (default 95).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=build-bench
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$dir" --target quillo quillo-baseline quillo-mapwatch bench_catalogue >/dev/null
exec python3 bench/bench.py --build "$dir" "$@"
