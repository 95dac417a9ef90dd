#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test; builds
# the fuzz targets and runs each briefly; builds the Debian package and checks it; then builds the
# tests again with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh

# Each build is a preset of CMakePresets.json, in build/<preset>.
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake --preset test
cmake --build --preset test -j "$jobs"
ctest --preset test -j "$jobs"

# The fuzz targets build with clang and each reads a few thousand made-up inputs, so that none
# falls behind the code it reaches; long fuzzing runs are started by hand (README).
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
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
cmake --preset sanitize
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"
