#!/usr/bin/env bash
# The first window: the game opens a 1024 × 768 window under a private X
# server, takes the pointer and a click, and shows a score sheet worth
# looking at.
#
#   test_first_window.sh <path-to-dravonelle> <artifact-dir>
set -u

source "$(dirname "$0")/common.sh" "$@"

start_xvfb || fail "no X server could be started"

# The game runs as a copy in the scratch folder, so its files stay out of
# the build, and nothing of the developer's desktop leaks in.
launch_game

geometry=$(xdotool getwindowgeometry --shell "$window") || fail "no geometry for the window"
eval "$geometry"
if [ "${WIDTH:-}" != 1024 ] || [ "${HEIGHT:-}" != 768 ]; then
    fail "window is ${WIDTH:-?}x${HEIGHT:-?}, not 1024x768"
fi

# Over the sheet's first cell (Descente, row 1), then a click on the bare
# paper at the bottom right, which belongs to no control.
xdotool mousemove --window "$window" 564 95 || fail "pointer move"
xdotool mousemove --window "$window" 570 100 || fail "pointer move"
xdotool mousemove --window "$window" 990 745 click 1 || fail "click"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended after the pointer's visit"

shot="$artifacts/first-window.png"
uneven() {
    import -window "$window" "$shot" &&
        awk -v s="$(convert "$shot" -format '%[fx:standard_deviation]' info:)" 'BEGIN { exit !(s > 0.01) }'
}
wait_for 50 uneven || fail "the window shows a uniform picture"
size=$(identify -format '%wx%h' "$shot")
[ "$size" = 1024x768 ] || fail "screenshot is $size"
kill -0 "$game_pid" 2>/dev/null || fail "the game ended"

echo "screenshot: $shot"
echo "1 passed, 0 failed"
