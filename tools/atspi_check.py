#!/usr/bin/python3
"""The game as a screen reader meets it, over the real AT-SPI bus.

Starts the game (path in argv[1]) with Qt's AT-SPI bridge switched on and,
through pyatspi alone, as Orca would: finds the New Game Setup dialog and
presses its OK button; finds the board by its role (table) and name; reads
its cells; listens for the focus and showing events; makes the move e2-e4 by
pressing two cells' actions; and reads the computer's answer from the live
text (the notification). Prints what it read and exits 0 when all held.

Run it on a session bus of its own and a display of its own, in a network
namespace of its own (the game listens on its usual port):

    unshare --net dbus-run-session -- xvfb-run -a tools/atspi_check.py build/orbel-chess
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 30.0


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        pump()
        try:
            found = find()
        except Exception:  # objects come and go while the window is built
            found = None
        if found:
            return found
        time.sleep(0.05)
    raise SystemExit(f"FAIL: never found {what}")


def search(root, role, name=None, depth=0):
    if root is None or depth > 12:
        return None
    if root.getRole() == role and (name is None or root.name == name):
        return root
    for child in root:
        hit = search(child, role, name, depth + 1)
        if hit:
            return hit
    return None


def expect(what, got, want):
    print(f"{what}: {got!r}")
    if got != want:
        raise SystemExit(f"FAIL: {what} is {got!r}, not {want!r}")


def main():
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda e: heard.append((e.type, e.source.name if e.source else "")),
        "object:state-changed:focused", "object:state-changed:showing", "object:property-change:accessible-name")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=tempfile.mkdtemp())
    game = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for("the game on the bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == game.pid), None))
        expect("application", app.name, "Orbel Chess")
        dialog = wait_for("New Game Setup", lambda: search(app, pyatspi.ROLE_DIALOG, "New Game Setup"))
        ok = search(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK")
        ok.queryAction().doAction(0)

        board = wait_for("the board", lambda: search(app, pyatspi.ROLE_TABLE, "Chess board"))
        table = board.queryTable()
        expect("rows and columns", (table.nRows, table.nColumns), (8, 8))
        # The board is there before the game the dialog starts.
        wait_for("the new game", lambda: table.getAccessibleAt(6, 4).name == "e2, white pawn")
        expect("cell (6, 4)", table.getAccessibleAt(6, 4).name, "e2, white pawn")
        expect("cell (0, 3)", table.getAccessibleAt(0, 3).name, "d8, black queen")
        expect("cell (4, 4)", table.getAccessibleAt(4, 4).name, "e4, empty")
        live = search(app, pyatspi.ROLE_NOTIFICATION)
        expect("live text found", live is not None, True)

        # e2 picked up and put down on e4 by the cells' press actions, as
        # Space on the cursor's square would.
        table.getAccessibleAt(6, 4).queryAction().doAction(0)
        table.getAccessibleAt(4, 4).queryAction().doAction(0)
        wait_for("the pawn on e4", lambda: table.getAccessibleAt(4, 4).name == "e4, white pawn")
        answer = wait_for("the computer's answer", lambda: live.name if live.name.startswith("Computer: ") else None)
        print(f"live text: {answer!r}")
        time.sleep(0.5)
        pump()
        focused = [name for kind, name in heard if kind == "object:state-changed:focused"]
        shown = [name for kind, name in heard if kind == "object:state-changed:showing"]
        renamed = [name for kind, name in heard if kind == "object:property-change:accessible-name"]
        print(f"focus events for: {focused}")
        print(f"showing events for: {shown}")
        print(f"name changes (first 8): {renamed[:8]}")
        frame = search(app, pyatspi.ROLE_FRAME)
        if frame.getState().contains(pyatspi.STATE_ACTIVE):
            expect("focus went to e4", "e4, white pawn" in focused or "e4, empty" in focused, True)
        else:
            # A display without a window manager activates no window, and
            # only the active window has a focused widget.
            print("(the window is not active here: no focus events to hear)")
        expect("the answer was shown", answer in shown, True)
        expect("e4 renamed", "e4, white pawn" in renamed, True)
        print("PASS: the board, its cells, a move and the live text, over AT-SPI")
    finally:
        game.terminate()
        game.wait(10)


if __name__ == "__main__":
    main()
