#!/usr/bin/env bash
# The first window in a fresh folder (1024 × 768, something worth looking at),
# then three turns of "1 tirage" with dealt dice, played as a person plays
# them: OK by click and by Space, dice taken back by key and by click, results
# placed by clicking cells, the Score tool; Halte to leave, which with no
# character chosen changes no file. The data files are the player's own, in
# the user's data folder, none beside the program.
#
#   test_three_turns.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

read_places "" Coup1 Ok Score Halte "Stats 16" "ChoixDés 1" "Choixdés2 3" "Cases 0" "Cases 30" "Cases 43"
# Turn 1: 1 1 1 2 3, dice 1 and 2 again, then die 2: Libre's Maxi; turn 2:
# Descente's ones; turn 3: 6 6 6 2 3, dice 3 and 4 again: Montée's last row.
printf '%s\n' '1 1 1 2 3' '1 1' '1' '1 1 4 5 6' '6 6 6 2 3' '6 6' >"$scratch/dealt"
start_xvfb
data_dir=
launch_game DRAVONELLE_DEALT_DICE="$scratch/dealt"

eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH x $HEIGHT" = "1024 x 768" ] || fail "the window is ${WIDTH}x$HEIGHT, not 1024x768"
# The pointer over the sheet's first cell, then a click on bare paper.
xdotool mousemove --window "$window" 570 100 mousemove --window "$window" 990 745 click 1 || fail "pointer"
alive "after the pointer's visit"
wait_for 50 eval 'shoot first-window && uneven first-window "0 0 1024 768"' || fail "the window shows a uniform picture"

click_on Coup1
throw_by_click() { click_on Ok && sleep 1; }
throw_by_space() { key space && sleep 1; }
take_back_key() { key "$1" && sleep 0.4; }
take_back_click() { click_on "$1" && sleep 0.4; }
place() { shoot "$1-before" && click_on "$2" && shoot "$1" && placed "$1-before" "$1" "$2"; }

throw_by_click
shoot turn1-throw1
take_back_key w
take_back_click "ChoixDés(1)"
throw_by_space
take_back_key x
throw_by_space
place turn1-libre "Cases(43)"
throw_by_space
place turn2-descente "Cases(0)"
click_on Score
shoot panel-shown
region_differs turn2-descente panel-shown "$(inside "Stats(16)")" || fail "the Score tool showed no panel"
throw_by_click
take_back_click "Choixdés2(3)"
take_back_key c
throw_by_space
place three-turns "Cases(30)"
placed turn1-libre-before three-turns "Cases(43)"
alive "after turn 3"

files_now() { (cd "$scratch/data/Dravonelle" && find . -type f ! -name .dravonelle.lock -exec md5sum {} + | sort); }
files_now >"$scratch/files-before-halte.txt"
grep -q ' ./Commence$' "$scratch/files-before-halte.txt" || fail "no data files in the user's data folder"
beside=$(cd "$scratch/game" && ls -A | grep -vx -e dravonelle -e pictures -e '.*\.wav' -e '.*\.htm')
[ -z "$beside" ] || fail "data files beside the program: $beside"
leave_by_halte halte-question
files_now | diff "$scratch/files-before-halte.txt" - >&2 || fail "leaving with no character changed the files"
echo "screenshots: $artifacts/first-window.png $artifacts/three-turns.png $artifacts/panel-shown.png"
echo "1 passed, 0 failed"
