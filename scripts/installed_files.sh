# Sourced by check_install.sh and check_package.sh, after they define fail(): what an install of
# a build puts in place, so that both checks expect the same files.

# The desktop id as the top CMakeLists.txt sets it (SUOSHUI_APP_ID).
app_id=$(sed -n 's/^set(SUOSHUI_APP_ID \(.*\))$/\1/p' "$(dirname "${BASH_SOURCE[0]}")/../CMakeLists.txt")
[ -n "$app_id" ] || fail "CMakeLists.txt sets no SUOSHUI_APP_ID"

# The project's version, as the build in $1 was configured.
configured_version() {
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
    [ -n "$version" ] || fail "$1/CMakeCache.txt names no project version"
    echo "$version"
}

# Paths relative to the prefix of every file an install leaves behind.
installed_files() {
    echo "bin/suoshui"
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    local size
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    echo "share/man/man1/suoshui.1.gz"
    echo "share/doc/suoshui/copyright"
    echo "share/doc/suoshui/changelog.gz"
}

# The program $1 must answer --version with the version $2. A build without --version would open
# its window and never return: the time limit catches that.
check_version_answer() {
    local program=$1 version=$2
    local output status=0
    output=$(QT_QPA_PLATFORM=offscreen timeout 30 "$program" --version 2>&1) || status=$?
    [ "$status" -eq 0 ] \
        || fail "'$program --version' exited with $status (124: no answer in 30 s): $output"
    [[ "$output" == *"$version"* ]] || fail "'$program --version' printed '$output', which lacks $version"
    echo "$(basename "$0"): '$program --version' answered: $output"
}
