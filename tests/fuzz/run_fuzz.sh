#!/usr/bin/env bash
# run_fuzz.sh SECONDS [joueurs abandons infos classement commence script_tokens]: runs each target (all
# by default) SECONDS, seeded from tests/records and the scripts; failing inputs go to build-fuzz/artifacts/.
set -euo pipefail
seconds=${1:?usage: $0 SECONDS_PER_TARGET [TARGET...]}
shift
[ $# -gt 0 ] || set -- joueurs abandons infos classement commence script_tokens
cd "$(dirname "$0")/../.."
build=$PWD/build-fuzz
cmake -S tests/fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build "$build" -j 2 > "$build/build.log" || { cat "$build/build.log"; exit 1; }
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$build/artifacts" "$build/logs" "$corpus"/{joueurs,abandons,infos,classement,commence,script_tokens}

# Every before/ and after/ copy of each reader's data files, under a name of its own.
shopt -s nullglob
for pair in joueurs:Joueurs abandons:Abandon1 abandons:Abandon2 infos:Info1 infos:Info2 \
            classement:Fichyam1 classement:Fichyam2 commence:Commence; do
  for f in tests/records/*/{before,after}/"${pair#*:}"; do
    name=${f#tests/records/}
    cp "$f" "$corpus/${pair%:*}/${name//\//_}"
  done
done
# Each distinct line of the scripts is a seed of its own: the driver splits a line at a time.
cat tests/scenarios/*.txt tests/records/*/script.txt |
  awk -v dir="$corpus/script_tokens" '!seen[$0]++ { f = sprintf("%s/line%04d", dir, ++n); printf "%s", $0 > f; close(f) }'

failures=0
for target in "$@"; do
  log=$build/logs/fuzz_$target.log
  "$build/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/fuzz_$target-" "$corpus/$target" > "$log" 2>&1 && status=0 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -ne 0 ] || grep -aqE '^(SUMMARY: |==[0-9]+==ERROR)|runtime error:' "$log"; then
    failures=$((failures + 1))
    echo "fuzz_$target FAILED (status $status) after ${runs:-?} runs; log: $log"
    grep -a -m 6 -E 'check failed|ERROR|runtime error|SUMMARY|Test unit written' "$log" | sed 's/^/    /' || true
  else
    echo "fuzz_$target: ${runs:-?} runs in ${seconds}s"
  fi
done
echo "fuzz: $(($# - failures)) passed, $failures failed"
[ "$failures" = 0 ]
