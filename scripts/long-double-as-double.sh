#!/usr/bin/env bash
# Measures what a compiler whose long double is double (MSVC, ARM64) would change: builds the
# batch tool with double in place of long double (build/double, option
# KELVARA_LONG_DOUBLE_AS_DOUBLE) and compares its lines for the reference cases with the
# expected ones. Prints the count of differing lines and the largest difference of a number.
set -euo pipefail
cd "$(dirname "$0")/.."
cases=${KELVARA_REFERENCE_CASES:-../shared/reference-cases}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/double -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVARA_BUILD_GUI=OFF \
  -DKELVARA_BUILD_TESTS=OFF -DKELVARA_LONG_DOUBLE_AS_DOUBLE=ON "${launcher[@]}" >/dev/null
cmake --build build/double --target kelvara-cli -j "$(nproc)" >/dev/null
total=0
differing=0
largest=0
for expected in "$cases"/*.expected; do
  name=$(basename "$expected" .expected)
  actual=$(build/double/bin/kelvara-cli --data-dir "$cases/data" "${name%%-*}" <"$cases/$name.tsv" || true)
  read -r lines diff_lines diff_max < <(paste <(cat "$expected") <(printf '%s\n' "$actual") | awk -F'\t' '
    { n = NF / 2; differ = 0
      for (i = 1; i <= n; i++) {
        a = $i; b = $(i + n)
        if (a == b) continue
        differ = 1
        if (a ~ /^-?[0-9.]+$/ && b ~ /^-?[0-9.]+$/) { d = a - b; if (d < 0) d = -d; if (d > max) max = d }
      }
      lines++; diffs += differ }
    END { printf "%d %d %g\n", lines, diffs, max + 0 }')
  echo "$name: $diff_lines of $lines lines differ, largest difference $diff_max"
  total=$((total + lines))
  differing=$((differing + diff_lines))
  largest=$(awk -v a="$largest" -v b="$diff_max" 'BEGIN { print (b > a ? b : a) }')
done
echo "with double for long double: $differing of $total reference lines differ, largest difference $largest"
