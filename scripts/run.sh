#!/usr/bin/env bash
# Sets up this machine, builds Quillo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/quillo
