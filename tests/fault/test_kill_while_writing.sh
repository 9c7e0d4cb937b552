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
work=$(mktemp -d)
dir=$work/folder earlier=$work/earlier
trap 'rm -rf "$work"' EXIT
mkdir "$dir"

# Character 3 and "1 tirage" saved: start-up starts a game at once. One run
# writes all eight files: a whole game finished (Info1, Fichyam1), the
# character renamed (Joueurs), the other way chosen (its three files read,
# made when missing), games abandoned in both ways (Abandon1 and 2, Info1
# and 2), the parameters saved (Commence).
printf '#FALSE#\r\n0\r\n3\r\n1\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n' > "$dir/Commence"
{
  echo "start"
  cat "$here/../records/one_draw_game.turns"
  printf '%s\n' "move Personnages 0" "move CliqueNom" 'text "LEON"' "click CliqueNom" "click Coup2" "click Ok"
  printf '%s\n' "click Coup1" "click Ok" "click Coup2" "click Ok" "click Coup1" "click Paramètres" "close"
} > "$work/script"

# How long a whole run takes here, so that kills land all along it.
start=$(date +%s%N)
"$driver" "$dir" < "$work/script" > "$work/first.out"
full_us=$((($(date +%s%N) - start) / 1000))
# The driver writes nothing but the data files: eight names, all of them.
[ "$(grep -x 'write .*' "$work/first.out" | sort -u | wc -l)" = 8 ] ||
  { echo "a whole run does not write all eight files"; exit 1; }
"$checker" "$dir" || { echo "files broken after a whole run"; exit 1; }

failed=0
RANDOM=20261206
for k in $(seq 1 "$kills"); do
  cp -r "$dir/." "$earlier"
  delay_us=$(((RANDOM * 32768 + RANDOM) % (full_us + 1)))
  "$driver" "$dir" < "$work/script" > /dev/null 2>&1 &
  pid=$!
  sleep "$(printf '%d.%06d' $((delay_us / 1000000)) $((delay_us % 1000000)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  "$checker" "$dir" "$earlier" || { echo "kill $k after ${delay_us} us lost or broke the records"; failed=1; break; }
done
# The next start-up clears what the kills left behind.
printf 'start\n' | "$driver" "$dir" > /dev/null
ls -A "$dir" | grep -q '\.tmp$' && { echo "temporary files left"; failed=1; }
ls -A "$dir" | grep -q 'illisible' && { echo "a kill left a file the game could not read"; failed=1; }
[ $failed = 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
