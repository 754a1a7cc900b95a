#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and checks that it holds the
# installed files and names the libraries the programs need as dependencies.
#
#   DebTest.sh <build folder> <app id prefix> <version>
source "$(dirname "$0")/InstallCommon.sh"

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
}
debs=("$work"/lodrin_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no package: $(ls "$work")"
deb=${debs[0]}

# The package holds exactly the files of an install under /usr.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort >"$work/contents"
expected_files | diff -u - "$work/contents" || fail "the package's files differ"

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
