#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

cmake --preset run
cmake --build --preset run -j "$(nproc)"
exec build/run/src/app/suoshui "$@"
