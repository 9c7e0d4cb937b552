#!/usr/bin/env bash
# The first window: the game opens a 1024 × 768 window under a private X
# server, takes the pointer and a click, and shows a score sheet worth
# looking at.
#
#   test_first_window.sh <path-to-dravonelle> <artifact-dir>
set -u

game=$(realpath "${1:?path to dravonelle}")
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(realpath "$artifacts")

xvfb_pid=""
game_pid=""
scratch=$(mktemp -d)

cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$scratch/game.log" ] && sed 's/^/  game: /' "$scratch/game.log" >&2
    echo "0 passed, 1 failed"
    exit 1
}

# Waits until the command succeeds, for at most $1 tenths of a second.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

start_xvfb() {
    for ((n = 90; n < 200; n++)); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
        xvfb_pid=$!
        if wait_for 100 env DISPLAY=":$n" xdotool getdisplaygeometry; then
            export DISPLAY=":$n"
            return 0
        fi
        # Another server took the number between the check and the start.
        kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    return 1
}

start_xvfb || fail "no X server could be started"

# The game runs from its build folder with a scratch folder as its current
# one; nothing of the developer's desktop leaks in.
mkdir -m 700 "$scratch/runtime"
(
    cd "$scratch" || exit 1
    unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
    exec "$game"
) >"$scratch/game.log" 2>&1 &
game_pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "the game's window did not appear"
timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the focus"

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
