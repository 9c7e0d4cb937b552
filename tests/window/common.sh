# What the window tests share (source common.sh <dravonelle> <artifact-dir>):
# a scratch folder, a private X server, the controls' places, the player's
# hands and eyes, and the cleanup of only what the test started.
set -u
game=$(realpath "${1:?path to dravonelle}")
artifacts=$(mkdir -p "${2:?artifact folder}" && realpath "$2")
script_driver="$(dirname "$game")/dravonelle-script"
xvfb_pid="" game_pid=""
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
[ -x "$script_driver" ] || fail "no dravonelle-script beside the game"

# wait_for TENTHS COMMAND...: until the command succeeds, at most TENTHS/10 s.
wait_for() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# start_xvfb [WxHxDEPTH]: 1280x1024x24 unless named, on a display Xvfb picks.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 grep -q '[0-9]' "$scratch/display" || fail "no X server could be started"
    export DISPLAY=":$(tr -dc 0-9 <"$scratch/display")"
    wait_for 100 xdotool getdisplaygeometry || fail "the X server does not answer"
}

# The saved set-up as the game writes it (Windows-1252, CR LF): animation on,
# character 3, one draw a turn, bubbles on, sounds off, the panel shown.
write_commence() {
    printf '%s\r\n' '#FALSE#' 0 3 1 '#FALSE#' '#TRUE#' '#TRUE#' 1 '#FALSE#' >"$1/Commence"
}


# read_places PREP CONTROL...: appends to $scratch/layout.txt "NAME(I) LEFT
# TOP WIDTH HEIGHT" in pixels for each CONTROL ("Cases 43"), as the driver has
# it after the lines PREP ($places_setup: lines before start). A control held
# in a container counts from the container's corner: see within.
read_places() {
    local prep=$1 folder
    shift
    folder=$(mktemp -d -p "$scratch" layout.XXXX)
    {
        printf '%s\n' ${places_setup:+"$places_setup"} start ${prep:+"$prep"}
        for c in "$@"; do printf 'print %s %s\n' "$c" left "$c" top "$c" width "$c" height; done
    } | "$script_driver" "$folder" | awk -F' = ' -v want=$# '/\.(left|top|width|height) = / { v = v " " int($2 / 15 + 0.5) }
        /\.height = / { sub(/\.height$/, "", $1); print $1 v; v = ""; n++ } END { exit n != want }' >>"$scratch/layout.txt" ||
        fail "the places of $* could not be read"
}

# within HOLDER NAME...: the NAMEs, held by HOLDER, placed from the window's
# corner.
within() {
    awk -v h="$1" -v names=" ${*:2} " 'NR == FNR { if ($1 == h) { l = $2; t = $3 } next }
        index(names, " " $1 " ") { $2 += l; $3 += t } { print }' "$scratch/layout.txt" "$scratch/layout.txt" >"$scratch/layout.new"
    mv "$scratch/layout.new" "$scratch/layout.txt"
}

# box NAME(I): "LEFT TOP WIDTH HEIGHT"; inside NAME(I): the same without its
# frame; centre NAME(I): "X Y".
box() { awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }' "$scratch/layout.txt"; }
inside() { box "$1" | awk '{ print $1 + 4, $2 + 4, $3 - 8, $4 - 8 }'; }
centre() { box "$1" | awk '{ print int($1 + $3 / 2), int($2 + $4 / 2) }'; }


