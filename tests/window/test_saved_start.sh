#!/usr/bin/env bash
# A start from a saved set-up ("Commence": character 3, one draw a turn, the
# information panel shown), so the first act can be Space. Then a die held by
# its key, a result placed by a click, the bubble over a clickable zone and
# over an information zone, the rules panel paged and closed, Iconify, and
# the window closed in the middle of the game, which counts the abandon.
#
#   test_saved_start.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

read_places "" Ok Heure "ChoixDés 0" "ChoixDés 4" "Cases 43" Règles Iconify SSRèglesCadre "SSRègle 1" ScrollHaut \
    ScrollBas SSPanel2
within SSRèglesCadre "SSRègle(1)" ScrollHaut ScrollBas SSPanel2
read -r -a first <<<"$(box "ChoixDés(0)")"
read -r -a last <<<"$(box "ChoixDés(4)")"
tray="${first[0]} ${first[1]} $((last[0] + last[2] - first[0])) $((last[1] + last[3] - first[1]))"
start_xvfb
mkdir -p "$scratch/game"
write_commence "$scratch/game"
launch_game

shoot start
key space
sleep 1
shoot first-throw
region_differs start first-throw "$tray" || fail "Space right after start-up showed no dice"
key w
sleep 0.4
shoot held-w
region_differs first-throw held-w "$(box "ChoixDés(0)")" || fail "W changed nothing on the first die"
shoot before-placing
click_on "Cases(43)"
shoot placed
placed before-placing placed "Cases(43)"

# The bubble: dark yellow over Ok, which can be clicked, teal over the clock,
# which only informs; its colour read inside its label, left of the text.
bubble() {
    point_at "$1" && xdotool mousemove_relative -- 2 1 && shoot "bubble-$1" here
    convert "$artifacts/bubble-$1.png" -format '%[fx:int(255*p{20,10}.r)] %[fx:int(255*p{20,10}.g)] %[fx:int(255*p{20,10}.b)]' info:
}
near() { awk -v got="$1" -v want="$2" 'BEGIN { split(got, c); split(want, w); for (i = 1; i <= 3; i++) if ((c[i] - w[i]) ^ 2 > 576) exit 1 }'; }
colour=$(bubble Ok)
near "$colour" "128 128 0" || fail "the bubble over Ok is $colour, not dark yellow"
colour=$(bubble Heure)
near "$colour" "0 128 128" || fail "the bubble over Heure is $colour, not teal"

# The rules: < does nothing on the first page, > turns to pages 2 and 3 and
# no further, < twice comes back to page 1; X closes them.
click_on Règles
shoot rules-0
page=$(box "SSRègle(1)")
region_differs placed rules-0 "$page" || fail "Règles showed no rules"
n=0
for step in "ScrollHaut same" "ScrollBas turns" "ScrollBas turns" "ScrollBas same" "ScrollHaut turns" "ScrollHaut turns"; do
    read -r button expected <<<"$step"
    click_on "$button"
    shoot "rules-$((++n))"
    region_differs "rules-$((n - 1))" "rules-$n" "$page" && turned=turns || turned=same
    [ "$turned" = "$expected" ] || fail "$button, step $n of the rules: the page $turned"
done
region_differs rules-0 rules-6 "$page" && fail "the rules did not come back to page 1"
click_on SSPanel2
shoot rules-closed
region_differs placed rules-closed "$(inside "Cases(43)")" && fail "X left the rules over the sheet"

# Iconify asks for the window to be put away; with no window manager nobody
# does, and the game goes on answering.
click_on Iconify
sleep 0.5
alive "after Iconify"
xdotool windowmap --sync "$window" 2>/dev/null
shoot after-iconify

info_before=$(stat -c %i "$scratch/game/Info1" 2>/dev/null)
close_window
[ "$(sed -n '1p;4p' "$scratch/game/Abandon1" | tr -d '\r' | paste -sd' ')" = "1 1" ] ||
    fail "Abandon1 does not count 1 abandon in all and 1 for character 3"
[ "$(stat -c %i "$scratch/game/Info1")" != "$info_before" ] || fail "Info1 was not written again"
echo "screenshots: $artifacts/first-throw.png $artifacts/bubble-Ok.png $artifacts/rules-1.png"
echo "1 passed, 0 failed"
