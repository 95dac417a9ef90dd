# Sourced by the screenshot scripts.

# Installs xdotool when it is missing: the scripts click the window with it.
need_xdotool() {
    command -v xdotool >/dev/null && return
    local sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends xdotool
}

# On a virtual 1366 x 768 screen: starts the program, clicks "开 始" in the start window, ticks
# "1" and "2" of 百位 and "3" and "4" of 个位 and clicks 选号结果, so that the result box shows
# a report. Leaves the program's process in $pid and the main window in $window.
start_example_run() {
    "$1" &
    pid=$!
    local start
    start=$(xdotool search --sync --name "^银罗盘3D排列3选号缩水$" | head -n 1)
    sleep 1
    # "开 始" is 66 x 22 at 346, 339 in the start window.
    xdotool mousemove --window "$start" 379 350 click 1
    window=$(xdotool search --sync --name "^银罗盘选号缩水$" | head -n 1)
    sleep 2
    # The four boxes' places on the screen, then 选号结果, the first button of the toolbar
    # (46 pixels square at 22, 7).
    local place
    for place in "120 139" "153 139" "186 183" "219 183" "45 30"; do
        xdotool mousemove --window "$window" $place click 1
        sleep 0.3
    done
}
