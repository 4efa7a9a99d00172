#!/usr/bin/env bash
# Fuzzes the version check's text side for a bounded time: builds the
# libFuzzer target into build-fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it from the seeds in tests/fuzz/seeds.
#   scripts/fuzz.sh [seconds]   (default 60)
# A crashing input is left in build-fuzz/ as crash-<hash>; keep it as a row
# of tests/tst_text_between.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DQUILLO_SANITIZE=ON -DQUILLO_FUZZ=ON -DQUILLO_BUILD_TESTS=OFF -DQUILLO_WARNINGS_AS_ERRORS=ON
cmake --build build-fuzz --target fuzz_version_text
mkdir -p build-fuzz/corpus
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build-fuzz/tests/fuzz/fuzz_version_text -max_total_time="$seconds" -timeout=10 \
  -artifact_prefix=build-fuzz/ build-fuzz/corpus tests/fuzz/seeds
