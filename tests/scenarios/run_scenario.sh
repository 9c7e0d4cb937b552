#!/usr/bin/env bash
# Runs one scenario: the script NAME.txt through the driver in a fresh
# folder, its output compared with NAME.expected. A line "# exit: N" in the
# script names the exit status it must end with (0 otherwise). The folder's
# path, wherever the output shows it, reads DIR.
set -u
driver=$1 script=$2
expected=${script%.txt}.expected
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
want_status=$(sed -n 's/^# exit: *\([0-9]*\).*/\1/p' "$script" | head -n 1)
# Compact turns (": 11146 c0 …") are expanded first.
awk -f "$(dirname "$0")/../compact_turns.awk" "$script" | "$driver" "$dir" > "$dir/.raw" 2>&1
status=${PIPESTATUS[1]}
# The folder is new each run: the output names it DIR.
sed "s|$dir|DIR|g" "$dir/.raw" > "$dir/.out"
ok=1
if ! diff -u "$expected" "$dir/.out"; then ok=0; fi
if [ "$status" != "${want_status:-0}" ]; then
  echo "exit status $status, expected ${want_status:-0}"
  ok=0
fi
[ $ok = 1 ]
