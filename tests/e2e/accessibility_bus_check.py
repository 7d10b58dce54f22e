#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads the running Gridora window through the desktop's accessibility bus
# (AT-SPI, as a screen reader does) and checks what it says:
#  - one table of 81 named cells (the hidden 16 x 16 board not in the tree);
#  - a given, an empty cell and a solver digit named by row, column, digit
#    and kind;
#  - every toolbar and launcher button named;
#  - the arrow keys move the focus to the named cells (focus events);
#  - a status text is announced by a notification.
# Keys are sent with xdotool; the program is in keypad mode and solved.
#   accessibility_bus_check.py
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message, file=sys.stderr)


def find_app():
    names = []
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        names = [app.name for app in desktop if app is not None]
        for app in desktop:
            if app is not None and app.name == "Gridora":
                return app
        time.sleep(0.1)
    print("applications on the bus:", names, file=sys.stderr)
    return None


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def state_of(node, state):
    return node.getState().contains(state)


app = find_app()
if app is None:
    print("FAIL: no application named Gridora on the accessibility bus", file=sys.stderr)
    sys.exit(1)

nodes = list(walk(app))
tables = [n for n in nodes if n.getRole() == pyatspi.ROLE_TABLE]
check(len(tables) == 1, f"one table expected, found {len(tables)}")
table = tables[0]
check(table.name == "盤面 9×9", f"table named {table.name!r}")
check(table.childCount == 81, f"81 cells expected, found {table.childCount}")
itable = table.queryTable()
check(itable.nRows == 9 and itable.nColumns == 9, "a table of 9 rows and 9 columns")
cells = [table.getChildAtIndex(i) for i in range(table.childCount)]
check(all(c.getRole() == pyatspi.ROLE_TABLE_CELL for c in cells), "every child a table cell")
check(itable.getAccessibleAt(4, 7).name.startswith("5行8列"), "cellAt(4, 7) is row 5, column 8")
expected = {
    0: "1行1列 5 問題の数字",  # a given of the puzzle
    2: "1行3列 空き",  # erased after the solve
    3: "1行4列 6 解答の数字",  # the solver's digit
}
for cell, name in expected.items():
    check(cells[cell].name == name, f"cell {cell} named {cells[cell].name!r}, expected {name!r}")
check(len({c.name for c in cells}) == 81, "every cell has a name of its own")

buttons = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
toolbars = [n for n in nodes if n.getRole() == pyatspi.ROLE_TOOL_BAR]
check(len(toolbars) == 1 and toolbars[0].childCount == 11, "one tool bar of eleven buttons")
tool_names = [b.name for b in toolbars[0]] if toolbars else []
check(tool_names[:3] == ["新規作成-9", "新規作成-16", "開く"], f"toolbar names {tool_names}")
check(all(tool_names) and len(set(tool_names)) == 11, f"toolbar names {tool_names}")
check(toolbars and toolbars[0][0].description == "新規作成-9：　新しいナンプレを作ります (9x9)",
      "toolbar button described by its status tip")
launcher = [b for b in buttons
            if b.name.startswith(("メモリ", "解")) and b.parent.getRole() != pyatspi.ROLE_TOOL_BAR]
check(len(launcher) == 27, f"27 launcher buttons named, found {len(launcher)}")
check(any(b.name == "メモリ no. 1 に現在のナンプレデータを保存" for b in launcher),
      "launcher button 0 named by its tip")
unnamed = [b for b in buttons if not b.name]
check(not unnamed, f"{len(unnamed)} unnamed buttons")

# The arrow keys move the keypad cursor; the focus follows it.
focused = []
announced = []


def on_focus(event):
    if event.detail1 == 1 and event.source is not None:
        focused.append(event.source.name)


def on_showing(event):
    if event.detail1 == 1 and event.source is not None and \
            event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        announced.append(event.source.name)


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
keys = ["Right", "Right", "Down", "Left", "Up"]
# The cursor stands at cell 3 (the erase moved it on).
wanted = ["1行5列 7 問題の数字", "1行6列 8 解答の数字", "2行6列 5 問題の数字",
          "2行5列 9 問題の数字", "1行5列 7 問題の数字"]
loop = GLib.MainLoop()


def press(index):
    if index < len(keys):
        subprocess.run(["xdotool", "key", "--clearmodifiers", keys[index]], check=True)
        GLib.timeout_add(400, press, index + 1)
    elif index == len(keys):
        # A status text: the hint of the input mode, under the pointer on a cell.
        x, y = cells[40].queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + 5), str(y + 5)], check=True)
        GLib.timeout_add(1000, loop.quit)
    return False


GLib.timeout_add(300, press, 0)
GLib.timeout_add(20000, loop.quit)
loop.run()
pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.deregisterEventListener(on_showing, "object:state-changed:showing")

check(focused[-len(wanted):] == wanted, f"focus events {focused}, expected to end {wanted}")
check(focused and all(name in wanted for name in focused[-len(wanted):]), "focus on named cells")
focus_now = [c.name for c in cells if state_of(c, pyatspi.STATE_FOCUSED)]
check(focus_now == ["1行5列 7 問題の数字"], f"focused cells now {focus_now}")
hint = "[テンキー入力]  左:カーソル移動 右:数字消去"
check(hint in announced, f"status announced: {announced}")

if failures:
    sys.exit(1)
print("accessibility bus: all checks passed")
