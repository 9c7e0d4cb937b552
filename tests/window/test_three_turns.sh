#!/usr/bin/env bash
# Three turns played as a person plays them: in a fresh folder the game has
# no way of playing yet, so "1 tirage" first; then OK by click and by Space,
# dice taken back by key and by click, results placed by clicking cells, and
# the Halte button to leave. The sheet is checked on screenshots, the
# folder's files are checked after leaving.
#
#   test_three_turns.sh <path-to-dravonelle> <artifact-dir>
#
# The cells' places are read from the layout through dravonelle-script,
# built beside the game.
set -u

source "$(dirname "$0")/common.sh" "$@"

[ -x "$script_driver" ] || fail "no dravonelle-script beside the game"

# ---- where the controls are ------------------------------------------------

# The layout in window pixels, read once from the model. None of these
# controls is held in a container.
read_layout() {
    local controls=("Coup1" "Ok" "Score" "Halte" "Stats 16" "ChoixDés 1" "Choixdés2 3" "Cases 0" "Cases 30"
        "Cases 43")
    read_places "" "${controls[@]}" >"$scratch/layout.txt"
    [ "$(wc -l <"$scratch/layout.txt")" -eq "${#controls[@]}" ]
}

# Each throw lets its dice land before anything else happens.
throw_by_click() { click_on Ok && sleep 1; }
throw_by_space() { key space && sleep 1; }
release_by_key() { key "$1" && sleep 0.4; }
release_by_click() { click_on "$1" && sleep 0.4; }

# ---- looking at the window -------------------------------------------------

# differs SHOT1 SHOT2 NAME(I): the control's inside does not look the
# same on both screenshots.
differs() { region_differs "$1" "$2" "$(inside "$3")"; }

# A placed result is dark writing in a cell that was blank before, and the
# cell's pixels are not those of before.
check_placed() {
    local before=$1 after=$2 cell=$3
    differs "$before" "$after" "$cell" || fail "$cell looks the same before and after placing"
    awk -v b="$(darkest "$before" "$cell")" -v a="$(darkest "$after" "$cell")" \
        'BEGIN { exit !(b > 0.5 && a < 0.3) }' || fail "$cell shows no result (darkest $(darkest "$after" "$cell"))"
}

place() {
    local before=$1 cell=$2 after=$3
    shoot "$before"
    click_on "$cell"
    shoot "$after"
    check_placed "$before" "$after" "$cell"
}

# ---- the game --------------------------------------------------------------

read_layout || fail "the layout could not be read through $script_driver"
start_xvfb || fail "no X server could be started"

launch_game

click_on Coup1
alive "after choosing 1 tirage"

# Turn 1: three throws, a die taken back by its key and one by a click on
# it, then the result in Libre's Maxi.
throw_by_click
shoot turn1-throw1
release_by_key w
release_by_click "ChoixDés(1)"
throw_by_space
release_by_key x
throw_by_space
place turn1-before "Cases(43)" turn1-libre
alive "after turn 1"

# Turn 2: one throw by Space, straight into Descente's first cell.
throw_by_space
place turn2-before "Cases(0)" turn2-descente
alive "after turn 2"

# The Score tool shows the information panel: the statistics come in sight.
click_on Score
shoot panel-shown
differs turn2-descente panel-shown "Stats(16)" || fail "the Score tool showed no panel"

# Turn 3: a small die taken back by a click, two throws, Montée's Yam.
throw_by_click
release_by_click "Choixdés2(3)"
release_by_key c
throw_by_space
shoot turn3-throw2
place turn3-before "Cases(30)" three-turns
# Turn 1's result is still there.
check_placed turn1-before three-turns "Cases(43)"
alive "after turn 3"

# Leaving by Halte: the game asks, Return says yes. With no character
# chosen nothing is counted, so no file changes.
files_now() { (cd "$scratch/game" && find . -type f ! -name '.dravonelle.lock' -exec md5sum {} + | sort); }
files_now >"$scratch/files-before-halte.txt"
leave_by_halte halte-question
ended_well
files_now | diff "$scratch/files-before-halte.txt" - >&2 ||
    fail "leaving with no character changed the game's files"

echo "screenshots: $artifacts/turn1-throw1.png $artifacts/three-turns.png $artifacts/panel-shown.png"
echo "1 passed, 0 failed"
