# Makes Tessary's sound effects: change.wav (tile slide), pop.wav (solved) and gling.wav (chime).
"""Synthesises the three short effects from scratch with the standard library only.

Usage: python3 tools/make_sounds.py [output-folder]   (default: the repository's media/)
Output is 16-bit mono PCM at 44100 Hz, peak -3 dBFS, zero mean, silent first and last sample.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 44100
PEAK = 10 ** (-3 / 20)  # -3 dBFS


def n_samples(seconds):
    return int(round(seconds * RATE))


def biquad_bandpass(signal, centre, q):
    """RBJ band-pass (constant 0 dB peak gain); softens white noise into a wooden rasp."""
    w0 = 2 * math.pi * centre / RATE
    alpha = math.sin(w0) / (2 * q)
    a0 = 1 + alpha
    b0, b2 = alpha / a0, -alpha / a0
    a1, a2 = -2 * math.cos(w0) / a0, (1 - alpha) / a0
    out = []
    x1 = x2 = y1 = y2 = 0.0
    for x in signal:
        y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, x
        y2, y1 = y1, y
        out.append(y)
    return out


def fade_window(count, fade_in, fade_out):
    """Raised-cosine ramps at both ends so the file starts and ends on exact zero."""
    a, b = max(1, n_samples(fade_in)), max(1, n_samples(fade_out))
    w = [1.0] * count
    for i in range(a):
        w[i] = 0.5 - 0.5 * math.cos(math.pi * i / a)
    for i in range(b):
        w[count - 1 - i] = min(w[count - 1 - i], 0.5 - 0.5 * math.cos(math.pi * i / b))
    return w


def finish(signal, fade_in, fade_out):
    """Fade, remove DC without disturbing the zero ends, normalise to the target peak."""
    w = fade_window(len(signal), fade_in, fade_out)
    x = [s * g for s, g in zip(signal, w)]
    # Subtracting a window-shaped offset keeps both ends at zero while the mean becomes 0.
    k = sum(x) / sum(w)
    x = [s - k * g for s, g in zip(x, w)]
    top = max(abs(s) for s in x)
    return [s * PEAK / top for s in x]


def write_wav(path, signal):
    frames = bytearray()
    for s in signal:
        frames += struct.pack('<h', max(-32767, min(32767, int(round(s * 32767)))))
    with wave.open(path, 'wb') as f:
        f.setnchannels(1)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(bytes(frames))


def make_change():
    """A short wooden slide: a band-passed noise rasp followed by a soft, low knock."""
    rng = random.Random(20241)
    count = n_samples(0.15)
    noise = [rng.uniform(-1, 1) for _ in range(count)]
    # Two passes give steeper skirts, so the rasp stays woody rather than hissy.
    rasp = biquad_bandpass(biquad_bandpass(noise, 1500.0, 0.8), 1500.0, 0.8)
    out = []
    knock_at = 0.012
    # Body modes of a small wooden block; higher modes die away faster.
    modes = ((196.0, 1.0, 0.030), (517.0, 0.45, 0.016), (1180.0, 0.18, 0.008))
    for i in range(count):
        t = i / RATE
        r_env = min(1.0, t / 0.004) * math.exp(-t / 0.020)
        s = 0.9 * rasp[i] * r_env
        tk = t - knock_at
        if tk > 0:
            attack = min(1.0, tk / 0.002)
            drop = 1.0 + 0.06 * math.exp(-tk / 0.01)  # slight pitch sag as the tile settles
            for f, amp, tau in modes:
                s += 0.6 * amp * attack * math.exp(-tk / tau) * math.sin(2 * math.pi * f * drop * tk)
        out.append(s)
    return finish(out, 0.0015, 0.02)


def make_pop():
    """A round blip whose pitch falls quickly, with a soft attack."""
    count = n_samples(0.30)
    out = []
    phase = 0.0
    for i in range(count):
        t = i / RATE
        freq = 420.0 + 780.0 * math.exp(-t / 0.030)
        phase += 2 * math.pi * freq / RATE
        env = min(1.0, t / 0.006) * math.exp(-t / 0.075)
        out.append(env * (math.sin(phase) + 0.18 * math.sin(2 * phase)))
    return finish(out, 0.004, 0.04)


def make_gling():
    """A bright glockenspiel-like chime: free-bar partials, each with its own decay."""
    count = n_samples(1.0)
    f0 = 1318.5  # E6
    # (ratio, amplitude, decay time); the doubled fundamental adds a slow shimmer.
    partials = ((1.0, 0.7, 0.32), (1.0014, 0.3, 0.32), (2.756, 0.32, 0.16),
                (5.404, 0.12, 0.07), (8.933, 0.04, 0.035))
    out = []
    for i in range(count):
        t = i / RATE
        attack = min(1.0, t / 0.0025)
        s = 0.0
        for ratio, amp, tau in partials:
            s += amp * math.exp(-t / tau) * math.sin(2 * math.pi * f0 * ratio * t)
        out.append(attack * s)
    return finish(out, 0.0025, 0.12)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'media')
    os.makedirs(folder, exist_ok=True)
    for name, maker in (('change.wav', make_change), ('pop.wav', make_pop),
                        ('gling.wav', make_gling)):
        path = os.path.join(folder, name)
        write_wav(path, maker())
        print('wrote', os.path.normpath(path))


if __name__ == '__main__':
    main()
