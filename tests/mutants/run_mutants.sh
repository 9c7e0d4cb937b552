#!/usr/bin/env bash
# Plants each fault of faults.txt, one at a time, in a scratch copy of the
# game, rebuilds it and runs the fast tests: a fault that no test notices is
# a hole in the tests. The fast suite is the scenarios, the record scenarios
# and unit_tests; the random-play invariants, the kill test, the Qt tests and
# the window tests are left out, so that a fault costs well under a minute.
#
#   tests/mutants/run_mutants.sh [NAME...]     every fault, or only these
#
# The copy is taken from this checkout's files (committed or not, ignored
# ones left out) and kept in $MUTANTS_DIR (default /tmp/dravonelle-mutants)
# with its build folder, so the next run rebuilds only what changed. Nothing
# is written in the checkout. Exit status 1 when a fault survives or the list
# is wrong. MUTANTS_LIST names another list of faults.
set -uo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
list=${MUTANTS_LIST:-$repo/tests/mutants/faults.txt}
work=${MUTANTS_DIR:-/tmp/dravonelle-mutants}
copy=$work/tree
build=$copy/build
declare -a names files froms tos

# The list: blocks of "== NAME", "file:", "from:", "to:", "breaks:"; "from"
# and "to" are whole lines, compared without their indentation.
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in
    "== "*) names+=("${line#== }") ;;
    "file: "*) files+=("${line#file: }") ;;
    "from: "*) froms+=("$(sed 's/^ *//' <<< "${line#from: }")") ;;
    "to: "*) tos+=("$(sed 's/^ *//' <<< "${line#to: }")") ;;
  esac
done < "$list"
n=${#names[@]}
for name in "$@"; do
  printf '%s\n' "${names[@]}" | grep -qxF -- "$name" || { echo "no fault named $name" >&2; exit 1; }
done
if [ "${#files[@]}" != "$n" ] || [ "${#froms[@]}" != "$n" ] || [ "${#tos[@]}" != "$n" ]; then
  echo "faults.txt: every fault needs one file:, from: and to: line" >&2; exit 1
fi

# The copy: only the files that differ are copied, so that the build stays
# incremental.
mkdir -p "$copy"
git -C "$repo" ls-files -co --exclude-standard -z | while IFS= read -r -d '' f; do
  [ -f "$repo/$f" ] || continue
  cmp -s "$repo/$f" "$copy/$f" || { mkdir -p "$(dirname "$copy/$f")" && cp "$repo/$f" "$copy/$f"; }
done
# A file gone from the checkout (a scenario, a source) goes from the copy too.
comm -13 <(git -C "$repo" -c core.quotePath=false ls-files -co --exclude-standard | sort) \
         <(cd "$copy" && find . -path ./build -prune -o -type f -print | sed 's|^\./||' | sort) |
  (cd "$copy" && xargs -r -d '\n' rm -f --)

# Lines of FILE equal to FROM once stripped of their indentation.
count() { FROM=$2 awk '{ sub(/^[ \t]+/, "") } $0 == ENVIRON["FROM"] { n++ } END { print n + 0 }' "$1"; }
for ((i = 0; i < n; i++)); do
  found=$(count "$copy/${files[i]}" "${froms[i]}" 2>/dev/null || echo 0)
  if [ "$found" != 1 ]; then
    echo "fault ${names[i]}: the original line is in ${files[i]} $found times, not once:" >&2
    echo "  ${froms[i]}" >&2; exit 1
  fi
done

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$copy" -B "$build" -G Ninja -DDRAVONELLE_WINDOW_TESTS=OFF -DDRAVONELLE_BENCH=OFF > "$work/configure.log" 2>&1 ||
    { cat "$work/configure.log" >&2; exit 1; }
fi
compile() { cmake --build "$build" -j2 --target dravonelle-script unit_tests check_records > "$work/build.log" 2>&1; }
# The names of the failing tests, one a line.
fast_suite() {
  (cd "$build" && timeout 600 ctest -j2 --timeout 60 -L 'scenario|records' 2>&1 |
     sed -n 's/^[[:space:]]*[0-9]* - \([^ ]*\) (.*/\1/p')
  timeout 300 "$build/tests/unit_tests" > "$work/unit.log" 2>&1
  local status=$?
  sed -n 's/^\[  FAILED  \] \([^ ,]*[.][^ ,]*\).*/\1/p' "$work/unit.log" | awk '!seen[$0]++'
  # A crash or a hang names no test.
  [ $status = 0 ] || grep -q '^\[  FAILED  \]' "$work/unit.log" || echo "unit_tests(exit $status)"
}

compile || { echo "the unmodified copy does not build: see $work/build.log" >&2; exit 1; }
failing=$(fast_suite)
if [ -n "$failing" ]; then
  echo "the fast suite fails without any fault:" >&2; echo "$failing" >&2; exit 1
fi
echo "fast suite: $(cd "$build" && ctest -N -L scenario | sed -n 's/^Total Tests: //p') scenarios," \
     "$(cd "$build" && ctest -N -L records | sed -n 's/^Total Tests: //p') record scenarios," \
     "$("$build/tests/unit_tests" --gtest_list_tests | grep -c '^  ') unit tests"

original=$work/original
# cp, not mv: the restored file must be newer than the faulty objects.
restore() { [ -n "${planted:-}" ] && cp "$original" "$copy/$planted"; planted=; }
trap 'restore; exit 130' INT TERM
survivors=0
printf '%-32s %-6s %s\n' FAULT CAUGHT "FAILING TESTS (first few)"
for ((i = 0; i < n; i++)); do
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qxF "${names[i]}"; then continue; fi
  planted=${files[i]}
  cp "$copy/$planted" "$original"
  FROM=${froms[i]} TO=${tos[i]} awk '{ line = $0; sub(/^[ \t]+/, "", line) }
    line == ENVIRON["FROM"] { match($0, /^[ \t]*/); $0 = substr($0, 1, RLENGTH) ENVIRON["TO"] } { print }' \
    "$original" > "$copy/$planted"
  start=$SECONDS
  if ! compile; then
    verdict="n/a" by="does not compile: not a behaviour change"
  else
    failing=$(fast_suite)
    if [ -n "$failing" ]; then
      verdict=yes by="$(head -n 4 <<< "$failing" | paste -sd ' ')"
      more=$(($(wc -l <<< "$failing") - 4)); [ $more -gt 0 ] && by+=" (+$more)"
    else
      verdict=NO by="-"; survivors=$((survivors + 1))
    fi
  fi
  restore
  printf '%-32s %-6s %s  [%ss]\n' "${names[i]}" "$verdict" "$by" $((SECONDS - start))
done
# The copy's programs are left built from the unmodified game.
compile || echo "the restored copy no longer builds: see $work/build.log" >&2
echo "$survivors fault(s) survived"
[ $survivors = 0 ]
