#!/usr/bin/env bash
# Builds the screenshot drivers and saves PNGs of the windows in the states worth
# looking at, under a virtual X display (Qt's offscreen platform when Xvfb is missing).
#   tools/screenshots.sh [-o FOLDER] [SECTION...]
# Sections: editor (LodrinEditor's windows), files (level collections opened in the
# editor: the open dialog, the level chooser), trial (the trial window), recognition
# (the recognition window in each mode and the editor's reference pictures),
# solutions (the LodrinSolutions import window). Without one, all are made. Default
# folder: build/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/screenshots
if [ "${1:-}" = "-o" ]; then
    out=$2
    shift 2
fi
sections=("$@")
[ ${#sections[@]} -eq 0 ] && sections=(editor files trial recognition solutions)
shared="${LODRIN_SHARED_DIR:-../shared}"
mkdir -p "$out"
cmake --preset default >/dev/null

# The real levels the editor and trial sections show.
solved_levels() {
    local file="$shared/data/solved.xsb"
    if [ ! -f "$file" ]; then
        echo "screenshots: no level file at $file (set LODRIN_SHARED_DIR)" >&2
        exit 1
    fi
    echo "$file"
}

# The windows as a Chinese desktop shows them: the file dialog's dates and sizes
# follow the system's locale.
run() {
    if command -v xvfb-run >/dev/null; then
        xvfb-run -a -s "-screen 0 1280x1024x24" env LANG=zh_CN.UTF-8 "$@"
    else
        QT_QPA_PLATFORM=offscreen LANG=zh_CN.UTF-8 "$@"
    fi
}

for section in "${sections[@]}"; do
    case "$section" in
    editor)
        level=$(solved_levels)
        cmake --build --preset default --target lodrin_editor_screenshots
        run build/tools/lodrin_editor_screenshots "$out" "$level" build/bin/Skins
        ;;
    trial)
        level=$(solved_levels)
        cmake --build --preset default --target lodrin_trial_screenshots
        run build/tools/lodrin_trial_screenshots "$out" "$level" build/bin/Skins \
            "$shared/data/large/Dushi13_41_100x96.xsb"
        ;;
    files)
        levels="$shared/data/levels"
        if [ ! -d "$levels" ]; then
            echo "screenshots: no level collections at $levels (set LODRIN_SHARED_DIR)" >&2
            exit 1
        fi
        cmake --build --preset default --target lodrin_file_screenshots
        run build/tools/lodrin_file_screenshots "$out" "$levels" build/bin/Skins
        ;;
    recognition)
        level=$(solved_levels)
        cmake --build --preset default --target lodrin_recog_screenshots
        run build/tools/lodrin_recog_screenshots "$out" "$level" build/bin/Skins
        ;;
    solutions)
        cmake --build --preset default --target lodrin_screenshots
        run build/bin/lodrin_screenshots "$out" solutions
        ;;
    *)
        echo "screenshots: unknown section $section (editor, files, trial, recognition, solutions)" >&2
        exit 2
        ;;
    esac
done
