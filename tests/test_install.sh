#!/usr/bin/env bash
# Installs a built tree into a scratch prefix, checks the layout and the desktop metadata, then
# starts the installed program through its bin/ link from / and checks that it runs from the
# private directory that holds its sounds; velmora-render, beside it, renders with one of them.
# Runs under with-desktop (it needs DISPLAY).
#
#   test_install.sh BUILD_DIR BINDIR LIBDIR DATADIR     (the last three relative to the prefix)
set -uo pipefail

[ $# -eq 4 ] || { echo "usage: test_install.sh BUILD_DIR BINDIR LIBDIR DATADIR" >&2; exit 2; }
build=$(cd "$1" && pwd -P)
bindir=$2
libdir=$3
datadir=$4
source_dir=$(cd "$(dirname "$0")/.." && pwd -P)
app_id=org.velmora.Velmora

work=$(mktemp -d /tmp/velmora-install.XXXXXX)
prefix=$work/prefix
. "$(dirname "$0")/checks.sh"

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1
install_rc=$?
cat "$work/install.log"
[ $install_rc -eq 0 ] || { echo "FAIL cmake --install exited with $install_rc"; exit 1; }

pkgdir="$prefix/$libdir/velmora"
link="$prefix/$bindir/velmora"
expected_target=$(realpath -m --relative-to="$prefix/$bindir" "$pkgdir/velmora")

check "the executable is in $libdir/velmora" test -x "$pkgdir/velmora" -a ! -L "$pkgdir/velmora"
check "$bindir/velmora is a symbolic link" test -L "$link"
check "the link is relative ($(readlink "$link") = $expected_target)" \
    test "$(readlink "$link")" = "$expected_target"
check "the link resolves to the executable" test "$(readlink -f "$link")" = "$(realpath "$pkgdir/velmora")"
for name in pinknoise water rain lullaby; do
    check "Resources/$name.mp3 is installed and equals the source" \
        cmp -s "$pkgdir/Resources/$name.mp3" "$source_dir/sound/ambient/$name.mp3"
done
check "the resolved link's directory holds Resources/pinknoise.mp3" \
    test -s "$(dirname "$(readlink -f "$link")")/Resources/pinknoise.mp3"

render_link="$prefix/$bindir/velmora-render"
check "velmora-render is in $libdir/velmora beside velmora" \
    test -x "$pkgdir/velmora-render" -a ! -L "$pkgdir/velmora-render"
check "$bindir/velmora-render is a relative link to it" \
    test "$(readlink "$render_link")" = "$(realpath -m --relative-to="$prefix/$bindir" "$pkgdir/velmora-render")"
# Through the link and from /, it must find the installed sounds to render with one.
check "velmora-render through the link renders a session with an ambient sound" \
    sh -c 'cd / && "$1" --quiet --program 7 --ambient rain "$2" && test -s "$2"' sh "$render_link" "$work/rain.flac"

desktop="$prefix/$datadir/applications/$app_id.desktop"
metainfo="$prefix/$datadir/metainfo/$app_id.metainfo.xml"
png="$prefix/$datadir/icons/hicolor/48x48/apps/$app_id.png"
svg="$prefix/$datadir/icons/hicolor/scalable/apps/$app_id.svg"
check "desktop file installed" test -f "$desktop"
check "metainfo installed" test -f "$metainfo"
check "48x48 icon installed" test -f "$png"
check "scalable icon installed" test -f "$svg"
check "the 48x48 icon is a 48x48 RGBA PNG" \
    sh -c 'file -b "$1" | grep -q "^PNG image data, 48 x 48, 8-bit/color RGBA"' sh "$png"
check "the desktop file names the installed icon" grep -qx "Icon=$app_id" "$desktop"
check "the desktop file starts the linked command with a file" grep -qx "Exec=velmora %f" "$desktop"
mime="$prefix/$datadir/mime/packages/$app_id.xml"
check "the desktop file opens program files" \
    grep -qx "MimeType=application/x-velmora-program;" "$desktop"
check "the program files' type is installed" test -f "$mime"
check "update-mime-database takes it and gives .velmora its type" sh -c '
    mkdir -p "$2/packages" && cp "$1" "$2/packages/" && update-mime-database "$2" 2>/dev/null &&
        grep -q "^application/x-velmora-program:\*\.velmora$" "$2/globs"
' sh "$mime" "$work/mime"
check "desktop-file-validate accepts the desktop file" desktop-file-validate "$desktop"
check "appstreamcli accepts the metainfo" appstreamcli validate --no-net "$metainfo"
check "appstreamcli accepts the installed tree" appstreamcli validate-tree --no-net "$prefix"

start_from_root "$link"
# Polls for the mapped window for up to 30 s, and gives up at once if the program has exited.
window_shown() {
    local deadline=$((SECONDS + 30))
    until timeout 5 xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || return 1
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
check "the installed program maps its window titled Velmora" window_shown
check "the program is still running" kill -0 "$pid"
exe=$(readlink "/proc/$pid/exe")
check "the running executable is $libdir/velmora/velmora ($exe)" \
    test "$exe" = "$(realpath "$pkgdir/velmora")"
check "its working directory is /" test "$(readlink "/proc/$pid/cwd")" = /
# The installed program must stand on its own: nothing it has open or mapped may lie in the build
# or source tree.
ls -l "/proc/$pid/fd" >"$work/open-files" 2>&1
sed 's/^/     /' "$work/open-files"
cat "/proc/$pid/maps" >>"$work/open-files" 2>&1
check "nothing open or mapped from the build or source tree" \
    sh -c '! grep -F -e "$2/" -e "$3/" "$1"' sh "$work/open-files" "$build" "$source_dir"

finish
