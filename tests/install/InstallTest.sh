#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as a package does (prefix /usr) and checks
# what a Linux desktop and its user see: the installed tree, the desktop entries, the
# metainfo, the MIME type of level files, the command lines, the installed editor
# finding the shipped skins, and the installed importer keeping its stores in the
# user's data folder.
#
#   InstallTest.sh <build folder> <app id prefix> <version>
source "$(dirname "$0")/InstallCommon.sh"

usr=$work/root/usr
DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/install.log"

# The tree: the programs, the skins the build drew, and the desktop files; nothing else.
expected_files >"$work/expected"
(cd "$usr" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "the installed tree differs"
[ -x "$usr/bin/LodrinEditor" ] && [ -x "$usr/bin/LodrinSolutions" ] || fail "programs not executable"

# The icon's pixel sizes are PNG pictures of their size.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }
for size in 48 256; do
    got=$(png_size "$usr/share/icons/hicolor/${size}x${size}/apps/$prefix.LodrinEditor.png")
    [ "$got" = "${size}x${size}" ] || fail "the ${size} px icon is $got"
done

# Desktop entries and metainfo pass their validators.
desktop-file-validate "$usr/share/applications/$prefix.LodrinEditor.desktop" \
    "$usr/share/applications/$prefix.LodrinSolutions.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$prefix.LodrinEditor.metainfo.xml" ||
    fail "appstreamcli validate"

# *.xsb files get the level MIME type, and the editor's entry opens it with the file.
update-mime-database "$usr/share/mime"
grep -q '^50:application/x-sokoban-level:\*\.xsb$' "$usr/share/mime/globs2" ||
    fail "*.xsb has no MIME type: $(grep -i xsb "$usr/share/mime/globs2" || true)"
editor_entry=$usr/share/applications/$prefix.LodrinEditor.desktop
grep -qx 'MimeType=application/x-sokoban-level;' "$editor_entry" || fail "editor MimeType"
grep -qx 'Exec=LodrinEditor %f' "$editor_entry" || fail "editor Exec"
grep -qx "Icon=$prefix.LodrinEditor" "$editor_entry" || fail "editor Icon"

# --help and --version answer without a window system; a wrong option ends with code 2.
for program in LodrinEditor LodrinSolutions; do
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --help)
    [[ $help == "Usage: $program "* ]] || fail "$program --help: $help"
    got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --version)
    [ "$got" = "$program $version" ] || fail "$program --version: $got"
    code=0
    QT_QPA_PLATFORM=offscreen "$usr/bin/$program" --no-such-option 2>"$work/err" || code=$?
    [ "$code" = 2 ] || fail "$program --no-such-option ended with $code"
    grep -q 'no-such-option' "$work/err" || fail "$program does not name the wrong option"
done

# The installed editor starts offscreen and its skin chooser lists the shipped skins.
home="$work/home 用户"
mkdir -p "$home"
HOME=$home QT_QPA_PLATFORM=offscreen "$usr/bin/LodrinEditor" --list-skins >"$work/skins"
[ "$(head -n 1 "$work/skins")" = "$usr/share/lodrin/Skins" ] ||
    fail "the editor reads skins from $(head -n 1 "$work/skins")"
diff <(printf '%s\n' $skins) <(tail -n +2 "$work/skins" | sort) || fail "the chooser's skins differ"

# The installed importer makes the user's data folder and keeps its stores there.
data=$home/.local/share/lodrin
code=0
out=$(env -u XDG_DATA_HOME HOME="$home" "$usr/bin/LodrinSolutions" --import mobile) || code=$?
[ "$code" = 1 ] || fail "import without a mobile store ended with $code: $out"
[[ $out == 没有找到手机版Quarvo的答案库！* ]] || fail "import without a mobile store: $out"
[ -f "$data/Lodrin.db" ] || fail "no solution store in $data"

sqlite3 "$data/Lodrin_An.db" "CREATE TABLE G_State (G_ID INTEGER PRIMARY KEY, G_Solution INTEGER,
    L_thin_XSB TEXT, G_Ans TEXT, G_Moves INTEGER, G_Pushs INTEGER, G_DateTime TEXT);
  INSERT INTO G_State (G_Solution, L_thin_XSB, G_Ans, G_Moves, G_Pushs, G_DateTime) VALUES
    (1, '  ####' || char(10) || '###  #' || char(10) || '#.@\$ #' || char(10) || '######',
     'ulR', 3, 1, '2023-04-05 06:07:08');"
out=$(env -u XDG_DATA_HOME HOME="$home" "$usr/bin/LodrinSolutions" --import mobile) ||
    fail "import from the data folder: $out"
[ "$out" = "$(printf '已处理的答案总数：1\n成功导入数：1\n因重复未导入数：0\n无效答案数：0')" ] ||
    fail "import report: $out"
[ "$(sqlite3 "$data/Lodrin.db" 'SELECT count(*) FROM Tab_Solution')" = 1 ] ||
    fail "the solution was not stored in $data"
[ ! -e "$usr/bin/Lodrin.db" ] || fail "the installed importer wrote beside the program"

# $XDG_DATA_HOME names the data folder; --dir overrides both.
xdg=$work/xdg
XDG_DATA_HOME=$xdg HOME="$home" "$usr/bin/LodrinSolutions" --import old >/dev/null || true
[ -f "$xdg/lodrin/Lodrin.db" ] || fail "no solution store under XDG_DATA_HOME"
mkdir -p "$work/given"
XDG_DATA_HOME=$xdg HOME="$home" "$usr/bin/LodrinSolutions" --import old --dir "$work/given" \
    >/dev/null || true
[ -f "$work/given/Lodrin.db" ] || fail "--dir was not used"

echo "install test passed"
