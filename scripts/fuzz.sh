#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each of them, one after the
# other, for SECONDS (default 600) on one core. The seed corpora are written from the shipped data
# file and the RTF test files; what a run adds is kept in build-fuzz/corpus/<target>/ for the next
# run. Ends non-zero when a target crashed, hung or ran out of memory; the input is then in
# build-fuzz/findings/<target>/ and belongs, once fixed, in tests/data/fuzz/<target>/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-600}"
build="$root/build-fuzz"
targets=(rtf datafile range numtext)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DVANTREL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_seeds "${targets[@]/#/fuzz_}"

rm -rf "$build/seeds"
"$build/fuzz/fuzz_seeds" "$build/seeds"

# Per target: the longest input, and the time and memory one input may take. The data file is
# the only large input; a file that takes more than a second to load is a finding in itself.
declare -A max_len=([rtf]=16384 [datafile]=40000 [range]=1024 [numtext]=1024)
declare -A timeout=([rtf]=2 [datafile]=1 [range]=1 [numtext]=1)

failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  status=0
  "$build/fuzz/fuzz_$target" "$corpus" "$build/seeds/$target" \
    -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout="${timeout[$target]}" \
    -rss_limit_mb=2048 -malloc_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  last="$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)"
  cov="$(sed -n 's/.* cov: \([0-9]*\) ft: \([0-9]*\) .*/cov \1, ft \2/p' <<<"$last")"
  if [ "$status" -eq 0 ]; then
    echo "fuzz $target: ${runs:-?} executions in ${seconds} s, ${cov:-no coverage line}, no finding"
  else
    echo "fuzz $target: FAILED after ${runs:-?} executions (${cov:-?}); log $log, input in $findings/"
    grep -E 'FINDING|UNEXPECTED|ERROR: |SUMMARY: |runtime error' "$log" | head -n 5 || true
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: ${#failed[@]} target(s) failed: ${failed[*]}"
  exit 1
fi
