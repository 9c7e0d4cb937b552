#!/usr/bin/env bash
# The whole game of "1 tirage" that test_whole_game.sh plays by mouse, played
# by keyboard alone: Tab to the tools, the ways of playing and the portraits,
# Return for OK, Tab and the arrows to each cell, Ctrl+Q and Return to leave.
# The pointer stays off the window. The data files it leaves must be those of
# the mouse game, byte for byte, the date of the day aside; the same keys
# through the driver first, where they must leave them exactly.
#
#   test_keyboard_game.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

recorded_game
# Taken once a run: a shot of an earlier run must not stand for it.
rm -f "$artifacts/keyboard-half-way.png"

# Animation off by its tool (past the advisor), "1 tirage" back from the portraits, the third
# portrait; at the end Animation on again, and Halte.
prologue=(Tab Tab Tab Tab Tab Return Shift+Tab Shift+Tab Left Return Shift+Tab Right Right Return)
epilogue=(Tab Tab Tab Tab Tab Return)
"$(dirname "$0")/keyboard_plan.sh" "$script_driver" "$turns" >"$scratch/plan" || fail "no keyboard plan"
{
    echo start
    printf 'key %s\n' "${prologue[@]}"
    cat "$scratch/plan"
    printf 'key %s\n' "${epilogue[@]}"
    printf '%s\n' "answer yes" "key Ctrl+Q"
} >"$scratch/keys.txt"
mkdir "$scratch/driven"
"$script_driver" "$scratch/driven" <"$scratch/keys.txt" >"$scratch/driven.out" 2>&1 || fail "the driver did not play the keys"
for f in "$expected"/*; do
    cmp -s "$f" "$scratch/driven/$(basename "$f")" || fail "by keys through the driver, $(basename "$f") differs"
done

start_xvfb
launch_game DRAVONELLE_DEALT_DICE="$scratch/dealt"
# The pointer waits off the window: no hover but the keyboard's.
eval "$(xdotool getwindowgeometry --shell "$window" | grep '^[XYWH]')" || fail "no window geometry"
xdotool mousemove $((X + WIDTH + 20)) $((Y + HEIGHT + 20)) || fail "pointer move"
sleep 0.5

press() {
    local k=${1/Space/space}
    k=${k/Shift+/shift+}
    k=${k/Ctrl+/ctrl+}
    [ ${#k} -eq 1 ] && k=${k,,}
    xdotool key "$k" || fail "key $1"
}
turn=0 moves=0
while read -r verb what rest; do
    case "$verb" in
        dice) [ "$(wc -w <<<"$what $rest")" -eq 5 ] && turn=$((turn + 1)) ;;
        key)
            case "$what" in
                Return) press Return && sleep 0.3 ;;
                *) press "$what" && sleep 0.06 ;;
            esac
            moves=$((moves + 1))
            ;;
        *) continue ;;
    esac
    [ $((moves % 20)) -eq 0 ] && alive "in turn $turn (key $what)"
    # Half-way, the focus frame on the cell about to be taken.
    if [ "$turn" = 30 ] && [ "$what" != Return ] && [ "$what" != Tab ] && [ "$verb" = key ] && [ ! -f "$artifacts/keyboard-half-way.png" ]; then
        sleep 0.3
        shoot keyboard-half-way here
    fi
done < <(sed -n '/^start$/,$p' "$scratch/keys.txt" | grep -v '^answer\|^start$\|Ctrl+Q')
[ "$turn" -eq 65 ] || fail "the recorded game has $turn turns, not 65"
sleep 1
shoot keyboard-end here
press Ctrl+Q
question=$(other_window "$window" 50)
[ -n "$question" ] || fail "Ctrl+Q asked nothing"
xdotool windowfocus --sync "$question" && xdotool key Return || fail "no answer to Halte's question"
ended_well "Ctrl+Q"

files_as_recorded "$expected" "the mouse game's"
echo "screenshots: $artifacts/keyboard-half-way.png $artifacts/keyboard-end.png"
echo "1 passed, 0 failed"
