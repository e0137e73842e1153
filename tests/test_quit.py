#!/usr/bin/python3
"""Every way a user ends the program mid-session ramps the sound out as Stop does: the media
controls' Quit (MPRIS, through busctl), the window's close (Alt+F4 to the window manager) and
SIGTERM. The real program plays the tone and pink noise on the private desktop's sound server,
recorded with parec. The sound ends as a ramp does, not cut off: the largest step between
neighbouring samples where it ends is no larger than the sound's own while it played. It is silent
soon after the request, and the program ends; also when the sound server hangs. (The Stop ramp's
own shape is test_fades' to judge.)

    dbus-run-session -- with-desktop --wm -- test_quit.py VELMORA
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), 'e2e'))

from desktop import Failure, check, log, run, visible_windows, wait_until  # noqa: E402
from sound import RATE, Recorder, first_sounding_frame  # noqa: E402

MPRIS = 'org.mpris.MediaPlayer2.velmora'
MPRIS_PATH = '/org/mpris/MediaPlayer2'
# Heard at full level by then: the tone's first loop has faded in, and so has the ambient sound.
FULL_LEVEL_AFTER_FRAMES = 3 * RATE
# From the request to silence: the request's own way to the program (a client started, a key
# through the window manager, a signal) and the sink's latency, around the Stop's ramp itself.
SILENT_WITHIN_FRAMES = int(0.3 * RATE)
# Where the sound ends: its last millisecond and the step from it into silence. A sound cut off at
# any level steps there from that level to nothing.
END_FRAMES = RATE // 1000


def largest_step(pcm, first, end):
    """The largest step between neighbouring samples of a channel in frames first..end."""
    largest = 0
    for channel in (0, 1):
        samples = pcm[2 * first + channel:2 * end:2]
        for a, b in zip(samples, samples[1:]):
            largest = max(largest, abs(a - b))
    return largest


def last_sounding_frame(pcm):
    for frame in range(len(pcm) // 2 - 1, -1, -1):
        if pcm[2 * frame] or pcm[2 * frame + 1]:
            return frame
    return -1


def can_play():
    result = subprocess.run(['busctl', '--user', 'get-property', MPRIS, MPRIS_PATH,
                             'org.mpris.MediaPlayer2.Player', 'CanPlay'],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=10)
    return result.stdout.strip() == b'b true'


def status():
    result = subprocess.run(['playerctl', '-p', 'velmora', 'status'], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, timeout=10)
    return result.stdout.decode().strip()


PROGRAM_HEIGHTS = (64, 72, 80, 88, 96)
program_height = [None]


def start_session(binary, log_file):
    """Starts the program and a session of its first program with the default ambient sound."""
    app = subprocess.Popen([binary], cwd='/', stdout=log_file, stderr=subprocess.STDOUT)
    window = wait_until(lambda: app.poll() is None and visible_windows(name='^Velmora$'), 20,
                        "the Velmora window", interval=0.05)[0]
    wait_until(lambda: subprocess.run(['busctl', '--user', 'status', MPRIS],
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
               .returncode == 0, 10, "the media controls")
    # Down the first program button's column until a program is selected: the menu bar above the
    # form may take some height. The height that hit it is tried first from then on.
    for y in sorted(PROGRAM_HEIGHTS, key=lambda height: height != program_height[0]):
        run(['xdotool', 'mousemove', '--window', window, '100', str(y), 'click', '1'])
        try:
            wait_until(can_play, 2, "a program to be selected")
            program_height[0] = y
            break
        except Failure:
            continue
    check(can_play(), "no program could be selected")
    run(['playerctl', '-p', 'velmora', 'play'])
    wait_until(lambda: status() == 'Playing', 10, "the session to play")
    return app, window


def quit_through_mpris(app, window):
    run(['busctl', '--user', 'call', MPRIS, MPRIS_PATH, 'org.mpris.MediaPlayer2', 'Quit'])


# The session screen covers the window while a session plays: Escape closes it, and the session
# plays on, with no step. Alt+F4 then goes through the window manager, as from a user's keyboard.
def uncover_the_window(window):
    run(['xdotool', 'key', 'Escape'])
    wait_until(lambda: visible_windows(name='^Velmora$') == [window], 10,
               "the session screen to close")
    run(['xdotool', 'windowactivate', '--sync', window])


def close_the_window(app, window):
    run(['xdotool', 'key', 'alt+F4'])


def terminate(app, window):
    app.send_signal(signal.SIGTERM)


# Each way: its name, what readies it without a sound of its own, and the request itself.
WAYS = [("MPRIS Quit", None, quit_through_mpris),
        ("the window's close", uncover_the_window, close_the_window),
        ("SIGTERM", None, terminate)]


def quit_with_a_hung_server(binary, work):
    """A sound server that hangs (SIGSTOP) in mid-session holds the end back by two seconds at
    most: the program ends within a few seconds of a SIGTERM all the same."""
    server = os.environ['VELMORA_SOUND_SERVER']
    with open(os.path.join(work, 'velmora.log'), 'ab') as log_file:
        app, window = start_session(binary, log_file)
    try:
        run([server, 'stop'])
        started = time.monotonic()
        app.send_signal(signal.SIGTERM)
        try:
            ended = app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            ended = None
        took = time.monotonic() - started
        log(f"with a hung sound server, SIGTERM ended the program in {took:.2f} s ({ended})")
        return ended == 0 and took < 5
    finally:
        run([server, 'cont'])
        if app.poll() is None:
            app.kill()
            app.wait()


def measure(binary, work, name, prepare, ask_to_quit):
    recorder = Recorder(os.environ['VELMORA_TEST_SINK'], os.path.join(work, 'recording.raw'))
    app = None
    try:
        recorder.wait_running()
        with open(os.path.join(work, 'velmora.log'), 'ab') as log_file:
            app, window = start_session(binary, log_file)
            wait_until(lambda: first_sounding_frame(recorder.read(0, recorder.frames()))
                       is not None, 10, "the first sound")
            first = first_sounding_frame(recorder.read(0, recorder.frames()))
            recorder.wait_for(first + FULL_LEVEL_AFTER_FRAMES, 10, "the sound at full level")
            if prepare:
                prepare(window)
            asked = recorder.frames()
            ask_to_quit(app, window)
            ended = app.wait(timeout=10)
            app = None
        recorder.wait_for(asked + RATE, 10, "a second of recording after the quit")
        pcm = recorder.read(0, recorder.frames())
        own = largest_step(pcm, asked - RATE, asked)
        last = last_sounding_frame(pcm)
        # A cut may fall right after the last frame recorded before the request.
        first_after = max(asked - 1, last - END_FRAMES)
        at_end = largest_step(pcm, first_after, last + 2)
        after = largest_step(pcm, asked - 1, len(pcm) // 2)
        silent_after_ms = (last + 1 - asked) * 1000 // RATE
        return {'name': name, 'own': own, 'end': at_end, 'after': after, 'silent_ms': silent_after_ms,
                'exit': ended, 'loud': max(abs(s) for s in pcm[2 * (asked - RATE // 10):2 * asked])}
    finally:
        if app is not None:
            app.kill()
            app.wait()
        recorder.stop()


def main():
    binary = os.path.abspath(sys.argv[1])
    check(os.environ.get('VELMORA_TEST_SINK'), "run under tests/with-desktop --wm")
    failures = 0
    rows = []
    with tempfile.TemporaryDirectory(prefix='velmora-quit.') as work:
        for name, prepare, ask_to_quit in WAYS:
            try:
                rows.append(measure(binary, work, name, prepare, ask_to_quit))
            except Failure as failure:
                log(f"FAIL {name}: {failure}")
                failures += 1
        log(f"{'way':20} {'own step':>9} {'end step':>9} {'after it':>9} {'silent after':>13} "
            f"{'exit':>5}")
        for row in rows:
            log(f"{row['name']:20} {row['own']:9} {row['end']:9} {row['after']:9} "
                f"{row['silent_ms']:10} ms {row['exit']:5}")
        for row in rows:
            checks = [
                (row['loud'] > 8000, f"the sound was at full level when asked to quit "
                                     f"(loudest sample {row['loud']})"),
                (row['end'] <= row['own'], "the step where the sound ends is no larger than the "
                                           "sound's own"),
                (row['silent_ms'] * RATE // 1000 <= SILENT_WITHIN_FRAMES,
                 f"silent within {SILENT_WITHIN_FRAMES * 1000 // RATE} ms of the request"),
                (row['exit'] == 0, "the program ends with status 0"),
            ]
            for passed, what in checks:
                log(f"{'ok  ' if passed else 'FAIL'} {row['name']}: {what}")
                failures += not passed
        passed = quit_with_a_hung_server(binary, work)
        log(f"{'ok  ' if passed else 'FAIL'} a hung sound server holds the end back by seconds "
            f"at most")
        failures += not passed
        if failures:
            with open(os.path.join(work, 'velmora.log'), errors='replace') as program_output:
                log("--- program output\n" + program_output.read())
    log("all checks passed" if not failures else f"{failures} check(s) failed")
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
