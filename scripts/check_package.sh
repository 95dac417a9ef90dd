#!/usr/bin/env bash
# Checks the Debian package a build directory holds, the way a player's system will meet it: its
# contents, its control fields, lintian, apt's view of its dependencies, and an install with dpkg
# into a staging root whose program must answer --version and whose removal must leave nothing.
# Usage: scripts/check_package.sh <build-dir>   (scripts/package.sh <build-dir> builds the package)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)

fail() {
    echo "check_package.sh: FAIL: $*" >&2
    exit 1
}
source "$source_dir/scripts/installed_files.sh"

[ $# -eq 1 ] || { echo "usage: $0 <build-dir>" >&2; exit 2; }
build_dir=$1
[ -f "$build_dir/CMakeCache.txt" ] || fail "$build_dir is not a configured CMake build directory"
# The version the package must carry is the project's, as the build was configured.
version=$(configured_version "$build_dir")
arch=$(dpkg --print-architecture)
deb=$build_dir/suoshui_${version}_${arch}.deb
[ -f "$deb" ] || fail "$deb does not exist: build it first (scripts/package.sh $build_dir)"
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")

work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT

# Every file the package must hold, and nothing else: a file that slips in (a test program, a
# library) must show up here as much as one that goes missing.
expected_files() {
    installed_files | sed 's|^|usr/|'
}

echo "== contents of $(basename "$deb")"
dpkg-deb --contents "$deb" >"$work_dir/contents" || fail "dpkg-deb cannot list $deb"
cat "$work_dir/contents"
# Regular files only ("-" in the mode), as paths without the leading "./".
awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $6 }' "$work_dir/contents" | sort >"$work_dir/files"
expected_files | sort >"$work_dir/expected"
missing=$(comm -13 "$work_dir/files" "$work_dir/expected")
unexpected=$(comm -23 "$work_dir/files" "$work_dir/expected")
[ -z "$missing" ] || fail "the package lacks: $(echo $missing)"
[ -z "$unexpected" ] || fail "the package holds files it should not: $(echo $unexpected)"
# Everything belongs to root, as dpkg installs it.
if awk '$2 != "root/root"' "$work_dir/contents" | grep -q .; then
    fail "files not owned by root/root: $(awk '$2 != "root/root" { print $6 }' "$work_dir/contents")"
fi
grep -q '^-rwxr-xr-x .* \./usr/bin/suoshui$' "$work_dir/contents" \
    || fail "usr/bin/suoshui is not an executable with mode 0755"
# No maintainer scripts: installing writes nothing beyond the files above, so removing the
# package takes everything away again (the dpkg -r below proves it).
control_members=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -vx '\./' | sort | tr '\n' ' ')
[ "$control_members" = "./control ./md5sums " ] \
    || fail "the control data holds more than control and md5sums: $control_members"

echo "== control fields"
dpkg-deb --info "$deb" || fail "dpkg-deb cannot read the control data of $deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = suoshui ] || fail "Package is '$(field Package)', not suoshui"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)', not utils"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^\>@]+@[^\>]+\>$ ]] \
    || fail "Maintainer '$(field Maintainer)' is not a name and a mail address"
# The synopsis and both halves of the long description, English and Chinese.
description=$(field Description)
[[ "$description" == *"Fucai 3D"* ]] || fail "the description has no English text"
[[ "$description" == *"选号缩水"* ]] || fail "the description has no Chinese text"
# dpkg-shlibdeps found the program's libraries: Qt's widgets and network and the C library at least.
depends=$(field Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *libqt6network6* && "$depends" == *libc6* ]] \
    || fail "Depends '$depends' does not name the program's libraries"
# The plug-ins Qt loads by name, which no linked library names: the kept history's SQLite driver
# (needed) and the translations of Qt's own dialogs (recommended).
[[ "$depends" == *libqt6sql6-sqlite* ]] || fail "Depends '$depends' lacks Qt's SQLite driver"
[[ "$(field Recommends)" == *qt6-translations-l10n* ]] \
    || fail "Recommends '$(field Recommends)' lacks Qt's translations"

