#!/usr/bin/env bash
# Configures and builds Quillo into build/ (or the folder given as $1).
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLO_WARNINGS_AS_ERRORS=ON "$@"
cmake --build "$dir"
