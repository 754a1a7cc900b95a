#!/usr/bin/env bash
# Saves pictures of the programs' windows into build/screenshots (or the folder given
# with -o), drawn under Xvfb when it is installed, else on Qt's offscreen platform.
#   tools/screenshots.sh [-o FOLDER] [SECTION...]
# Sections: solutions (the LodrinSolutions import window). Without one, all are made.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/screenshots
if [ "${1:-}" = "-o" ]; then
    out=$2
    shift 2
fi
cmake --preset default >/dev/null
cmake --build --preset default --target lodrin_screenshots
if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/lodrin_screenshots "$out" "$@"
fi
QT_QPA_PLATFORM=offscreen exec build/bin/lodrin_screenshots "$out" "$@"
