#!/usr/bin/env bash
# Starts the program on a virtual 1366 x 768 screen and saves a picture of the screen.
# Usage: scripts/screenshot.sh [program] [picture]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/run/src/app/suoshui}
picture=${2:-docs/screenshot.png}

xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    "$1" &
    pid=$!
    sleep 4
    import -window root "$2"
    kill "$pid"
' _ "$program" "$picture"
echo "saved $picture"
