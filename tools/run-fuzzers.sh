#!/usr/bin/env bash
# Runs every libFuzzer target (fuzz_*) of a fuzz build for a number of seconds each,
# starting from its committed seed corpus, and prints how many inputs each ran.
# Usage: tools/run-fuzzers.sh BUILD_DIR SECONDS
# New corpus entries go to BUILD_DIR/fuzz-corpus/<name>, findings to
# BUILD_DIR/fuzz-findings/<name>/. Exits non-zero when any target finds a failure;
# copy the finding into tests/fuzz/regressions/<name>/ so it stays a test.
set -u

build=${1:?usage: run-fuzzers.sh BUILD_DIR SECONDS}
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

status=0
ran=0
mkdir -p "$build/fuzz-logs"
for target in "$build"/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    ran=$((ran + 1))
    name=$(basename "$target")
    short=${name#fuzz_}
    seeds="$root/tests/fuzz/corpus/$short"
    work="$build/fuzz-corpus/$short"
    findings="$build/fuzz-findings/$short/"
    log="$build/fuzz-logs/$name.log"
    mkdir -p "$work" "$findings" "$seeds"

    ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0} \
    UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1} \
        "$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings" "$work" "$seeds" >"$log" 2>&1
    rc=$?

    execs=$(awk '/^stat::number_of_executed_units:/ {print $2}' "$log" | tail -n 1)
    rate=$(awk '/^stat::average_exec_per_sec:/ {print $2}' "$log" | tail -n 1)
    echo "$name: ${execs:-?} executions in ${seconds} s (${rate:-?}/s), exit $rc"
    if [ "$rc" -ne 0 ]; then
        status=1
        tail -n 60 "$log"
        echo "$name: finding saved in $findings; add it to tests/fuzz/regressions/$short/"
    fi
done

if [ "$ran" -eq 0 ]; then
    echo "no fuzz_* executables in $build"
    exit 1
fi
exit $status
