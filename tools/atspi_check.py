#!/usr/bin/python3
"""The game as a screen reader meets it, over the real AT-SPI bus.

Starts the game (path in argv[1]) with Qt's AT-SPI bridge switched on and,
through pyatspi alone, as Orca would: finds the New Game Setup dialog and
presses its OK button; finds the board by its role (a filler holding the table) and name; reads
its cells; listens for the focus and showing events; makes the move e2-e4 by
pressing two cells' actions; and reads the computer's answer from the live
text (the notification). Prints what it read and exits 0 when all held.

With "two-copies" after the path it starts two copies of the game on one
machine instead, each listening on a port of its own (--port), and has them
call and play each other as two people would, through the same bus: Direct
Network Game with host:port, the callee's boxes and nickname, a move each
way read off the other copy's board, and a resignation.

Run it on a session bus of its own and a display of its own, in a network
namespace of its own (the game listens on its usual port):

    unshare --net dbus-run-session -- xvfb-run -a tools/atspi_check.py build/orbel-chess [two-copies]
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Atspi, GLib

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


def press(obj):
    obj.queryAction().doAction(0)


def open_with(obj):
    """Presses what opens a modal dialog: the game answers the press only once
    the dialog has closed, so the answer is not waited for."""
    Atspi.set_timeout(300, -1)
    try:
        obj.queryAction().doAction(0)
    except GLib.GError:
        pass
    finally:
        Atspi.set_timeout(-1, -1)


def start(program, *args):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=tempfile.mkdtemp())
    game = subprocess.Popen([program, *args], env=env)
    app = wait_for("the game on the bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == game.pid), None))
    return game, app


def button(app, dialog_role, text_in_dialog, label):
    """The button of the dialog or box that shows a text or has a title."""
    def find():
        for candidate in walk(app):
            if candidate.getRole() in dialog_role and (candidate.name == text_in_dialog or any(
                    c.name == text_in_dialog for c in walk(candidate))):
                return search(candidate, pyatspi.ROLE_PUSH_BUTTON, label)
        return None
    return wait_for(f"{label} of '{text_in_dialog}'", find)


def walk(root, depth=0):
    if root is None or depth > 12:
        return
    yield root
    for child in root:
        yield from walk(child, depth + 1)


def cell_named(board, name):
    table = board.queryTable()
    for row in range(8):
        for col in range(8):
            cell = table.getAccessibleAt(row, col)
            if cell.name == name:
                return cell
    return None


def two_copies(program):
    """Two copies on one machine call and play each other."""
    boxes = (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
    white, white_app = start(program, "--port", "5601", "--no-port-mapping")
    black, black_app = start(program, "--port", "5602", "--no-port-mapping")
    try:
        for app in (white_app, black_app):
            press(button(app, boxes, "New Game Setup", "OK"))
        open_with(wait_for("Direct Network Game",
                           lambda: search(white_app, pyatspi.ROLE_MENU_ITEM, "Direct Network Game")))
        dialog = wait_for("Internet Game", lambda: search(white_app, pyatspi.ROLE_DIALOG, "Internet Game"))
        fields = [f for f in walk(dialog) if f.getRole() == pyatspi.ROLE_TEXT]
        expect("fields of Internet Game", len(fields), 2)
        fields[0].queryEditableText().setTextContents("127.0.0.1:5602")
        fields[1].queryEditableText().setTextContents("Ann")
        press(search(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))

        press(button(black_app, boxes, "Incoming Request for network game!", "OK"))
        press(button(black_app, boxes, "Accept request for a game from \u2068Ann\u2069\n(127.0.0.1)?", "Yes"))
        nick = wait_for("Nickname Selection", lambda: search(black_app, pyatspi.ROLE_DIALOG, "Nickname Selection"))
        search(nick, pyatspi.ROLE_TEXT).queryEditableText().setTextContents("Bo")
        press(search(nick, pyatspi.ROLE_PUSH_BUTTON, "OK"))

        white_board = wait_for("White's board", lambda: search(white_app, pyatspi.ROLE_FILLER, "Chess board"))
        black_board = wait_for("Black's board", lambda: search(black_app, pyatspi.ROLE_FILLER, "Chess board"))
        # Both sides in the game before the first move: White's starts only
        # when Black's nickname arrives, and a press before that moves nothing.
        for side, app in (("Black's", black_app), ("White's", white_app)):
            wait_for(f"the game on {side} side", lambda: search(app, pyatspi.ROLE_FRAME, "Chat:"))
        for mover, other, frm, to, piece in ((white_board, black_board, "e2", "e4", "white pawn"),
                                             (black_board, white_board, "e7", "e5", "black pawn")):
            press(wait_for(f"{frm} to lift", lambda: cell_named(mover, f"{frm}, {piece}")))
            press(cell_named(mover, f"{to}, empty"))
            wait_for(f"{to} on the other board", lambda: cell_named(other, f"{to}, {piece}"))
            print(f"{piece} {frm}-{to} reached the other copy")

        network_menu = search(white_app, pyatspi.ROLE_MENU_ITEM, "Network Play")
        open_with(wait_for("Network Play > Resign", lambda: search(network_menu, pyatspi.ROLE_MENU_ITEM, "Resign")))
        press(button(black_app, boxes, "Congratulations! Your opponent has resigned!", "OK"))
        print("PASS: two copies on one machine called and played each other, on ports of their own")
    finally:
        for game in (white, black):
            game.terminate()
            game.wait(10)


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

        board = wait_for("the board", lambda: search(app, pyatspi.ROLE_FILLER, "Chess board"))
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
        answer = wait_for("the computer's answer", lambda: live.name if " Computer " in live.name else None)
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
    if sys.argv[2:] == ["two-copies"]:
        two_copies(sys.argv[1])
    else:
        main()
