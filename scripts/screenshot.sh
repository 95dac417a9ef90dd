#!/usr/bin/env bash
# Starts the program on a virtual 1366 x 768 screen, clicks "开 始" in the start window and
# 选号结果 in the main window so that the result box shows
# a report, and saves a picture of the screen.
# Usage: scripts/screenshot.sh [program] [picture]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/run/src/app/suoshui}
picture=${2:-docs/screenshot.png}

if ! command -v xdotool >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends xdotool
fi

xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    "$1" &
    pid=$!
    start=$(xdotool search --sync --name "^银罗盘3D排列3选号缩水$" | head -n 1)
    sleep 1
    # "开 始" is 66 x 22 at 346, 339 in the start window.
    xdotool mousemove --window "$start" 379 350 click 1
    window=$(xdotool search --sync --name "^银罗盘选号缩水$" | head -n 1)
    sleep 2
    # Ticks "1" and "2" of 百位 and "3" and "4" of 个位 (their places on the 1366 x 768 screen),
    # then clicks 选号结果, the first button of the toolbar (46 pixels square at 22, 7).
    for place in "120 139" "153 139" "186 183" "219 183" "45 30"; do
        xdotool mousemove --window "$window" $place click 1
        sleep 0.3
    done
    sleep 2
    import -window root "$2"
    kill "$pid"
' _ "$program" "$picture"
echo "saved $picture"
