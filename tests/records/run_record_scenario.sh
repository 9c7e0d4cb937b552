#!/usr/bin/env bash
# Runs one record scenario: a folder holding
#   before/       the data files laid in the program's folder before the run
#                 (a .keep file alone when the folder starts empty);
#   script.txt    the driver's script; a line "# exit: N" names the exit
#                 status it must end with (0 otherwise);
#   expected.out  everything the driver must print;
#   after/        the data files as they must be once the run is over.
# Every file of after/ must match byte for byte; every file of before/ that
# after/ does not name must be left as it was; and no other file may be left
# in the folder but the lock file.
set -u
driver=$1 scenario=${2%/}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder=$work/folder
mkdir "$folder"

for f in "$scenario"/before/* "$scenario"/before/.[!.]*; do
  [ -f "$f" ] || continue
  [ "${f##*/}" = .keep ] && continue
  cp "$f" "$folder/"
done

want_status=$(sed -n 's/^# exit: *\([0-9]*\).*/\1/p' "$scenario/script.txt" | head -n 1)
# A line "# play: FILE" stands for the lines of FILE (relative to the
# scenario's folder): several scenarios play the same whole game. Compact
# turns (": 11146 c0 …") are expanded.
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "# play: "*) cat "$scenario/${line#\# play: }" ;;
    *) printf '%s\n' "$line" ;;
  esac
done < "$scenario/script.txt" | awk -f "$(dirname "$0")/../compact_turns.awk" > "$work/script"
"$driver" "$folder" < "$work/script" > "$work/raw" 2>&1
status=$?
# The folder is new each run: the output names it DIR.
sed "s|$folder|DIR|g" "$work/raw" > "$work/out"

ok=1
fail() { echo "$*"; ok=0; }

if ! diff -u "$scenario/expected.out" "$work/out"; then fail "output differs"; fi
[ "$status" = "${want_status:-0}" ] || fail "exit status $status, expected ${want_status:-0}"

# Compares one file of the folder with what it must hold, and shows the
# bytes of both when they differ, CR included.
same() {
  local want=$1 name=$2
  if [ ! -f "$folder/$name" ]; then
    fail "$name: missing"
  elif ! cmp -s "$want" "$folder/$name"; then
    fail "$name: differs (- wanted, + found)"
    diff -u <(od -An -c "$want") <(od -An -c "$folder/$name") | tail -n +3
  fi
}

declare -A known=([.dravonelle.lock]=1)
for f in "$scenario"/after/* "$scenario"/after/.[!.]*; do
  [ -f "$f" ] || continue
  name=${f##*/}
  [ "$name" = .keep ] && continue
  known[$name]=1
  same "$f" "$name"
done
for f in "$scenario"/before/* "$scenario"/before/.[!.]*; do
  [ -f "$f" ] || continue
  name=${f##*/}
  [ "$name" = .keep ] && continue
  [ -n "${known[$name]:-}" ] && continue
  known[$name]=1
  same "$f" "$name"
done
for f in "$folder"/* "$folder"/.[!.]*; do
  [ -e "$f" ] || continue
  name=${f##*/}
  [ -n "${known[$name]:-}" ] || fail "$name: not expected in the folder"
done

[ $ok = 1 ]
