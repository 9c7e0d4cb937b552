#!/usr/bin/env bash
# Runs one record scenario (see README.md): what the driver prints, its exit
# status, and the data files it leaves, byte for byte.
#
#   run_record_scenario.sh DRIVER FOLDER
set -u
driver=$1 scenario=${2%/}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder=$work/folder
mkdir "$folder"
cp -r "$scenario/before/." "$folder/" && rm -f "$folder/.keep"

want_status=$(sed -n 's/^# exit: *\([0-9]*\).*/\1/p' "$scenario/script.txt" | head -n 1)
# "# play: FILE" stands for the lines of FILE, relative to the scenario;
# "# play: FILE lines A,B" for its lines A to B (sed's addresses).
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "# play: "*" lines "*) play=${line#\# play: }; sed -n "${play##* lines }p" "$scenario/${play%% lines *}" ;;
    "# play: "*) cat "$scenario/${line#\# play: }" ;;
    *) printf '%s\n' "$line" ;;
  esac
done < "$scenario/script.txt" | awk -f "$(dirname "$0")/../compact_turns.awk" > "$work/script"
# "# disk: full" plays on a full disk: the driver may write no byte to any
# file (its output goes through a pipe).
disk_full=$(grep -c '^# disk: full' "$scenario/script.txt")
(
  if [ "$disk_full" != 0 ]; then
    trap '' XFSZ  # a write past the limit then fails instead of killing
    ulimit -f 0
  fi
  exec "$driver" "$folder" < "$work/script"
) 2>&1 | cat > "$work/raw"
status=${PIPESTATUS[0]}
# The folder is new each run: the output names it DIR.
sed "s|$folder|DIR|g" "$work/raw" > "$work/out"

ok=1
fail() { echo "$*"; ok=0; }
diff -u "$scenario/expected.out" "$work/out" || fail "output differs"
[ "$status" = "${want_status:-0}" ] || fail "exit status $status, expected ${want_status:-0}"

# Each file of after/, and each of before/ that after/ does not name, must
# be in the folder as it is there (bytes shown, CR included, when not);
# nothing else but the lock file.
declare -A known=([.dravonelle.lock]=1 [.keep]=1)
for f in "$scenario"/after/* "$scenario"/after/.[!.]* "$scenario"/before/* "$scenario"/before/.[!.]*; do
  name=${f##*/}
  [ -f "$f" ] && [ -z "${known[$name]:-}" ] || continue
  known[$name]=1
  if [ ! -f "$folder/$name" ]; then
    fail "$name: missing"
  elif ! cmp -s "$f" "$folder/$name"; then
    fail "$name: differs (- wanted, + found)"
    diff -u <(od -An -c "$f") <(od -An -c "$folder/$name") | tail -n +3
  fi
done
for f in "$folder"/* "$folder"/.[!.]*; do
  [ -e "$f" ] && [ -z "${known[${f##*/}]:-}" ] && fail "${f##*/}: not expected in the folder"
done
[ $ok = 1 ]
