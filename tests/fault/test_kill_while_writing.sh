#!/usr/bin/env bash
# Kills the driver at random moments while it rewrites the data files, again
# and again in the same folder, and checks after every kill that each file is
# whole: the old content or the new, never a mixture or a stump.
set -u
driver=$1 checker=$2 kills=${3:-200}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Character 3 and "1 tirage" saved: start-up starts a game at once. Then the
# way of playing switches back and forth during games, each switch writing
# the abandon file of the way left, and reading the other way's files.
printf '#FALSE#\r\n0\r\n3\r\n1\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#\r\n1\r\n#FALSE#\r\n' > "$dir/Commence"
script=$dir.script
trap 'rm -rf "$dir" "$script"' EXIT
{
  echo "start"
  for i in $(seq 1 10); do
    echo "click Ok"; echo "click Coup2"; echo "click Ok"; echo "click Coup1"
  done
} > "$script"

# How long a whole run takes here, so that kills land all along it.
start=$(date +%s%N)
"$driver" "$dir" < "$script" > /dev/null
full_ns=$(( $(date +%s%N) - start ))
"$checker" "$dir" || { echo "files broken after a whole run"; exit 1; }

failed=0
RANDOM=20261206
for k in $(seq 1 "$kills"); do
  # A moment between 0 and the whole run, in microseconds.
  delay_us=$(( (RANDOM * 32768 + RANDOM) % (full_ns / 1000 + 1) ))
  "$driver" "$dir" < "$script" > /dev/null 2>&1 &
  pid=$!
  sleep "$(printf '0.%06d' "$delay_us")"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if ! "$checker" "$dir"; then
    echo "kill $k after ${delay_us} us left a broken file"
    failed=1
    break
  fi
done
# The next start-up clears what the kills left behind.
printf 'start\n' | "$driver" "$dir" > /dev/null
if ls -A "$dir" | grep -q '\.tmp$'; then echo "temporary files left"; failed=1; fi
if [ $failed = 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
