# Makes Tessary's background tune fallmorn.mid ("an autumn morning"), a looping waltz in G major.
"""Writes a Standard MIDI File (format 1) from note data composed here.

Usage: python3 tools/make_tune.py [output-folder]   (default: the repository's media/)
Form: A (16 bars) B (16 bars, leaning on E minor) A' (16 bars, ends on a pickup that leads
back into bar 1 so the file loops). 3/4 at 96 bpm, 48 bars = exactly 90 seconds.
"""
import os
import random
import struct
import sys

PPQ = 480
BPM = 96
BEATS_PER_BAR = 3
BAR = PPQ * BEATS_PER_BAR

# Melody: one string per bar, "note/beats"; "r" is a rest. Chords: "name" or "name:beats ...".
A_TUNE = [
    'B4/2 D5/1', 'G5/2 A5/.5 G5/.5', 'E5/2 D5/.5 C5/.5', 'D5/3',
    'B4/1 E5/1 G5/1', 'A5/2 G5/.5 E5/.5', 'F#5/2 E5/.5 D5/.5', 'A4/1.5 B4/.5 C5/1',
    'B4/1 D5/1 G5/1', 'B5/2 A5/.5 G5/.5', 'G5/1 E5/1 C5/1', 'C#5/2 E5/1',
    'D5/2 G5/1', 'F#5/1 E5/.5 D5/.5 C5/1', 'B4/2 A4/1', 'G4/3',
]
A_CHORDS = ['G', 'G', 'C', 'G', 'Em', 'Am', 'D', 'D7',
            'G', 'G', 'C', 'A7', 'G/D', 'D7', 'G', 'G']

B_TUNE = [
    'B4/1 E5/1 F#5/1', 'G5/2 F#5/.5 E5/.5', 'E5/1.5 D5/.5 C5/1', 'D5/3',
    'C5/1 E5/1 A5/1', 'A5/1.5 G5/.5 F#5/1', 'G5/1 D5/1 B4/1', 'F#5/2 D#5/1',
    'E5/2 B4/1', 'C5/1 E5/1 G5/1', 'A5/1.5 G5/.5 E5/1', 'F#5/3',
    'G5/1.5 E5/.5 C5/1', 'B4/1 D5/1 G5/1', 'A5/1 G5/1 E5/1', 'A4/1 C5/1 D5/.5 C5/.5',
]
B_CHORDS = ['Em', 'Em', 'C', 'G', 'Am', 'D', 'G', 'B7',
            'Em', 'C', 'Am', 'D', 'C', 'G', 'Am7', 'D7']

# The reprise ends on a pickup over the dominant instead of a held tonic, to lead into bar 1.
A2_TUNE = A_TUNE[:15] + ['G4/2 A4/1']
A2_CHORDS = A_CHORDS[:15] + ['G:2 D7:1']

SECTIONS = (('A', A_TUNE, A_CHORDS), ('B', B_TUNE, B_CHORDS), ('A2', A2_TUNE, A2_CHORDS))

# Soft dynamics per section: the middle swells a little, the reprise settles back.
SECTION_LIFT = {'A': 0, 'B': 6, 'A2': 2}

NOTE_BASE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}
QUALITY = {'': (0, 4, 7), 'm': (0, 3, 7), '7': (0, 4, 7, 10), 'm7': (0, 3, 7, 10)}

# (track name, channel, GM program, volume, pan, reverb)
PARTS = {
    'melody': ('Flute', 0, 73, 100, 64, 50),
    'guitar': ('Nylon Guitar', 1, 24, 104, 44, 40),
    'strings': ('Strings', 2, 48, 50, 84, 60),
    'bass': ('Acoustic Bass', 3, 32, 100, 64, 30),
}


def pitch_class(name):
    pc = NOTE_BASE[name[0]]
    rest = name[1:]
    while rest[:1] in ('#', 'b'):
        pc += 1 if rest[0] == '#' else -1
        rest = rest[1:]
    return pc % 12, rest


def note_number(text):
    """'F#5' -> 78 (C4 = 60)."""
    pc, octave = pitch_class(text)
    return pc + 12 * (int(octave) + 1)


def parse_chord(name):
    """'Am7' -> (root pc, intervals, bass pc); 'G/D' puts D in the bass."""
    name, _, over = name.partition('/')
    root, quality = pitch_class(name)
    bass = pitch_class(over)[0] if over else root
    return root, QUALITY[quality], bass


def beats_to_ticks(beats):
    return int(round(float(beats) * PPQ))


def timeline():
    """Yield (section, bar start tick, melody string, chord string) for every bar."""
    tick = 0
    for section, tune, chords in SECTIONS:
        assert len(tune) == len(chords) == 16, section
        for bar_text, chord_text in zip(tune, chords):
            yield section, tick, bar_text, chord_text
            tick += BAR


def bar_chords(chord_text):
    """Split a bar's chord text into (start offset, length, chord) spans."""
    spans, at = [], 0
    for token in chord_text.split():
        name, _, beats = token.partition(':')
        length = beats_to_ticks(beats) if beats else BAR - at
        spans.append((at, length, parse_chord(name)))
        at += length
    assert at == BAR, chord_text
    return spans


