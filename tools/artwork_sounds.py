"""The game's sounds, synthesised from sine waves and seeded noise: the move's
knock (173), the new game's chime (174), a capture (180), a check (181), the
end of a game (182) and a clock running low (183). Written by
tools/make_artwork.py with the artwork."""
import math
import os
import random
import struct
import wave


# Sounds
RATE = 22050


def envelope_edges(samples, fade_in, fade_out):
    n = len(samples)
    for i in range(min(fade_in, n)):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_in)
    for i in range(min(fade_out, n)):
        samples[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fade_out)
    return samples


def normalise(samples, peak):
    top = max(1e-9, max(abs(v) for v in samples))
    return [v * peak / top for v in samples]


def click_samples():
    """A wooden piece set down: a dull knock, a short woody burst, no ring."""
    frames = 728                     # 33 ms
    rng = random.Random(173)
    out = []
    lp1 = lp2 = 0.0
    hp_prev_in = hp_prev_out = 0.0
    for i in range(frames):
        t = i / RATE
        # Noise through two one-pole low-passes and a gentle high-pass: the
        # contact "tock" without hiss.
        n = rng.uniform(-1.0, 1.0)
        lp1 += 0.28 * (n - lp1)
        lp2 += 0.28 * (lp1 - lp2)
        hp = 0.96 * (hp_prev_out + lp2 - hp_prev_in)
        hp_prev_in, hp_prev_out = lp2, hp
        burst = hp * math.exp(-t / 0.0045) * 3.2
        # Body of the board: low tones that die away quickly.
        knock = (math.sin(2 * math.pi * 190 * t) * math.exp(-t / 0.011)
                 + 0.55 * math.sin(2 * math.pi * 410 * t + 0.6) * math.exp(-t / 0.0065)
                 + 0.25 * math.sin(2 * math.pi * 930 * t + 1.3) * math.exp(-t / 0.0035))
        out.append(burst + 0.8 * knock)
    out = envelope_edges(out, 22, 160)
    return normalise(out, 0.55)


def chime_samples():
    """Three rising notes, soft attack, bell-like decay."""
    frames = 9261                    # 0.42 s
    notes = (  # start (s), frequency (Hz), level
        (0.000, 523.25, 0.85),       # C5
        (0.085, 659.26, 0.80),       # E5
        (0.170, 783.99, 0.90),       # G5
    )
    out = [0.0] * frames
    for start, freq, level in notes:
        first = int(start * RATE)
        for i in range(first, frames):
            t = (i - first) / RATE
            attack = min(1.0, t / 0.006)
            attack = 0.5 - 0.5 * math.cos(math.pi * attack)
            decay = math.exp(-t / 0.16)
            tone = (math.sin(2 * math.pi * freq * t)
                    + 0.30 * math.sin(2 * math.pi * 2 * freq * t) * math.exp(-t / 0.05)
                    + 0.12 * math.sin(2 * math.pi * 3.01 * freq * t) * math.exp(-t / 0.03))
            out[i] += level * attack * decay * tone
    out = envelope_edges(out, 16, 1400)
    return normalise(out, 0.78)


def capture_samples():
    """A piece knocked off: the set-down knock twice, the second lower and louder."""
    first = click_samples()
    gap = [0.0] * int(0.045 * RATE)
    second = [v * 1.2 for v in click_samples()]
    # The second knock an octave of wood lower: each sample held twice.
    lower = [v for v in second for _ in (0, 1)]
    return normalise(first + gap + lower, 0.62)


def tones(notes, frames, decay_s):
    """Notes (start s, Hz, level) with a soft attack and a bell-like decay."""
    out = [0.0] * frames
    for start, freq, level in notes:
        first = int(start * RATE)
        for i in range(first, frames):
            t = (i - first) / RATE
            attack = 0.5 - 0.5 * math.cos(math.pi * min(1.0, t / 0.006))
            tone = (math.sin(2 * math.pi * freq * t)
                    + 0.30 * math.sin(2 * math.pi * 2 * freq * t) * math.exp(-t / 0.05))
            out[i] += level * attack * math.exp(-t / decay_s) * tone
    return out


def check_samples():
    """Two quick high notes, a warning that is not an alarm."""
    out = tones(((0.000, 987.77, 0.8), (0.110, 987.77, 0.9)), int(0.30 * RATE), 0.06)  # B5 twice
    return normalise(envelope_edges(out, 16, 600), 0.7)


def game_end_samples():
    """Three falling notes, slower than the new game's chime: the game is over."""
    notes = ((0.000, 783.99, 0.85), (0.150, 659.26, 0.8), (0.300, 523.25, 0.9))  # G5 E5 C5
    out = tones(notes, int(0.80 * RATE), 0.22)
    return normalise(envelope_edges(out, 16, 2000), 0.78)


def envelope_edges_at(samples, first, length, fade):
    """Soft edges for the stretch of `length` samples from `first`."""
    part = envelope_edges(samples[first:first + length], fade, fade)
    samples[first:first + length] = part


def low_time_samples():
    """Two soft, short beeps, higher and purer than the check's bell notes: a
    reminder of the clock, heard over the game without startling."""
    frames = int(0.25 * RATE)
    out = [0.0] * frames
    for start in (0.000, 0.125):
        first, length = int(start * RATE), int(0.075 * RATE)
        for i in range(length):
            t = i / RATE
            tone = math.sin(2 * math.pi * 1318.51 * t) + 0.08 * math.sin(2 * math.pi * 2637.02 * t)  # E6
            out[first + i] += tone
        envelope_edges_at(out, first, length, 176)
    return normalise(out, 0.45)


def write_wav(path, samples, sample_width):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if sample_width == 2:
        data = b"".join(struct.pack("<h", max(-32768, min(32767, int(round(v * 32767)))))
                        for v in samples)
    else:
        data = bytes(max(0, min(255, 128 + int(round(v * 127)))) for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(sample_width)
        w.setframerate(RATE)
        w.writeframes(data)


def make_sounds(out_dir):
    write_wav(os.path.join(out_dir, "173.wav"), click_samples(), 2)
    write_wav(os.path.join(out_dir, "174.wav"), chime_samples(), 1)
    write_wav(os.path.join(out_dir, "180.wav"), capture_samples(), 2)
    write_wav(os.path.join(out_dir, "181.wav"), check_samples(), 2)
    write_wav(os.path.join(out_dir, "182.wav"), game_end_samples(), 2)
    write_wav(os.path.join(out_dir, "183.wav"), low_time_samples(), 2)
