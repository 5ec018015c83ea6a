#!/usr/bin/env bash
# Builds the fuzz targets and runs each for the given number of seconds (default 600), all at
# once. New inputs collect in build/fuzz/corpus/<target>; a crashing input is written to
# build/fuzz/<target>-crash-*, to be kept as a test once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

declare -A corpus=([ConfigurationFuzzer]=configuration [ToleranceTableFuzzer]=tolerance_table
                   [NumberTextFuzzer]=number_text [BatchLineFuzzer]=batch_line
                   [ProjectFileFuzzer]=project_file)
pids=()
for target in "${!corpus[@]}"; do
  scratch=build/fuzz/corpus/${corpus[$target]}
  mkdir -p "$scratch"
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build/fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" \
    "$scratch" "fuzz/corpus/${corpus[$target]}" >"build/fuzz/$target.log" 2>&1 &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
for target in "${!corpus[@]}"; do
  runs=$(grep -E '^stat::number_of_executed_units' "build/fuzz/$target.log" | awk '{print $2}')
  echo "$target: ${runs:-?} executions$(grep -q 'ERROR:' "build/fuzz/$target.log" && echo ', FAILED (see build/fuzz/'$target'.log)')"
done
exit $status
