"""Synthesise Orbisque's sound cues into Sounds/ (16-bit mono 22050 Hz WAV).

Regenerate with:  python3 tools/make_sounds.py [OUTPUT_FOLDER]
Pure standard library and no randomness, so the output is byte-for-byte
reproducible.
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 10 ** (-6 / 20)          # -6 dBFS leaves headroom and stays gentle
MAX_BYTES = 100 * 1024


def hz(name):
    """Equal-tempered frequency of a note such as 'C5' or 'F#4'."""
    steps = {'C': -9, 'D': -7, 'E': -5, 'F': -4, 'G': -2, 'A': 0, 'B': 2}
    semis = steps[name[0]] + name.count('#') - name.count('b')
    return 440.0 * 2 ** ((semis + 12 * (int(name[-1]) - 4)) / 12)


def tone(freq, dur, partials=((1, 1, 1),), attack=0.01, tau=0.3, release=0.03,
         glide=0.0):
    """One note: summed sine partials (ratio, amp, decay factor), each decaying
    exponentially, with raised-cosine attack and release so it never clicks."""
    n = int(dur * RATE)
    na, nr = max(1, int(attack * RATE)), max(1, int(release * RATE))
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq * (1 - glide * max(0.0, 1 - t / 0.05))  # scoop up into pitch
        phase += 2 * math.pi * f / RATE
        s = sum(a * math.exp(-t / (tau * d)) * math.sin(r * phase)
                for r, a, d in partials)
        if i < na:
            s *= 0.5 - 0.5 * math.cos(math.pi * i / na)
        if i >= n - nr:
            s *= 0.5 - 0.5 * math.cos(math.pi * (n - 1 - i) / nr)
        out.append(s)
    return out


def mix(total, *parts):
    """Lay (start seconds, gain, samples) parts onto a silent track."""
    buf = [0.0] * int(total * RATE)
    for start, gain, samples in parts:
        k = int(start * RATE)
        for i, s in enumerate(samples[:len(buf) - k]):
            buf[k + i] += gain * s
    return buf


# Timbres: few, quiet upper partials keep everything soft for young ears.
SOFT = ((1, 1, 1), (2, 0.15, 0.5))
TRIANGLE = ((1, 1, 1), (3, 1 / 9, 0.6), (5, 1 / 25, 0.4))
BRASSY = ((1, 1, 1), (2, 0.45, 0.7), (3, 0.25, 0.5), (4, 0.12, 0.4))
MALLET = ((1, 1, 1), (4, 0.3, 0.12))
BELL = ((1, 1, 1), (2.0, 0.45, 0.6), (2.76, 0.3, 0.4), (5.4, 0.12, 0.2))
PLUCK = ((1, 1, 1), (2, 0.35, 0.4), (3, 0.1, 0.3))


def click():
    return tone(620, 0.045, ((1, 1, 1), (2.1, 0.2, 0.5)),
                attack=0.003, tau=0.012, release=0.015)


def continent():
    a = tone(hz('A4'), 0.24, SOFT, attack=0.02, tau=0.4, release=0.06)
    b = tone(hz('E5'), 0.30, SOFT, attack=0.02, tau=0.4, release=0.12,
             glide=0.03)                    # rising lilt, like a question
    return mix(0.52, (0.0, 1, a), (0.22, 1, b))


def fail():
    a = tone(hz('G3'), 0.26, TRIANGLE, attack=0.03, tau=0.5, release=0.08)
    b = tone(hz('Eb3'), 0.34, TRIANGLE, attack=0.03, tau=0.4, release=0.16)
    return mix(0.56, (0.0, 1, a), (0.22, 1, b))


def success1():
    notes = [('C5', 0.0), ('E5', 0.11), ('G5', 0.22), ('C6', 0.33)]
    parts = [(st, 0.8, tone(hz(n), 0.2, BRASSY, attack=0.012, tau=0.35,
                            release=0.06)) for n, st in notes[:-1]]
    last = tone(hz('C6'), 0.57, BRASSY, attack=0.012, tau=0.45, release=0.25)
    chord = tone(hz('G5'), 0.57, SOFT, attack=0.03, tau=0.45, release=0.25)
    return mix(0.9, *parts, (0.33, 1, last), (0.33, 0.4, chord))


def success2():
    tune = [('F5', 0.0, 0.2), ('A5', 0.14, 0.2), ('G5', 0.28, 0.2),
            ('A5', 0.42, 0.14), ('C6', 0.53, 0.42)]
    parts = [(st, 1, tone(hz(n), d, MALLET, attack=0.004, tau=0.25,
                          release=min(0.2, d / 2))) for n, st, d in tune]
    warm = tone(hz('F4'), 0.42, SOFT, attack=0.02, tau=0.4, release=0.2)
    return mix(0.96, *parts, (0.53, 0.35, warm))


def ting():
    return tone(hz('E6'), 0.5, BELL, attack=0.002, tau=0.16, release=0.08)


def yes():
    quick = [('D5', 0.0), ('F#5', 0.075)]
    parts = [(st, 0.8, tone(hz(n), 0.12, PLUCK, attack=0.005, tau=0.1,
                            release=0.04)) for n, st in quick]
    top = tone(hz('A5'), 0.5, PLUCK, attack=0.006, tau=0.22, release=0.18)
    fifth = tone(hz('D6'), 0.5, SOFT, attack=0.01, tau=0.2, release=0.18)
    sparkle = [(0.25 + 0.06 * k, 0.18, tone(hz(n), 0.12, ((1, 1, 1),),
                attack=0.002, tau=0.03, release=0.03))
               for k, n in enumerate(['A6', 'D7', 'F#7', 'A7'])]
    return mix(0.7, *parts, (0.15, 1, top), (0.15, 0.4, fifth), *sparkle)


SOUNDS = {'click': click, 'continent': continent, 'fail': fail,
          'success1': success1, 'success2': success2, 'ting': ting, 'yes': yes}


def write(path, samples):
    scale = PEAK / max(abs(s) for s in samples)
    data = b''.join(struct.pack('<h', round(s * scale * 32767))
                    for s in samples)
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data)
    size = os.path.getsize(path)
    if size >= MAX_BYTES:
        sys.exit(f'{path} is {size} bytes, over the {MAX_BYTES} byte limit')
    return size


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..',
                                                             'Sounds')
    os.makedirs(out, exist_ok=True)
    for name, make in SOUNDS.items():
        samples = make()
        size = write(os.path.join(out, name + '.wav'), samples)
        print(f'{name}.wav  {size} bytes  {len(samples) / RATE:.3f} s')


if __name__ == '__main__':
    main()
