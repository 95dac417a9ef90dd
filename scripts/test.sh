#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test; builds
# the fuzz targets and runs each briefly; builds the Debian package and checks it; then builds the
# tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUOSHUI_WERROR=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# The fuzz targets build with clang and each reads a few thousand made-up inputs, so that none
# falls behind the code it reaches; long fuzzing runs are started by hand (README).
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DSUOSHUI_BUILD_FUZZERS=ON \
    -DSUOSHUI_BUILD_TESTS=OFF -DSUOSHUI_BUILD_UI=OFF -DSUOSHUI_BUILD_BENCHMARKS=OFF
cmake --build build/fuzz -j "$jobs"
for target in build/fuzz/fuzz/*Fuzz; do
    "$target" -runs=5000 2>&1 | tail -n 1
done

# The install a packager or a desktop gets: staged files, validators, the staged program.
./scripts/check_install.sh build/test

# The Debian package a player installs: a Release build of the program alone, packed by CPack,
# then its contents, control fields, lintian, and an install and removal with dpkg.
./scripts/package.sh build/package
./scripts/check_package.sh build/package

# The window's tests too: Qt itself is not instrumented, so leaks found inside its libraries
# (fonts, caches) are suppressed by name, never leaks from our code.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSUOSHUI_WERROR=ON \
    -DSUOSHUI_SANITIZE=ON -DSUOSHUI_BUILD_BENCHMARKS=OFF -DSUOSHUI_BUILD_UI=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/sanitizer/lsan.supp":print_suppressions=0 \
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
