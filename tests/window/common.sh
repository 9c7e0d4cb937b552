# What every window test shares: its arguments, a scratch folder, a private
# X server, and the cleanup of only what the test started.
#
#   source common.sh <path-to-dravonelle> <artifact-dir>

game=$(realpath "${1:?path to dravonelle}")
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(realpath "$artifacts")
script_driver="$(dirname "$game")/dravonelle-script"

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

# Xvfb chooses a free display itself and writes its number on descriptor 3:
# no other server, another window test's included, can take it in between.
# start_xvfb [WxHxDEPTH]: the screen, 1280x1024x24 unless named.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 grep -q '[0-9]' "$scratch/display" || return 1
    export DISPLAY=":$(tr -dc 0-9 <"$scratch/display")"
    wait_for 100 xdotool getdisplaygeometry
}

# ---- where the controls are ------------------------------------------------

# read_places PREP CONTROL...: the places of the CONTROLs ("Ok", "Cases 43")
# in window pixels as the model has them after the driver lines PREP (one
# per line, may be empty), read through dravonelle-script in a folder of
# their own: a line "NAME(I) LEFT TOP WIDTH HEIGHT" each, on standard output.
# A control held in a container counts from the container's corner.
# $places_setup, if set, holds driver lines for before start ("screen …").
read_places() {
    local prep=$1
    shift
    local folder
    folder=$(mktemp -d -p "$scratch" layout.XXXX)
    {
        [ -n "${places_setup:-}" ] && printf '%s\n' "$places_setup"
        echo start
        [ -n "$prep" ] && printf '%s\n' "$prep"
        for c in "$@"; do
            for p in left top width height; do echo "print $c $p"; done
        done
    } | "$script_driver" "$folder" |
        awk -F' = ' '/^[^ ]+\.(left|top|width|height) = / {
            split($1, part, "."); name = part[1]
            if (!(name in seen)) { seen[name] = 1; order[++n] = name }
            value[name] = value[name] " " int($2 / 15 + 0.5)
        }
        END { for (i = 1; i <= n; i++) print order[i] value[order[i]] }'
}

# box NAME(I): "LEFT TOP WIDTH HEIGHT" in pixels, from $scratch/layout.txt.
box() { awk -v n="$1" '$1 == n { print $2, $3, $4, $5 }' "$scratch/layout.txt"; }

# centre NAME(I): "X Y", the middle of the control.
centre() { box "$1" | awk '{ print int($1 + $3 / 2), int($2 + $4 / 2) }'; }

# ---- the game and the player -------------------------------------------------

# launch_game [VAR=VALUE...]: the built game copied into $scratch/game with
# its pictures, sounds and pages (it keeps its data files in its own folder, away
# from the build) and started there
# with the given environment; $game_pid and $window are set.
launch_game() {
    mkdir -p "$scratch/game" "$scratch/runtime"
    chmod 700 "$scratch/runtime"
    cp "$game" "$scratch/game/dravonelle"
    # Its pictures and sounds, made by the build beside it.
    local built
    built=$(dirname "$game")
    [ -d "$built/pictures" ] && cp -r "$built/pictures" "$scratch/game/"
    cp "$built"/*.wav "$scratch/game/" 2>/dev/null
    cp "$built"/*.htm "$scratch/game/" 2>/dev/null
    (
        cd "$scratch/game" || exit 1
        unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
        export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
        exec env "$@" ./dravonelle
    ) >"$scratch/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
    [ -n "$window" ] || fail "the game's window did not appear"
    xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
}

point_at() {
    local at
    at=$(centre "$1")
    [ -n "$at" ] || fail "no place for $1"
    # shellcheck disable=SC2086
    xdotool mousemove --window "$window" $at || fail "pointer move to $1"
}

click_on() { point_at "$1" && xdotool click 1 || fail "click on $1"; }

# The pointer rests on bare paper at the bottom right, over no control, so
# no hover text or mark is on the screenshot.
pointer_away() { xdotool mousemove --window "$window" 1012 756 || fail "pointer move"; }

key() {
    xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
    xdotool key "$1" || fail "key $1"
}

alive() { kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $1"; }

shoot() {
    pointer_away
    sleep 0.3
    import -window "$window" "$artifacts/$1.png" || fail "screenshot $1"
}

# A screenshot with the pointer left where it is.
shoot_here() {
    sleep 0.3
    import -window "$window" "$artifacts/$1.png" || fail "screenshot $1"
}

# other_window EXCEPT TENTHS: a shown window of the game other than EXCEPT,
# waited for at most TENTHS tenths of a second; empty when none came.
other_window() {
    local found="" i
    for ((i = 0; i < $2; i++)); do
        found=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$1" | head -n 1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}

# ended_well [AFTER]: waits for the game's end, which must be status 0.
ended_well() {
    wait "$game_pid" 2>/dev/null
    local status=$?
    game_pid=""
    [ "$status" -eq 0 ] || fail "the game ended with status $status${1:+ after $1}"
}

# leave_by_halte [SHOT]: the Halte tool, then Return for yes to its
# question (kept as screenshot SHOT if named); waits until the game ends.
leave_by_halte() {
    click_on Halte
    local question
    question=$(other_window "$window" 50)
    [ -n "$question" ] || fail "Halte asked nothing"
    [ -n "${1:-}" ] && { import -window "$question" "$artifacts/$1.png" || true; }
    xdotool windowfocus --sync "$question" || fail "the question did not take the focus"
    xdotool key Return || fail "key Return"
    wait_for 100 sh -c "! kill -0 $game_pid" || fail "the game did not end after Halte"
}

# ---- looking at the window -------------------------------------------------

# region_differs SHOT1 SHOT2 "LEFT TOP WIDTH HEIGHT": that rectangle does
# not look the same on both screenshots.
region_differs() {
    local r
    read -r -a r <<<"$3"
    convert "$artifacts/$1.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage "$scratch/one.png"
    convert "$artifacts/$2.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage "$scratch/two.png"
    local changed
    changed=$(compare -metric AE "$scratch/one.png" "$scratch/two.png" null: 2>&1)
    [ "${changed%% *}" != 0 ]
}

# The inside of a control, its frame left out.
inside() { box "$1" | awk '{ print $1 + 4, $2 + 4, $3 - 8, $4 - 8 }'; }

# darkest SHOT NAME(I): the darkest grey of the control's inside, 0 black
# to 1.
darkest() {
    local r
    read -r -a r <<<"$(inside "$2")"
    convert "$artifacts/$1.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage \
        -colorspace Gray -format '%[fx:minima]' info:
}

# ---- closing as a window manager would -------------------------------------

# The title bar's close button makes the window manager send the window a
# WM_DELETE_WINDOW message. There is no window manager here, so the message
# is sent by hand through libX11.
send_close_request() {
    python3 - "$1" <<'PYTHON'
import ctypes, ctypes.util, sys
x = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5), ("pad", ctypes.c_long * 16)]

d = x.XOpenDisplay(None)
if not d:
    sys.exit(1)
ev = ClientMessage()
ev.type = 33  # ClientMessage
ev.window = int(sys.argv[1])
ev.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
ev.format = 32
ev.l[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
ev.l[1] = 0  # CurrentTime
ok = x.XSendEvent(d, ev.window, 0, 0, ctypes.byref(ev))
x.XFlush(d)
x.XCloseDisplay(d)
sys.exit(0 if ok else 1)
PYTHON
}
