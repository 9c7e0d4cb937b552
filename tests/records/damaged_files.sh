#!/usr/bin/env bash
# Damaged data files never cost the player's records. A whole game from
# one_draw_fifth_below_equal_fourth, then a new game abandoned by choosing
# another character after its first throw, so that the
# game writes "Info1", "Abandon1" and "Fichyam1" over what it read. Each
# variation is laid into all three before the run:
# - what an editor adds (a byte-order mark, blanks at the ends of lines, LF
#   line ends, no line end at the very end) reads as the clean files: the
#   run prints and writes exactly what it does from them;
# - real damage (a junk first line, a file cut in the middle of a ranking)
#   is kept byte for byte in a copy beside the file before the first write
#   over it, and the player is told on standard error (the bubble's words
#   are checked by the unit tests).
#
#   damaged_files.sh <dravonelle-script>
set -u
driver=$1
here=$(cd "$(dirname "$0")" && pwd)
base=$here/one_draw_fifth_below_equal_fourth
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
damaged=(Info1 Abandon1 Fichyam1)
passed=0 failed=0
fail() { echo "FAIL $variation: $*"; ok=0; }

# The whole game, then another character's game thrown once and left.
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "# play: "*) cat "$base/${line#\# play: }" ;;
    close) ;;
    *) printf '%s\n' "$line" ;;
  esac
done <"$base/script.txt" >"$work/script"
printf '%s\n' "move Personnages 0" "click Personnages 9" "dice 1 2 3 4 5" "click Ok" "close" >>"$work/script"

# run NAME: the base folder's files, damaged by the function damage_NAME,
# played into $work/NAME; its output in $work/NAME.out.
run() {
  local dir=$work/$1
  mkdir "$dir"
  cp "$base"/before/* "$dir"/
  for f in "${damaged[@]}"; do "damage_$1" "$dir/$f"; done
  for f in "${damaged[@]}"; do cp "$dir/$f" "$work/$1.$f.laid"; done
  "$driver" "$dir" <"$work/script" 2>&1 | sed "s|$dir|DIR|g" >"$work/$1.out"
}

damage_clean() { :; }
damage_bom() { printf '\xEF\xBB\xBF' | cat - "$1" >"$1.new" && mv "$1.new" "$1"; }
damage_trailing_blanks() { sed -i 's/\r$/  \t\r/' "$1"; }
damage_lf() { sed -i 's/\r$//' "$1"; }
damage_no_last_line_end() { truncate -s -2 "$1"; }
damage_junk_first_line() { printf 'Ce fichier a été ouvert\r\n' | cat - "$1" >"$1.new" && mv "$1.new" "$1"; }
# Cut inside the second line of the sixth record of a ranking, as a full
# disk might leave it; the other files lose their last third.
damage_cut() {
  local size; size=$(stat -c %s "$1")
  if [ "${1##*/}" = Fichyam1 ]; then
    head -c "$(head -n 16 "$1" | wc -c)" "$1" | head -c -6 >"$1.new"
  else
    head -c $((size * 2 / 3)) "$1" >"$1.new"
  fi
  mv "$1.new" "$1"
}

run clean
for variation in bom trailing_blanks lf no_last_line_end; do
  ok=1
  run $variation
  diff -u "$work/clean.out" "$work/$variation.out" || fail "the run differs from the clean files' run"
  for f in "${damaged[@]}"; do
    cmp -s "$work/clean/$f" "$work/$variation/$f" || fail "$f is not what the clean files' run writes"
  done
  ls "$work/$variation" | grep -q illisible && fail "a copy was kept of a sound file"
  [ $ok = 1 ] && passed=$((passed + 1)) || failed=$((failed + 1))
done

for variation in junk_first_line cut; do
  ok=1
  run $variation
  for f in "${damaged[@]}"; do
    copies=("$work/$variation/$f".illisible-*)
    if [ ${#copies[@]} != 1 ] || [ ! -f "${copies[0]}" ]; then
      fail "$f: no copy kept beside it"
      continue
    fi
    cmp -s "${copies[0]}" "$work/$variation.$f.laid" || fail "$f: the copy is not the file as it was"
    cmp -s "$work/$variation/$f" "$work/$variation.$f.laid" && fail "$f: never written"
    copy=${copies[0]##*/}
    grep -qF "était abîmé ; il est gardé tel quel dans DIR/$copy" "$work/$variation.out" ||
      fail "$f: not told on standard error"
  done
  if [ $variation = cut ]; then
    # The records read before the cut stay in the ranking: the new game,
    # fifth, leaves the first four where they were.
    cmp -s <(head -n 12 "$work/cut/Fichyam1") <(head -n 12 "$base/before/Fichyam1") ||
      fail "the first four records were lost"
  fi
  [ $ok = 1 ] && passed=$((passed + 1)) || failed=$((failed + 1))
done

echo "$passed passed, $failed failed"
[ $failed = 0 ]
