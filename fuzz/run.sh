#!/usr/bin/env bash
# Runs the entry fuzzer for a bounded time, starting from the seed corpus.
# New inputs go to a working corpus in the build directory (the seeds in the
# repository stay as they are); a finding is written to <build>/findings/
# and fails the run.
#
#   fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
fuzz_dir=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$build/corpus" "$build/findings"
log="$build/fuzz.log"

status=0
"$build/fuzz/entry_fuzz" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -dict="$fuzz_dir/entry.dict" -artifact_prefix="$build/findings/" -print_final_stats=1 \
    "$build/corpus" "$fuzz_dir/corpus" >"$log" 2>&1 || status=$?

grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)' \
    "$log" || true
if [ "$status" -ne 0 ]; then
    echo "the fuzzer found an input that breaks a rule (status $status):"
    grep -E 'broken rule|ERROR|SUMMARY|Test unit written' "$log" || tail -40 "$log"
    exit 1
fi
echo "no finding in ${seconds} s; working corpus: $(ls "$build/corpus" | wc -l) inputs"
