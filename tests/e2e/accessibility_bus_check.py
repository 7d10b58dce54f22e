#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Reads the running Gridora window through the desktop's accessibility bus
# (AT-SPI, as a screen reader does) and checks what it says:
#  - one table of 81 named cells (the hidden 16 x 16 board not in the tree);
#  - a given, an empty cell and a solver digit named by row, column, digit
#    and kind;
#  - every toolbar and launcher button named;
#  - the arrow keys move the focus to the named cells (focus events);
#  - a status text is announced by a notification;
#  - a game: a puzzle made by 問題を作る-9 is played (play mode starts by
#    itself); its givens, a digit of the player and a cell with the
#    player's notes are named and described as such, and the changes come
#    as events.
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


# --- A game ------------------------------------------------------------------


def visible_window(pattern):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def wait_window(pattern, seconds=30):
    for _ in range(seconds * 10):
        window = visible_window(pattern)
        if window:
            return window
        time.sleep(0.1)
    return None


def xkeys(*names, window=None, repeat=1):
    command = ["xdotool"]
    if window:
        command += ["windowfocus", "--sync", window]
    command += ["key", "--clearmodifiers", "--delay", "30", "--repeat", str(repeat), *names]
    subprocess.run(command, check=True)
    time.sleep(0.3)


def run_in_loop(steps):
    """Runs each step in turn with the event loop turning, so that the
    events they cause are heard; then a second for the last ones."""
    loop = GLib.MainLoop()

    def step(index):
        if index < len(steps):
            steps[index]()
            GLib.timeout_add(200, step, index + 1)
        else:
            GLib.timeout_add(1000, loop.quit)
        return False

    GLib.timeout_add(100, step, 0)
    GLib.timeout_add(60000, loop.quit)
    loop.run()


def fresh(node):
    node.clearCache()
    return node


changes = []


def on_change(event):
    # The cell as it is once changed (Qt sends the object, not the text).
    if event.source is not None and event.source.getRole() == pyatspi.ROLE_TABLE_CELL:
        changes.append((event.type, event.source.name, event.source.description))


for kind in ("object:property-change:accessible-name",
             "object:property-change:accessible-description"):
    pyatspi.Registry.registerEventListener(on_change, kind)


def generate():
    # ツール > 問題を作る-9, the dialog's defaults; the changed puzzle is not saved.
    xkeys("alt+t")
    xkeys("n")
    dialog = wait_window("^問題を作る")
    check(dialog is not None, "no 問題を作る dialog")
    if dialog:
        xkeys("Return", window=dialog)
    for _ in range(300):
        ask = visible_window("^セーブ確認$")
        if ask:
            xkeys("n", window=ask)
        elif not visible_window("^問題を作る"):
            break
        time.sleep(0.1)
    time.sleep(1)


run_in_loop([generate])
main = wait_window("^Gridora$")


def new_puzzle_shown(names):
    givens = sum(name.endswith(" 問題の数字") for name in names)
    return givens >= 17 and all(name.endswith((" 問題の数字", " 空き")) for name in names)


# The dialog closes before the puzzle is made when the stock is empty (a slow
# build may take many seconds); wait for the board to show it.
for _ in range(240):
    names = [fresh(table.getChildAtIndex(i)).name for i in range(81)]
    if new_puzzle_shown(names):
        break
    time.sleep(0.5)
givens = [i for i, name in enumerate(names) if name.endswith(" 問題の数字")]
board = [int(name.split()[1]) if i in givens else 0 for i, name in enumerate(names)]
check(len(givens) >= 17 and all(names[i].endswith(" 空き") for i in range(81)
                                if i not in givens),
      f"a new puzzle of givens and empty cells: {names}")


def free_digits(cell):
    r, c = divmod(cell, 9)
    seen = {board[j] for j in range(81)
            if j // 9 == r or j % 9 == c or (j // 27, j % 9 // 3) == (r // 3, c // 3)}
    return [d for d in range(1, 10) if d not in seen]


empty = [i for i in range(81) if board[i] == 0]
mine = empty[0]  # the player's digit; the cursor starts at cell 0
digit = free_digits(mine)[0]
noted = empty[-1]  # notes 1 and 2


def name_of(cell, words, d=None):
    r, c = divmod(cell, 9)
    return f"{r + 1}行{c + 1}列 " + (f"{d} " if d else "") + words


changes.clear()
run_in_loop([
    lambda: xkeys("Right", window=main, repeat=mine) if mine else None,
    lambda: xkeys(str(digit), window=main),  # the cursor moves on
    lambda: xkeys("Right", window=main, repeat=noted - mine - 1) if noted > mine + 1 else None,
    lambda: xkeys("F4", "1", "2", "F4", window=main),  # notes: the cursor stays
])
cells = [fresh(table.getChildAtIndex(i)) for i in range(81)]
given = givens[0]
check(cells[given].name == name_of(given, "問題の数字", board[given]),
      f"given {given} named {cells[given].name!r}")
check(sum(c.name.endswith(" 問題の数字") for c in cells) == len(givens),
      "the givens alone are named the puzzle's")
check(cells[mine].name == name_of(mine, "入力した数字", digit),
      f"the player's digit named {cells[mine].name!r}, expected "
      f"{name_of(mine, '入力した数字', digit)!r}")
check(cells[noted].name == name_of(noted, "空き"), f"the noted cell named {cells[noted].name!r}")
check(cells[noted].description == "メモ：1 2",
      f"the noted cell described {cells[noted].description!r}")
check(("object:property-change:accessible-name", name_of(mine, "入力した数字", digit), "")
      in changes, f"no name change heard for the player's digit: {changes}")
check(("object:property-change:accessible-description", name_of(noted, "空き"), "メモ：1 2")
      in changes, f"no description change heard for the notes: {changes}")

if failures:
    sys.exit(1)
print("accessibility bus: all checks passed")
