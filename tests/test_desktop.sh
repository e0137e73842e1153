#!/usr/bin/env bash
# The built program as a desktop sees it: refused cleanly where no display can be opened; on a
# desktop scaled to 125 % (Xft.dpi 120) its window grows by exactly that factor, and the main window
# and the session screen carry Velmora's own icon and the WM_CLASS its desktop entry names. Runs
# under with-desktop --wm --dpi 120.
#
#   test_desktop.sh VELMORA DESKTOP_FILE ICON_PNG
set -uo pipefail

[ $# -eq 3 ] || { echo "usage: test_desktop.sh VELMORA DESKTOP_FILE ICON_PNG" >&2; exit 2; }
velmora=$(realpath "$1")
desktop_file=$(realpath "$2")
icon_png=$(realpath "$3")
convert=/usr/bin/convert

work=$(mktemp -d /tmp/velmora-desktop-test.XXXXXX)
. "$(dirname "$0")/checks.sh"

# --- No display to be had: the same message and status 1 whatever the reason, and no core dump.
message="Velmora needs a display: run it on a desktop, set DISPLAY, or start it under xvfb-run."
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
refused() {
    timeout 20 env -u WAYLAND_DISPLAY "$@" >"$work/refused.out" 2>"$work/refused.err"
    local status=$?
    [ $status -eq 1 ] && [ ! -s "$work/refused.out" ] &&
        [ "$(cat "$work/refused.err")" = "$message" ] && return 0
    echo "     status $status, said: $(cat "$work/refused.out" "$work/refused.err")"
    return 1
}
check "no DISPLAY" refused DISPLAY= QT_QPA_PLATFORM= "$velmora"
check "DISPLAY=:$free with no server" refused DISPLAY=":$free" QT_QPA_PLATFORM= "$velmora"
check "DISPLAY=:$free with no server, xcb asked for" refused DISPLAY=":$free" QT_QPA_PLATFORM=xcb \
    "$velmora"
check "-display :$free with no server" refused "$velmora" -display ":$free"
check "--platform xcb and no DISPLAY" refused DISPLAY= QT_QPA_PLATFORM=offscreen "$velmora" \
    --platform xcb

# --- On the scaled desktop, for a user who accepted the flashing light before.
use_config_folder accepted
cd /
"$velmora" >"$work/velmora.log" 2>&1 &
pid=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velmora$' | head -n 1)
[ -n "$main" ] || { echo "FAIL the window did not show"; cat "$work/velmora.log"; exit 1; }

size=$(xwininfo -id "$main" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
check "the 560 x 490 window is 700 x 613 at 125 % ($size)" test "$size" = 700x613

startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
check "the desktop entry names its window class ($startup_class)" test -n "$startup_class"

# WM_CLASS is the instance and the class, the class being what docks match to StartupWMClass.
has_identity() {
    local wm_class
    wm_class=$(xprop -id "$1" -notype WM_CLASS)
    [ "$wm_class" = "WM_CLASS = \"velmora\", \"$startup_class\"" ] && return 0
    echo "     $wm_class"
    return 1
}

# The first image in _NET_WM_ICON (width, height, then ARGB pixels) against Velmora's icon at that
# size: within 4 % root mean square, where Qt's generic icon is far off.
has_own_icon() {
    xprop -id "$1" -notype 32c _NET_WM_ICON >"$work/icon.txt" || return 1
    python3 - "$work/icon.txt" "$work/icon.rgba" >"$work/icon.size" <<'EOF' || return 1
import sys
text = open(sys.argv[1]).read()
if "=" not in text:
    sys.exit(1)
values = [int(v) for v in text.split("=", 1)[1].split(",")]
width, height = values[0], values[1]
pixels = values[2:2 + width * height]
if width < 16 or len(pixels) != width * height:
    sys.exit(1)
with open(sys.argv[2], "wb") as out:
    for argb in pixels:
        out.write(bytes(((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, argb >> 24)))
print(f"{width}x{height}")
EOF
    local size error
    size=$(cat "$work/icon.size")
    $convert -size "$size" -depth 8 "rgba:$work/icon.rgba" "$work/shown.png" || return 1
    $convert "$icon_png" -resize "$size!" "$work/expected.png" || return 1
    error=$(compare -metric RMSE "$work/shown.png" "$work/expected.png" null: 2>&1 |
        sed 's/.*(\(.*\))/\1/')
    echo "     $size icon, RMSE $error"
    awk -v e="$error" 'BEGIN { exit !(e < 0.04) }'
}

# If the window does not show the icon, what each of the program's windows carries is printed, to
# tell a missing icon from a wrong window.
shows_own_icon() {
    has_own_icon "$1" && return 0
    local window
    for window in $(xdotool search --class "^$startup_class\$" 2>/dev/null); do
        echo "     window $window:" $(xprop -id "$window" WM_NAME WM_STATE | head -n 2)
        echo "       $(xprop -id "$window" -notype 32c _NET_WM_ICON | cut -c 1-60)"
    done
    return 1
}

check "the main window's WM_CLASS" has_identity "$main"
check "the main window shows Velmora's icon" shows_own_icon "$main"

# Start the first program with Visualizer on, as it is by default: the session screen opens at once
# for a user who accepted the light before. Clicks go to points of the buttons in the form, at the
# window's scale, that stay on them below a menu bar of up to 24 px.
click() { xdotool mousemove --window "$main" "$(($1 * 5 / 4))" "$(($2 * 5 / 4))" click 1; }
click 145 84
click 457 424
# The screen's flash surface and time label are native child windows of the same class; the
# screen itself is the other window the window manager manages (it marks those with WM_STATE), and
# is named "Dialog", unlike the warning before the light.
session_screen() {
    local window
    for window in $(xdotool search --onlyvisible --class "^$startup_class\$" 2>/dev/null); do
        [ "$window" != "$main" ] && [ "$(xdotool getwindowname "$window")" = Dialog ] &&
            xprop -id "$window" WM_STATE 2>/dev/null | grep -q '^WM_STATE(WM_STATE)' &&
            echo "$window" && return 0
    done
    return 1
}
deadline=$((SECONDS + 30))
until screen=$(session_screen); do
    kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ] || break
    sleep 0.1
done
check "the session screen opened" test -n "$screen"
if [ -n "$screen" ]; then
    check "the session screen's WM_CLASS" has_identity "$screen"
    check "the session screen shows Velmora's icon" shows_own_icon "$screen"
fi

finish
