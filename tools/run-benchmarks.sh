#!/usr/bin/env bash
# Runs the benchmark program of a benchmark build from the repository root (so the
# assets resolve) and prints its table, then the reference-to-production ratios of
# the path searches and, when valgrind is installed, callgrind's instruction counts
# for one search of each stress map (steadier than timings on a shared machine).
# Usage: tools/run-benchmarks.sh BUILD_DIR [extra benchmark options]
# Example: tools/run-benchmarks.sh build-bench --benchmark_filter=FindPath
set -euo pipefail

build=${1:?usage: run-benchmarks.sh BUILD_DIR [benchmark options]}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
case "$build" in /*) ;; *) build="$root/$build" ;; esac
# Searches per callgrind run; the count shown is per search.
searches=3

cd "$root"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
"$build/kestrun_benchmarks" --benchmark_counters_tabular=false "$@" | tee "$log"

echo
echo "Path search, reference time / production time (CPU):"
awk '
function micro(value, unit) {
    if (unit == "ns") return value / 1000
    if (unit == "ms") return value * 1000
    if (unit == "s") return value * 1000000
    return value
}
$1 ~ /^FindPath\// && $3 ~ /^(ns|us|ms|s)$/ {
    split($1, part, "/")
    cpu = micro($4, $5)
    if (part[3] == "Reference") reference[part[2]] = cpu
    if (part[3] == "Production") { production[part[2]] = cpu; order[++count] = part[2] }
}
END {
    for (i = 1; i <= count; ++i) {
        name = order[i]
        if (name in reference && production[name] > 0)
            printf "  %-12s %10.1f us / %8.1f us = %6.1fx\n", name, reference[name],
                   production[name], reference[name] / production[name]
    }
}' "$log"

if ! command -v valgrind > /dev/null; then
    echo "valgrind not installed: no instruction counts"
    exit 0
fi
echo
echo "Instructions per search (callgrind, searches only):"
declare -A count
for map in corridor maze unreachable; do
    line="  $(printf '%-12s' "$map")"
    for which in reference production; do
        out=$(mktemp)
        valgrind --tool=callgrind --callgrind-out-file="$out" \
            --toggle-collect=measuredSearches \
            "$build/kestrun_path_driver" "$map" "$which" "$searches" > /dev/null 2>&1
        total=$(awk '/^summary:/ { print $2 }' "$out")
        rm -f "$out"
        count[$which]=$((total / searches))
        line+=" $(printf '%s %12d' "$which" "${count[$which]}")"
    done
    line+=" $(awk -v r="${count[reference]}" -v p="${count[production]}" \
        'BEGIN { printf "= %6.1fx", r / p }')"
    echo "$line"
done
