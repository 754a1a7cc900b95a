#!/usr/bin/env bash
# Installs what is needed, builds everything (benchmarks too) and runs the whole test suite.
# Options after the command go to the configure step (tools/ci.sh passes -DLODRIN_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default "$@"
cmake --build --preset default
ctest --preset default
