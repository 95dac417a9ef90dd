#!/usr/bin/env bash
# Checks that a built tree installs the program and its desktop files where packagers and desktops
# look for them: staged under DESTDIR with prefix /usr, and again straight into a prefix of its own.
# Usage: scripts/check_install.sh <build-dir>   (the suoshui target must already be built there)
set -euo pipefail

fail() {
    echo "check_install.sh: FAIL: $*" >&2
    exit 1
}
source "$(dirname "$0")/installed_files.sh"

[ $# -eq 1 ] || { echo "usage: $0 <build-dir>" >&2; exit 2; }
build_dir=$1
[ -f "$build_dir/cmake_install.cmake" ] || fail "$build_dir is not a configured CMake build directory"
[ -x "$build_dir/src/app/suoshui" ] \
    || fail "$build_dir holds no built program: build it first (cmake --build $build_dir --target suoshui)"
# The version the program must answer with is the project's, as the build was configured.
version=$(configured_version "$build_dir")

work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT

check_files_under() {
    local root=$1
    local missing=0
    while read -r file; do
        if [ ! -f "$root/$file" ]; then
            echo "check_install.sh: missing $root/$file" >&2
            missing=1
        fi
    done < <(installed_files)
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

echo "== staged install: DESTDIR=<tmp>/stage, prefix /usr"
stage=$work_dir/stage
DESTDIR=$stage cmake --install "$build_dir" --prefix /usr >"$work_dir/stage.log" 2>&1 \
    || { cat "$work_dir/stage.log" >&2; fail "staged install failed"; }
check_files_under "$stage/usr"
validate_data_files "$stage/usr/share"
check_version_answer "$stage/usr/bin/suoshui" "$version"

echo "== direct install: prefix <tmp>/opt, no DESTDIR"
prefix=$work_dir/opt
env -u DESTDIR cmake --install "$build_dir" --prefix "$prefix" >"$work_dir/opt.log" 2>&1 \
    || { cat "$work_dir/opt.log" >&2; fail "install into $prefix failed"; }
check_files_under "$prefix"

echo "check_install.sh: all install checks passed"
