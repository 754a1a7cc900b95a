#!/usr/bin/env bash
# The whole CI run (.ci/run calls it): the README's test command with warnings as
# errors, the format check, the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the importer's tests under ThreadSanitizer, and every
# fuzzer for a short while on its seeds. Any failure ends the run with a non-zero code.
set -euo pipefail
cd "$(dirname "$0")/.."
fuzz_seconds=${LODRIN_FUZZ_SECONDS:-30}

step() {
    echo
    echo "=== $* ($(date +%T))"
}

step "format"
tools/setup.sh
tools/check-format.sh

step "default build and the whole suite"
tools/test.sh -DLODRIN_WERROR=ON

step "AddressSanitizer and UndefinedBehaviorSanitizer build and the whole suite"
cmake --preset debug -DLODRIN_WERROR=ON
cmake --build --preset debug
ctest --preset debug

step "ThreadSanitizer build of the importer's tests"
cmake --preset tsan -DLODRIN_WERROR=ON
cmake --build --preset tsan
ctest --preset tsan

step "fuzzers, ${fuzz_seconds} s each"
cmake --preset fuzz -DLODRIN_WERROR=ON
cmake --build --preset fuzz
tools/fuzz.sh -t "$fuzz_seconds"

step "done"
