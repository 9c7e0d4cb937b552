#!/usr/bin/env bash
# A screen of 800 × 600 in 16 bits: the game asks first, in its consent
# window, to switch the screen to 1024 × 768. Agreed: Xvfb cannot switch, so
# the game's window is scaled down to the screen, and a click on Ok at its
# scaled place throws the dice. Refused, in a second start: the program ends
# at once with status 0, its window never shown, nothing left in its folder.
#
#   test_consent.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

places_setup="screen 800 600 16 60" read_places "" AfficheForm OkOuiCmd OkNonCmd Label1
read_places "" Ok "ChoixDés 0" "ChoixDés 4"
start_xvfb 800x600x16
mkdir -p "$scratch/game"
write_commence "$scratch/game"
launch_game
consent=$window

# The consent window: the form's size, in the middle of the screen within a
# pixel, the game's title, no file read or written yet, and its buttons and
# first label carrying their texts (dark ink).
eval "$(xdotool getwindowgeometry --shell "$consent")"
read -r -a form <<<"$(box AfficheForm)"
[ "$WIDTH $HEIGHT" = "${form[2]} ${form[3]}" ] || fail "the consent window is ${WIDTH}x$HEIGHT, not ${form[2]}x${form[3]}"
((X * 2 + WIDTH - 800 <= 2 && X * 2 + WIDTH - 800 >= -2 && Y * 2 + HEIGHT - 600 <= 2 && Y * 2 + HEIGHT - 600 >= -2)) ||
    fail "the consent window stands at $X,$Y, not in the middle of the screen"
[ "$(xdotool getwindowname "$consent")" = Dravonelle ] || fail "the consent window is not titled Dravonelle"
[ -e "$scratch/game/Joueurs" ] && fail "the game read or wrote its files before the answer"
sleep 0.5
shoot consent-window here
for c in OkOuiCmd OkNonCmd Label1; do
    awk -v k="$(darkest consent-window "$(box "$c")")" 'BEGIN { exit !(k < 0.35) }' || fail "$c shows no text"
done

# Agreed: the game's window instead, within the screen, 4 by 3, smaller.
click_on OkOuiCmd
window=$(other_window "$consent" 100)
[ -n "$window" ] || fail "the game's window did not appear after the consent"
xdotool search --onlyvisible --pid "$game_pid" | grep -qx "$consent" && fail "the consent window stayed"
eval "$(xdotool getwindowgeometry --shell "$window")"
((X >= 0 && Y >= 0 && X + WIDTH <= 800 && Y + HEIGHT <= 600 && WIDTH < 1024)) ||
    fail "the window (${WIDTH}x$HEIGHT at $X,$Y) is not scaled into the 800x600 screen"
((WIDTH * 3 - HEIGHT * 4 <= 4 && WIDTH * 3 - HEIGHT * 4 >= -4)) || fail "the window is ${WIDTH}x$HEIGHT: not 4 by 3"

# One throw by a click on Ok at its scaled place: the tray shows dice.
scaled() { box "$1" | awk -v z="$WIDTH" '{ z /= 1024; printf "%d %d %d %d\n", $1 * z, $2 * z, $3 * z + 0.5, $4 * z + 0.5 }'; }
read -r -a ok <<<"$(scaled Ok)"
read -r -a first <<<"$(scaled "ChoixDés(0)")"
read -r -a last <<<"$(scaled "ChoixDés(4)")"
tray="${first[0]} ${first[1]} $((last[0] + last[2] - first[0])) $((last[1] + last[3] - first[1]))"
xdotool mousemove --window "$window" $((WIDTH - 4)) $((HEIGHT - 4))
shoot consent-main-before here
xdotool mousemove --window "$window" $((ok[0] + ok[2] / 2)) $((ok[1] + ok[3] / 2)) click 1 || fail "click on Ok"
sleep 1.2
xdotool mousemove --window "$window" $((WIDTH - 4)) $((HEIGHT - 4))
shoot consent-main-thrown here
region_differs consent-main-before consent-main-thrown "$tray" || fail "the click on Ok showed no dice"
close_window

# Refused, in a fresh folder: every window the game shows is noted ten times
# a second until it ends.
rm -rf "$scratch/game"
launch_game
consent=$window
(while kill -0 "$game_pid" 2>/dev/null; do
    xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null
    sleep 0.1
done) >"$scratch/seen.txt" &
watcher=$!
sleep 0.3
click_on OkNonCmd
ended_well "the refusal"
wait "$watcher"
others=$(sort -u "$scratch/seen.txt" | grep -vx "$consent")
[ -z "$others" ] || fail "another window than the consent window was shown: $others"
left=$(find "$scratch/game" -mindepth 1 -maxdepth 1 ! -name dravonelle ! -name pictures ! -name '*.wav' ! -name '*.htm')
[ -z "$left" ] || fail "the refusal left files in the game's folder: $left"
echo "screenshots: $artifacts/consent-window.png $artifacts/consent-main-thrown.png"
echo "1 passed, 0 failed"
