#!/usr/bin/python3
"""Reads the window's accessible tree over AT-SPI, as a screen reader does, and checks that
every control a user can reach has a name, that results are read with their units, and that
search, menu keys and Esc work from the keyboard.
  accessible_tree.py <application name> <its process id>"""
import subprocess
import sys
import time

import pyatspi

NAMED_ROLES = {"push button", "text", "combo box", "spin button", "check box", "table"}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def application(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"FAIL: no application {name!r} on the accessibility bus")


def nodes(node):
    yield node
    if node.getRoleName() in ("table", "list"):
        return
    for child in node:
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)
    time.sleep(0.6)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)
    time.sleep(0.6)


def find(app, role, predicate=lambda node: True):
    return [n for n in nodes(app) if n.getRoleName() == role and predicate(n)]


app = application(sys.argv[1])
window = app[0]
check("Mensurix" in window.name, f"the window is named {window.name!r}")
for node in nodes(window):
    role = node.getRoleName()
    if role in NAMED_ROLES and showing(node):
        check(node.name.strip() != "", f"a {role} has no name")
    # A hidden helper that nobody can reach must not be listed at all.
    if role == "text" and not showing(node):
        check(False, f"a hidden text box {node.name!r} is exposed")

combos = find(window, "combo box")
for combo in combos:
    labels = [r.getTarget(0).name for r in combo.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    check(labels and labels[0].strip(), f"the list {combo.name!r} has no label")

table = find(window, "table")[0].queryTable()
check(table.getColumnDescription(0) == "Unit" and table.getColumnDescription(1) == "Value",
      "the columns are not named Unit and Value")
for row in range(table.nRows):
    unit = table.getRowDescription(row)
    check(unit == table.getAccessibleAt(row, 0).name, f"row {row} is named {unit!r}")
    check(table.getAccessibleAt(row, 1).name.startswith(unit + ", "),
          f"row {row}'s result is read as {table.getAccessibleAt(row, 1).name!r}")

def result(unit):
    for row in range(table.nRows):
        if table.getRowDescription(row) == unit:
            return table.getAccessibleAt(row, 1).name.split(", ", 1)[-1]
    return None


# Feet and inches typed as people write them, with Foot found by the search.
keys("ctrl+f")
type_text("Foot (ft)")
keys("Return")
type_text("5 ft 3 in")
check(result("Centimeter (cm)") == "160.02", f"5 ft 3 in is {result('Centimeter (cm)')!r} cm")

# The program's own copy of a result, grouped, pastes back into the value box.
keys("ctrl+a")
type_text("12345")
keys("Tab")
keys("shift+F10")
keys("Down", "Return")
copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                        text=True).stdout
keys("shift+Tab")
keys("ctrl+a", "ctrl+v")
check(copied == "3,762.756" and result("Foot (ft)") == copied,
      f"pasting the copied {copied!r} gave {result('Foot (ft)')!r} ft")

# Find psi by typing; Enter lands on Pressure / psi.
keys("ctrl+f")
type_text("psi")
keys("Return")
names = [c.name for c in find(window, "combo box")]
check("Pressure" in names and any("(psi)" in n for n in names),
      f"the search for psi selected {names}")

# Shift+F10 on the table opens the copy menu on the current cell (a window more on the
# screen), Esc closes it; Down and Return then copy the cell.
def visible_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", sys.argv[2]],
                           capture_output=True, text=True).stdout
    return len(found.split())


keys("Tab")
before = visible_windows()
keys("shift+F10")
check(visible_windows() == before + 1, "Shift+F10 on the table opened no menu")
keys("Escape")
check(visible_windows() == before, "Esc left the menu open")
keys("shift+F10")
keys("Down", "Return")
copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                        text=True).stdout
check(copied == table.getAccessibleAt(0, 1).name.split(", ", 1)[1],
      f"the menu copied {copied!r} from the first row")

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
