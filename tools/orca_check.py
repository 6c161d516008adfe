#!/usr/bin/env python3
"""What Orca said while tools/orca_check.sh played, and whether a blind
player heard what they must.

    tools/orca_check.py OUT            the transcript: each key, then each
                                       message with when it began and ended,
                                       or that it was cut off
    tools/orca_check.py OUT --judge    the transcript, then the checks; exit
                                       1 when one fails

OUT holds speech-dispatcher.log (LogLevel 5) and keys.log from the run.
"""
import datetime
import html
import re
import sys

STAMP = re.compile(r'^\[\w{3} (\w{3} +\d+ [\d:]+ \d{4}) : (\d+)\] speechd: +(.*)$')
QUEUED = re.compile(r'Queueing message \|(.*)\| with priority')
REPLY = re.compile(r'^\d+:REPLY:\|(\d{3})-(\d+)$')


def seconds(date, micro):
    t = datetime.datetime.strptime(date.replace('  ', ' '), '%b %d %H:%M:%S %Y')
    return t.timestamp() + int(micro) / 1e6


def spoken_text(ssml):
    return html.unescape(re.sub(r'<[^>]*>', '', ssml)).strip()


class Message:
    def __init__(self, text, queued):
        self.text, self.queued = text, queued
        self.begun = self.ended = self.cancelled = None

    def fate(self, start=0.0):
        if self.cancelled is not None:
            return 'CUT OFF at %.2f' % (self.cancelled - start) if self.begun is not None else 'DROPPED unheard'
        if self.ended is not None:
            return 'heard whole'
        return 'never ended'


def read_speech(path):
    messages, by_id, pending, last = [], {}, None, 0.0
    with open(path, encoding='utf-8', errors='replace') as f:
        for line in f:
            m = STAMP.match(line.rstrip('\n'))
            if not m:
                continue
            # The log is written in order, yet on a loaded machine a line once
            # read a whole second early (its seconds and microseconds are two
            # clock reads), before the key that caused it: keep time monotonic.
            at, rest = max(last, seconds(m.group(1), m.group(2))), m.group(3)
            last = at
            q = QUEUED.search(rest)
            if q:
                pending = Message(spoken_text(q.group(1)), at)
                messages.append(pending)
                continue
            r = REPLY.match(rest)
            if not r:
                continue
            code, ident = r.group(1), r.group(2)
            if code == '225' and pending is not None:
                by_id[ident], pending = pending, None
            elif ident in by_id:
                msg = by_id[ident]
                if code == '701':
                    msg.begun = at
                elif code == '702':
                    msg.ended = at
                elif code == '703':
                    msg.cancelled = at
    return messages


def read_keys(path):
    keys = []
    with open(path, encoding='utf-8') as f:
        for line in f:
            stamp, _, what = line.strip().partition(' ')
            keys.append((float(stamp), what))
    return keys


def transcript(keys, messages):
    start = keys[0][0] if keys else (messages[0].queued if messages else 0)
    events = [(k[0], 'KEY', k[1], None) for k in keys]
    events += [(m.queued, 'SAY', m.text, m) for m in messages if m.text]
    lines = []
    for at, kind, what, msg in sorted(events, key=lambda e: e[0]):
        if kind == 'KEY':
            lines.append('%7.2f  %s' % (at - start, what))
        else:
            begun = '' if msg.begun is None else ' (begins %+.2f)' % (msg.begun - at)
            lines.append('%7.2f      "%s"%s %s' % (at - start, what, begun, msg.fate(start)))
    return lines


