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
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 grep -q '[0-9]' "$scratch/display" || return 1
    export DISPLAY=":$(tr -dc 0-9 <"$scratch/display")"
    wait_for 100 xdotool getdisplaygeometry
}
