#!/usr/bin/env python3
"""Checks the level of every ambient sound Velmora ships, as a player decodes it, or of the noises
it makes, written out as WAV files by test_noise.

The sink adds the ambient sound to the tone sample by sample, so an ambient peak
above full scale less the tone's peak (Tone::peak in sound/tone.h) makes the sum
clip; the files are made to decode to at most 6,000, which leaves room below that
for decoders that round differently from sox's. Their loudness must stay where
tools/make-ambient-sounds puts it (-27 LUFS): well under the tone, and not so far
under it that a quieter file passes the peak check by being barely audible.

    test_ambient_levels.py [DIRECTORY]     (sound/ambient of this tree by default)
"""
import glob
import os
import re
import subprocess
import sys

PEAK_MAX = 6000
LOUDNESS_RANGE = (-29.0, -25.0)

# BS.1770 K-weighting at 44.1 kHz, as in tools/make-ambient-sounds.
K_WEIGHTING = ["biquad", "1.5308412300503478", "-2.6509799951547297", "1.169079079921587",
               "1", "-1.6636551132560204", "0.7125954280732254",
               "biquad", "1", "-2", "1", "1", "-1.989169673629796", "0.9891990357870393"]


def stats(path, *effects):
    """sox's stats of the decoded file after the effects, as {name: first column}."""
    text = subprocess.run(["sox", path, "-n", *effects, "stats"],
                          check=True, capture_output=True, text=True).stderr
    values = {}
    for line in text.splitlines():
        name, _, rest = line.partition("  ")
        if rest.split():
            values[name.strip()] = rest.split()[0]
    return values


def tone_peak():
    """The tone's loudest sample, as sound/tone.h states it."""
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "..", "sound", "tone.h")) as header:
        return int(re.search(r"constexpr int peak = (\d+);", header.read()).group(1))


def check(path, headroom):
    """Returns the problems with one file, and prints its figures."""
    decoded = stats(path)
    peak = round(max(float(decoded["Max level"]), -float(decoded["Min level"])) * 32768)
    # Ungated loudness: the K-weighted RMS of both channels + 3.01 - 0.69 dB, after
    # 10 dB of headroom for the filter's +4 dB shelf.
    loudness = float(stats(path, "gain", "-10", *K_WEIGHTING)["RMS lev dB"]) + 10 + 2.32
    name = os.path.basename(path)
    print(f"{name}: decoded peak {peak}, loudness {loudness:.1f} LUFS")
    problems = []
    if peak > PEAK_MAX:
        problems.append(f"{name} decodes to a peak of {peak}, above {PEAK_MAX} "
                        f"(with the tone the sum clips above {headroom})")
    low, high = LOUDNESS_RANGE
    if not low <= loudness <= high:
        problems.append(f"{name} is at {loudness:.1f} LUFS, outside {low} to {high}")
    return problems


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    directory = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "sound", "ambient")
    paths = sorted(glob.glob(os.path.join(directory, "*.mp3")) +
                   glob.glob(os.path.join(directory, "*.wav")))
    if not paths:
        print(f"no MP3 or WAV files in {directory}")
        return 1
    headroom = 32767 - tone_peak()
    if PEAK_MAX >= headroom:
        print(f"FAIL: the files' ceiling {PEAK_MAX} leaves no room under {headroom}")
        return 1
    problems = [p for path in paths for p in check(path, headroom)]
    for p in problems:
        print("FAIL:", p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