def judge(keys, messages):
    """The checks a blind player's game must pass, as (passed, what) pairs."""
    results = []
    heard = [m for m in messages if m.text]

    def after(label, index=0):
        hits = [k for k in keys if k[1] == label]
        return hits[index][0] if len(hits) > index else None

    def said_between(t0, t1):
        return [m for m in heard if t0 <= m.queued < t1]

    def next_key_after(t):
        later = [k[0] for k in keys if k[0] > t]
        return later[0] if later else float('inf')

    def check(ok, what):
        results.append((bool(ok), what))

    def heard_whole(msg, what):
        # Any key cuts Orca short; the player must have had 3 s to hear it.
        if msg is None or msg.begun is None:
            return check(False, '%s is heard: never spoken' % what)
        gap = next_key_after(msg.begun) - msg.begun
        whole = msg.ended is not None and msg.cancelled is None
        why = '' if whole else ' (cut off; the script must leave 3 s)' if gap < 3 else ' (cut off)'
        check(whole, '%s is heard whole, the next key %.2f s after it began%s' % (what, gap, why))

    # The computer's first move, after New Game Setup closed (Return).
    closed = after('KEY Return')
    first = [m for m in said_between(closed or 0, next_key_after(closed or 0)) if m.text.startswith('Computer ')]
    heard_whole(first[0] if first else None, "the computer's first move as White")
    # Up and Down: the square alone.
    for label in ('KEY Up', 'KEY Down'):
        index = 2 if label == 'KEY Up' else 0  # the dialog's two Ups come first
        t = after(label, index)
        said = said_between(t, next_key_after(t)) if t else []
        square = re.compile(r'^[a-h][1-8],? (empty|white \w+|black \w+)\.?$')
        check(t and said and all(square.match(m.text) for m in said) and len(said) == 1,
              '%s says the cursor\'s square alone: %s' % (label[4:], [m.text for m in said]))
    # A typed move: confirmed, and the reply begins within 1.5 s and is heard
    # although a key comes 3 s later.
    played = after('KEY Return', 1)
    said = said_between(played, next_key_after(played)) if played else []
    move = [m for m in said if m.text.startswith('You ')]
    check(move and 'Computer ' in move[0].text, 'own move confirmed with the reply in one text: %s'
          % [m.text for m in said])
    if move:
        m = move[0]
        check(m.begun is not None and m.begun - played <= 1.5,
              'the reply begins %.2f s after Enter' % ((m.begun or 99) - played))
        heard_whole(m, 'the reply')
    refused = [m for m in heard if m.text.startswith('No such move')]
    check(refused and '.' in refused[0].text.split(',', 1)[-1], 'a refused move says why: %s'
          % [m.text for m in refused])
    undone = [m for m in heard if m.text.startswith('Taken back')]
    heard_whole(undone[0] if undone else None, "Undo's words %s" % [m.text for m in undone])
    menu = after('KEY F10')
    said = [m.text for m in said_between(menu, float('inf'))] if menu else []
    check(any('Ctrl+N' in t for t in said), 'a menu item is spoken with its shortcut: %s' % said[:4])
    back = after('KEY Escape', 1)
    said = [m.text for m in said_between(back, float('inf'))] if back else []
    square = re.compile(r'^[a-h][1-8],? (empty|white \w+|black \w+)\.?$')
    check(any(square.match(t) for t in said), 'focus comes back to the square after the menu: %s' % said)
    return results


def judge_promotion(keys, messages):
    """Standard rules: a pawn put down on the last rank by keyboard, the
    chooser as Orca reads it, and the knight chosen by its letter."""
    heard = [m for m in messages if m.text]
    spaces = [k[0] for k in keys if k[1] == 'KEY space']
    letter = [k[0] for k in keys if k[1] == 'KEY n']
    if len(spaces) < 2 or not letter:
        return [(False, 'the promotion script ran: keys %s' % [k[1] for k in keys])]
    chooser = [m.text for m in heard if spaces[1] <= m.queued < letter[0]]
    played = [m for m in heard if m.queued >= spaces[1] and m.text.startswith('You e8, becomes a knight')]
    return [
        (any('Promotion' in t for t in chooser) and any('Queen' in t and 'button' in t for t in chooser),
         'the promotion chooser is spoken with its default: %s' % chooser),
        (played and played[0].ended is not None and played[0].cancelled is None,
         'the knight chosen by its letter is heard whole: %s' % [m.text for m in played]),
    ]


def judge_german(keys, messages):
    """The game in German: a move typed with the German knight's letter is
    played, and it and the reply are heard with German piece names."""
    heard = [m for m in messages if m.text]
    typed = [k[0] for k in keys if k[1] == 'KEY Return'][1:2]
    repeat = [k[0] for k in keys if k[1] == 'KEY F2']
    if not typed or not repeat:
        return [(False, 'the German script ran: keys %s' % [k[1] for k in keys])]
    reply = [m for m in heard if typed[0] <= m.queued < repeat[0] and m.text.startswith('Sie: Springer f3.')]
    again = [m.text for m in heard if m.queued >= repeat[0]]
    return [
        (reply and reply[0].ended is not None and reply[0].cancelled is None and 'Computer: ' in reply[0].text,
         'Sf3 is played, and it and the reply are heard whole in German: %s' % [m.text for m in reply]),
        (any(t.startswith('Computer, Springer g8 nach f6') for t in again),
         'F2 says the last move again, in full and in German: %s' % again),
    ]


def main():
    out = sys.argv[1]
    keys = read_keys(out + '/keys.log')
    messages = read_speech(out + '/speech-dispatcher.log')
    print('\n'.join(transcript(keys, messages)))
    if '--judge' not in sys.argv:
        return 0
    failed = 0
    judged = judge_promotion if 'promotion' in sys.argv else judge_german if 'german' in sys.argv else judge
    for ok, what in judged(keys, messages):
        print('%s  %s' % ('PASS' if ok else 'FAIL', what))
        failed += not ok
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
