#!/usr/bin/env python3
"""Writes tests/golden/candidates.golden: positions with the candidate list and
the status list that orbel-engine gives for each.

The file pins the generator's exact output (moves, their order, every status
entry and code) so that a faster generator can be proven to change nothing.
Regenerate it only when the generator's behaviour is meant to change:

    tools/make_golden_candidates.py build/orbel-engine > tests/golden/candidates.golden

Positions come from random games played with the generator's own candidate
moves (both king columns, all phases) and from random piece placements that
exercise odd corners (pawns on the last rows, missing or extra kings).
"""
import random
import subprocess
import sys

KINDS = [1, 2, 3, 4, 5, 6]


class Engine:
    def __init__(self, path):
        self.proc = subprocess.Popen([path], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)

    def ask(self, line):
        self.proc.stdin.write(line + "\n")
        self.proc.stdin.flush()
        answer = self.proc.stdout.readline().rstrip("\n")
        if answer.startswith("error"):
            raise RuntimeError(f"{line[:60]!r} -> {answer}")
        return answer

    def close(self):
        self.proc.stdin.close()
        self.proc.wait()


def state_to_set(state):
    assert state.startswith("state ")
    return "set " + state[len("state "):]


def moves_of(answer):
    nums = list(map(int, answer.split()[1:]))
    n = nums[0]
    return [nums[1 + 4 * i: 5 + 4 * i] for i in range(n)]


def playout_positions(engine, rng, games, max_plies):
    positions = []
    for g in range(games):
        king_column = 3 + (g % 2)
        engine.ask(f"new {king_column}")
        for ply in range(max_plies):
            state = engine.ask("get")
            # The rights the generator reads belong to the game, not the side to
            # move; vary them so castling offers appear in both states.
            parts = state.split()
            parts[1 + 128 + 3] = str(rng.randrange(2))
            parts[1 + 128 + 4] = str(rng.randrange(2))
            engine.ask(state_to_set(" ".join(parts)))
            state = engine.ask("get")
            if ply % 3 == 0 or ply > 30:
                positions.append(state_to_set(state))
            moves = moves_of(engine.ask("candidates"))
            rng.shuffle(moves)
            played = False
            for m in moves:
                engine.ask("apply " + " ".join(map(str, m)))
                if engine.ask("attacked") == "attacked 0":
                    played = True
                    break
                engine.ask(state_to_set(state))
            if not played:
                break
            engine.ask("flip")
    return positions


def random_positions(rng, count):
    positions = []
    for i in range(count):
        squares = [(102, 102)] * 64
        pieces = rng.randrange(3, 24)
        for _ in range(pieces):
            sq = rng.randrange(64)
            squares[sq] = (rng.choice(KINDS), rng.choice([100, 101]))
        # Most of them get one king a side, as in play; the rest keep whatever came.
        if i % 4 != 0:
            squares = [(k, o) if k != 6 else (5, o) for k, o in squares]
            for owner in (100, 101):
                sq = rng.randrange(64)
                squares[sq] = (6, owner)
        flat = " ".join(f"{k} {o}" for k, o in squares)
        king_column = 3 + rng.randrange(2)
        cs, cl = rng.randrange(2), rng.randrange(2)
        positions.append(f"set {flat} 0 0 5 {cs} {cl} 0 {king_column} 0")
    return positions


# Corners the random positions rarely reach, as diagrams (row 7 first; upper
# case Own, lower case Enemy): a king fleeing from the corner, an attacked
# knight with no flight, and a bishop at home on either edge freed by its
# pawns.
CRAFTED = [
    ["r.......", "........", "........", "........", "........", "........", "........", "K......."],
    ["........", "........", "........", "........", "........", ".P......", "..P.....", "N......r"],
    ["........", "........", "........", "........", "........", "........", "PP......", "B......."],
    ["........", "........", "........", "........", "........", "........", "......PP", ".......B"],
]


def crafted_positions():
    positions = []
    for diagram in CRAFTED:
        squares = []
        for row in range(8):
            for ch in diagram[7 - row]:
                kind = ".PNBRQK".find(ch.upper())
                squares.append("102 102" if ch == "." else f"{kind} {100 if ch.isupper() else 101}")
        positions.append(f"set {' '.join(squares)} 0 0 5 0 0 0 4 0")
    return positions


def main():
    engine = Engine(sys.argv[1])
    rng = random.Random(20261206)
    positions = playout_positions(engine, rng, games=16, max_plies=60)
    positions += random_positions(rng, 120)
    positions += crafted_positions()
    out = sys.stdout
    out.write("# position, then the engine's candidates and statuses answers for it\n")
    for p in positions:
        engine.ask(p)
        out.write(p + "\n")
        out.write(engine.ask("candidates") + "\n")
        out.write(engine.ask("statuses") + "\n")
    engine.close()


if __name__ == "__main__":
    main()
