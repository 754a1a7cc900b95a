#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and checks that it holds the
# installed files and names the libraries the programs need as dependencies.
#
#   DebTest.sh <build folder> <app id prefix> <version>
set -euo pipefail
build=$1
prefix=$2
version=$3

work=$(mktemp -d "${TMPDIR:-/tmp}/lodrin-deb-XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
}
debs=("$work"/lodrin_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no package: $(ls "$work")"
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for file in ./usr/bin/LodrinEditor ./usr/bin/LodrinSolutions \
    ./usr/share/lodrin/Skins/Classic20.bmp \
    "./usr/share/applications/$prefix.LodrinEditor.desktop" \
    "./usr/share/applications/$prefix.LodrinSolutions.desktop" \
    "./usr/share/metainfo/$prefix.LodrinEditor.metainfo.xml" \
    ./usr/share/mime/packages/lodrin.xml \
    "./usr/share/icons/hicolor/scalable/apps/$prefix.LodrinEditor.svg" \
    "./usr/share/icons/hicolor/48x48/apps/$prefix.LodrinEditor.png" \
    "./usr/share/icons/hicolor/256x256/apps/$prefix.LodrinEditor.png"; do
    grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
if grep -v '^\./usr/' "$work/contents" | grep -qv '^\./$'; then
    fail "files outside /usr: $(grep -v '^\./usr/' "$work/contents")"
fi

dpkg-deb -I "$deb" >"$work/info"
field() { sed -n "s/^ $1: //p" "$work/info"; }
[ "$(field Package)" = lodrin ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0 zlib1g; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done
[[ $depends == *libmdb* ]] || fail "Depends lacks the Access reader library: $depends"

echo "deb test passed: $(basename "$deb")"
