#!/usr/bin/env python3
"""Writes the program's sound effects as 16-bit mono PCM WAV files into src/resources/sounds.

The sounds are synthesised, so they can be changed here and made again:
    python3 scripts/make-sounds.py
The random source is seeded, so the same script always writes the same bytes.
"""

import math
import os
import random
import struct
import wave

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOUNDS = os.path.join(ROOT, "src", "resources", "sounds")
RATE = 22050


def write(name, samples, volume):
    peak = max(1e-9, max(abs(s) for s in samples))
    frames = b"".join(struct.pack("<h", int(round(s / peak * volume * 32767))) for s in samples)
    with wave.open(os.path.join(SOUNDS, name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def fade(samples, ms=4):
    """Short fades at both ends, so no sound starts or stops with a crack."""
    n = min(len(samples) // 2, int(RATE * ms / 1000))
    for i in range(n):
        k = i / n
        samples[i] *= k
        samples[-1 - i] *= k
    return samples


def tone(freqs, seconds, decay, attack=0.002):
    out = []
    for i in range(int(RATE * seconds)):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        out.append(env * sum(a * math.sin(2 * math.pi * f * t) for f, a in freqs))
    return out


def click1():
    # A light wooden tick: two partials that die away within a few hundredths of a second.
    return fade(tone([(1320, 1.0), (2640, 0.35), (3960, 0.1)], 0.06, 0.012))


def click2():
    # A block settling into place: a short rising pair of soft notes.
    first = tone([(660, 1.0), (1320, 0.25)], 0.07, 0.02)
    second = tone([(990, 1.0), (1980, 0.2)], 0.12, 0.035)
    gap = [0.0] * int(RATE * 0.015)
    return fade(first + gap + second)


def shred():
    # A small paper shredder: a buzzing motor under crackling paper, rising and dying away.
    rng = random.Random(1148)
    out = []
    low = 0.0
    seconds = 0.9
    for i in range(int(RATE * seconds)):
        t = i / RATE
        env = min(1.0, t / 0.08) * min(1.0, (seconds - t) / 0.25)
        motor = ((t * 95) % 1.0 - 0.5) * 0.5 + 0.25 * math.sin(2 * math.pi * 190 * t)
        noise = rng.uniform(-1, 1)
        low += 0.25 * (noise - low)  # soften the hiss into a paper rustle
        grind = 0.6 + 0.4 * math.sin(2 * math.pi * 23 * t)
        out.append(env * (0.45 * motor + 0.8 * low * grind))
    return fade(out, 10)


def glide():
    # The mascot setting off along the toolbar: a soft whistle sliding up, with a light airy
    # whoosh underneath, over in about a third of a second.
    rng = random.Random(124)
    out = []
    low = 0.0
    seconds = 0.34
    phase = 0.0
    for i in range(int(RATE * seconds)):
        t = i / RATE
        k = t / seconds
        env = min(1.0, t / 0.03) * (1.0 - k) ** 1.5
        freq = 520 + 780 * k * k
        phase += 2 * math.pi * freq / RATE
        whistle = math.sin(phase) + 0.2 * math.sin(2 * phase)
        low += 0.08 * (rng.uniform(-1, 1) - low)
        out.append(env * (0.8 * whistle + 0.9 * low))
    return fade(out, 6)


def main():
    os.makedirs(SOUNDS, exist_ok=True)
    write("wavClick1", click1(), 0.55)
    write("wavClick2", click2(), 0.55)
    write("wavShred", shred(), 0.5)
    write("wavGlide", glide(), 0.45)


if __name__ == "__main__":
    main()
