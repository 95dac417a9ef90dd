#!/usr/bin/env bash
# Checks that a built tree installs the program and its desktop files where packagers and desktops
# look for them: staged under DESTDIR with prefix /usr, and again straight into a prefix of its own.
# Usage: scripts/check_install.sh <build-dir>   (the suoshui target must already be built there)
set -euo pipefail

app_id=io.github.suoshui.Suoshui
icon_sizes=(16 32 48 64 128 256)

fail() {
    echo "check_install.sh: FAIL: $*" >&2
    exit 1
}

[ $# -eq 1 ] || { echo "usage: $0 <build-dir>" >&2; exit 2; }
build_dir=$1
[ -f "$build_dir/cmake_install.cmake" ] || fail "$build_dir is not a configured CMake build directory"
[ -x "$build_dir/src/app/suoshui" ] \
    || fail "$build_dir holds no built program: build it first (cmake --build $build_dir --target suoshui)"
# The version the program must answer with is the project's, as the build was configured.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || fail "$build_dir/CMakeCache.txt names no project version"

work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT

# Paths relative to the prefix of every file an install must leave behind.
expected_files() {
    echo "bin/suoshui"
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    echo "share/man/man1/suoshui.1.gz"
    echo "share/doc/suoshui/copyright"
    echo "share/doc/suoshui/changelog.gz"
}

check_files_under() {
    local root=$1
    local missing=0
    while read -r file; do
        if [ ! -f "$root/$file" ]; then
            echo "check_install.sh: missing $root/$file" >&2
            missing=1
        fi
    done < <(expected_files)
    [ "$missing" -eq 0 ] || fail "files missing under $root"
    [ -x "$root/bin/suoshui" ] || fail "$root/bin/suoshui is not executable"
}

validate_data_files() {
    local share=$1
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$share/applications/$app_id.desktop" \
            || fail "desktop-file-validate rejects $app_id.desktop"
    else
        echo "check_install.sh: desktop-file-validate not installed, desktop file not validated"
    fi
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" \
            || fail "appstreamcli rejects $app_id.metainfo.xml"
        # The tree check also ties the metainfo to the desktop entry and its icon as installed.
        appstreamcli validate-tree --no-net "$(dirname "$share")" \
            || fail "appstreamcli rejects the installed tree under $(dirname "$share")"
    else
        echo "check_install.sh: appstreamcli not installed, metainfo not validated"
    fi
}

# A build without --version would open its window and never return: the time limit catches that.
check_version_answer() {
    local program=$1
    local output status=0
    output=$(QT_QPA_PLATFORM=offscreen timeout 30 "$program" --version 2>&1) || status=$?
    [ "$status" -eq 0 ] || fail "'$program --version' exited with $status: $output"
    [[ "$output" == *"$version"* ]] || fail "'$program --version' printed '$output', which lacks $version"
    echo "check_install.sh: '$program --version' answered: $output"
}

echo "== staged install: DESTDIR=<tmp>/stage, prefix /usr"
stage=$work_dir/stage
DESTDIR=$stage cmake --install "$build_dir" --prefix /usr >"$work_dir/stage.log" 2>&1 \
    || { cat "$work_dir/stage.log" >&2; fail "staged install failed"; }
check_files_under "$stage/usr"
validate_data_files "$stage/usr/share"
check_version_answer "$stage/usr/bin/suoshui"

echo "== direct install: prefix <tmp>/opt, no DESTDIR"
prefix=$work_dir/opt
env -u DESTDIR cmake --install "$build_dir" --prefix "$prefix" >"$work_dir/opt.log" 2>&1 \
    || { cat "$work_dir/opt.log" >&2; fail "install into $prefix failed"; }
check_files_under "$prefix"

echo "check_install.sh: all install checks passed"
