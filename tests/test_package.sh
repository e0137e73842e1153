#!/usr/bin/env bash
# Makes the Debian package with tools/make-deb from a built tree, checks it with lintian, checks that
# it holds every file the build installs and the run-time parts in its dependencies, then unpacks it
# with dpkg-deb -x into a scratch folder and starts the unpacked program from there, which must play
# its ambient sound from beside itself. Runs under with-desktop (it needs DISPLAY and sound).
#
#   test_package.sh BUILD_DIR
set -uo pipefail

[ $# -eq 1 ] || { echo "usage: test_package.sh BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd -P)
source_dir=$(cd "$(dirname "$0")/.." && pwd -P)

work=$(mktemp -d /tmp/velmora-package.XXXXXX)
. "$(dirname "$0")/checks.sh"

"$source_dir/tools/make-deb" "$build" "$work/out" >"$work/make-deb.log" 2>&1
status=$?
package=$(tail -n 1 "$work/make-deb.log")
if [ $status -ne 0 ] || [ ! -f "$package" ]; then
    cat "$work/make-deb.log"
    echo "FAIL tools/make-deb exited with $status"
    exit 1
fi
version=$(dpkg-deb -f "$package" Version)
check "the package is velmora_${version}_amd64.deb ($(basename "$package"))" \
    test "$(basename "$package")" = "velmora_${version}_amd64.deb"

lintian "$package" >"$work/lintian.log" 2>&1
sed 's/^/     /' "$work/lintian.log"
check "lintian finds no error" sh -c '! grep -q "^E: " "$1"' sh "$work/lintian.log"

depends=$(dpkg-deb -f "$package" Depends)
echo "     Depends: $depends"
for part in libgl1-mesa-dri qt6-wayland libqt6widgets6 libpulse0 libsndfile1 libxcb1 libwayland-client0; do
    # Debian 13 renamed the libraries whose ABI holds a time_t, adding "t64" to their packages' names.
    check "it depends on $part" sh -c 'echo "$1" | tr -d " " | tr "," "\n" | grep -Eq "^$2(t64)?\\b"' \
        sh "$depends" "$part"
done

# What the package holds is what the build installs under /usr, file for file and link for link.
DESTDIR="$work/installed" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; echo "FAIL cmake --install"; exit 1; }
dpkg-deb -x "$package" "$work/unpacked"
listing() { (cd "$1" && find . \( -type f -o -type l \) | sort); }
check "the package holds every file the build installs" \
    diff <(listing "$work/installed") <(listing "$work/unpacked")

velmora="$work/unpacked/usr/bin/velmora"
pkgdir="$work/unpacked/usr/lib/velmora"
check "usr/bin/velmora links to the program" test "$(readlink -f "$velmora")" = "$pkgdir/velmora"
for name in pinknoise water rain lullaby; do
    check "Resources/$name.mp3 equals the source" \
        cmp -s "$pkgdir/Resources/$name.mp3" "$source_dir/sound/ambient/$name.mp3"
done

# A user who accepted the flashing light long ago: Start starts the session at once.
use_config_folder accepted
start_from_root "$velmora"
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1)
check "the unpacked program shows its window" test -n "$window"
check "it runs the unpacked executable" test "$(readlink "/proc/$pid/exe")" = "$pkgdir/velmora"

# The first program, then Start, at points of the buttons that stay on them below a menu bar of up
# to 24 px: the session plays Pink Noise, the default ambient sound, from the file beside the
# program.
if [ -n "$window" ]; then
    xdotool mousemove --window "$window" 145 84 click 1
    xdotool mousemove --window "$window" 457 424 click 1
fi
plays_its_sound() {
    local deadline=$((SECONDS + 30))
    until ls -l "/proc/$pid/fd" 2>/dev/null | grep -qF -- "-> $pkgdir/Resources/pinknoise.mp3"; do
        kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
check "it opens Resources/pinknoise.mp3 from beside itself" plays_its_sound

finish make-deb.log
