# What the seven cues hold, as Windows' PCM player reads them; and that the committed cues and
# icon are exactly what tools/make_sounds.py and tools/make_icon.py write. A cue cut short or in
# a format no Windows codec opens plays the system's alert sound, or a clipped one, on a PC; one
# made much quieter goes unheard in a classroom.
# Usage: cues.py SOURCE
import array
import math
import os
import struct
import subprocess
import sys
import tempfile

CUES = ['click', 'continent', 'fail', 'success1', 'success2', 'ting', 'yes']
RATES = {8000, 11025, 16000, 22050, 32000, 44100, 48000}
# Long enough to be heard, short enough to end before the moment it marks is past.
SHORTEST, LONGEST = 0.02, 2.0
# Loud enough for a classroom PC's speakers at a normal volume setting, near the -6 dBFS peak
# the cues are made at, and below clipping; sounding, not silent, for most of its length.
QUIETEST, LOUDEST, SILENCE, SOUNDING = -9, -3, -40, 0.5


def fault(wav):
    if len(wav) < 12 or wav[:4] != b'RIFF' or wav[8:12] != b'WAVE':
        return 'not a RIFF/WAVE file'
    (riff,) = struct.unpack_from('<I', wav, 4)
    if riff != len(wav) - 8:
        return f'RIFF size {riff}, but the file holds {len(wav) - 8} bytes after it'
    chunks, at = {}, 12
    while at + 8 <= len(wav):
        name, size = struct.unpack_from('<4sI', wav, at)
        if at + 8 + size > len(wav):
            return f'{name.decode("latin-1")!r} chunk of {size} bytes runs past the file\'s end'
        chunks.setdefault(name, wav[at + 8:at + 8 + size])
        at += 8 + size + size % 2
    fmt, data = chunks.get(b'fmt ', b''), chunks.get(b'data', b'')
    if len(fmt) < 16 or not data:
        return 'no whole "fmt " chunk, or no sound in a "data" chunk'
    tag, channels, rate, byte_rate, align, bits = struct.unpack_from('<HHIIHH', fmt)
    if tag != 1 or channels not in (1, 2) or bits not in (8, 16) or rate not in RATES:
        return f'format {tag}, {channels} channels, {bits} bits, {rate} Hz: not plain PCM'
    if align != channels * bits // 8 or byte_rate != rate * align or len(data) % align:
        return 'block alignment or byte rate do not match the format'
    if not SHORTEST <= len(data) / byte_rate <= LONGEST:
        return f'{len(data) / byte_rate:.3f} s long, not {SHORTEST} to {LONGEST} s'
    return level(data, bits)


def level(data, bits):
    samples = ([abs(s) / 32768 for s in array.array('h', data)] if bits == 16 else
               [abs(b - 128) / 128 for b in data])
    peak = 20 * math.log10(max(samples) or 1e-9)
    if not QUIETEST <= peak <= LOUDEST:
        return f'peak {peak:.1f} dBFS, not {QUIETEST} to {LOUDEST}'
    silent = sum(s < 10 ** (SILENCE / 20) for s in samples) / len(samples)
    if silent > 1 - SOUNDING:
        return f'silent (below {SILENCE} dBFS) for {silent:.0%} of its length'
    return ''


def main():
    source = sys.argv[1]
    failed = []
    sounds = os.path.join(source, 'Sounds')
    for cue in CUES:
        with open(os.path.join(sounds, cue + '.wav'), 'rb') as f:
            wrong = fault(f.read())
        if wrong:
            failed.append(f'{cue}.wav: {wrong}')

    # Made again, each must equal the committed file byte for byte.
    with tempfile.TemporaryDirectory() as made:
        for tool, out in (('make_sounds.py', os.path.join(made, 'Sounds')), ('make_icon.py', made)):
            subprocess.run([sys.executable, os.path.join(source, 'tools', tool), out],
                           check=True, stdout=subprocess.DEVNULL)
        for name in [f'Sounds/{c}.wav' for c in CUES] + [
                'src/app/Orbisque.ico', 'docs/icon.png', 'docs/icon-sizes.png']:
            with open(f'{source}/{name}', 'rb') as a, open(f'{made}/{name}', 'rb') as b:
                if a.read() != b.read():
                    failed.append(f'{name} is not what its tool makes: run the tool again')
    for line in failed:
        print('FAIL:', line)
    if failed:
        sys.exit(1)
    print("PASS: seven whole PCM cues of a cue's length and level; cues and icon as their tools "
          "make them")


if __name__ == '__main__':
    main()
