#!/usr/bin/env bash
# A screen of 800 × 600 in 16 bits: the game asks first, in its consent
# window, to switch the screen to 1024 × 768. "Je ne suis pas d'accord" is
# clicked: the program ends at once with status 0, its window never shown,
# and it leaves nothing in its folder (no data file, no lock), having
# changed nothing.
#
#   test_consent_refuse.sh <path-to-dravonelle> <artifact-dir>
set -u

source "$(dirname "$0")/common.sh" "$@"

[ -x "$script_driver" ] || fail "no dravonelle-script beside the game"

places_setup="screen 800 600 16 60" read_places "" OkOuiCmd OkNonCmd >"$scratch/layout.txt" ||
    fail "the consent window's places could not be read"
[ "$(wc -l <"$scratch/layout.txt")" -eq 2 ] || fail "missing places: $(cat "$scratch/layout.txt")"

start_xvfb 800x600x16 || fail "no X server could be started"
launch_game
consent=$window

# Every window the game shows from now on, noted ten times a second.
(
    while kill -0 "$game_pid" 2>/dev/null; do
        xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null
        sleep 0.1
    done
) >"$scratch/seen.txt" &
watcher=$!

sleep 0.3
click_on OkNonCmd
wait_for 50 sh -c "! kill -0 $game_pid" || fail "the game did not end within 5 s of the refusal"
ended_well "the refusal"
wait "$watcher" 2>/dev/null

others=$(sort -u "$scratch/seen.txt" | grep -vx "$consent")
[ -z "$others" ] || fail "another window than the consent window was shown: $others"

# The folder holds what the test put there (the program, its pictures,
# sounds and pages) and nothing else.
left=$(find "$scratch/game" -mindepth 1 -maxdepth 1 ! -name dravonelle ! -name pictures ! -name '*.wav' \
    ! -name '*.htm' -printf '%f\n')
[ -z "$left" ] || fail "the refusal left files in the game's folder: $(echo $left)"

echo "ended with status 0, only the consent window ($consent) shown, the folder untouched"
echo "1 passed, 0 failed"
