#!/bin/bash
# Times two builds of the benchmarks side by side on a shared machine: the two
# binaries run one after the other, REPS times over, so that a change in the
# machine's load falls on both alike. Prints every run and the medians.
#
#   bench/compare.sh OLD_QV_BENCH NEW_QV_BENCH [REPS] [FILTER]
#
# REPS defaults to 15, FILTER (a --benchmark_filter regex) to the 50x100 LP.
set -euo pipefail
old=$1
new=$2
reps=${3:-15}
filter=${4:-'BM_LP_50x100$'}

# Real time in ms of the first benchmark the filter selects.
run() {
    "$1" --benchmark_filter="$filter" --benchmark_min_time=0.3 --benchmark_format=csv 2>/dev/null |
        awk -F, '/^"BM_/ { print $3; exit }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

olds=()
news=()
for ((i = 1; i <= reps; i++)); do
    o=$(run "$old")
    n=$(run "$new")
    olds+=("$o")
    news+=("$n")
    echo "run $i: old $o ms, new $n ms"
done
mo=$(printf '%s\n' "${olds[@]}" | median)
mn=$(printf '%s\n' "${news[@]}" | median)
echo "median: old $mo ms, new $mn ms"
awk -v o="$mo" -v n="$mn" 'BEGIN { printf "change of the median: %+.1f %%\n", 100 * (n / o - 1) }'
