#!/usr/bin/env bash
# Installs what is needed, builds the programs for release and makes the Debian package
# build-package/lodrin_<version>_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset package
cmake --build --preset package
cpack --preset package
