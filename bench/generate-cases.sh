#!/usr/bin/env bash
# Prints COUNT generated cases of calculation type 2 (pipe heat loss) or 4 (pipe freezing) for
# kelvara-cli, one TAB-separated line each, cycling through temperatures, sizes and materials.
#   bench/generate-cases.sh 2 100000 > cases.tsv
set -euo pipefail
type=${1:?type 2 or 4}
count=${2:-100000}
awk -v type="$type" -v count="$count" 'BEGIN {
  m[0] = "Kauczuk syntetyczny KV-Flex "; m[1] = "Pianka PIR "
  m[2] = "Welna mineralna (otuliny) ";   m[3] = "wspólczynnik k 0.0400"
  for (i = 0; i < count; i++) {
    if (type == 2)
      printf "%d\t%d\t%d\t%d\t10\t%s\t9\t0.5\n", 10 + i % 30, -20 + i % 60, 10 + i % 200, i % 51, m[i % 4]
    else if (type == 4)
      printf "%d\t%d\t1000\t4180\t0\t335\t%d\t%d\t%d\t%s\t%d\n", -25 + i % 24, 1 + i % 40, 10 + i % 80, 10 + i % 200, 6 + i % 45, m[i % 4], 3 + i % 20
    else { print "type 2 or 4" > "/dev/stderr"; exit 2 }
  }
}'
