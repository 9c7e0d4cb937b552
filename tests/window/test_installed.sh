#!/usr/bin/env bash
# The installed game as a player starts it: installed into a prefix of its
# own, started by its installed path from another folder with a fresh HOME.
# Its window shows the game's icon; a throw shows the dice of the prefix's
# pictures (repainted there beforehand, so that the build's own copies or
# pictures painted at run time cannot pass for them); the window's close ends
# it well; the working folder stays empty and the records land in the new
# home's data folder, none beside the program.
#
#   test_installed.sh <path-to-dravonelle> <artifact-dir>
source "$(dirname "$0")/common.sh" "$@"

prefix=$scratch/prefix home=$scratch/home work=$scratch/work
# Where the installed game keeps its records: the player's own data folder.
records=$home/.local/share/Dravonelle
"${CMAKE:-cmake}" --install "$(dirname "$game")" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    fail "the install failed: $(tail -n 3 "$scratch/install.log")"
mkdir -p -m 700 "$home" "$work" "$scratch/runtime"
for picture in "$prefix/share/dravonelle/pictures/GrosDésImage("1[1-6]")"*.png; do
    convert "$picture" -fill magenta -colorize 100 "$picture" || fail "no repainting of $picture"
done
# magenta SHOT: the share of the screenshot's pixels that are magenta.
magenta() { convert "$artifacts/$1.png" -fill black +opaque magenta -fill white -opaque magenta -format '%[fx:mean]' info:; }

read_places "" Coup1 Ok
printf '%s\n' '1 2 3 4 5' >"$scratch/dealt"
start_xvfb
(
    cd "$work" || exit 1
    unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME
    exec env HOME="$home" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime" \
        DRAVONELLE_DEALT_DICE="$scratch/dealt" "$prefix/games/dravonelle"
) >"$scratch/game.log" 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "the installed game's window did not appear"
xdotool windowfocus --sync "$window" || fail "the window did not take the focus"
[ "$(xprop -id "$window" _NET_WM_ICON | wc -c)" -gt 1000 ] || fail "the window has no icon"

click_on Coup1
shoot before-throw
click_on Ok && sleep 1
shoot installed-throw
uneven installed-throw "0 0 1024 768" || fail "the installed game's window is blank"
awk -v b="$(magenta before-throw)" -v a="$(magenta installed-throw)" 'BEGIN { exit !(b < 0.001 && a > 0.01) }' ||
    fail "the dice thrown are not the prefix's pictures"
close_window

[ -z "$(ls -A "$work")" ] || fail "the game wrote in its working folder: $(ls -A "$work")"
[ -f "$records/Commence" ] || fail "no records in $records: $(ls -A "$records" 2>&1)"
[ -z "$(ls -A "$prefix/games" | grep -v '^dravonelle')" ] || fail "the game wrote beside itself: $(ls -A "$prefix/games")"
# With no audio output the game says so once; Qt Multimedia says nothing.
if grep -q 'sortie audio' "$scratch/game.log"; then
    [ "$(grep -c 'sortie audio' "$scratch/game.log")" = 1 ] && ! grep -qi 'multimedia\|QSoundEffect' "$scratch/game.log" ||
        fail "the missing audio output is told more than once"
fi
echo "screenshot: $artifacts/installed-throw.png"
echo "1 passed, 0 failed"
