#!/usr/bin/env python3
"""End-to-end tests of the built velmora program.

Each scenario starts the real executable on the private desktop of tests/with-desktop (Xvfb,
openbox, a PulseAudio null sink), uses it only with mouse clicks and key presses at the places a
person would, and judges it by what the screen shows and what the sink plays.

    test_velmora.py --binary BIN/velmora --artifacts DIR --scenario NAME [--keep-artifacts]

Scenarios: tone (the first loop sample for sample, with and without the secondary tone, Stop),
visualizer (the warning before the light in a new account, the session screen, Escape, the
ambient sound), session (a whole 5-minute session, by a user who accepted the light).
A failed run leaves its recording, screenshots and the program's output in DIR/NAME.
"""

import argparse
import os
import shutil
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True  # leave no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import sound  # noqa: E402
from desktop import (Failure, check, click, ensure_dir, focus, grab, log, press,  # noqa: E402
                     stop_process, visible_windows, wait_until, window_frame)
from sound import LOOP_FRAMES, RATE, Recorder  # noqa: E402

# Main window widgets, x, y, width, height in the central widget.
PROGRAM_NAMES = ["Active Concentration", "Complete Meditation", "Deep Sleep",
                 "Deep Thought Meditation", "Dream Sleep", "Morning Wake", "Quick Meditation",
                 "Relaxed to Deep Thought", "Relaxed to Complete Meditation",
                 "Tired to Deep Sleep", "Tired to Dreaming"]
START_BUTTON = (400, 400, 114, 32)
SELECTED_LABEL = (30, 10, 500, 40)
AMBIENT_BOX = (290, 340, 231, 26)
TONE_BOX = (290, 270, 125, 20)
VISUALIZER_BOX = (420, 270, 101, 20)
HOURS_BOX = (220, 400, 81, 26)
MINUTES_BOX = (310, 400, 81, 26)
PROGRAM_COLUMN = (20, 60, 250, 332)
AMBIENT_NONE = 6  # after Pink Noise, Water, Rain, Lullaby, Brown Noise and White Noise

SCREEN = (1280, 800)
TEXT_BAND = 40        # rows at the top of the session screen that hold the time-left line
RENDER_AHEAD = 0.02   # s; the recorder asks the null sink for 20 ms latency
LOUD = 100            # a sample at least this large is sound, not the fade's last steps

def inner(box, margin=5):
    """The inside of a button, clear of its border and focus frame."""
    x, y, w, h = box
    return (x + margin, y + 3, w - 2 * margin, h - 6)


