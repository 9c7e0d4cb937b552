#!/usr/bin/env bash
# The window as a screen reader reads it over AT-SPI: on a private session
# bus, the game started from a saved set-up with Qt's accessibility bridge on,
# then its tree read with pyatspi: the window by name, OK by role and name,
# a sheet cell by name, a kept die, the bubble, and OK pressed
# through its action as a screen reader's user presses it.
#
#   test_screen_reader.sh <path-to-dravonelle> <artifact-dir>
if [ -z "${DRAVONELLE_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "FAIL: no dbus-run-session (dbus)"; exit 1; }
    exec env DRAVONELLE_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/common.sh" "$@"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "no pyatspi for the system's python (python3-pyatspi)"

read_places "" Ok Halte
start_xvfb
mkdir -p "$scratch/game"
write_commence "$scratch/game"
launch_game QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
point_at Ok

/usr/bin/python3 - "$game_pid" "$window" $(centre Halte) <<'PYTHON' || fail "the screen reader's view is wrong"
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])

def found(test, what, tenths=100):
    for _ in range(tenths):
        answer = test()
        if answer:
            return answer
        time.sleep(0.1)
    sys.exit("not found: " + what)

def game():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a is not None and a.get_process_id() == pid), None)

def first(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o.getRole() == role and name(o.name))

app = found(game, "the game among the desktop's applications")
window = found(lambda: first(app, pyatspi.ROLE_FRAME, lambda n: n == "Dravonelle")
               or first(app, pyatspi.ROLE_WINDOW, lambda n: n == "Dravonelle"), "the window Dravonelle")
ok = found(lambda: first(window, pyatspi.ROLE_PUSH_BUTTON, lambda n: n.startswith("OK")), "the OK button")
cell = found(lambda: first(window, pyatspi.ROLE_TABLE_CELL, lambda n: n == "Libre, Full"), "the cell Libre, Full")
bubble = found(lambda: first(window, pyatspi.ROLE_STATUS_BAR, lambda n: True), "the bubble")
print("window:", window.name, "| OK:", ok.name, "| cell:", cell.name, "| bubble:", bubble.name)
found(lambda: bubble.name not in ("", "Bulle d'aide"), "the bubble's text over OK")
if ok.description != bubble.name:
    sys.exit("OK's description %r is not the bubble %r" % (ok.description, bubble.name))

# OK pressed through its action throws the dice: the first die is kept, and says so.
action = ok.queryAction()
action.doAction(0)
die = found(lambda: first(window, pyatspi.ROLE_PUSH_BUTTON, lambda n: n.startswith("Dé 1 : ")), "the first die thrown")
states = die.getState()
if not states.contains(pyatspi.STATE_CHECKED) or "gardé" not in die.name:
    sys.exit("the first die is not told as kept: %s" % die.name)
print("OK pressed:", ok.name, "| die:", die.name)

# The pointer onto Halte: the bubble's new text is heard as it changes.
heard = []
def listen(event):
    if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
        heard.append(event.source.name)
pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name")
GLib.timeout_add(300, lambda: subprocess.call(["xdotool", "mousemove", "--window", sys.argv[2], sys.argv[3], sys.argv[4]]) and False)
GLib.timeout_add(2500, lambda: pyatspi.Registry.stop() or False)
pyatspi.Registry.start()
if not heard:
    sys.exit("the bubble's change over Halte was not heard")
print("heard:", heard[-1])
PYTHON
leave_by_halte
echo "1 passed, 0 failed"
