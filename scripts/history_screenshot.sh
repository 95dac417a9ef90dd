#!/usr/bin/env bash
# Starts the program on a virtual 1366 x 768 screen, ticks 1 and 2 of 百位 and 3 and 4 of 个位,
# runs, opens the history window (Ctrl+H), imports a made-up history of 10,000 draws (a CSV
# with a Chinese header, newest first) through the file dialog, backtests the newest 100
# draws, shows the omission in the boxes, picks a draw and saves a picture.
# Usage: scripts/history_screenshot.sh [program] [picture]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/run/src/app/suoshui}
picture=${2:-docs/history-window.png}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
history=$folder/history-10000.txt
source scripts/example_run.sh
need_xdotool

python3 - "$history" <<'PY'
import random, sys
random.seed(3)
rows = []
for k in range(10000):
    year, seq = 2001 + k // 336, k % 336 + 1
    digits = [random.randint(0, 9) for _ in range(3)]
    sales = "7 2 0 1 5 6 1 1 110475534 0 1040 0 346 0 173"
    rows.append(f'{year}{seq:03d},{year}-{k // 28 % 12 + 1:02d}-{k % 28 + 1:02d},'
                f'"{digits[0]},{digits[1]},{digits[2]}",{random.randint(0, 999):03d},'
                + (f'"{sales}"' if k % 2 else sales))
rows.reverse()
with open(sys.argv[1], "w", encoding="utf-8") as out:
    out.write("期号,开奖日期,开奖号码,试机号,销售额(元)\n" + "\n".join(rows) + "\n")
PY

xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    source scripts/example_run.sh
    start_example_run "$1"
    sleep 1
    xdotool key --window "$window" ctrl+h
    history=$(xdotool search --sync --name "^开奖历史$" | head -n 1)
    sleep 1
    xdotool windowmove "$history" 386 0
    sleep 0.5
    # 导入文件…, then the path typed into the dialog.
    xdotool mousemove --window "$history" 50 24 click 1
    sleep 1.5
    xdotool type --delay 20 "$2"
    xdotool key Return
    sleep 2
    # The first click after the dialog only brings the window back. The drop-down opens with
    # 100 under the pointer and 全部 on the line below.
    xdotool mousemove --window "$history" 700 54 click 1
    sleep 1
    xdotool mousemove --window "$history" 643 337 click 1
    sleep 1
    xdotool mousemove --window "$history" 643 361 click 1
    sleep 1
    # 回测当前条件, 显示遗漏 and the second draw of the table.
    for place in "739 337" "553 676" "200 130"; do
        xdotool mousemove --window "$history" $place click 1
        sleep 1
    done
    import -window root "$3"
    kill "$pid"
' _ "$program" "$history" "$picture"
echo "saved $picture"
