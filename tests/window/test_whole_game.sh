#!/usr/bin/env bash
# A whole game of "1 tirage" played in the window click by click, with the
# dice of the game that the record one_draw_first_place_fresh_folder plays
# through the driver: the same end (CAMILLE first with 1937) and the same
# data files, byte for byte, the date of the day aside.
#
#   test_whole_game.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

recorded_game
# Taken once a run: a shot of an earlier run must not stand for it.
rm -f "$artifacts/game-half-way.png"

# The controls the game clicks, and character 3 in the open menu.
mapfile -t clicked < <(awk '$1 == "click" { print $2 ($3 == "" ? "" : " " $3) }' "$turns" | sort -u)
read_places "move Personnages 0" Coup1 Animation "Personnages 0" MenuPersonnages "Personnages 3" "${clicked[@]}"
within MenuPersonnages "Personnages(3)"
start_xvfb
launch_game DRAVONELLE_DEALT_DICE="$scratch/dealt"

# The dice roll without their animation to keep the game short; the
# Animation tool is clicked again at the end, which leaves the options as
# they were. A refused click would put the game out of step.
click_on Animation
sleep 0.3
click_on Coup1
sleep 0.3
point_at "Personnages(0)"
sleep 0.4
click_on "Personnages(3)"
sleep 0.3
turn=0
while read -r verb what index; do
    case "$verb $what" in
        "dice "*) [ "$(wc -w <<<"$what $index")" -eq 5 ] && turn=$((turn + 1)) ;;
        "click Ok") click_on Ok && sleep 0.3 ;;
        "click "*) click_on "$what${index:+($index)}" && sleep 0.25 ;;
        "key "*) key "${what/Space/space}" && sleep 0.3 ;;
        *) continue ;;
    esac
    alive "in turn $turn ($verb $what $index)"
    [ "$turn$verb$what" = 30clickCases ] && [ ! -f "$artifacts/game-half-way.png" ] && shoot game-half-way
done <"$turns"
[ "$turn" -eq 65 ] || fail "the recorded game has $turn turns, not 65"
sleep 1.5
shoot game-end
click_on Animation
sleep 0.3
close_window

files_as_recorded "$expected" "the driver's"
echo "screenshots: $artifacts/game-half-way.png $artifacts/game-end.png"
echo "1 passed, 0 failed"
