#!/usr/bin/env bash
# A whole game of "1 tirage" played in the window, click by click, with the
# dice of a known game dealt to it: the 65 turns that the record scenario
# one_draw_first_place_fresh_folder plays through the script driver. The
# window must come to the same end: first place for CAMILLE with 1937, the
# ranking on screen, and the same data files, byte for byte, but for the
# date of the day in the ranking.
#
#   test_whole_game.sh <path-to-dravonelle> <artifact-dir>
set -u

source "$(dirname "$0")/common.sh" "$@"

[ -x "$script_driver" ] || fail "no dravonelle-script beside the game"
records="$(dirname "$0")/../records"
turns="$records/one_draw_game.turns"
expected="$records/one_draw_first_place_fresh_folder/after"
[ -f "$turns" ] && [ -d "$expected" ] || fail "the recorded game is missing"

# The dice of the whole game, in the order the driver deals them.
grep '^dice ' "$turns" | cut -d' ' -f2- >"$scratch/dealt"

# The places: the controls the game clicks, the buttons, and the portrait of
# character 3 in the open menu (held by the menu, so counted from its corner).
mapfile -t clicked < <(awk '$1 == "click" { print $2 ($3 == "" ? "" : " " $3) }' "$turns" | sort -u)
{
    read_places "" Coup1 Animation "Personnages 0" "${clicked[@]}"
    read_places "move Personnages 0" MenuPersonnages "Personnages 3" |
        awk '$1 == "MenuPersonnages" { l = $2; t = $3; next } { print $1, $2 + l, $3 + t, $4, $5 }'
} >"$scratch/layout.txt"
[ "$(wc -l <"$scratch/layout.txt")" -eq $((${#clicked[@]} + 4)) ] ||
    fail "the layout could not be read through $script_driver"

start_xvfb || fail "no X server could be started"
launch_game DRAVONELLE_DEALT_DICE="$scratch/dealt"

# Each throw lets its dice land before anything else happens; a refused
# click would put the whole game out of step. The dice roll without their
# animation, as the Animation tool leaves them, to keep the game short; the
# tool is clicked again after the last turn, which leaves the saved options as
# they were.
throw() { click_on Ok && sleep 0.3; }

click_on Animation
sleep 0.3
click_on Coup1
sleep 0.3
point_at "Personnages(0)"
sleep 0.4
click_on "Personnages(3)"
sleep 0.3
alive "after choosing the way of playing and the character"

turn=0
while read -r verb what index; do
    case "$verb $what" in
        "dice "*) [ "$(wc -w <<<"$what $index")" -eq 5 ] && turn=$((turn + 1)) ;;  # a new turn's throw
        "click Ok") throw ;;
        "click "*) click_on "$what${index:+($index)}" && sleep 0.25 ;;
        "key Space") key space && sleep 0.3 ;;
        "key "*) key "$what" && sleep 0.3 ;;
        *) continue ;;
    esac
    alive "in turn $turn ($verb $what $index)"
    [ "$turn" -eq 30 ] && [ ! -f "$artifacts/game-half-way.png" ] && [ "$verb" = click ] && [ "$what" = Cases ] &&
        shoot game-half-way
done <"$turns"
[ "$turn" -eq 65 ] || fail "the recorded game has $turn turns, not 65"

sleep 1.5
shoot game-end
click_on Animation
sleep 0.3
alive "at the end of the game"

# The ranking is written when the game ends: character 3 (CAMILLE) first.
ranking="$scratch/game/Fichyam1"
[ -f "$ranking" ] || fail "no ranking written at the end of the game"
iconv -f WINDOWS-1252 -t UTF-8 "$ranking" | tr -d '\r' | head -n 3 >"$scratch/first-record.txt"
[ "$(paste -sd' ' "$scratch/first-record.txt")" = "3 \"$(date +%d/%m/%y) \" 1937" ] ||
    fail "the first record is not character 3 with 1937 today: $(paste -sd' ' "$scratch/first-record.txt")"

# Closing the window after the game counts no abandon.
send_close_request "$window" || fail "no close request could be sent"
wait_for 100 sh -c "! kill -0 $game_pid" || fail "the game did not end after the close request"
ended_well

# The files are those the driver leaves, the day's date aside.
today=$(date +%d/%m/%y)
for f in "$expected"/*; do
    name=$(basename "$f")
    [ -f "$scratch/game/$name" ] || fail "no $name after the game"
    if [ "$name" = Fichyam1 ]; then
        sed "s|05/01/26|$today|" "$f" >"$scratch/expected-$name"
    else
        cp "$f" "$scratch/expected-$name"
    fi
    cmp -s "$scratch/expected-$name" "$scratch/game/$name" ||
        fail "$name differs from the driver's: $(diff <(od -c "$scratch/expected-$name") <(od -c "$scratch/game/$name") | head -n 6)"
done

echo "screenshots: $artifacts/game-half-way.png $artifacts/game-end.png"
echo "1 passed, 0 failed"
