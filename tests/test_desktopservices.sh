#!/usr/bin/env bash
# The desktop's services through real clients on a private session bus: the media controls
# (MPRIS 2) with playerctl and busctl, and the requests that keep the machine awake, made to a
# stand-in for the desktop portal or the screen saver (tests/inhibit_standin.py) that drops the
# requests of a client that leaves the bus, as they do. A session started by the media controls
# plays without the flashing light; in a new account a click on Visualizer asks first, and Alt+S
# shows the light.
#
#   dbus-run-session -- with-desktop --wm -- test_desktopservices.sh VELMORA
set -uo pipefail
velmora=$(realpath "$1")
tests=$(dirname "$(realpath "$0")")
work=$(mktemp -d /tmp/velmora-desktopservices.XXXXXX)
source "$tests/checks.sh"
standin=
stop_standin() {
    [ -n "$standin" ] && kill "$standin" 2>/dev/null && wait "$standin" 2>/dev/null
    standin=
}
trap 'stop_standin; cleanup' EXIT

mpris=org.mpris.MediaPlayer2.velmora
property() { busctl --user get-property $mpris /org/mpris/MediaPlayer2 "$@"; }
player_property() { property org.mpris.MediaPlayer2.Player "$1"; }
status_is() { [ "$(playerctl -p velmora status 2>/dev/null)" = "$1" ]; }
log_has() { grep -q -- "$1" "$work/inhibit.log"; }
log_count() { grep -c -- "$1" "$work/inhibit.log"; }

start_standin() {
    : >"$work/inhibit.log"
    /usr/bin/python3 "$tests/inhibit_standin.py" "$work/inhibit.log" "$@" &
    standin=$!
    wait_for log_has ready
}

start_velmora() {
    start_from_root "$velmora"
    wait_for busctl --user status $mpris || return 1
    window=$(wait_for xdotool search --sync --onlyvisible --class Velmora && \
        xdotool search --onlyvisible --class Velmora | head -1)
}

# Clicks down the first program button's column until a program is selected: the menu bar above
# the form takes some height. The first button hit is "Active Concentration"; the first try hits it
# below a menu bar of up to 24 px. The height that hit it is tried first from then on: each miss
# costs a wait.
program_y=
select_first_program() {
    local y
    for y in $program_y 84 96 108; do
        xdotool mousemove --window "$window" 100 $y click 1
        if wait_for sh -c "busctl --user get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player CanPlay | grep -q true"; then
            program_y=$y
            return 0
        fi
    done
    return 1
}

# Clicks Visualizer (its box in the form, below the menu bar) until the warning before the light
# shows; its window goes in `warning`. The first try hits it below a menu bar of 8 to 28 px.
click_visualizer() {
    local y tries
    for y in 298 280 316; do
        xdotool mousemove --window "$window" 470 $y click 1
        for tries in $(seq 40); do
            warning=$(xdotool search --onlyvisible --name '^Flashing Light$' 2>/dev/null | head -1)
            [ -n "$warning" ] && return 0
            sleep 0.05
        done
    done
    return 1
}

# --- media controls, with the portal's stand-in, in a new account
use_config_folder new
start_standin --portal
busctl --user monitor --match "type='signal',interface='org.freedesktop.DBus.Properties',member='PropertiesChanged',path='/org/mpris/MediaPlayer2'" >"$work/signals.log" 2>&1 &
monitor=$!
start_velmora
check "Velmora owns $mpris" wait_for busctl --user status $mpris
check "Identity is Velmora" sh -c "busctl --user get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2 Identity | grep -qx 's \"Velmora\"'"
check "DesktopEntry is org.velmora.Velmora" sh -c "busctl --user get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2 DesktopEntry | grep -qx 's \"org.velmora.Velmora\"'"
for yes_no in "CanQuit true" "CanRaise true" "HasTrackList false"; do
    check "root $yes_no" sh -c "busctl --user get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2 ${yes_no% *} | grep -qx 'b ${yes_no#* }'"
done
for yes_no in "CanPlay false" "CanPause false" "CanSeek false" "CanGoNext false" "CanGoPrevious false" "CanControl true"; do
    check "player $yes_no before a program is chosen" sh -c "busctl --user get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player ${yes_no% *} | grep -qx 'b ${yes_no#* }'"
done
check "status Stopped at first" status_is Stopped
playerctl -p velmora play
check "Play without a program changes nothing" status_is Stopped
check "no inhibit request while nothing plays" sh -c "! grep -q inhibit '$work/inhibit.log'"

