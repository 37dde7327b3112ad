#!/usr/bin/env python3
"""A solo game heard through the desktop's accessibility bus, as a screen
reader hears it: the real program on its own X display, read and played over
AT-SPI only. It reads the board's squares before and after a throw, presses
Start Game, Roll Dice and a chip through their actions, and listens for each
turn-log line to be said.

Run inside a session bus of its own (dbus-run-session). Exit 77 means the
accessibility bus could not start here; anything else that goes wrong fails.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def start_display():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb") as pipe:
        while not number.endswith(b"\n"):
            byte = pipe.read(1)
            if not byte:
                break
            number += byte
    if not number.strip():
        xvfb.kill()
        raise SystemExit("Xvfb did not start")
    display = number.decode().strip()
    # Ready once its socket is there; another server's leftovers must not fool us.
    socket = "/tmp/.X11-unix/X" + display
    for _ in range(100):
        if os.path.exists(socket) or xvfb.poll() is not None:
            break
        time.sleep(0.05)
    if xvfb.poll() is not None or not os.path.exists(socket):
        raise SystemExit("Xvfb on :%s did not come up" % display)
    os.environ["DISPLAY"] = ":" + display
    return xvfb


def start_accessibility_bus():
    if not os.path.exists(LAUNCHER):
        skip("no " + LAUNCHER)
    bus = subprocess.Popen([LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
    for _ in range(100):
        asked = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
        if asked.returncode == 0 and "unix:" in asked.stdout:
            return bus
        time.sleep(0.1)
    bus.kill()
    skip("the accessibility bus did not start")


class Heard:
    """Everything the bus relays that a screen reader would speak."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.said = []      # names of notifications as they appear
        self.inserted = []  # text inserted into the turn log
        registry = pyatspi.Registry
        registry.registerEventListener(self.showing, "object:state-changed:showing")
        registry.registerEventListener(self.text, "object:text-changed:insert")

    def showing(self, event):
        try:
            if event.detail1 and event.source.getRole() == self.pyatspi.ROLE_NOTIFICATION:
                self.said.append(event.source.name)
        except Exception:  # an object gone before it was read
            pass

    def text(self, event):
        try:
            if event.source.name == "Turn log":
                self.inserted.append(str(event.any_data).strip())
        except Exception:
            pass


def pump(seconds):
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, check, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        pump(0.05)
        found = check()
        if found:
            return found
    raise AssertionError("waited in vain for " + what)


def find(pyatspi, root, role, name=None, startswith=None):
    def matches(o):
        if o is None or o.getRole() != role:
            return False
        if name is not None and o.name != name:
            return False
        return startswith is None or o.name.startswith(startswith)
    return pyatspi.findDescendant(root, matches)


def read_board(table_object):
    table = table_object.queryTable()
    return [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
            for r in range(table.nRows)]


def show(title, rows):
    print(title)
    for r, row in enumerate(rows):
        for c, text in enumerate(row):
            print("  (%d,%d) %s" % (r, c, text))


def press(obj):
    action = obj.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    assert "Press" in names, "%s has no press action: %s" % (obj.name, names)
    action.doAction(names.index("Press"))


