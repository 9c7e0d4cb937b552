#!/usr/bin/env bash
# Damaged data files never cost the player's records. The whole game of
# one_draw_fifth_below_equal_fourth, then another character's game thrown
# once and left, so that the game writes "Info1", "Abandon1" and "Fichyam1"
# over what it read. Each variation is laid into all three before the run:
# - what an editor adds (a byte-order mark, blanks at the ends of lines, LF
#   line ends, no line end at the very end) reads as the clean files: the
#   run prints and writes exactly what it does from them;
# - real damage (a junk first line, a file cut in the middle of a ranking)
#   is kept byte for byte in a copy beside the file before the first write
#   over it, and the player is told on standard error.
#
#   damaged_files.sh <dravonelle-script>
set -u
driver=$1
base=$(cd "$(dirname "$0")" && pwd)/one_draw_fifth_below_equal_fourth
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
damaged=(Info1 Abandon1 Fichyam1)
passed=0 failed=0
fail() { echo "FAIL $variation: $*"; ok=0; }

awk -v dir="$base" '/^# play: / { while ((getline l < (dir "/" $3)) > 0) print l; next } $0 != "close"' \
  "$base/script.txt" >"$work/script"
printf '%s\n' "move Personnages 0" "click Personnages 9" "dice 1 2 3 4 5" "click Ok" "close" >>"$work/script"

# run NAME: the base folder's files, damaged by damage_NAME, played into
# $work/NAME; what was laid in $work/NAME.FILE.laid, the output in $work/NAME.out.
run() {
  local dir=$work/$1 f
  mkdir "$dir" && cp "$base"/before/* "$dir"/
  for f in "${damaged[@]}"; do "damage_$1" "$dir/$f" && cp "$dir/$f" "$work/$1.$f.laid"; done
  "$driver" "$dir" <"$work/script" 2>&1 | sed "s|$dir|DIR|g" >"$work/$1.out"
}
damage_clean() { :; }
damage_bom() { sed -i '1s/^/\xEF\xBB\xBF/' "$1"; }
damage_trailing_blanks() { sed -i 's/\r$/  \t\r/' "$1"; }
damage_lf() { sed -i 's/\r$//' "$1"; }
damage_no_last_line_end() { truncate -s -2 "$1"; }
damage_junk_first_line() { sed -i '1s/^/Ce fichier a été ouvert\r\n/' "$1"; }
# Fichyam1 cut inside the second line of its sixth record, as a full disk
# might leave it; the other files lose their last third.
damage_cut() {
  local keep=$(($(stat -c %s "$1") * 2 / 3))
  [ "${1##*/}" = Fichyam1 ] && keep=$(($(head -n 16 "$1" | wc -c) - 6))
  truncate -s "$keep" "$1"
}

run clean
for variation in bom trailing_blanks lf no_last_line_end junk_first_line cut; do
  ok=1
  run $variation
  for f in "${damaged[@]}"; do
    copies=("$work/$variation/$f".illisible-*)
    if [ $variation != junk_first_line ] && [ $variation != cut ]; then
      cmp -s "$work/clean/$f" "$work/$variation/$f" || fail "$f is not what the clean files' run writes"
      [ -f "${copies[0]}" ] && fail "a copy was kept of a sound $f"
    elif [ ${#copies[@]} != 1 ] || [ ! -f "${copies[0]}" ]; then
      fail "$f: no copy kept beside it"
    else
      cmp -s "${copies[0]}" "$work/$variation.$f.laid" || fail "$f: the copy is not the file as it was"
      cmp -s "$work/$variation/$f" "$work/$variation.$f.laid" && fail "$f: never written"
      grep -qF "était abîmé ; il est gardé tel quel dans DIR/${copies[0]##*/}" "$work/$variation.out" ||
        fail "$f: not told on standard error"
    fi
  done
  case $variation in
    junk_first_line) ;;
    # The records read before the cut stay: the new game, fifth, leaves the
    # first four where they were.
    cut) cmp -s <(head -n 12 "$work/cut/Fichyam1") <(head -n 12 "$base/before/Fichyam1") ||
      fail "the first four records were lost" ;;
    *) diff -u "$work/clean.out" "$work/$variation.out" || fail "the run differs from the clean files' run" ;;
  esac
  [ $ok = 1 ] && passed=$((passed + 1)) || failed=$((failed + 1))
done

echo "$passed passed, $failed failed"
[ $failed = 0 ]