check "a click on the first program makes CanPlay true" select_first_program
check "Play starts the session" sh -c "playerctl -p velmora play && $(declare -f wait_for status_is); wait_for status_is Playing"
playerctl -p velmora metadata >"$work/metadata.txt"
cat "$work/metadata.txt"
check "metadata title is the program" grep -q "xesam:title *Active Concentration" "$work/metadata.txt"
check "metadata artist is Velmora" grep -q "xesam:artist *Velmora" "$work/metadata.txt"
check "metadata has a track id" grep -q "mpris:trackid *'/org/velmora/Velmora/Session/1'" "$work/metadata.txt"
check "metadata length is the session's (positive, whole 5 minutes)" sh -c "awk '/mpris:length/ { exit !(\$3 > 0 && \$3 % 300000000 == 0) }' '$work/metadata.txt'"
position1=$(player_property Position | awk '{ print $2 }')
sleep 0.3
position2=$(player_property Position | awk '{ print $2 }')
check "Position moves on with the session ($position1 then $position2)" test "$position2" -gt "$position1"
check "portal asked not to suspend (flag 4) with the reason" wait_for log_has "portal inhibit flags=[0-9]* reason=A Velmora session is playing"
# Shown, the session screen would have asked for the idle flag before the session started.
flags=$(grep -o 'portal inhibit flags=[0-9]*' "$work/inhibit.log" | head -1 | grep -o '[0-9]*$')
check "Play shows no light: the suspend flag alone is asked for (flags $flags)" test "$flags" -eq 4
check "nor the session screen or the warning" sh -c "! xdotool search --onlyvisible --name '^(Dialog|Flashing Light)\$'"
check "a click on Visualizer asks before the light" click_visualizer
check "no light before the answer" sh -c "! xdotool search --onlyvisible --name '^Dialog\$'"
xdotool windowfocus --sync "$warning"
xdotool key --window "$warning" alt+s
check "Alt+S shows the session screen" wait_for xdotool search --onlyvisible --name '^Dialog$'
check "and closes the warning" wait_for sh -c "! xdotool search --onlyvisible --name '^Flashing Light\$'"
check "suspend and idle flags while the session screen shows" wait_for log_has "portal inhibit flags=12 "
check "the suspend flag's own request released" test "$(log_count 'portal close')" -eq 1
xdotool key --window "$(xdotool getactivewindow)" Escape
check "the screen closed, the request is made again with the suspend flag alone" wait_for sh -c "[ \$(grep -c 'portal inhibit flags=4 ' '$work/inhibit.log') -eq 2 ]"
check "and the one with the idle flag released" test "$(log_count 'portal close')" -eq 2

check "PlayPause stops a session" sh -c "playerctl -p velmora play-pause; $(declare -f wait_for status_is); wait_for status_is Stopped"
check "the portal request is released at Stop" wait_for test "$(log_count 'portal close')" -ge 1 -a "$(log_count 'portal close')" -eq "$(log_count 'portal inhibit')"
check "PlayPause starts one again" sh -c "playerctl -p velmora play-pause; $(declare -f wait_for status_is); wait_for status_is Playing"
check "Pause is answered and does nothing: a session cannot pause" busctl --user call $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player Pause
check "the session plays on after Pause" status_is Playing
check "Stop stops" sh -c "playerctl -p velmora stop; $(declare -f wait_for status_is); wait_for status_is Stopped"
check "every portal request is released" wait_for sh -c "[ \$(grep -c 'portal close' '$work/inhibit.log') -eq \$(grep -c 'portal inhibit' '$work/inhibit.log') ]"

check "a call with the wrong arguments gets a D-Bus error" sh -c "! busctl --user call $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player Play s oops 2>'$work/error.txt'"
cat "$work/error.txt"
check "an unknown method gets a D-Bus error" sh -c "! busctl --user call $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player Rewind 2>/dev/null"
check "setting a read-only property gets a D-Bus error" sh -c "! busctl --user set-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player Volume d 0.5 2>/dev/null"
check "and changes nothing" status_is Stopped
check "Raise is answered" busctl --user call $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2 Raise
check "PropertiesChanged told Playing" grep -q '"Playing"' "$work/signals.log"
check "PropertiesChanged told Stopped" grep -q '"Stopped"' "$work/signals.log"
check "PropertiesChanged told CanPlay" grep -q '"CanPlay"' "$work/signals.log"