# launch_game [VAR=VALUE...]: the built game copied with its pictures, sounds
# and pages into $scratch/game and started there with that environment, its
# data files in $data_dir (--data-dir; empty: the player's own data folder,
# $scratch/data/Dravonelle here); sets $game_pid and $window.
data_dir=$scratch/game
launch_game() {
    local built
    built=$(dirname "$game")
    mkdir -p -m 700 "$scratch/game" "$scratch/runtime"
    cp "$game" "$scratch/game/dravonelle"
    cp -r "$built/pictures" "$built"/*.wav "$built"/*.htm "$scratch/game/" 2>/dev/null
    (
        cd "$scratch/game" || exit 1
        unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
        export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime" XDG_DATA_HOME="$scratch/data"
        exec env "$@" ./dravonelle ${data_dir:+--data-dir "$data_dir"}
    ) >"$scratch/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
    [ -n "$window" ] || fail "the game's window did not appear"
    xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
}

point_at() { xdotool mousemove --window "$window" $(centre "$1") || fail "no pointer move to $1"; }
click_on() { point_at "$1" && xdotool click 1 || fail "click on $1"; }
key() { xdotool windowfocus --sync "$window" && xdotool key "$1" || fail "key $1"; }
alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $1"; }

# shoot NAME [here]: a screenshot, the pointer first put on bare paper at the
# bottom right (over no control, so no hover shows) unless "here".
shoot() {
    [ "${2:-}" = here ] || xdotool mousemove --window "$window" 1012 756 || fail "pointer move"
    sleep 0.3
    import -window "$window" "$artifacts/$1.png" || fail "screenshot $1"
}

# other_window EXCEPT TENTHS: a shown window of the game other than EXCEPT,
# waited for at most TENTHS tenths of a second; empty when none came.
other_window() {
    local i
    for ((i = 0; i < $2; i++)); do
        xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$1" | head -n 1 | grep . && return
        sleep 0.1
    done
}

# ended_well [AFTER]: waits for the game's end, which must be status 0.
ended_well() {
    wait_for 100 sh -c "! kill -0 $game_pid" || fail "the game did not end${1:+ after $1}"
    wait "$game_pid" 2>/dev/null || fail "the game ended with status $?${1:+ after $1}"
    game_pid=""
}

# leave_by_halte [SHOT]: the Halte tool, then Return for yes to its question
# (kept as screenshot SHOT if named); the game must end well.
leave_by_halte() {
    click_on Halte
    local question=$(other_window "$window" 50)
    [ -n "$question" ] || fail "Halte asked nothing"
    [ -n "${1:-}" ] && import -window "$question" "$artifacts/$1.png"
    xdotool windowfocus --sync "$question" && xdotool key Return || fail "no answer to Halte's question"
    ended_well Halte
}

# recorded_game: the whole "1 tirage" game of tests/records, its lines in
# $turns, the files it leaves in $expected, its faces in $scratch/dealt.
recorded_game() {
    local records
    records="$(dirname "${BASH_SOURCE[0]}")/../records"
    turns="$records/one_draw_game.turns"
    expected="$records/one_draw_first_place_fresh_folder/after"
    [ -f "$turns" ] && [ -d "$expected" ] || fail "the recorded game is missing"
    grep '^dice ' "$turns" | cut -d' ' -f2- >"$scratch/dealt"
}

# files_as_recorded DIR WHOSE: the data files the game left in $scratch/game
# are DIR's, byte for byte, the date of the day aside (the driver's is
# 05/01/26); WHOSE names the game they come from in a failure.
files_as_recorded() {
    local today f name
    today=$(date +%d/%m/%y)
    for f in "$1"/*; do
        name=$(basename "$f")
        [ -f "$scratch/game/$name" ] || fail "no $name after the game"
        sed "s|05/01/26|$today|" "$f" >"$scratch/expected-$name"
        cmp -s "$scratch/expected-$name" "$scratch/game/$name" ||
            fail "$name differs from $2: $(diff <(od -c "$scratch/expected-$name") <(od -c "$scratch/game/$name") | head -n 6)"
    done
}

# The title bar's close button makes the window manager send the window a
# WM_DELETE_WINDOW message; with no window manager here, it is sent by hand.
close_window() {
    python3 - "$window" <<'PYTHON' || fail "no close request could be sent"
import ctypes, struct, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
display = ctypes.c_void_p(x.XOpenDisplay(None))
window = ctypes.c_ulong(int(sys.argv[1]))
atom = lambda name: x.XInternAtom(display, name, 0)
# An XClientMessageEvent: type, serial, send_event, display, window, message_type, format, data.
event = struct.pack("iLiPLLi5l", 33, 0, 1, 0, window.value, atom(b"WM_PROTOCOLS"), 32, atom(b"WM_DELETE_WINDOW"), 0, 0, 0, 0)
sent = x.XSendEvent(display, window, 0, ctypes.c_long(0), event.ljust(192, b"\0"))
x.XFlush(display)
sys.exit(0 if sent else 1)
PYTHON
    ended_well "the close request"
}


# crop SHOT "LEFT TOP WIDTH HEIGHT" [CONVERT-OPTIONS...]: that part of a
# screenshot, to standard output or through the options.
crop() { convert "$artifacts/$1.png" -crop "$(awk '{ print $3 "x" $4 "+" $1 "+" $2 }' <<<"$2")" +repage "${@:3}"; }

# region_differs SHOT1 SHOT2 "LEFT TOP WIDTH HEIGHT": the rectangle does not
# look the same on both.
region_differs() {
    crop "$1" "$3" "$scratch/one.png" && crop "$2" "$3" "$scratch/two.png" || fail "no crop of $1 or $2"
    [ "$(compare -metric AE "$scratch/one.png" "$scratch/two.png" null: 2>&1 | cut -d' ' -f1)" != 0 ]
}

# uneven SHOT "LEFT TOP WIDTH HEIGHT": something is written or drawn there
# (not one flat colour); darkest SHOT REGION: its darkest grey, 0 to 1.
uneven() { awk -v s="$(crop "$1" "$2" -colorspace Gray -format '%[fx:standard_deviation]' info:)" 'BEGIN { exit !(s > 0.02) }'; }
darkest() { crop "$1" "$2" -colorspace Gray -format '%[fx:minima]' info:; }

# placed BEFORE AFTER CELL: a result written in a cell blank before: its
# inside changed, from no ink to dark writing.
placed() {
    region_differs "$1" "$2" "$(inside "$3")" || fail "$3 looks the same before and after placing"
    awk -v b="$(darkest "$1" "$(inside "$3")")" -v a="$(darkest "$2" "$(inside "$3")")" \
        'BEGIN { exit !(b > 0.5 && a < 0.3) }' || fail "$3 shows no result"
}
