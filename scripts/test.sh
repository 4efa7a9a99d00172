#!/usr/bin/env bash
# Sets up this machine, builds Quillo with its tests and runs every test.
#   --sanitize   build into build-asan/ with AddressSanitizer and
#                UndefinedBehaviorSanitizer and run the same suite there
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
dir=build
args=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  args=(-DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
fi
scripts/build.sh "$dir" "${args[@]}"
ctest --test-dir "$dir" --output-on-failure --timeout 300
