#!/usr/bin/env python3
"""Checks the code's layout rules, each a test of its own in the suite.

  tools/check_layout.py messages   no window-message layer in the program
  tools/check_layout.py frame      the rules' own frame (Own, Enemy) only in
                                   rules/, computer/ and savegame/
  tools/check_layout.py includes   inside every folder, no file's unit (its
                                   .h and .cpp) includes one that includes it
                                   back, directly or not
  tools/check_layout.py sizes      no function over 50 lines in the program,
                                   no file over 600 lines outside tests/

Run from anywhere; prints each breach and exits 1 when there is one. The
function lengths come from Universal Ctags.
"""
import json
import os
import re
import subprocess
import sys

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = ['rules', 'computer', 'game', 'shell', 'savegame', 'net']
OUTSIDE_TESTS = PROGRAM + ['tools', 'bench', 'resources', 'cmake']
SOURCE = ('.cpp', '.h')
MAX_FUNCTION_LINES = 50
MAX_FILE_LINES = 600


def files_under(folders, endings):
    for folder in folders:
        for root, _, names in os.walk(os.path.join(TOP, folder)):
            for name in sorted(names):
                if name.endswith(endings):
                    yield os.path.join(root, name)


def relative(path):
    return os.path.relpath(path, TOP)


def grep(folders, pattern, skip=()):
    breaches = []
    for path in files_under(folders, SOURCE):
        if relative(path).split(os.sep)[0] in skip:
            continue
        for number, line in enumerate(open(path, encoding='utf-8'), 1):
            if re.search(pattern, line):
                breaches.append('%s:%d: %s' % (relative(path), number, line.strip()))
    return breaches


def check_messages():
    return grep(PROGRAM, r'\bWM_|wParam|lParam|ModeProc|commonProc|passToCommonProc')


def check_frame():
    return grep(PROGRAM, r'\b(Own|Enemy)\b', skip=('rules', 'computer', 'savegame'))


def units_of(folder):
    """Each unit (a file's name without its ending) and the units of the same
    folder it includes."""
    units = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(SOURCE):
            continue
        unit = os.path.splitext(name)[0]
        here = os.path.relpath(folder, TOP).replace(os.sep, '/')
        for line in open(os.path.join(folder, name), encoding='utf-8'):
            m = re.match(r'\s*#include "(.*)/([^/]*)\.h"', line)
            if m and m.group(1) == here and m.group(2) != unit:
                units.setdefault(unit, set()).add(m.group(2))
        units.setdefault(unit, set())
    return units


def check_includes():
    breaches = []
    folders = {root for path in files_under(OUTSIDE_TESTS + ['tests'], SOURCE) for root in [os.path.dirname(path)]}
    for folder in sorted(folders):
        units = units_of(folder)
        for start in units:
            # Every unit reachable from `start`; reaching it again is a cycle.
            seen, stack = set(), list(units[start])
            while stack:
                unit = stack.pop()
                if unit == start:
                    breaches.append('%s: %s includes a unit that includes it back' % (relative(folder), start))
                    break
                if unit not in seen and unit in units:
                    seen.add(unit)
                    stack.extend(units[unit])
    return breaches


def check_sizes():
    breaches = []
    for path in files_under(OUTSIDE_TESTS, SOURCE + ('.py', '.sh')):
        lines = sum(1 for _ in open(path, encoding='utf-8', errors='replace'))
        if lines > MAX_FILE_LINES:
            breaches.append('%s: %d lines' % (relative(path), lines))
    tags = subprocess.run(['ctags', '--output-format=json', '--fields=+ne', '--kinds-c++=f', '--languages=C++',
                           '-R', '-f', '-'] + [os.path.join(TOP, f) for f in PROGRAM],
                          capture_output=True, text=True, check=True).stdout
    for line in tags.splitlines():
        tag = json.loads(line)
        if 'end' in tag and tag['end'] - tag['line'] + 1 > MAX_FUNCTION_LINES:
            breaches.append('%s:%d: %s is %d lines' % (relative(tag['path']), tag['line'], tag['name'],
                                                        tag['end'] - tag['line'] + 1))
    return breaches


CHECKS = {'messages': check_messages, 'frame': check_frame, 'includes': check_includes, 'sizes': check_sizes}


def main():
    names = sys.argv[1:] or sorted(CHECKS)
    breaches = [b for name in names for b in CHECKS[name]()]
    for b in breaches:
        print(b)
    return 1 if breaches else 0


if __name__ == '__main__':
    sys.exit(main())