def similar(ink, other):
    """Two inks show the same text or mark: hover and focus shade the background, which moves
    a few anti-aliased pixels across the threshold, while another word or a check mark changes
    far more than one in twenty."""
    return len(ink ^ other) <= max(2, len(ink | other) // 20)


def program_button(number):
    return (20, 60 + 30 * (number - 1), 250, 32)


def centre(box):
    x, y, w, h = box
    return x + w // 2, y + h // 2


class MainWindow:
    """The main window as seen on the screen, clicked and typed into."""

    def __init__(self, window):
        self.window = window
        frame = wait_until(lambda: window_frame(window)[2:] == (560, 490) and window_frame(window),
                           10, "the main window's 560x490 client area")
        log(f"main window {window} at {frame[0]},{frame[1]}, {frame[2]}x{frame[3]}")
        self.offset = self.find_central_widget()

    def find_central_widget(self):
        """Where the central widget begins below any menu bar: the first program button's top
        edge, found on a column left of the label, lies 60 px into it. The search starts below
        the menu bar's texts, which cross that column too."""
        image = grab(self.window)
        for y in range(40, 120):
            r, g, b = image.pixel(25, y)
            if r + g + b < 3 * 200:
                offset = y - 60
                check(0 <= offset <= 25, f"first program button's top edge at y={y}, "
                      "not where the form puts it")
                log(f"central widget starts {offset} px below the client area's top")
                return offset
        raise Failure("no program button found at the left of the main window")

    def place(self, box):
        x, y, w, h = box
        return (x, y + self.offset, w, h)

    def grab(self):
        return grab(self.window)

    def region(self, box, image=None):
        image = image or self.grab()
        return image.crop(*self.place(box))

    def ink(self, box):
        return self.region(box).ink()

    def click(self, box):
        x, y = centre(self.place(box))
        click(self.window, x, y)

    def wait_ink(self, box, condition, timeout, what):
        return wait_until(lambda: condition(self.ink(box)), timeout, what, interval=0.05)

    def choose_program(self, number):
        before = self.ink(SELECTED_LABEL)
        self.click(program_button(number))
        self.wait_ink(SELECTED_LABEL, lambda now: not similar(now, before), 5,
                      f"the label to show \"{PROGRAM_NAMES[number - 1]}\"")
        log(f"chose \"{PROGRAM_NAMES[number - 1]}\"")
        return self.ink(SELECTED_LABEL)

    def choose_item(self, box, index, what):
        """Opens a combo box with a click and picks an item with the keys, as a person at the
        keyboard would: Home, Down to the item, Return."""
        focus(self.window)  # the keys go to the focused window
        before = set(visible_windows(class_name='velmora'))
        self.click(box)
        popup = wait_until(lambda: set(visible_windows(class_name='velmora')) - before, 5,
                           f"the {what} list to open")
        press('Home', *(['Down'] * index), 'Return')
        wait_until(lambda: not popup & set(visible_windows(class_name='velmora')), 5,
                   f"the {what} list to close")
        log(f"chose item {index} in the {what} box")

    def toggle(self, box, what):
        before = self.ink(box)
        self.click(box)
        self.wait_ink(box, lambda now: not similar(now, before), 5, f"the {what} box to change")
        log(f"clicked \"{what}\"")

    def shows_program_column(self, root):
        """True when the root window shows the program buttons exactly as the window has them:
        nothing covers the main window."""
        x, y, _, _ = window_frame(self.window)
        px, py, w, h = self.place(PROGRAM_COLUMN)
        return root.crop(x + px, y + py, w, h).rgb == self.grab().crop(px, py, w, h).rgb


class Run:
    """One start of the program with its recorder, its screenshots and its artifacts."""

    def __init__(self, args):
        self.binary = os.path.abspath(args.binary)
        self.directory = os.path.join(os.path.abspath(args.artifacts), args.scenario)
        self.keep = args.keep_artifacts
        shutil.rmtree(self.directory, ignore_errors=True)
        ensure_dir(self.directory)
        self.shots = {}
        self.recorder = None
        self.app = None
        self.app_log = None

    def shot(self, name, image):
        self.shots[name] = image
        return image

    def start_recorder(self):
        sink = os.environ.get('VELMORA_TEST_SINK')
        check(sink, "VELMORA_TEST_SINK is not set: run under tests/with-desktop --wm")
        self.recorder = Recorder(sink, os.path.join(self.directory, 'recording.raw'))
        self.recorder.wait_running()
        return self.recorder

    def start_app(self, light_warning=None):
        """Starts the program in a configuration folder of its own: new, as in a new account, or
        with the flashing light's warning answered already ('accepted' or 'declined')."""
        check(os.access(self.binary, os.X_OK), f"{self.binary} is not an executable")
        config = os.path.join(self.directory, 'config')
        shutil.rmtree(config, ignore_errors=True)
        ensure_dir(os.path.join(config, 'velmora'))
        if light_warning:
            with open(os.path.join(config, 'velmora', 'velmora.conf'), 'w') as settings:
                settings.write(f'[General]\nlightWarning={light_warning}\n')
        resources = os.path.join(os.path.dirname(self.binary), 'Resources')
        for name in ('pinknoise', 'water', 'rain', 'lullaby'):
            check(os.path.isfile(os.path.join(resources, name + '.mp3')),
                  f"{resources}/{name}.mp3 is missing: build the ambient_sounds target")
        check(not visible_windows(name='^Velmora$'), "a Velmora window is already on this display")
        self.app_log = open(os.path.join(self.directory, 'velmora.log'), 'wb')
        # Started from elsewhere than its own folder: it must find its sounds beside itself.
        self.app = subprocess.Popen([self.binary], cwd=self.directory, stdout=self.app_log,
                                    stderr=subprocess.STDOUT,
                                    env=dict(os.environ, XDG_CONFIG_HOME=config))
        window = wait_until(lambda: self.app.poll() is None and visible_windows(name='^Velmora$'),
                            20, "the Velmora window", interval=0.05)
        return MainWindow(window[0])

    def check_alive(self):
        check(self.app.poll() is None, f"velmora exited with {self.app.returncode}")

    def finish(self, passed):
        if not passed:
            try:
                self.shot('at-the-end', grab())
            except Exception as error:  # the desktop may be gone; the rest is still worth keeping
                log(f"no final screenshot: {error}")
        if self.app is not None:
            stop_process(self.app, 10)
            self.app_log.close()
        if self.recorder is not None:
            self.recorder.stop()
        if passed and not self.keep:
            shutil.rmtree(self.directory, ignore_errors=True)
            try:
                os.rmdir(os.path.dirname(self.directory))
            except OSError:
                pass  # other scenarios' artifacts are still there
            return
        for name, image in self.shots.items():
            image.save_png(os.path.join(self.directory, name + '.png'))
        if self.recorder is not None and os.path.exists(self.recorder.path):
            self.recorder.save_wav(os.path.join(self.directory, 'recording.wav'))
            os.remove(self.recorder.path)
        log(f"artifacts in {self.directory}")


# Sound -------------------------------------------------------------------------------------------

def wait_first_sound(recorder, after, timeout, what):
    """The first frame from `after` on with a sample that is not 0."""
    def found():
        pcm = recorder.read(after, recorder.frames() - after)
        first = sound.first_sounding_frame(pcm)
        return None if first is None else after + first
    return wait_until(found, timeout, what, interval=0.05)


def check_first_loop(recorder, click_frame, beat, secondary, reference):
    """Finds the loop's start from the first frame that sounds after Start, and holds the whole
    first loop to the reference, sample for sample."""
    offset = sound.first_sounding_frame(reference)
    first = wait_first_sound(recorder, click_frame, 10, "the tone after Start")
    loop_start = first - offset
    check(loop_start >= click_frame,
          f"the recording sounds {sound.seconds(click_frame - loop_start):.3f} s before Start")
    log(f"tone begins {sound.seconds(loop_start - click_frame):.3f} s of audio after the click")
    recorder.wait_for(loop_start + LOOP_FRAMES, 30, "fifteen seconds of tone")
    recorded = recorder.read(loop_start, LOOP_FRAMES)
    label = f"{beat} Hz beat, secondary tone {'on' if secondary else 'off'}"
    if recorded != reference:
        worst, at = sound.max_deviation(recorded, reference)
        differing = sum(1 for a, b in zip(recorded, reference) if a != b)
        raise Failure(f"first loop ({label}) differs from the formula in {differing} of "
                      f"{len(reference)} samples, by up to {worst} (at frame {at} of the loop)")
    log(f"first loop ({label}): all {LOOP_FRAMES} frames equal the formula, max deviation 0")
    return loop_start


def tone_amplitudes(recorder, start, end, frequency, which, window=RATE // 2):
    """The sine's amplitude in each half second from start to end on one channel."""
    pcm = recorder.read(start, end - start)
    samples = sound.channel(pcm, which)
    return [sound.amplitude_at(samples[k:k + window], frequency)
            for k in range(0, len(samples) - window + 1, window)]


def high_band(recorder, start, frames):
    pcm = recorder.read(start, frames)
    return max(sound.high_band_rms(sound.channel(pcm, which)) for which in (0, 1))


def check_tone_goes_on(recorder, start, end, beat, what):
    """Both channels carry the binaural pair at full level somewhere in the stretch (a loop's
    fade can take the level down in part of it)."""
    left = max(tone_amplitudes(recorder, start, end, sound.CARRIER, 0))
    right = max(tone_amplitudes(recorder, start, end, sound.CARRIER + beat, 1))
    log(f"{what}: 396 Hz left at {left:.0f}, {396 + beat} Hz right at {right:.0f}")
    check(left > 15000 and right > 15000, f"{what}: the tone is not playing "
          f"(396 Hz left {left:.0f}, {396 + beat} Hz right {right:.0f}; full level 22,936)")


def press_stop(window, recorder, start_ink):
    """Clicks Stop; returns the recorded frame count just before the click: the click comes
    later (xdotool itself takes up to 0.1 s), so a stop measured from here is not made shorter."""
    click_frame = recorder.frames()
    window.click(START_BUTTON)
    window.wait_ink(inner(START_BUTTON), lambda now: similar(now, start_ink), 5,
                    "the button to read \"Start\" again")
    log("the button reads \"Start\" again")
    return click_frame


def check_stop(recorder, click_frame, what):
    """The tone sounded up to the click and fell silent within 0.3 s of it, for good."""
    recorder.wait_for(click_frame + 2 * RATE, 10, "two seconds of recording after Stop")
    before = RATE
    pcm = recorder.read(click_frame - before, before + 2 * RATE)
    last = sound.last_loud_frame(pcm, LOUD)
    check(last is not None and last >= before - RATE // 4,
          f"{what}: no sound in the quarter second before Stop")
    # The file lags the sink, which renders up to its latency ahead of its clock: at most that
    # much of what was recorded before the click can still have been playing after it.
    latency = sound.seconds(last + 1 - before) + RENDER_AHEAD
    log(f"{what}: last loud sample at most {latency * 1000:.0f} ms after the click")
    check(latency <= 0.3, f"{what}: the tone went on {latency:.3f} s after Stop")
    tail = pcm[2 * (last + 1 + RATE // 10):]
    check(max(tail) == 0 and min(tail) == 0,
          f"{what}: sound again after it stopped (up to {max(max(tail), -min(tail))})")
    return latency


# The session screen ------------------------------------------------------------------------------

def hue_yellow(r, g, b):
    top = max(r, g, b)
    return b <= 3 and abs(r - g) <= 0.1 * top + 3


def hue_magenta(r, g, b):
    top = max(r, g, b)
    return g <= 0.05 * top + 3 and abs(r - b) <= 0.05 * top + 3


def flash_colour(image):
    """The flash surface's colour: one colour at points spread over all of it, or None."""
    colours = {image.pixel(x, y) for x in range(40, 1241, 100) for y in range(80, 771, 70)}
    return colours.pop() if len(colours) == 1 else None


def check_session_screen_layout(image):
    """Black all round the flash surface, and the time-left line in white, centred at the top."""
    width, height = SCREEN
    check((image.width, image.height) == SCREEN, f"screen grab {image.width}x{image.height}")
    for x, y in [(2, 300), (width - 3, 300), (640, height - 3), (2, height - 3), (5, 5),
                 (width - 6, 5)]:
        check(image.pixel(x, y) == (0, 0, 0), f"session screen not black at ({x},{y}): "
              f"{image.pixel(x, y)}")
    # Text is drawn with sub-pixel anti-aliasing, so its edges are tinted; everything that is
    # not black must lie with the white strokes, in one centred line.
    white = []
    inked = [width, -1, TEXT_BAND, -1]
    for y in range(TEXT_BAND):
        row = image.rgb[3 * width * y:3 * width * (y + 1)]
        for x in range(width):
            r, g, b = row[3 * x:3 * x + 3]
            if r or g or b:
                inked = [min(inked[0], x), max(inked[1], x), min(inked[2], y), max(inked[3], y)]
                if min(r, g, b) >= 200:
                    white.append((x, y))
    check(len(white) >= 300, f"only {len(white)} white pixels in the session screen's top line")
    left, right = min(x for x, _ in white), max(x for x, _ in white)
    top, bottom = min(y for _, y in white), max(y for _, y in white)
    check(inked[0] >= left - 3 and inked[1] <= right + 3 and inked[2] >= top - 3 and
          inked[3] <= bottom + 3, f"the top line is not black beside its text: something at "
          f"x {inked[0]}..{inked[1]}, y {inked[2]}..{inked[3]}, text at x {left}..{right}, "
          f"y {top}..{bottom}")
    middle = (left + right) / 2
    check(abs(middle - (width - 1) / 2) <= 4 and right - left >= 400,
          f"time-left line from x={left} to {right}: not a long line centred on the screen")
    check(2 <= top and bottom < TEXT_BAND - 2, f"time-left line from y={top} to {bottom}")
    return left, right, top, bottom


def watch_session_screen(run, hue, hue_name, timeout=8):
    """Grabs the screen until the flash has been seen at clearly different levels, every grab
    the program's colour on the full-screen session screen."""
    dialog = wait_until(lambda: visible_windows(name='^Dialog$'), 10, "the session screen")[0]
    wait_until(lambda: window_frame(dialog) == (0, 0) + SCREEN, 10,
               "the session screen to cover the whole screen")
    # The window has its full size a little before its contents are laid out and painted in it.
    last_problem = []

    def laid_out():
        image = grab()
        try:
            check_session_screen_layout(image)
            return image
        except Failure as problem:
            last_problem[:] = [str(problem)]
            return None
    try:
        wait_until(laid_out, 5, "the session screen's contents")
    except Failure as failure:
        raise Failure(f"{failure}: {last_problem[0] if last_problem else ''}")

    levels, grabs = [], 0
    deadline = time.monotonic() + timeout
    while True:
        image = grab()
        grabs += 1
        left, right, top, bottom = check_session_screen_layout(image)
        colour = flash_colour(image)
        check(colour is not None, "the flash surface is not one colour")
        level = max(colour)
        if level >= 40:
            check(hue(*colour), f"flash colour {colour} is not {hue_name}")
        if not levels:
            run.shot('session-screen', image)
            log(f"session screen: 1280x800, time-left line x {left}..{right}, y {top}..{bottom}")
        if level not in levels:
            levels.append(level)
            log(f"flash {colour}")
            if level == max(levels) and level >= 128:
                run.shot('session-screen-bright', image)
        if grabs >= 6 and len(levels) >= 3 and max(levels) - min(levels) >= 80 and max(levels) >= 128:
            break
        check(time.monotonic() < deadline,
              f"the flash did not change brightness enough in {grabs} grabs: levels {levels}")
    log(f"flash levels seen in {grabs} grabs: {sorted(levels)}")
    return dialog


def wait_session_screen_hidden(run, window, timeout, what):
    wait_until(lambda: not visible_windows(name='^Dialog$'), timeout, what)
    wait_until(lambda: window.shows_program_column(run.shot('main-window-visible', grab())),
               timeout, "the main window to show on the screen")


# Scenarios ---------------------------------------------------------------------------------------

def scenario_tone(run):
    references = [(3, 20, True, sound.reference_loop(20, True)),
                  (1, 15, False, sound.reference_loop(15, False))]
    recorder = run.start_recorder()
    window = run.start_app()
    start_ink = window.ink(inner(START_BUTTON))
    run.shot('main-window', window.grab())

    # Start with nothing chosen is refused: a message, the button unchanged, no sound.
    label_before = window.ink(SELECTED_LABEL)
    refused_at = recorder.frames()
    window.click(START_BUTTON)
    window.wait_ink(SELECTED_LABEL, lambda now: not similar(now, label_before), 5,
                    "a message after Start with no program")
    check(similar(window.ink(inner(START_BUTTON)), start_ink), "Start without a program changed the button")
    recorder.wait_for(refused_at + RATE, 10, "a second of recording")
    check(sound.first_sounding_frame(recorder.read(refused_at, RATE)) is None,
          "sound after Start with no program")
    log("Start with no program: a message, no sound")

    window.choose_item(AMBIENT_BOX, AMBIENT_NONE, "ambient sound")
    window.choose_item(MINUTES_BOX, 1, "minutes")  # 10 m
    window.toggle(VISUALIZER_BOX, "Visualizer")
    latencies = []
    for run_number, (program, beat, secondary, reference) in enumerate(references):
        if not secondary:
            window.toggle(TONE_BOX, "Secondary Tone")
        name_ink = window.choose_program(program)
        run.shot(f'before-start-{run_number + 1}', window.grab())
        click_frame = recorder.frames()
        window.click(START_BUTTON)
        window.wait_ink(inner(START_BUTTON), lambda now: not similar(now, start_ink), 5,
                        "the button to read \"Stop\"")
        check(not visible_windows(name='^Dialog$'), "session screen shown with Visualizer off")
        loop_start = check_first_loop(recorder, click_frame, beat, secondary, reference)
        plateau = loop_start + 5 * RATE
        noise = high_band(recorder, plateau, RATE)
        log(f"sound above the tone with \"None\": {noise:.1f} (rounding the tone gives 2.4 to 3.4)")
        check(noise < 8, "noise-like sound next to the tone with \"None\" chosen")

        # Stop in the second loop, while the tone is at full level.
        recorder.wait_for(loop_start + LOOP_FRAMES + 3 * RATE, 15, "the second loop")
        run.shot(f'playing-{run_number + 1}', window.grab())
        click_frame = press_stop(window, recorder, start_ink)
        window.wait_ink(SELECTED_LABEL, lambda now: similar(now, name_ink), 5,
                        "the label to show the program's name again")
        latencies.append(check_stop(recorder, click_frame, f"Stop {run_number + 1}"))
        run.shot(f'stopped-{run_number + 1}', window.grab())
        run.check_alive()
    log(f"stop latencies: {', '.join(f'{x * 1000:.0f} ms' for x in latencies)}")


def scenario_visualizer(run):
    recorder = run.start_recorder()
    window = run.start_app()
    start_ink = window.ink(inner(START_BUTTON))
    checked_ink = window.ink(VISUALIZER_BOX)
    window.choose_program(6)  # Morning Wake: 13 Hz, magenta
    window.choose_item(HOURS_BOX, 1, "hours")  # 1 h 5 m: a 600 s ramp, so the colour holds still
    run.shot('main-window', window.grab())

    # In a new account the first Start asks before the light, and the session waits for the
    # answer; Alt+S shows the light.
    window.click(START_BUTTON)
    warning = wait_until(lambda: visible_windows(name='^Flashing Light$'), 10,
                         "the warning before the light")[0]
    check(not visible_windows(name='^Dialog$'), "the session screen shown before the answer")
    run.shot('light-warning', grab())
    log("the first Start asked before the light")
    focus(warning)
    click_frame = recorder.frames()
    press('alt+s')
    dialog = watch_session_screen(run, hue_magenta, "magenta")
    check(not visible_windows(name='^Flashing Light$'), "the warning stayed after Alt+S")

    # Pink noise, the ambient sound the window opens with, plays under the tone.
    first = wait_first_sound(recorder, click_frame, 10, "sound after Start")

    def noise_now():
        end = recorder.frames()
        return end > first + RATE // 2 and high_band(recorder, end - RATE // 2, RATE // 2) > 100
    wait_until(noise_now, 10, "pink noise in the recording", interval=0.2)
    heard = recorder.frames()
    log(f"pink noise heard within {sound.seconds(heard - click_frame):.1f} s of Start")
    recorder.wait_for(heard + 2 * RATE, 10, "two seconds of pink noise")
    check_tone_goes_on(recorder, heard, heard + 2 * RATE, 13, "with pink noise")
    noise = high_band(recorder, heard, 2 * RATE)
    log(f"sound above the tone with pink noise: {noise:.0f}")
    check(noise > 100, "the pink noise did not go on")

    # Escape closes the session screen; the session goes on.
    focus(dialog)
    escape_frame = recorder.frames()
    press('Escape')
    wait_session_screen_hidden(run, window, 5, "the session screen to close on Escape")
    log("Escape closed the session screen")
    window.wait_ink(VISUALIZER_BOX, lambda now: not similar(now, checked_ink), 5,
                    "the Visualizer box to clear itself")
    check(not similar(window.ink(inner(START_BUTTON)), start_ink), "the button no longer reads \"Stop\"")
    recorder.wait_for(escape_frame + 3 * RATE, 10, "three seconds after Escape")
    check_tone_goes_on(recorder, escape_frame + RATE // 2, escape_frame + 3 * RATE, 13,
                       "after Escape")
    noise = high_band(recorder, escape_frame + 2 * RATE, RATE)
    check(noise > 100, f"the pink noise stopped with the session screen ({noise:.1f})")
    run.shot('after-escape', window.grab())

    # "None" during the session fades the ambient sound out at once, over a second, and leaves the
    # tone.
    focus(window.window)
    none_frame = recorder.frames()  # before the list opens: the time to choose counts too
    window.choose_item(AMBIENT_BOX, AMBIENT_NONE, "ambient sound")

    def quiet_from():
        end = recorder.frames()
        for start in range(none_frame, end - RATE // 4, RATE // 20):
            if high_band(recorder, start, RATE // 4) < 8:
                return start
        return None
    quiet = wait_until(quiet_from, 5, "the ambient sound to stop after choosing \"None\"",
                       interval=0.2)
    log(f"ambient sound gone {sound.seconds(quiet - none_frame):.2f} s after choosing \"None\"")
    check(quiet - none_frame <= 2 * RATE,
          "the ambient sound went on for over two seconds after \"None\"")
    recorder.wait_for(quiet + 3 * RATE, 10, "three seconds after \"None\"")
    noise = high_band(recorder, quiet, 3 * RATE)
    check(noise < 8, f"sound above the tone after \"None\": {noise:.1f}")
    check_tone_goes_on(recorder, quiet, quiet + 3 * RATE, 13, "after \"None\"")

    click_frame = press_stop(window, recorder, start_ink)
    check_stop(recorder, click_frame, "Stop")
    run.check_alive()


def scenario_session(run):
    reference = sound.reference_loop(20, True)
    recorder = run.start_recorder()
    window = run.start_app(light_warning='accepted')
    start_ink = window.ink(inner(START_BUTTON))
    name_ink = window.choose_program(3)  # Deep Sleep: 20 Hz, then 3 Hz; yellow, then red
    window.choose_item(AMBIENT_BOX, AMBIENT_NONE, "ambient sound")
    window.choose_item(HOURS_BOX, 0, "hours")  # 0 h
    window.choose_item(MINUTES_BOX, 0, "minutes")  # 5 m
    run.shot('main-window', window.grab())

    click_frame = recorder.frames()
    window.click(START_BUTTON)
    clicked_at = time.monotonic()
    watch_session_screen(run, hue_yellow, "yellow")
    loop_start = check_first_loop(recorder, click_frame, 20, True, reference)

    # The session ends by itself: the sound stops and stays stopped.
    scanned, last_loud = loop_start, loop_start
    while True:
        run.check_alive()
        end = recorder.frames()
        if end > scanned:
            pcm = recorder.read(scanned, end - scanned)
            last = sound.last_loud_frame(pcm, LOUD)
            if last is not None:
                last_loud = scanned + last
            scanned = end
        if scanned - last_loud >= 2 * RATE:
            break
        check(time.monotonic() - clicked_at < 330, "the session has not ended 330 s after Start")
        time.sleep(0.25)
    length = sound.seconds(last_loud + 1 - click_frame)
    log(f"sound stopped {length:.2f} s of audio after Start "
        f"({time.monotonic() - clicked_at:.1f} s by the clock at detection)")
    wait_session_screen_hidden(run, window, 5, "the session screen to close at the end")
    log("the session screen closed at the end")
    window.wait_ink(inner(START_BUTTON), lambda now: similar(now, start_ink), 5,
                    "the button to read \"Start\" after the session")
    window.wait_ink(SELECTED_LABEL, lambda now: similar(now, name_ink), 5,
                    "the label to show \"Deep Sleep\" again")
    run.shot('after-session', window.grab())
    check(302 <= length <= 304, f"the session lasted {length:.2f} s, not 303 s")

    # The plateau's 3 Hz beat: 399 Hz on the right from the loops made after the first ramp.
    at = loop_start + 140 * RATE
    right = tone_amplitudes(recorder, at, at + 5 * RATE, 399, 1, window=RATE)
    start_beat = tone_amplitudes(recorder, at, at + 5 * RATE, 416, 1, window=RATE)
    log(f"140..145 s: 399 Hz right at {min(right):.0f}..{max(right):.0f}, "
        f"416 Hz at {max(start_beat):.0f}")
    check(min(right) > 15000 and max(start_beat) < 1000, "the plateau does not sound at 3 Hz")
    run.check_alive()


SCENARIOS = {'tone': scenario_tone, 'visualizer': scenario_visualizer,
             'session': scenario_session}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--binary', required=True)
    parser.add_argument('--artifacts', required=True)
    parser.add_argument('--scenario', required=True, choices=sorted(SCENARIOS))
    parser.add_argument('--keep-artifacts', action='store_true',
                        help='keep recording and screenshots after a passing run too')
    args = parser.parse_args()
    check(os.environ.get('DISPLAY'), "DISPLAY is not set: run under tests/with-desktop --wm")

    run = Run(args)
    began = time.monotonic()
    passed = False
    try:
        SCENARIOS[args.scenario](run)
        passed = True
    except Failure as failure:
        log(f"FAILED: {failure}")
    except Exception:
        traceback.print_exc()
    finally:
        run.finish(passed)
    log(f"{args.scenario}: {'passed' if passed else 'failed'} in {time.monotonic() - began:.1f} s")
    return 0 if passed else 1


if __name__ == '__main__':
    sys.exit(main())