def voice(chord, low, high):
    """All chord tones between two MIDI notes, lowest first."""
    root, intervals, _ = chord
    pcs = {(root + i) % 12 for i in intervals}
    return [n for n in range(low, high + 1) if n % 12 in pcs]


def compose(rng):
    """Return {part: [(start, length, note, velocity)]}."""
    notes = {part: [] for part in PARTS}
    for section, start, bar_text, chord_text in timeline():
        lift = SECTION_LIFT[section]
        # Melody: slightly detached, louder on the downbeat and on high notes.
        at = 0
        for token in bar_text.split():
            name, beats = token.split('/')
            length = beats_to_ticks(beats)
            if name != 'r':
                n = note_number(name)
                vel = 70 + lift + (n - 72) // 2 + (8 if at == 0 else 0) + rng.randint(-3, 3)
                gap = max(30, length // 10)
                notes['melody'].append((start + at, length - gap, n, vel))
            at += length
        assert at == BAR, bar_text

        for offset, length, chord in bar_chords(chord_text):
            t0 = start + offset
            # Strings: a quiet held chord in the middle register.
            for n in voice(chord, 55, 69)[:4]:
                notes['strings'].append((t0, length - 40, n, 40 + lift + rng.randint(-2, 2)))
            # Guitar: rising and falling quaver arpeggio, accented at the start of the chord.
            tones = voice(chord, 52, 67)
            pattern = [0, 1, 2, 3, 2, 1]
            for k in range(length // (PPQ // 2)):
                n = tones[pattern[k % len(pattern)] % len(tones)]
                vel = (72 if k == 0 else 60) + lift + rng.randint(-3, 3)
                notes['guitar'].append((t0 + k * PPQ // 2, PPQ // 2 - 20, n, vel))
            # Bass: root for two beats then the fifth, or just the root for a short chord.
            _, _, bass_pc = chord
            root = 40 + (bass_pc - 40) % 12
            if length == BAR:
                fifth = root + 7 if root + 7 <= 52 else root - 5
                notes['bass'].append((t0, 2 * PPQ - 40, root, 78 + lift))
                notes['bass'].append((t0 + 2 * PPQ, PPQ - 40, fifth, 66 + lift))
            else:
                notes['bass'].append((t0, length - 40, root, 74 + lift))
    return notes


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def meta(kind, data):
    return b'\xff' + bytes([kind]) + var_len(len(data)) + data


def track_chunk(events, end_tick):
    """events: (tick, order, bytes). Note-offs sort before note-ons on the same tick."""
    body, now = bytearray(), 0
    for tick, _, data in sorted(events, key=lambda e: (e[0], e[1])):
        body += var_len(tick - now) + data
        now = tick
    body += var_len(end_tick - now) + meta(0x2F, b'')
    return b'MTrk' + struct.pack('>I', len(body)) + bytes(body)


def conductor_track(end_tick):
    events = [
        (0, 0, meta(0x03, b'Fall Morning')),
        (0, 1, meta(0x51, (60000000 // BPM).to_bytes(3, 'big'))),
        (0, 2, meta(0x58, bytes([BEATS_PER_BAR, 2, 24, 8]))),
        (0, 3, meta(0x59, bytes([1, 0]))),  # one sharp, major
    ]
    return track_chunk(events, end_tick)


def part_track(part, notes, end_tick):
    name, ch, program, volume, pan, reverb = PARTS[part]
    events = [
        (0, 0, meta(0x03, name.encode('ascii'))),
        (0, 1, bytes([0xC0 | ch, program])),
        (0, 2, bytes([0xB0 | ch, 7, volume])),
        (0, 2, bytes([0xB0 | ch, 10, pan])),
        (0, 2, bytes([0xB0 | ch, 91, reverb])),
    ]
    for start, length, n, vel in notes:
        assert start + length < end_tick, (part, start, length)
        vel = max(1, min(110, vel))
        events.append((start, 4, bytes([0x90 | ch, n, vel])))
        events.append((start + length, 3, bytes([0x80 | ch, n, 0])))
    return track_chunk(events, end_tick)


def build():
    rng = random.Random(1027)
    end_tick = BAR * sum(len(tune) for _, tune, _ in SECTIONS)
    notes = compose(rng)
    tracks = [conductor_track(end_tick)]
    tracks += [part_track(part, notes[part], end_tick) for part in PARTS]
    header = b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), PPQ)
    return header + b''.join(tracks), end_tick


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'media')
    os.makedirs(folder, exist_ok=True)
    data, end_tick = build()
    path = os.path.join(folder, 'fallmorn.mid')
    with open(path, 'wb') as f:
        f.write(data)
    seconds = end_tick / PPQ * 60 / BPM
    print('wrote %s: %d ticks, %.1f s' % (os.path.normpath(path), end_tick, seconds))


if __name__ == '__main__':
    main()
