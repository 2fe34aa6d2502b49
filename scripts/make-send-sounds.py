#!/usr/bin/env python3
"""Writes the send stage's sound effects into src/resources/sounds, with the helpers of
make-sounds.py so they sound like the program's other effects: the page flying into the web
("wavUpload"), the web turning ("wavWebTurn") and the fireworks of the Upload Successful dialog
("wavWorks"). The random source is seeded, so the same script always writes the same bytes:
    python3 scripts/make-send-sounds.py
"""

import importlib.util
import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("make_sounds", os.path.join(HERE, "make-sounds.py"))
snd = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(snd)
RATE = snd.RATE


def upload():
    # A soft whoosh that rises and sweeps away, with a bright little note as the page lands.
    rng = random.Random(5003)
    out = []
    low = 0.0
    seconds = 0.5
    phase = 0.0
    for i in range(int(RATE * seconds)):
        t = i / RATE
        env = math.sin(math.pi * min(1.0, t / 0.42)) ** 2 if t < 0.42 else 0.0
        low += (0.08 + 0.3 * t) * (rng.uniform(-1, 1) - low)  # the hiss brightens as it rises
        phase += 2 * math.pi * (300 + 900 * t) / RATE
        out.append(env * (0.7 * low + 0.25 * math.sin(phase)))
    landing = snd.tone([(1568, 1.0), (3136, 0.2)], 0.16, 0.05)
    start = int(RATE * 0.36)
    for i, s in enumerate(landing):
        if start + i < len(out):
            out[start + i] += 0.45 * s
        else:
            out.append(0.45 * s)
    return snd.fade(out, 8)


def web_turn():
    # A wheel turning: a quick run of soft ticks over a low hum, slowing towards the end.
    out = [0.0] * int(RATE * 0.55)
    t = 0.0
    step = 0.045
    while t < 0.48:
        tick = snd.tone([(1760, 1.0), (2640, 0.3)], 0.03, 0.008)
        start = int(RATE * t)
        for i, s in enumerate(tick):
            if start + i < len(out):
                out[start + i] += 0.6 * s
        t += step
        step *= 1.12
    for i in range(len(out)):
        x = i / RATE
        out[i] += 0.2 * math.sin(2 * math.pi * 140 * x) * math.exp(-x / 0.25)
    return snd.fade(out, 6)


def works():
    # Fireworks: a rising whistle, a bang, and crackling sparks that fade away.
    rng = random.Random(1000)
    out = []
    whistle = 0.35
    phase = 0.0
    for i in range(int(RATE * whistle)):
        t = i / RATE
        phase += 2 * math.pi * (900 + 1800 * t / whistle) / RATE
        out.append(0.35 * min(1.0, t / 0.05) * math.sin(phase))
    bang = 0.9
    low = 0.0
    for i in range(int(RATE * bang)):
        t = i / RATE
        low += 0.12 * (rng.uniform(-1, 1) - low)
        boom = math.exp(-t / 0.09) * (0.9 * low * 3 + 0.5 * math.sin(2 * math.pi * 70 * t))
        out.append(boom)
    # Sparks: short bright pings scattered over the fading bang.
    start = int(RATE * whistle)
    for k in range(18):
        at = start + int(RATE * (0.08 + rng.random() * 0.7))
        freq = rng.uniform(2200, 4200)
        ping = snd.tone([(freq, 1.0)], 0.05, 0.01)
        gain = 0.35 * math.exp(-(at - start) / RATE / 0.6)
        for i, s in enumerate(ping):
            if at + i < len(out):
                out[at + i] += gain * s
    return snd.fade(out, 10)


def main():
    snd.write("wavUpload", upload(), 0.5)
    snd.write("wavWebTurn", web_turn(), 0.45)
    snd.write("wavWorks", works(), 0.55)


if __name__ == "__main__":
    main()
