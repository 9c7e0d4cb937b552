#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz/ and runs each for SECONDS, seeded
# with the data files of tests/records and the scripts of tests/scenarios.
#   tests/fuzz/run_fuzz.sh SECONDS_PER_TARGET [TARGET...]
# TARGET: joueurs, abandons, infos, classement, commence, script_tokens
# (all of them when none is named).
# Prints one line per target with the runs it executed. Exits non-zero when
# any target crashes, leaks, trips a sanitizer or fails one of its checks;
# the input that did it is kept in build-fuzz/artifacts/ and the output in
# build-fuzz/logs/. To replay one: build-fuzz/fuzz_NAME build-fuzz/artifacts/FILE
set -euo pipefail

seconds=${1:?usage: $0 SECONDS_PER_TARGET [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(joueurs abandons infos classement commence script_tokens)
cd "$(dirname "$0")/../.."
root=$PWD
build=$root/build-fuzz

cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$build" -j 2 > "$build/build.log" || { cat "$build/build.log"; exit 1; }

for target in "${targets[@]}"; do
  [ -x "$build/fuzz_$target" ] || { echo "$0: no target fuzz_$target" >&2; exit 2; }
done

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$build/artifacts" "$build/logs"

# seed TARGET FILE...: copies each file into the target's corpus under a
# name of its own (files of the same name come from many folders).
seed() {
  local target=$1; shift
  mkdir -p "$corpus/$target"
  local f name
  for f in "$@"; do
    [ -f "$f" ] || continue
    name=${f#tests/}
    cp "$f" "$corpus/$target/${name//\//_}"
  done
}

shopt -s nullglob
files() {  # files NAME...: every before/ and after/ copy of the data files named
  local n
  for n in "$@"; do printf '%s\n' tests/records/*/before/"$n" tests/records/*/after/"$n"; done
}
mapfile -t s < <(files Joueurs);             seed joueurs "${s[@]}"
mapfile -t s < <(files Abandon1 Abandon2);   seed abandons "${s[@]}"
mapfile -t s < <(files Info1 Info2);         seed infos "${s[@]}"
mapfile -t s < <(files Fichyam1 Fichyam2);   seed classement "${s[@]}"
mapfile -t s < <(files Commence);            seed commence "${s[@]}"
# The driver splits one line at a time: each distinct line of the scripts is
# a seed of its own, which keeps the inputs as short as the lines they stand
# for (whole scripts of a few kilobytes would run a hundred times slower).
mkdir -p "$corpus/script_tokens"
cat tests/scenarios/*.txt tests/records/*/script.txt |
  awk -v dir="$corpus/script_tokens" '!seen[$0]++ { f = sprintf("%s/line%04d", dir, ++n); printf "%s", $0 > f; close(f) }'

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=0 failures=0
for target in "${targets[@]}"; do
  log=$build/logs/fuzz_$target.log
  seeds=$(find "$corpus/$target" -type f | wc -l)
  status=0
  "$build/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/fuzz_$target-" \
      "$corpus/$target" > "$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -ne 0 ] || grep -aqE '^(SUMMARY: |==[0-9]+==ERROR)|runtime error:' "$log"; then
    failed=1
    failures=$((failures + 1))
    artifact=$(sed -n 's/.*Test unit written to //p' "$log" | tail -n 1)
    printf 'fuzz_%-14s FAILED (status %s) after %s runs; input: %s; log: %s\n' \
      "$target" "$status" "${runs:-?}" "${artifact:-none}" "$log"
    grep -a -m 5 -E 'check failed|ERROR|runtime error|SUMMARY' "$log" | sed 's/^/    /' || true
  else
    printf 'fuzz_%-14s %10s runs in %ss, corpus grown to %s inputs from %s seeds\n' "$target" "${runs:-?}" \
      "$seconds" "$(find "$corpus/$target" -type f | wc -l)" "$seeds"
  fi
done
echo "fuzz: $((${#targets[@]} - failures)) passed, $failures failed"
exit "$failed"
