#!/usr/bin/python3
"""One line for the whole suite: how many tests passed, failed and were
skipped over every ctest run of tools/test.sh, and each skip with its reason
(which ctest shows only with -V).

    tools/test_summary.py add TOTAL build/Testing/Temporary/LastTest.log
        adds one run's results (ctest's own log of it) to the file TOTAL
    tools/test_summary.py report TOTAL
        prints the count line and the skips; exits 1 when CI=true and a test
        was skipped: CI can make the namespaces, buses and routers the
        skipping tests need, so a skip there hides a lost check
"""
import json
import os
import re
import sys

START = re.compile(r'^\d+/\d+ Testing: (.*)$')
END = re.compile(r'^"(.*)" end time:')


def results(log):
    """(name, verdict, reason) for each test of one ctest run."""
    out, name, lines = [], None, []
    with open(log, encoding='utf-8', errors='replace') as f:
        for line in f:
            line = line.rstrip('\n')
            start = START.match(line)
            if start:
                name, lines = start.group(1), []
            elif name and END.match(line):
                verdict = 'Passed'
                if any(said.startswith('Skip regular expression found') for said in lines):
                    verdict = 'Skipped'
                elif any(said == 'Test Failed.' or said.startswith('Test Fail Reason') for said in lines):
                    verdict = 'Failed'
                # Google Test: "file:line: Skipped", then the reason.
                reasons = [lines[i + 1].strip() for i, said in enumerate(lines[:-1]) if said.endswith(': Skipped')]
                out.append((name, verdict, reasons[0] if reasons else ''))
                name = None
            elif name:
                lines.append(line)
    return out


def main():
    if len(sys.argv) == 4 and sys.argv[1] == 'add':
        run = {'log': sys.argv[3], 'results': results(sys.argv[3]) if os.path.exists(sys.argv[3]) else []}
        with open(sys.argv[2], 'a', encoding='utf-8') as f:
            f.write(json.dumps(run) + '\n')
        return 0
    if len(sys.argv) != 3 or sys.argv[1] != 'report':
        print(__doc__, file=sys.stderr)
        return 2
    counts = {'Passed': 0, 'Failed': 0, 'Skipped': 0}
    skips = []
    with open(sys.argv[2], encoding='utf-8') as f:
        for line in f:
            run = json.loads(line)
            for name, verdict, reason in run['results']:
                counts[verdict] += 1
                if verdict == 'Skipped':
                    skips.append('  skipped %s (%s): %s' % (name, os.path.dirname(os.path.dirname(
                        os.path.dirname(run['log']))), reason or 'no reason given'))
    print('Tests: %d passed, %d failed, %d skipped' % (counts['Passed'], counts['Failed'], counts['Skipped']))
    print('\n'.join(skips)) if skips else None
    if skips and os.environ.get('CI') == 'true':
        print('CI=true: a skipped test is a check lost, and fails the run', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
