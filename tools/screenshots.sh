#!/usr/bin/env bash
# Builds the screenshot drivers and saves PNGs of the windows in the states
# worth looking at, under a virtual X display: tools/screenshots.sh [folder]
# (default build/screenshots).
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
shared="${LODRIN_SHARED_DIR:-../shared}"
level="$shared/data/solved.xsb"
if [ ! -f "$level" ]; then
    echo "screenshots: no level file at $level (set LODRIN_SHARED_DIR)" >&2
    exit 1
fi
cmake --preset default >/dev/null
cmake --build --preset default --target lodrin_editor_screenshots
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    build/tools/lodrin_editor_screenshots "$out" "$level" build/bin/Skins
