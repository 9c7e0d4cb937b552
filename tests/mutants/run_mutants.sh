#!/usr/bin/env bash
# Plants each fault of faults.txt, one at a time, in a scratch copy of the
# game, rebuilds it and runs the fast tests (scenarios, record scenarios,
# unit_tests): a fault that no test notices is a hole in the tests.
#   tests/mutants/run_mutants.sh [NAME...]     every fault, or only these
# The copy ($MUTANTS_DIR, default /tmp/dravonelle-mutants) is kept with its
# build, so the next run rebuilds only what changed; nothing is written in the
# checkout. MUTANTS_LIST names another list. Exit status 1 when a fault
# survives or the list is wrong.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
list=${MUTANTS_LIST:-$repo/tests/mutants/faults.txt}
work=${MUTANTS_DIR:-/tmp/dravonelle-mutants}
copy=$work/tree
build=$copy/build
declare -a names files froms tos
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "#"* | "") ;;
    "== "*) read -r _ name file _ <<< "$line"; names+=("$name"); files+=("$file") ;;
    *" => "*) froms+=("$(sed 's/^[[:space:]]*//; s/  =>  .*//' <<< "$line")"); tos+=("${line#*  =>  }") ;;
    *) echo "faults.txt: not a fault line: $line" >&2; exit 1 ;;
  esac
done < "$list"
n=${#names[@]}
[ "${#froms[@]}" = "$n" ] || { echo "faults.txt: every '== NAME FILE' needs one 'FROM  =>  TO' line" >&2; exit 1; }
for name in "$@"; do
  printf '%s\n' "${names[@]}" | grep -qxF -- "$name" || { echo "no fault named $name" >&2; exit 1; }
done

# The copy: only the files that differ are copied, so the build stays
# incremental; a file gone from the checkout goes from the copy too.
mkdir -p "$copy"
git -C "$repo" ls-files -co --exclude-standard -z | while IFS= read -r -d '' f; do
  [ -f "$repo/$f" ] || continue
  cmp -s "$repo/$f" "$copy/$f" || { mkdir -p "$(dirname "$copy/$f")" && cp "$repo/$f" "$copy/$f"; }
done
comm -13 <(git -C "$repo" -c core.quotePath=false ls-files -co --exclude-standard | sort) \
         <(cd "$copy" && find . -path ./build -prune -o -type f -print | sed 's|^\./||' | sort) |
  (cd "$copy" && xargs -r -d '\n' rm -f --)

for ((i = 0; i < n; i++)); do
  found=$(FROM=${froms[i]} awk '{ sub(/^[ \t]+/, "") } $0 == ENVIRON["FROM"] { n++ } END { print n + 0 }' \
            "$copy/${files[i]}" 2>/dev/null || echo 0)
  [ "$found" = 1 ] || { echo "fault ${names[i]}: its line is in ${files[i]} $found times, not once" >&2; exit 1; }
done

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$copy" -B "$build" -G Ninja -DDRAVONELLE_WINDOW_TESTS=OFF -DDRAVONELLE_BENCH=OFF > "$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; exit 1; }
fi
compile() { cmake --build "$build" -j2 --target dravonelle-script unit_tests check_records > "$work/build.log" 2>&1; }
# The names of the failing tests, one a line; a crash or a hang names none.
fast_suite() {
  (cd "$build" && timeout 600 ctest -j2 --timeout 60 -L 'scenario|records' 2>&1 |
     sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p')
  timeout 300 "$build/tests/unit_tests" > "$work/unit.log" 2>&1
  local status=$?
  sed -n 's/^\[  FAILED  \] \([^ ,]*[.][^ ,]*\).*/\1/p' "$work/unit.log" | awk '!seen[$0]++'
  [ $status = 0 ] || grep -q '^\[  FAILED  \]' "$work/unit.log" || echo "unit_tests(exit $status)"
}

compile || { echo "the unmodified copy does not build: see $work/build.log" >&2; exit 1; }
failing=$(fast_suite)
[ -z "$failing" ] || { echo "the fast suite fails without any fault:" >&2; echo "$failing" >&2; exit 1; }
echo "fast suite: $(cd "$build" && ctest -N -L 'scenario|records' | sed -n 's/^Total Tests: //p') scenarios" \
     "and record scenarios, $("$build/tests/unit_tests" --gtest_list_tests | grep -c '^  ') unit tests"

original=$work/original
# cp, not mv: the restored file must be newer than the faulty objects.
restore() { [ -n "${planted:-}" ] && cp "$original" "$copy/$planted"; planted=; }
trap 'restore; exit 130' INT TERM
survivors=0
printf '%-32s %-6s %s\n' FAULT CAUGHT "FAILING TESTS (first few)"
for ((i = 0; i < n; i++)); do
  [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qxF "${names[i]}" && continue
  planted=${files[i]}
  cp "$copy/$planted" "$original"
  FROM=${froms[i]} TO=${tos[i]} awk '{ line = $0; sub(/^[ \t]+/, "", line) }
    line == ENVIRON["FROM"] { match($0, /^[ \t]*/); $0 = substr($0, 1, RLENGTH) ENVIRON["TO"] } { print }' \
    "$original" > "$copy/$planted"
  start=$SECONDS
  if ! compile; then
    verdict="n/a" by="does not compile: not a behaviour change"
  elif failing=$(fast_suite); [ -n "$failing" ]; then
    verdict=yes by="$(head -n 4 <<< "$failing" | paste -sd ' ')"
    more=$(($(wc -l <<< "$failing") - 4)); [ $more -gt 0 ] && by+=" (+$more)"
  else
    verdict=NO by="-"; survivors=$((survivors + 1))
  fi
  restore
  printf '%-32s %-6s %s  [%ss]\n' "${names[i]}" "$verdict" "$by" $((SECONDS - start))
done
compile || echo "the restored copy no longer builds: see $work/build.log" >&2
echo "$survivors fault(s) survived"
[ $survivors = 0 ]