echo "== lintian"
# lintian says "E:" for errors, "W:" for warnings, "I:" and "P:" for hints. Errors fail the check;
# every warning must be one that packaging/Packaging.cmake explains ("# W: <tag>: <why>").
lintian_status=0
lintian --display-info --pedantic "$deb" >"$work_dir/lintian" 2>&1 || lintian_status=$?
cat "$work_dir/lintian"
if grep -q '^E: ' "$work_dir/lintian"; then
    fail "lintian reports errors (E:)"
fi
while read -r tag; do
    grep -q -- "^# W: $tag: " "$source_dir/packaging/Packaging.cmake" \
        || fail "lintian warns '$tag', which packaging/Packaging.cmake does not explain"
done < <(sed -n 's/^W: [^:]*: \([^ ]*\).*/\1/p' "$work_dir/lintian" | sort -u)
# Any other failure of lintian itself (it could not read the package, say) fails as well.
[ "$lintian_status" -eq 0 ] || fail "lintian exited with $lintian_status"

echo "== apt's view: does this system satisfy what the package depends on?"
apt-get install --simulate --no-install-recommends "$deb" >"$work_dir/apt" 2>&1 \
    || { cat "$work_dir/apt" >&2; fail "apt cannot install $deb here"; }
grep '^Inst suoshui ' "$work_dir/apt" || { cat "$work_dir/apt" >&2; fail "apt would not install suoshui"; }

echo "== dpkg -i into a staging root"
# An empty root has none of the libraries, so its dependencies are forced; the program then runs
# against this system's libraries, which apt has just been shown to satisfy. dpkg looks for its
# helper programs (ldconfig) in the system's sbin folders.
root=$work_dir/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg_in_root() {
    local as_user=()
    [ "$(id -u)" -eq 0 ] || as_user=(--force-not-root)
    PATH="$PATH:/usr/sbin:/sbin" dpkg --root="$root" "${as_user[@]}" "$@"
}
dpkg_in_root --force-depends --install "$deb" >"$work_dir/dpkg" 2>&1 \
    || { cat "$work_dir/dpkg" >&2; fail "dpkg -i into $root failed"; }
status=$(dpkg_in_root --status suoshui | sed -n 's/^Status: //p')
[ "$status" = "install ok installed" ] || fail "dpkg reports suoshui as '$status' in the staging root"
while read -r file; do
    [ -f "$root/$file" ] || fail "dpkg did not install $file"
done < <(expected_files)

check_version_answer "$root/usr/bin/suoshui" "$version"
zgrep -q "^\.TH SUOSHUI 1 .*\"suoshui $version\"" "$root/usr/share/man/man1/suoshui.1.gz" \
    || fail "the installed manual page does not name version $version"

echo "== dpkg -r: nothing of the package is left"
dpkg_in_root --remove suoshui >"$work_dir/dpkg" 2>&1 \
    || { cat "$work_dir/dpkg" >&2; fail "dpkg -r in $root failed"; }
left=$(cd "$root" && find . -mindepth 1 -not -type d -not -path './var/lib/dpkg/*')
[ -z "$left" ] || fail "removing the package left: $(echo $left)"
left=$(cd "$root" && find . -mindepth 1 -type d -not -path './var/lib/dpkg*' -not -path ./var -not -path ./var/lib)
[ -z "$left" ] || fail "removing the package left folders: $(echo $left)"
remaining=$(dpkg_in_root --status suoshui 2>/dev/null | sed -n 's/^Status: //p' || true)
[ -z "$remaining" ] || [[ "$remaining" == *not-installed ]] \
    || fail "dpkg still lists suoshui as '$remaining' after removal"

echo "check_package.sh: all package checks passed for $(basename "$deb")"
