#!/usr/bin/env python3
"""Synthesises the program's alert sounds into FOLDER: Default.wav, Chime.wav,
Beep.wav, Knock.wav (the Sounds folder's choices) and PopUp.wav (the sound
the blocker script plays in the browser). Short, soft, 16-bit mono PCM at
22050 Hz; the same bytes on every run. Usage: make_sounds.py FOLDER
"""
import math
import os
import struct
import sys

RATE = 22050


def tone(frequency, seconds, volume=0.5, decay=6.0, harmonics=(1.0, 0.3, 0.1)):
    """A struck tone: a few harmonics under an exponential fade."""
    samples = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        value = sum(weight * math.sin(2 * math.pi * frequency * (k + 1) * t)
                    for k, weight in enumerate(harmonics))
        attack = min(1.0, t / 0.004)
        samples.append(volume * attack * math.exp(-decay * t) * value / sum(harmonics))
    return samples


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def mix(*parts):
    """Parts given as (start seconds, samples), added together."""
    length = max(int(start * RATE) + len(samples) for start, samples in parts)
    out = [0.0] * length
    for start, samples in parts:
        offset = int(start * RATE)
        for i, value in enumerate(samples):
            out[offset + i] += value
    return out


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(v * 32767)))) for v in samples)
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(frames), b"WAVE", b"fmt ", 16,
                         1, 1, RATE, RATE * 2, 2, 16, b"data", len(frames))
    with open(path, "wb") as out:
        out.write(header + frames)


def sounds():
    return {
        # Two notes a fourth apart, like a door chime.
        "Default.wav": mix((0.0, tone(880, 0.25)), (0.12, tone(659, 0.35))),
        # Three rising notes of a major chord.
        "Chime.wav": mix((0.0, tone(784, 0.3, 0.4)), (0.09, tone(988, 0.3, 0.4)),
                         (0.18, tone(1175, 0.4, 0.4))),
        # A short electronic beep.
        "Beep.wav": tone(1320, 0.15, 0.4, decay=4.0, harmonics=(1.0, 0.0, 0.2)) + silence(0.02),
        # Two low knocks.
        "Knock.wav": mix((0.0, tone(180, 0.12, 0.7, decay=30.0)),
                         (0.14, tone(170, 0.12, 0.7, decay=30.0))),
        # A quick falling "pop" for the browser.
        "PopUp.wav": [0.5 * math.exp(-18 * n / RATE) *
                      math.sin(2 * math.pi * (900 - 2500 * n / RATE) * n / RATE)
                      for n in range(int(0.18 * RATE))],
    }


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, samples in sounds().items():
        write_wav(os.path.join(folder, name), samples)


if __name__ == "__main__":
    main()
