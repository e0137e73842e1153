"""What the private sound server plays: a recorder on the null sink's monitor, the tone loop worked
out from its formula, and a few measures on recorded PCM (44,100 Hz, stereo, s16le)."""

import math
import os
import struct
import subprocess
import sys
import wave
from array import array

from desktop import check, stop_process, wait_until

RATE = 44100
BYTES_PER_FRAME = 4
LOOP_FRAMES = 661500
FADE_FRAMES = 52920
FADE_OUT_START = 608580
CARRIER = 396.0
SECONDARY = 528.0
TWO_PI = 6.283185307179586


def float32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def envelope(i):
    if i < FADE_FRAMES:
        return float32(i / FADE_FRAMES)
    if i <= FADE_OUT_START:
        return float32((FADE_FRAMES - 1) / FADE_FRAMES)
    return float32(1 - (i - FADE_OUT_START) / FADE_FRAMES)


def reference_loop(beat, secondary):
    """The fifteen-second loop for a beat frequency, interleaved left and right samples.

    Each product is formed in the formula's order, so it is bit for bit the double the formula
    gives; int() truncates toward zero as the program's conversion does."""
    right_frequency = float32(CARRIER + float32(beat))
    left_terms = [math.sin(TWO_PI * CARRIER * t / RATE) * 32767 * 0.7 for t in range(RATE)]
    right_terms = [math.sin(TWO_PI * right_frequency * t / RATE) * 32767 * 0.7
                   for t in range(RATE)]
    secondary_sines = [32767 * math.sin(TWO_PI * SECONDARY * t / RATE) for t in range(RATE)]
    samples = array('h', bytes(2 * 2 * LOOP_FRAMES))
    plateau = envelope(FADE_FRAMES)
    for i in range(LOOP_FRAMES):
        t = i % RATE
        e = plateau if FADE_FRAMES <= i <= FADE_OUT_START else envelope(i)
        extra = int(secondary_sines[t] * 0.1 * e) if secondary else 0
        samples[2 * i] = int(left_terms[t] * e) + extra
        samples[2 * i + 1] = int(right_terms[t] * e) + extra
    return samples


def first_sounding_frame(pcm):
    """Index of the first frame of interleaved samples with a non-zero sample, or None."""
    raw = pcm.tobytes()
    leading = len(raw) - len(raw.lstrip(b'\0'))
    return None if leading == len(raw) else leading // BYTES_PER_FRAME


def last_loud_frame(pcm, threshold):
    """Index of the last frame with a sample of at least threshold in magnitude, or None."""
    block = 2 * 441
    end = len(pcm)
    while end > 0:
        start = max(0, end - block)
        part = pcm[start:end]
        if max(part) >= threshold or -min(part) >= threshold:
            for k in range(end - 1, start - 1, -1):
                if abs(pcm[k]) >= threshold:
                    return k // 2
        end = start
    return None


def channel(pcm, which):
    return pcm[which::2]


def amplitude_at(samples, frequency):
    """Amplitude of one sine in samples (Goertzel); exact for whole cycles in the window."""
    coefficient = 2 * math.cos(TWO_PI * frequency / RATE)
    s1 = s2 = 0.0
    for x in samples:
        s1, s2 = x + coefficient * s1 - s2, s1
    power = s1 * s1 + s2 * s2 - coefficient * s1 * s2
    return 2 * math.sqrt(max(power, 0.0)) / len(samples)


def high_band_rms(samples):
    """RMS of the fourth difference: it passes little below 2 kHz (the tone's 396..555 Hz come
    through at under 1/30,000 of their level) and much above 5 kHz, so it measures noise-like
    sound next to the tone; rounding the tone alone to 16 bits leaves about 2.4."""
    total = 0
    for n in range(4, len(samples)):
        d = (samples[n] - 4 * samples[n - 1] + 6 * samples[n - 2] - 4 * samples[n - 3] +
             samples[n - 4])
        total += d * d
    return math.sqrt(total / max(1, len(samples) - 4))


def max_deviation(recorded, reference):
    worst, at = 0, None
    for k, (a, b) in enumerate(zip(recorded, reference)):
        if abs(a - b) > worst:
            worst, at = abs(a - b), k // 2
    return worst, at


class Recorder:
    """parec on the sink's monitor, writing raw PCM to a file whose size tells how much has come.

    A low latency makes the null sink render in 20 ms blocks instead of seconds, so the file's
    size follows the sound within a few tens of milliseconds."""

    def __init__(self, sink, path):
        self.path = path
        self.log_path = path + '.log'
        if os.path.exists(path):
            os.remove(path)
        self.process = subprocess.Popen(
            ['parec', '--raw', '-d', sink + '.monitor', '--format=s16le', '--rate=44100',
             '--channels=2', '--latency-msec=20', path],
            stdout=subprocess.DEVNULL, stderr=open(self.log_path, 'wb'))

    def frames(self):
        try:
            return os.path.getsize(self.path) // BYTES_PER_FRAME
        except FileNotFoundError:
            return 0

    def wait_running(self):
        """Waits until the file has grown twice: the monitor is delivering."""
        wait_until(lambda: self.process.poll() is None and self.frames() > 0, 10,
                   "the recorder's first data")
        first = self.frames()
        wait_until(lambda: self.frames() > first, 10, "the recorder's file to grow")
        check(self.process.poll() is None, "parec stopped")

    def wait_for(self, frame, timeout, what):
        wait_until(lambda: self.frames() >= frame, timeout, what, interval=0.05)
        check(self.process.poll() is None, "parec stopped")

    def read(self, first, count):
        with open(self.path, 'rb') as f:
            f.seek(first * BYTES_PER_FRAME)
            data = f.read(count * BYTES_PER_FRAME)
        pcm = array('h')
        pcm.frombytes(data[:len(data) // BYTES_PER_FRAME * BYTES_PER_FRAME])
        if sys.byteorder != 'little':
            pcm.byteswap()
        return pcm

    def stop(self):
        stop_process(self.process, 5)

    def save_wav(self, path):
        with open(self.path, 'rb') as raw, wave.open(path, 'wb') as out:
            out.setnchannels(2)
            out.setsampwidth(2)
            out.setframerate(RATE)
            while True:
                data = raw.read(1 << 20)
                if not data:
                    break
                out.writeframes(data)


def seconds(frames):
    return frames / RATE