playerctl -p velmora play
wait_for status_is Playing
check "Quit ends the program" sh -c "busctl --user call $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2 Quit; $(declare -f wait_for); wait_for sh -c '! kill -0 $pid'"
wait "$pid" 2>/dev/null
pid=
check "the portal request is released at quit" wait_for sh -c "[ \$(grep -c 'portal close' '$work/inhibit.log') -eq \$(grep -c 'portal inhibit' '$work/inhibit.log') ]"
kill $monitor 2>/dev/null

# --- a crash: the portal drops the requests of a client that is gone. The light is accepted now
# and Visualizer checked at start, and still PlayPause, as a media key sends it, shows no light.
start_velmora
select_first_program
: >"$work/inhibit.log"
playerctl -p velmora play-pause
wait_for status_is Playing
check "a new session holds a portal request" wait_for log_has "portal inhibit"
flags=$(grep -o 'portal inhibit flags=[0-9]*' "$work/inhibit.log" | head -1 | grep -o '[0-9]*$')
check "PlayPause with the light accepted shows none (flags $flags)" test "$flags" -eq 4
check "nor the session screen" sh -c "! xdotool search --onlyvisible --name '^Dialog\$'"
kill -KILL "$pid"
wait "$pid" 2>/dev/null
pid=
check "killed, its request is dropped by the bus's NameOwnerChanged" wait_for log_has "portal dropped"
stop_standin

# --- a portal that answers only after 3 s: the window goes on meanwhile, and closes what it asked
# for when it no longer applies, whether or not the answer has come
start_standin --portal --portal-delay 3
start_velmora
select_first_program
: >"$work/inhibit.log"
playerctl -p velmora play
check "a session starts while the portal is slow" wait_for status_is Playing
check "the portal is asked" wait_for log_has "portal inhibit flags=4 "
handle_of() { grep -o "portal inhibit flags=$1 .*handle=[^ ]*" "$work/inhibit.log" | tail -1 | sed 's/.*handle=//'; }
line_of() { grep -n -- "$1" "$work/inhibit.log" | head -1 | cut -d: -f1; }
before_answer() { [ -n "$(line_of "portal $1 handle=$2\$")" ] && ! log_has "portal answered handle=$2\$"; }
first=$(handle_of 4)
sender=$(busctl --user call org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus GetNameOwner s $mpris | sed 's/^s "://; s/"$//; s/\./_/g')
check "the request's path is the one the token names ($first)" sh -c "case '$first' in /org/freedesktop/portal/desktop/request/${sender}/velmora*) true ;; *) false ;; esac"
check "before the answer, the window answers on the bus within half a second" sh -c "busctl --user --timeout=0.5 get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player Position >/dev/null && ! grep -q 'portal answered' '$work/inhibit.log'"
playerctl -p velmora stop
check "Stop closes its request before its answer" wait_for before_answer close "$first"
playerctl -p velmora play
check "Play makes a new request" wait_for sh -c "[ \$(grep -c 'portal inhibit flags=4 ' '$work/inhibit.log') -eq 2 ]"
second=$(handle_of 4)
playerctl -p velmora stop
check "Stop closes that one before its answer too" wait_for before_answer close "$second"
check "the late answers come" sh -c "$(declare -f wait_for log_has); work='$work'; wait_for log_has 'portal answered handle=$second'"
check "and every request is closed" wait_for sh -c "[ \$(grep -c 'portal close' '$work/inhibit.log') -eq \$(grep -c 'portal inhibit' '$work/inhibit.log') ]"
check "the window still runs" kill -0 "$pid"
stop_standin
kill "$pid"; wait "$pid" 2>/dev/null; pid=

# --- no portal: the screen saver
start_standin --screensaver
start_velmora
select_first_program
playerctl -p velmora play
check "without a portal the screen saver is asked" wait_for log_has "screensaver inhibit application=Velmora reason=A Velmora session is playing"
playerctl -p velmora stop
check "and released at Stop" wait_for log_has "screensaver uninhibit"
stop_standin
kill "$pid"; wait "$pid" 2>/dev/null; pid=

# --- neither: one line on stderr, and the session plays
start_velmora
select_first_program
playerctl -p velmora play
check "with neither service the session plays" wait_for status_is Playing
check "one line on stderr says so" wait_for sh -c "[ \$(grep -c 'neither the desktop portal nor the screen saver' '$work/velmora.log') -eq 1 ]"

finish inhibit.log signals.log
