#!/usr/bin/env bash
# A screen of 800 × 600 in 16 bits: the game asks first, in its consent
# window, to switch the screen to 1024 × 768. "Je suis d'accord" is clicked;
# Xvfb cannot switch (it has no other mode), so the game runs in the mode it
# has, its window scaled down to the screen. One throw is played by a click
# on Ok at its scaled place, and the window closed in the middle of the game
# counts the abandon, which shows the throw started a game.
#
#   test_consent_agree.sh <path-to-dravonelle> <artifact-dir>
set -u

source "$(dirname "$0")/common.sh" "$@"

[ -x "$script_driver" ] || fail "no dravonelle-script beside the game"

# The saved set-up of test_saved_start: character 3, one draw a turn, so
# that Ok throws at once.
write_commence() {
    printf '%s\r\n' '#FALSE#' 0 3 1 '#FALSE#' '#TRUE#' '#TRUE#' 1 '#FALSE#' >"$1/Commence"
}

# ---- where the controls are ------------------------------------------------

# The consent window's controls, read from the driver started on the same
# screen; its places count from the window's corner.
places_setup="screen 800 600 16 60" read_places "" AfficheForm OkOuiCmd OkNonCmd Label1 >"$scratch/layout.txt" ||
    fail "the consent window's places could not be read"
# The game's window, in window pixels before its scaling.
read_places "" Ok "ChoixDés 0" "ChoixDés 4" >>"$scratch/layout.txt" || fail "the window's places could not be read"
[ "$(wc -l <"$scratch/layout.txt")" -eq 7 ] || fail "missing places: $(cat "$scratch/layout.txt")"

# scaled "L T W H" ZOOM: the rectangle in screen pixels.
scaled() { awk -v z="$2" '{ printf "%d %d %d %d\n", $1 * z, $2 * z, $3 * z + 0.5, $4 * z + 0.5 }' <<<"$1"; }

# ---- the consent window ----------------------------------------------------

start_xvfb 800x600x16 || fail "no X server could be started"
mkdir -p "$scratch/game"
write_commence "$scratch/game"
launch_game
consent=$window

eval "$(xdotool getwindowgeometry --shell "$consent")" || fail "no geometry for the consent window"
read -r -a form <<<"$(box AfficheForm)"
[ "$WIDTH" = "${form[2]}" ] && [ "$HEIGHT" = "${form[3]}" ] ||
    fail "the consent window is ${WIDTH}x$HEIGHT, not ${form[2]}x${form[3]}"
# Centred on the screen, within a pixel.
[ $((X * 2 + WIDTH - 800)) -ge -2 ] && [ $((X * 2 + WIDTH - 800)) -le 2 ] &&
    [ $((Y * 2 + HEIGHT - 600)) -ge -2 ] && [ $((Y * 2 + HEIGHT - 600)) -le 2 ] ||
    fail "the consent window stands at $X,$Y, not in the middle of the screen"
title=$(xdotool getwindowname "$consent")
[ "$title" = Dravonelle ] || fail "the consent window is titled '$title'"
[ -e "$scratch/game/Joueurs" ] && fail "the game read or wrote its files before the answer"

sleep 0.5
import -window "$consent" "$artifacts/consent-window.png" || fail "screenshot of the consent window"
# The buttons and the first label carry their texts: dark ink on their faces.
for c in OkOuiCmd OkNonCmd Label1; do
    read -r -a r <<<"$(box "$c")"
    ink=$(convert "$artifacts/consent-window.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage \
        -colorspace Gray -format '%[fx:minima]' info:)
    awk -v k="$ink" 'BEGIN { exit !(k < 0.35) }' || fail "$c shows no text (darkest grey $ink)"
done

# ---- agreed: the game's window, scaled to the screen ---------------------------

click_on OkOuiCmd
main=$(other_window "$consent" 100)
[ -n "$main" ] || fail "the game's window did not appear after the consent"
alive "after the consent"
xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -qx "$consent" &&
    fail "the consent window stayed after the answer"
window=$main
xdotool windowfocus --sync "$window" || fail "the window did not take the focus"

eval "$(xdotool getwindowgeometry --shell "$window")" || fail "no geometry for the window"
[ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le 800 ] && [ $((Y + HEIGHT)) -le 600 ] ||
    fail "the window (${WIDTH}x$HEIGHT at $X,$Y) runs off the 800x600 screen"
# Its proportions kept: 4 by 3 within a pixel.
[ $((WIDTH * 3 - HEIGHT * 4)) -ge -4 ] && [ $((WIDTH * 3 - HEIGHT * 4)) -le 4 ] ||
    fail "the window is ${WIDTH}x$HEIGHT: not 4 by 3"
[ "$WIDTH" -lt 1024 ] || fail "the window was not scaled down"
zoom=$(awk -v w="$WIDTH" 'BEGIN { print w / 1024 }')

# ---- one throw, by a click on Ok at its scaled place ---------------------------

read -r -a first_die <<<"$(scaled "$(box "ChoixDés(0)")" "$zoom")"
read -r -a last_die <<<"$(scaled "$(box "ChoixDés(4)")" "$zoom")"
tray="${first_die[0]} ${first_die[1]} $((last_die[0] + last_die[2] - first_die[0])) $((last_die[1] + last_die[3] - first_die[1]))"
read -r -a ok <<<"$(scaled "$(box Ok)" "$zoom")"

xdotool mousemove --window "$window" $((WIDTH - 4)) $((HEIGHT - 4)) || fail "pointer move"
sleep 0.4
import -window "$window" "$artifacts/consent-main-before.png" || fail "screenshot before the throw"
xdotool mousemove --window "$window" $((ok[0] + ok[2] / 2)) $((ok[1] + ok[3] / 2)) click 1 || fail "click on Ok"
sleep 1.2
alive "after the throw"
xdotool mousemove --window "$window" $((WIDTH - 4)) $((HEIGHT - 4)) || fail "pointer move"
sleep 0.4
import -window "$window" "$artifacts/consent-main-thrown.png" || fail "screenshot after the throw"
region_differs consent-main-before consent-main-thrown "$tray" || fail "the click on Ok showed no dice"

# ---- closed in the middle of the game ---------------------------------------

if command -v python3 >/dev/null 2>&1 && send_close_request "$window"; then
    wait_for 100 sh -c "! kill -0 $game_pid" || fail "the game did not end after the close request"
else
    fail "no close request could be sent"
fi
ended_well
abandons="$scratch/game/Abandon1"
[ -f "$abandons" ] || fail "no Abandon1: the throw started no game"
mine=$(sed -n 4p "$abandons" | tr -d '\r')
[ "$mine" = 1 ] || fail "Abandon1 counts $mine abandons for character 3, not 1"

echo "consent window: $artifacts/consent-window.png"
echo "scaled window: ${WIDTH}x$HEIGHT (zoom $zoom): $artifacts/consent-main-thrown.png"
echo "1 passed, 0 failed"