def main():
    binary = sys.argv[1]
    if os.environ.get("KELVOA_ATSPI_SESSION") != "1":
        # A session bus of our own, so no desktop's screen reader hears the test.
        if not shutil.which("dbus-run-session"):
            skip("no dbus-run-session")
        os.environ["KELVOA_ATSPI_SESSION"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)
    xvfb = start_display()
    bus = program = None
    try:
        bus = start_accessibility_bus()
        import gi
        gi.require_version("Atspi", "2.0")
        import pyatspi
        heard = Heard(pyatspi)

        home = tempfile.mkdtemp(prefix="kelvoa-atspi-")
        with open(os.path.join(home, "korvanlobby.ini"), "w") as ini:
            ini.write("[Kelvoa]\nShowdownload=false\nBotspeed=500\nAnimatechips=false\n")
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", KELVOA_CONFIG_DIR=home, KELVOA_DATA_DIR=home,
                   KELVOA_NO_ROUTER="1", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        program = subprocess.Popen([binary], env=env)

        desktop = pyatspi.Registry.getDesktop(0)
        def on_bus():
            assert program.poll() is None, "the program ended with %s" % program.returncode
            return next((a for a in desktop if a is not None and a.name == "Kelvoa"), None)
        app = wait_for("the program on the bus", on_bus, 30)
        start = wait_for("Start Game", lambda: find(pyatspi, app, pyatspi.ROLE_PUSH_BUTTON,
                                                       "Start Game"), 30)
        board = find(pyatspi, app, pyatspi.ROLE_TABLE, "Board")
        assert board is not None, "no table named Board"
        wait_for("the own client seated", lambda: start.getState().contains(
            pyatspi.STATE_SHOWING) and find(pyatspi, app, pyatspi.ROLE_LABEL, "You"), 30)

        before = read_board(board)
        show("Board before the game:", before)
        assert len(before) == 3 and all(len(row) == 7 for row in before), before
        assert before[0][3] == "Square 1, empty", before[0][3]
        assert before[0][0] == "Square 4, rosette, empty", before[0][0]
        assert before[1][3] == "Square 8, rosette, empty", before[1][3]
        assert before[0][4] == "No square" and before[2][4] == "No square"
        assert before[2][5] == "Square 11, empty", before[2][5]  # where the routes cross
        assert before[2][3] == "Player 2's square 1, empty", before[2][3]  # a seat not taken yet

        press(start)
        turn = wait_for("a turn said", lambda: next(
            (s for s in heard.said if "Your turn to roll" in s or "Klot is rolling..." in s), None))
        print("Said at the start:", turn)

        roll = find(pyatspi, app, pyatspi.ROLE_PUSH_BUTTON, "Roll Dice")
        dice = find(pyatspi, app, pyatspi.ROLE_LABEL, startswith="Dice:")
        assert roll is not None and dice is not None
        def throw():
            """Waits for the own turn, throws, and returns what was said and the points."""
            wait_for("the own turn", lambda: roll.getState().contains(pyatspi.STATE_SHOWING), 60)
            count = len(heard.said)
            press(roll)
            said = wait_for("the throw said", lambda: next(
                (s for s in heard.said[count:] if "You rolled a nil" in s or "Choose a chip" in s),
                None))
            points = 0 if "nil" in said else int(said.split("move ")[1].split(" ")[0])
            expected = "Dice: 1 point" if points == 1 else "Dice: %d points" % points
            wait_for("the dice read " + expected, lambda: dice.name == expected)
            return said, points

        # Throw until a 1 brings a chip out: the start pile then says it may.
        end = time.time() + 120
        while True:
            assert time.time() < end, "no throw of 1 brought a chip out"
            show("Board before the throw:", read_board(board))
            said, points = throw()
            print("Said after the throw: %s | %s" % (said, dice.name))
            if points == 1:
                break
        pile = find(pyatspi, app, pyatspi.ROLE_LABEL, startswith="Your start pile:")
        assert pile is not None and pile.name == "Your start pile: 7 chips, may move to square 1", \
            pile and pile.name
        print("Start pile:", pile.name)
        chip = find(pyatspi, app, pyatspi.ROLE_PUSH_BUTTON, startswith="Your chip 1,")
        assert chip.name == "Your chip 1, in the start pile, may move to square 1", chip.name
        count = len(heard.said)
        press(chip)
        moved = wait_for("the move said", lambda: next(
            (s for s in heard.said[count:] if "You brought a chip out" in s), None))
        print("Said after the move:", moved)
        wait_for("square 1 holding the chip",
                 lambda: read_board(board)[0][3] == "Square 1, your chip 1")
        assert chip.name == "Your chip 1, on square 1", chip.name
        show("Board after the move:", read_board(board))

        # The chip out earned another throw: now its square says where it may go.
        while True:
            assert time.time() < end, "no throw moved the chip on"
            said, points = throw()
            print("Said after the throw: %s | %s" % (said, dice.name))
            if points:
                break
        target = "Square 1, your chip 1, may move to square %d" % (1 + points)
        wait_for(target, lambda: read_board(board)[0][3] == target)
        show("Board after the throw:", read_board(board))
        assert heard.inserted, "the turn log never reported its lines"
        print("Turn log text events: %d, notifications said:" % len(heard.inserted))
        for line in heard.said:
            print("  " + line)
        return 0
    finally:
        if program is not None:
            program.terminate()
            try:
                program.wait(10)
            except subprocess.TimeoutExpired:
                program.kill()
        if bus is not None:
            bus.terminate()
        xvfb.terminate()


if __name__ == "__main__":
    sys.exit(main())
