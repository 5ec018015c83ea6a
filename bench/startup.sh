#!/usr/bin/env bash
# Start-up of the main window (splash skipped) against a bare QWidget application, measured
# alternately in one run: the median wall time from launch to the first painted window, and the
# largest peak resident memory, over RUNS launches of each.
#   bench/startup.sh [RUNS] [BUILD_DIR]      (default 30 and build/tests)
# The platform is QT_QPA_PLATFORM's (offscreen unless set; run under xvfb-run for xcb).
set -euo pipefail
runs=${1:-30}
bin=${2:-build/tests}/bin
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
measure() { # prints "seconds kilobytes"
  local start=$EPOCHREALTIME kb
  kb=$(/usr/bin/time -f '%M' -o /dev/stdout "$1" 2>/dev/null | tail -1)
  local end=$EPOCHREALTIME
  awk -v a="$start" -v b="$end" -v kb="$kb" 'BEGIN { printf "%.4f %d\n", b - a, kb }'
}
for probe in kelvara_startup_probe bare_startup_probe; do
  measure "$bin/$probe" >/dev/null # warm the file cache
done
: >/tmp/kelvara-startup-main.txt
: >/tmp/kelvara-startup-bare.txt
for ((i = 0; i < runs; i++)); do
  measure "$bin/kelvara_startup_probe" >>/tmp/kelvara-startup-main.txt
  measure "$bin/bare_startup_probe" >>/tmp/kelvara-startup-bare.txt
done
summary() { # median seconds, largest KB
  sort -n "$1" | awk '{t[NR] = $1; if ($2 > m) m = $2} END {
    med = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; printf "%.4f %d\n", med, m }'
}
read -r main_t main_m < <(summary /tmp/kelvara-startup-main.txt)
read -r bare_t bare_m < <(summary /tmp/kelvara-startup-bare.txt)
printf 'platform %s, %d launches each\n' "$QT_QPA_PLATFORM" "$runs"
printf '%-22s %10s %14s\n' "" "median s" "peak RSS KB"
printf '%-22s %10s %14s\n' "main window" "$main_t" "$main_m" "bare QWidget" "$bare_t" "$bare_m"
awk -v a="$main_t" -v b="$bare_t" -v c="$main_m" -v d="$bare_m" \
  'BEGIN { printf "ratio: time %.2fx, memory %.2fx (goal 1.30x or less)\n", a / b, c / d }'
