#!/usr/bin/env bash
# Each layer's volume is remembered by the sound server apart from the other's: the ambient sound
# turned down to 30 % comes back at 30 % at the next Start and the next run of the program, and
# the tone stays at 100 %. On PulseAudio that is module-stream-restore, on PipeWire WirePlumber's
# restore-stream; the sessions are started and stopped through the media controls.
#
#   dbus-run-session -- with-desktop --wm [--pipewire] -- test_streamvolumes.sh VELMORA
set -uo pipefail
velmora=$(realpath "$1")
tests=$(dirname "$(realpath "$0")")
work=$(mktemp -d /tmp/velmora-streamvolumes.XXXXXX)
source "$tests/checks.sh"

mpris=org.mpris.MediaPlayer2.velmora
status_is() { [ "$(playerctl -p velmora status 2>/dev/null)" = "$1" ]; }

# The index, or the volume in percent of the first channel, of the stream the mixer shows by this
# name.
stream_field() {
    pactl list sink-inputs | awk -v id="\"$1\"" -v field="$2" '
        /^Sink Input #/ { index_ = substr($3, 2) }
        /^[ \t]*Volume:/ { volume = $5; sub("%", "", volume) }
        $1 == "media.name" && substr($0, index($0, "\"")) == id { print (field == "index" ? index_ : volume); exit }'
}
stream_volume_is() { [ "$(stream_field "$1" volume)" = "$2" ]; }

tone="Binaural tone"
ambient="Ambient sound"

if ! pactl info | grep -q PipeWire; then
    pactl load-module module-stream-restore >/dev/null
fi

start_session() {
    start_from_root "$velmora"
    wait_for busctl --user status $mpris || return 1
    window=$(xdotool search --sync --onlyvisible --class Velmora | head -1)
    local y
    # The first program button, below a menu bar of up to 24 px.
    for y in 84 96 108; do
        xdotool mousemove --window "$window" 100 $y click 1
        wait_for sh -c "busctl --user get-property $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Player CanPlay | grep -q true" && break
    done
    playerctl -p velmora play
    wait_for status_is Playing && wait_for test -n "$(stream_field "$tone" index)" &&
        wait_for test -n "$(stream_field "$ambient" index)"
}

check "a session plays both streams" start_session
pactl set-sink-input-volume "$(stream_field "$ambient" index)" 30%
check "the ambient stream is set to 30 %" wait_for stream_volume_is "$ambient" 30
playerctl -p velmora stop
wait_for status_is Stopped
wait_for sh -c "! pactl list sink-inputs | grep -q '$ambient'"
playerctl -p velmora play
check "after Stop and Start the ambient stream is back at 30 %" wait_for stream_volume_is "$ambient" 30
check "and the tone at 100 %" wait_for stream_volume_is "$tone" 100

busctl --user call $mpris /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2 Quit
wait "$pid" 2>/dev/null
pid=
check "run again, a session plays both streams" start_session
check "the ambient stream is still at 30 %" wait_for stream_volume_is "$ambient" 30
check "and the tone at 100 %" wait_for stream_volume_is "$tone" 100
pactl list sink-inputs >"$work/sink-inputs.txt"

finish sink-inputs.txt
