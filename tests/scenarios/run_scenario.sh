#!/usr/bin/env bash
# Runs NAME.txt (compact turns expanded) through the driver in a fresh folder
# and compares its output, the folder read DIR, with NAME.expected; a line
# "# exit: N" names the exit status (0 otherwise).
set -u
driver=$1 script=$2
expected=${script%.txt}.expected
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
want_status=$(sed -n 's/^# exit: *\([0-9]*\).*/\1/p' "$script" | head -n 1)
awk -f "$(dirname "$0")/../compact_turns.awk" "$script" | "$driver" "$dir" > "$dir/.raw" 2>&1
status=${PIPESTATUS[1]}
sed "s|$dir|DIR|g" "$dir/.raw" > "$dir/.out"
ok=1
if ! diff -u "$expected" "$dir/.out"; then ok=0; fi
if [ "$status" != "${want_status:-0}" ]; then
  echo "exit status $status, expected ${want_status:-0}"
  ok=0
fi
[ $ok = 1 ]
