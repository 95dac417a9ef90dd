#!/usr/bin/env bash
# Starts the program on a virtual 1366 x 768 screen, clicks "开 始" in the start window and
# 选号结果 in the main window so that the result box shows
# a report, and saves a picture of the screen.
# Usage: scripts/screenshot.sh [program] [picture]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/run/src/app/suoshui}
picture=${2:-docs/screenshot.png}

source scripts/example_run.sh
need_xdotool

xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    source scripts/example_run.sh
    start_example_run "$1"
    sleep 2
    import -window root "$2"
    kill "$pid"
' _ "$program" "$picture"
echo "saved $picture"
