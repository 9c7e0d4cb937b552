#!/usr/bin/env bash
# Kills the driver at random moments while it plays and rewrites the data
# files, again and again in the same folder. Every run is a restart on what
# the kill left. After every kill each file must be whole (the old content or
# the new, never a mixture or a stump) and nothing the player had may be
# lost: no counter goes down, and the rankings only gain records.
#
#   test_kill_while_writing.sh <dravonelle-script> <check_records> [kills]
set -u
driver=$1 checker=$2 kills=${3:-200}
here=$(cd "$(dirname "$0")" && pwd)
dir=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$dir" "$work"' EXIT

# Character 3 and "1 tirage" saved: start-up starts a game at once. One run
# writes all eight files: a whole game finished (Info1, Fichyam1), the
# character renamed (Joueurs), the other way chosen (its three files read,
# made when missing), games abandoned in both ways (Abandon1 and 2, Info1
# and 2), the parameters saved (Commence).
printf '#FALSE#\r\n0\r\n3\r\n1\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n' > "$dir/Commence"
script=$work/script
{
  echo "start"
  cat "$here/../records/one_draw_game.turns"
  printf '%s\n' "move Personnages 0" "move CliqueNom" 'text "LEON"' "click CliqueNom"
  printf '%s\n' "click Coup2" "click Ok" "click Coup1" "click Ok" "click Coup2" "click Ok" "click Coup1"
  printf '%s\n' "click Paramètres" "close"
} > "$script"

# How long a whole run takes here, so that kills land all along it.
start=$(date +%s%N)
"$driver" "$dir" < "$script" > "$work/first.out"
full_ns=$(( $(date +%s%N) - start ))
for f in Joueurs Commence Fichyam1 Fichyam2 Info1 Info2 Abandon1 Abandon2; do
  grep -qx "write $f" "$work/first.out" || { echo "a whole run does not write $f"; echo "0 passed, 1 failed"; exit 1; }
done
"$checker" "$dir" "$work/state" || { echo "files broken after a whole run"; exit 1; }

failed=0
RANDOM=20261206
for k in $(seq 1 "$kills"); do
  # A moment between 0 and the whole run, in microseconds.
  delay_us=$(( (RANDOM * 32768 + RANDOM) % (full_ns / 1000 + 1) ))
  "$driver" "$dir" < "$script" > /dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if ! "$checker" "$dir" "$work/state"; then
    echo "kill $k after ${delay_us} us lost or broke the records"
    failed=1
    break
  fi
done
# The next start-up clears what the kills left behind.
printf 'start\n' | "$driver" "$dir" > /dev/null
if ls -A "$dir" | grep -q '\.tmp$'; then echo "temporary files left"; failed=1; fi
if ls -A "$dir" | grep -q 'illisible'; then echo "a kill left a file the game could not read"; failed=1; fi
if [ $failed = 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
