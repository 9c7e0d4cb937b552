#!/usr/bin/env bash
# Turns a game played by mouse (a record's turns: dice, clicks on Ok, Cases
# and Zéro, keys) into the same game played by keyboard alone, as a player
# who cannot use the mouse plays it: Return for OK, Tab into the sheet and
# the arrows to the cell, Tab on to the cross. The sheet's cells that show
# at each click are read from the driver playing the mouse game, and the
# arrows are walked as the game walks them, over the cells that show.
#
#   keyboard_plan.sh DRIVER TURNS > keys     (driver lines: dice, key, play)
set -u
driver=$1 turns=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cells="0 1 2 3 4 5 8 9 10 11 12 13 14"
# The mouse game, with the cells that show and Retour read before each click
# that the keyboard must walk to.
{
    printf '%s\n' start "click Coup1" "move Personnages 0" "click Personnages 3"
    awk -v cells="$cells" '
        /^click (Cases|Zéro)/ {
            n = split(cells, r, " ")
            for (c = 0; c < 5; c++) for (i = 1; i <= n; i++) print "print Cases " (16 * c + r[i]) " visible"
            print "print Retour visible"
        }
        /^(dice|click|key) / { print }' "$turns"
} | "$driver" "$scratch" >"$scratch/seen" 2>&1 || { echo "the mouse game did not run" >&2; exit 1; }
grep -o '^Cases([0-9]*).visible = [a-z]*\|^Retour.visible = [a-z]*' "$scratch/seen" >"$scratch/shown"

awk -v cells="$cells" '
    BEGIN {
        n = split(cells, r, " ")
        for (i = 1; i <= n; i++) scoring[r[i]] = 1
        at = 0  # the cell the keyboard last stood on in the sheet
    }
    # One picture of the sheet a click, from the mouse game.
    FILENAME != "-" && /^Cases/ { gsub(/[^0-9]/, "", $1); pic[snap, $1] = ($3 == "true"); next }
    FILENAME != "-" && /^Retour/ { retour[snap] = ($3 == "true"); snap++; next }
    function shows(k) { return (used, k) in pic && pic[used, k] }
    # The arrow from cell K, as the game walks it: on along the row or the
    # column to the next cell that shows.
    function arrow(k, dc, dr,   c, l) {
        c = int(k / 16); l = k % 16
        for (;;) {
            c += dc; l += dr
            if (l < 0 || l > 15 || c < 0 || c > 4) return -1
            if ((l in scoring) && shows(16 * c + l)) return 16 * c + l
        }
    }
    # The shortest walk of arrows from FROM to TO (breadth first).
    function walk(from, to,   q, head, tail, seen, how, k, d, nk, path, names, dcs, drs) {
        split("Left Right Up Down", names, " "); split("-1 1 0 0", dcs, " "); split("0 0 -1 1", drs, " ")
        head = tail = 0; q[tail++] = from; seen[from] = 1
        while (head < tail) {
            k = q[head++]
            if (k == to) break
            for (d = 1; d <= 4; d++) {
                nk = arrow(k, dcs[d], drs[d])
                if (nk >= 0 && !(nk in seen)) { seen[nk] = 1; how[nk] = k " " names[d]; q[tail++] = nk }
            }
        }
        if (!(to in seen)) { print "no walk to cell " to > "/dev/stderr"; exit 1 }
        path = ""
        for (k = to; k != from; k = substr(how[k], 1, index(how[k], " ") - 1))
            path = "key " substr(how[k], index(how[k], " ") + 1) "\n" path
        return path
    }
    function entry(   i, l, c) {
        if (shows(at)) return at
        for (l = 0; l < 16; l++) for (c = 0; c < 5; c++) if ((l in scoring) && shows(16 * c + l)) return 16 * c + l
        return -1
    }
    FILENAME == "-" && /^click Ok/ { print "key Return"; next }
    FILENAME == "-" && /^click Cases/ {
        start = entry()
        printf "key Tab\n%skey Return\n", walk(start, $3)
        at = $3; used++; next
    }
    FILENAME == "-" && /^click Zéro/ {
        if (entry() >= 0) print "key Tab"
        if (retour[used]) print "key Tab"
        print "key Tab"
        print "key Return"; used++; next
    }
    FILENAME == "-" && /^(dice|key) / { print }
' "$scratch/shown" - <"$turns"
