#!/usr/bin/env bash
# Runs the fuzzers of the fuzz preset on their seed corpora and the inputs kept under
# tests/fuzz/, two at a time, for a while each (30 s unless told). A crash, a broken invariant, a leak or a hang fails the run;
# the input that caused it is left in build-fuzz/fuzz/findings/ (keep it under
# tests/fuzz/<harness>/ once the fault is mended). What the fuzzers learn stays in
# build-fuzz/fuzz/corpus/ for the next run.
#   tools/fuzz.sh [-t SECONDS] [HARNESS...]       (after: cmake --build --preset fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=30
if [ "${1:-}" = "-t" ]; then
    seconds=$2
    shift 2
fi
bin=build-fuzz/fuzz
if [ $# -eq 0 ]; then
    set -- $(cd "$bin" && ls fuzz_* | sed 's/^fuzz_//')
fi
mkdir -p "$bin/findings" "$bin/logs"

# Runs one harness; prints a line with its result.
run_one() {
    local name=$1 seconds=$2 bin=build-fuzz/fuzz
    mkdir -p "$bin/corpus/$name"
    # New inputs go to the first folder; the seeds and the kept inputs are only read.
    local kept=()
    [ -d "tests/fuzz/$name" ] && kept=("tests/fuzz/$name")
    if "$bin/fuzz_$name" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=3072 \
        -print_final_stats=1 -artifact_prefix="$bin/findings/$name-" \
        "$bin/corpus/$name" "$bin/seeds/$name" "${kept[@]}" >"$bin/logs/$name.log" 2>&1; then
        echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$bin/logs/$name.log" |
            grep -o '[0-9]*$') inputs, no fault"
    else
        echo "fuzz $name: FAULT (see $bin/logs/$name.log)"
        tail -n 40 "$bin/logs/$name.log"
        return 1
    fi
}
export -f run_one

printf '%s\n' "$@" | xargs -P 2 -I{} bash -c "run_one {} $seconds"
