#!/usr/bin/env bash
# Installs what is missing and builds the Debian package suoshui_<version>_<arch>.deb: a Release
# build of the program alone (no tests, no benchmarks), compiled and linked with the hardening flags
# Debian builds its own packages with, then packed by CPack. Prints the package's path.
# Usage: scripts/package.sh [build-dir]   (default build/package)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-$source_dir/build/package}

"$source_dir/scripts/setup.sh"

# dpkg-buildflags is Debian's one source of these flags; "+all" adds binding at start (bindnow).
# It maps the source folder to "." in the debug paths, so it is asked from there.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { (cd "$source_dir" && dpkg-buildflags --get "$1"); }

cd "$source_dir"
cmake --preset package -B "$build_dir" \
    -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
cmake --build "$build_dir" -j "$(nproc)" --target package

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
echo "$build_dir/suoshui_${version}_$(dpkg --print-architecture).deb"
