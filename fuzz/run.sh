#!/usr/bin/env bash
# Fuzzes the targets of a build folder for a while each, starting from their seed corpora.
#   fuzz/run.sh BUILD SECONDS [TARGET...]      (all targets when none is named)
# Two targets run at a time (FUZZ_JOBS=N for another number). New inputs go to a scratch folder,
# never into the tree. A crash, a sanitizer report or an input slower than one second fails the
# run; the input that did it and the log stay in the scratch folder, whose name is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$1
seconds=$2
shift 2
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(assembly literals expressions settings read_line merge load_source)
fi
build=$(cd "$build" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvok-fuzz-run.XXXXXX")

# The seeds of a target: its corpus, and for the source-reading targets the example programs.
seeds() {
  echo "$PWD/fuzz/corpus/$1"
  case $1 in assembly | load_source) echo "$PWD/examples" ;; esac
}

run_one() {
  local target=$1
  mkdir -p "$scratch/$target"
  mapfile -t seed_folders < <(seeds "$target")
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$scratch/$target/" "$scratch/$target" "${seed_folders[@]}" >"$scratch/$target.log" 2>&1
}

pending=("${targets[@]}")
running=0
failed=0
while [ "${#pending[@]}" -gt 0 ] || [ "$running" -gt 0 ]; do
  if [ "${#pending[@]}" -gt 0 ] && [ "$running" -lt "${FUZZ_JOBS:-2}" ]; then
    run_one "${pending[0]}" &
    pending=("${pending[@]:1}")
    running=$((running + 1))
    continue
  fi
  if ! wait -n; then
    failed=1
  fi
  running=$((running - 1))
done

for target in "${targets[@]}"; do
  log="$scratch/$target.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
  if grep -q 'ERROR: libFuzzer\|ERROR: AddressSanitizer\|runtime error\|fuzz target:' "$log"; then
    echo "fuzz: $target FAILED after ${runs:-?} runs; see $log"
    grep -m3 'ERROR\|runtime error\|fuzz target:' "$log" || true
    failed=1
  else
    echo "fuzz: $target ${seconds}s: ${runs:-?} runs, $coverage"
  fi
done
if [ "$failed" -eq 0 ]; then
  rm -rf "$scratch"
fi
exit "$failed"
