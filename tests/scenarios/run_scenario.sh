#!/usr/bin/env bash
# Runs one scenario: the script NAME.txt through the driver in a fresh
# folder, its output compared with NAME.expected. A line "# exit: N" in the
# script names the exit status it must end with (0 otherwise).
set -u
driver=$1 script=$2
expected=${script%.txt}.expected
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
want_status=$(sed -n 's/^# exit: *\([0-9]*\).*/\1/p' "$script" | head -n 1)
"$driver" "$dir" < "$script" > "$dir/.out" 2>&1
status=$?
ok=1
if ! diff -u "$expected" "$dir/.out"; then ok=0; fi
if [ "$status" != "${want_status:-0}" ]; then
  echo "exit status $status, expected ${want_status:-0}"
  ok=0
fi
[ $ok = 1 ]
