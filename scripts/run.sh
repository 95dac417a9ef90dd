#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUOSHUI_BUILD_TESTS=OFF \
    -DSUOSHUI_BUILD_BENCHMARKS=OFF
cmake --build build/run -j "$(nproc)" --target suoshui
exec build/run/src/app/suoshui "$@"
