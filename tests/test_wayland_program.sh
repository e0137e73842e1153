#!/usr/bin/env bash
# The built program on a Wayland desktop, as the compositor sees it: its toplevel carries the app id
# its desktop entry is named by, which is how the desktop finds its icon and launcher, and it is
# 560 x 490; it says nothing on stderr on the way. Where no compositor answers it refuses cleanly.
# Runs under with-desktop --wayland; the protocol is read from libwayland's own log
# (WAYLAND_DEBUG=client), whose lines start with a time stamp in brackets.
#
#   test_wayland_program.sh VELMORA
set -uo pipefail

[ $# -eq 1 ] || { echo "usage: test_wayland_program.sh VELMORA" >&2; exit 2; }
velmora=$(realpath "$1")
work=$(mktemp -d /tmp/velmora-wayland-test.XXXXXX)
. "$(dirname "$0")/checks.sh"

message="Velmora needs a display: run it on a desktop, or set WAYLAND_DISPLAY to the socket of a running Wayland compositor."
refused() {
    timeout 20 env "$@" "$velmora" >"$work/refused.out" 2>"$work/refused.err"
    local status=$?
    [ $status -eq 1 ] && [ ! -s "$work/refused.out" ] &&
        [ "$(cat "$work/refused.err")" = "$message" ] && return 0
    echo "     status $status, said: $(cat "$work/refused.out" "$work/refused.err")"
    return 1
}
check "no compositor at WAYLAND_DISPLAY" refused WAYLAND_DISPLAY=velmora-nowhere
check "no compositor in a Wayland session" refused WAYLAND_DISPLAY=velmora-nowhere \
    QT_QPA_PLATFORM= XDG_SESSION_TYPE=wayland

# Weston offers no server-side decorations, so Qt would draw its own around the window and count
# them in the toplevel's geometry; without them that geometry is the window's own size.
WAYLAND_DEBUG=client QT_WAYLAND_DISABLE_WINDOWDECORATION=1 start_from_root "$velmora"
said() { grep -qF -- "$1" "$work/velmora.log"; }
shown() {
    local deadline=$((SECONDS + 30))
    until said 'set_window_geometry(0, 0, 560, 490)'; do
        kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
check "the window shows, 560 x 490" shown
check "its app id is the desktop entry's" said 'set_app_id("org.velmora.Velmora")'
check "its title is Velmora" said 'set_title("Velmora")'
check "it runs on" kill -0 "$pid"
noise() { grep -v '^\[' "$work/velmora.log"; }
check "nothing but the protocol on stderr" test -z "$(noise)"

finish
