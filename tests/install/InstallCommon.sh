# Sourced by the install checks: their arguments (build folder, app id prefix, version),
# a scratch folder that goes at the end, `fail`, and the files an install puts under
# its prefix.
set -euo pipefail
build=$1
prefix=$2
version=$3

work=$(mktemp -d "${TMPDIR:-/tmp}/lodrin-check-XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The shipped skins the build drew.
skins=$(cd "$build/bin/Skins" && ls -- *.bmp)
[ -n "$skins" ] || fail "the build drew no skins"

# Every file an install puts under its prefix, sorted, one a line.
expected_files() {
    {
        printf '%s\n' bin/LodrinEditor bin/LodrinSolutions
        for skin in $skins; do echo "share/lodrin/Skins/$skin"; done
        printf '%s\n' "share/applications/$prefix.LodrinEditor.desktop" \
            "share/applications/$prefix.LodrinSolutions.desktop" \
            "share/metainfo/$prefix.LodrinEditor.metainfo.xml" \
            share/mime/packages/lodrin.xml \
            "share/icons/hicolor/scalable/apps/$prefix.LodrinEditor.svg" \
            "share/icons/hicolor/48x48/apps/$prefix.LodrinEditor.png" \
            "share/icons/hicolor/256x256/apps/$prefix.LodrinEditor.png"
    } | sort
}
