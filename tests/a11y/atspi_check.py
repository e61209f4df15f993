# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads the running Tallivant window as a screen reader does, through AT-SPI: the controls'
names and roles, the fields' values and foul-trouble description, a message box's text, the
fields one stat writes, and the path of the Tab key; then the Plays window: its table row by
row and cell by cell, the play heard as the table gets the focus, and its Tab path."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

STATS = ["Field goal made", "Field goal missed", "Free throw made", "Free throw missed",
         "Three-pointer made", "Three-pointer missed", "Assist", "Rebound", "Turnover",
         "Steal", "Block", "Personal foul", "Technical foul"]
PANEL = ["Takeback", "First quarter", "Start or stop the timeout clock",
         "Reset the timeout clock to one minute", "Full timeout 1 used", "Full timeout 2 used",
         "Full timeout 3 used", "20-second timeout 1 used", "20-second timeout 2 used",
         "Our team has possession"]
PLAYERS = [name for n in range(1, 13) for name in (f"Player {n} on the floor", f"Player {n}")]
TAB_PATH = STATS + PANEL + PLAYERS

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    print("FAIL: timed out waiting for", what, flush=True)
    sys.exit(1)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for a in desktop:
        if a is not None and a.name.lower() == "tallivant":
            return a
    return None


def descendants(acc):
    out = []
    for child in acc:
        if child is not None:
            out.append(child)
            out.extend(descendants(child))
    return out


def main_window(application):
    for w in application:
        if w is not None and w.name == "Tallivant" and w.childCount > 0:
            return w
    return None


def controls(window):
    by_name = {}
    for acc in descendants(window):
        if acc.name:
            by_name.setdefault(acc.name, acc)
    return by_name


def value(acc):
    return acc.queryText().getText(0, -1)


def xdotool(*args, what):
    # Every step has a limit of its own and says what it was for when it fails.
    try:
        done = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=10)
    except subprocess.TimeoutExpired:
        print(f"FAIL: gave up after 10 s waiting for xdotool to {what}", flush=True)
        sys.exit(1)
    if done.returncode != 0:
        print(f"FAIL: xdotool could not {what}: {done.stderr.strip()}", flush=True)
        sys.exit(1)
    return done.stdout


def click(acc):
    # A real click: an AT-SPI action runs later, out of order with the keys that follow. The
    # X server takes the move and the click in the order one connection sends them; --sync
    # would wait for the pointer to leave where it was, 15 s when it is already on the spot.
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", "1", what=f"click {acc.name}")


def key(*keys):
    xdotool("key", "--delay", "20", *keys, what=f"press {' '.join(keys)}")


def focused(candidates):
    for name, acc in candidates.items():
        if acc.getState().contains(pyatspi.STATE_FOCUSED):
            return name
    return None


started = time.monotonic()
application = wait_for(app, "the program on the AT-SPI bus")
window = wait_for(lambda: main_window(application), "the main window")
named = wait_for(lambda: (lambda c: c if len(c) > 350 else None)(controls(window)),
                 "the window's controls")

# Every control is there with its name and role.
fields = {n: a for n, a in named.items() if a.getRole() == pyatspi.ROLE_TEXT}
check(len(fields) == 306, f"306 stat fields as text, found {len(fields)}")
for name in STATS + ["Takeback"] + [f"Player {n}" for n in range(1, 13)]:
    check(name in named and named[name].getRole() == pyatspi.ROLE_PUSH_BUTTON,
          f"push button {name}")
for name in [p for p in PLAYERS if "floor" in p] + PANEL[4:9]:
    check(name in named and named[name].getRole() == pyatspi.ROLE_CHECK_BOX, f"check box {name}")
for name in ["First quarter", "Second quarter", "Overtime", "Our team has possession",
             "The opponent has possession"]:
    check(name in named and named[name].getRole() == pyatspi.ROLE_RADIO_BUTTON,
          f"option button {name}")
check(all(value(a) == "0" for a in fields.values()), "every field reads 0 at start")

wid = xdotool("search", "--sync", "--onlyvisible", "--name", "^Tallivant$",
              what="find the window").split()[0]


def to_the_window():
    xdotool("windowfocus", "--sync", wid, what="give the window the focus")


to_the_window()

# A stat changes the values of exactly the fields it writes.
before = {n: value(a) for n, a in fields.items()}
click(named["Player 3"])
key("alt+c")
# The stat writes all its fields in one event: once the total's points show it, all do.
wait_for(lambda: value(fields["Game totals points"]) == "2", "the stat to reach the fields", 10)
after = {n: value(a) for n, a in fields.items()}
changed = {n: after[n] for n in fields if after[n] != before[n]}
expected = {}
for line in ["Player 3", "First quarter", "Game totals"]:
    expected.update({f"{line} field goals made": "1", f"{line} field goals attempted": "1",
                     f"{line} field goal percentage": "100.00%", f"{line} points": "2"})
check(changed == expected, f"a made field goal writes {sorted(expected)}, wrote {changed}")

# The foul trouble message box is readable, and so is the field's description.
for _ in range(3):
    click(named["Player 7"])
    key("alt+m")
    time.sleep(0.2)
alert = wait_for(lambda: next((w for w in application if w is not None and
                               w.name == "Foul trouble"), None), "the foul trouble box")
texts = [a.name for a in descendants(alert)] + [
    value(a) for a in descendants(alert) if "Text" in pyatspi.listInterfaces(a)]
check(any("The player has 3" in t for t in texts), f"the box says its text: {texts}")
# A key reaches the box once the box has the keyboard; one sent before goes to the window
# behind it, which a modal box blocks.
wait_for(lambda: alert.getState().contains(pyatspi.STATE_ACTIVE), "the box to have the keyboard",
         10)
key("Return")
wait_for(lambda: all(w is None or w.name != "Foul trouble" for w in application),
         "the box to close")
fouls = fields["Player 7 personal fouls"]
check(value(fouls) == "3", "player 7 has 3 fouls")
check(fouls.description == "Foul trouble", f"foul trouble said: {fouls.description!r}")

# The Tab key walks the controls round in order; no field is on the way.
to_the_window()
candidates = {n: named[n] for n in TAB_PATH + ["Second quarter", "Overtime"]}
for _ in range(60):
    if focused(candidates) == "Field goal made":
        break
    key("Tab")
path = ["Field goal made"]
for _ in range(len(TAB_PATH)):
    key("Tab")
    path.append(wait_for(lambda: focused(candidates), "a focused control", 5))
check(path == TAB_PATH + ["Field goal made"], f"Tab path {path}")

# The Plays window, opened with its menu's letter: a table a screen reader reads row by row and
# cell by cell, whose play is heard as soon as the table has the focus.
heard = []


def on_focus(event):
    if event.detail1:
        heard.append(event.source)


def pump(done, seconds):
    # Events reach the listener only while the main context runs.
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while not done() and time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def pump_until(done, seconds=10):
    # The events come when the program sends them, however busy the machine: the wait is for
    # the event, within a limit. A moment more shows whether anything else follows it.
    pump(done, seconds)
    pump(lambda: False, 0.3)


def last_heard():
    return [(a.getRole(), a.description) for a in heard][-1:]


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def menu_item(name):
    # The item of an open menu: showing, in the menu's own window or under the menu bar's. The
    # sheet's hundreds of fields are passed over: a menu never has that many children, and
    # asking each of them over D-Bus ten times a second is what made the wait run out on a
    # machine busy with other work.
    todo = [application]
    while todo:
        acc = todo.pop()
        if acc is None:
            continue
        if acc.name == name and acc.getRole() == pyatspi.ROLE_MENU_ITEM and showing(acc):
            return acc
        if acc.childCount <= 40:
            todo.extend(acc)
    return None


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
to_the_window()
key("alt+y")
# Return goes to the menu once it is open, however long the machine takes to open it.
wait_for(lambda: menu_item("Show plays"), "the Plays menu to open", 10)
key("Return")
plays = wait_for(lambda: next((w for w in application if w is not None and w.name == "Plays"
                               and showing(w)), None), "the Plays window")
table = wait_for(lambda: next((a for a in descendants(plays)
                               if a.getRole() == pyatspi.ROLE_TABLE), None), "the plays table")
grid = table.queryTable()
check(grid.nRows == 4 and grid.nColumns == 6,
      f"4 plays in 6 columns, found {grid.nRows} x {grid.nColumns}")
titles = [grid.getColumnHeader(c).name for c in range(grid.nColumns)]
check(titles == ["#", "Time", "Quarter", "Player", "Stat", "Note"], f"column titles {titles}")
rows = [[grid.getAccessibleAt(r, c).name for c in range(grid.nColumns)] for r in range(grid.nRows)]
check([r[:1] + r[2:] for r in rows] == [
    ["4", "1st", "#7", "Personal foul", ""], ["3", "1st", "#7", "Personal foul", ""],
    ["2", "1st", "#7", "Personal foul", ""], ["1", "1st", "#3", "Field goal made", ""]],
    f"rows newest first {rows}")
check(all(re.fullmatch(r"\d\d:\d\d:\d\d", r[1]) for r in rows), f"times {rows}")
newest = "Play 4, " + rows[0][1] + ", first quarter, #7, Personal foul"
pump_until(lambda: last_heard() == [(pyatspi.ROLE_TABLE_CELL, newest)])
said = [(a.getRole(), a.description) for a in heard]
check(said[-1:] == [(pyatspi.ROLE_TABLE_CELL, newest)],
      f"the newest play is the last thing heard as the window opens: {said}")

# Tab leaves the table for the buttons that apply (Put back does not: the play counts) and
# comes back round; the play is heard again.
buttons = {a.name: a for a in descendants(plays) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON}
check(sorted(buttons) == ["Close", "Give to", "Put back", "Quarter", "Remove"],
      f"the buttons {sorted(buttons)}")
# The key is said after the button's plain name, not read out within it.
keys = {name: b.description for name, b in buttons.items()}
check(keys == {"Remove": "Del", "Put back": "Ctrl+B", "Give to": "Ctrl+G", "Quarter": "Ctrl+Q",
               "Close": "Esc"}, f"the buttons' keys {keys}")
path = []
for _ in range(4):
    key("Tab")
    last = path[-1] if path else None
    path.append(wait_for(lambda: (lambda f: f if f != last else None)(focused(buttons)),
                         "the next button", 5))
check(path == ["Remove", "Give to", "Quarter", "Close"], f"Plays Tab path {path}")
heard.clear()
key("Tab")
pump_until(lambda: last_heard() == [(pyatspi.ROLE_TABLE_CELL, newest)])
said = [(a.getRole(), a.description) for a in heard]
check(said[-1:] == [(pyatspi.ROLE_TABLE_CELL, newest)], f"the play heard back in the table: {said}")
key("Escape")
wait_for(lambda: not showing(plays), "Escape to close the Plays window")

# The strip under the sheet: the quarter key changes its left part, and a reader hears it as a
# change of the label's name.
renamed = []


def on_rename(event):
    renamed.append((event.source.description, event.source.name))


pyatspi.Registry.registerEventListener(on_rename, "object:property-change:accessible-name")
to_the_window()
key("ctrl+Next")
def heard_second():
    return any(what == "Game" and " \u00b7 Q2 \u00b7 " in name for what, name in renamed)


pump_until(heard_second)
check(heard_second(), f"the strip's quarter heard as it changed: {renamed}")
strip = {a.description: a.name for a in descendants(window) if a.description in ("Game", "News")}
check(" \u00b7 Q2 \u00b7 Team fouls " in strip.get("Game", "") and "News" in strip,
      f"the strip reads {strip}")

# Help|Keys: every key of every window, one table a reader reads row by row. The item is
# chosen through its own AT-SPI action, as a reader's user would: what is checked is the window,
# and nothing is typed after it.
def closed_menu_item(title, name):
    bar = next((a for a in window if a is not None and a.getRole() == pyatspi.ROLE_MENU_BAR), None)
    for menu in bar or []:
        if menu is not None and menu.name == title:
            return next((a for a in descendants(menu)
                         if a.name == name and a.getRole() == pyatspi.ROLE_MENU_ITEM), None)
    return None


keys_item = wait_for(lambda: closed_menu_item("Help", "Keys"), "the Help menu's Keys item", 10)
keys_item.queryAction().doAction(0)
keys_window = wait_for(lambda: next((w for w in application if w is not None and w.name == "Keys"
                                     and showing(w)), None), "the Keys window")
keys_table = wait_for(lambda: next((a for a in descendants(keys_window)
                                    if a.getRole() == pyatspi.ROLE_TABLE), None), "the keys table")
grid = keys_table.queryTable()
titles = [grid.getColumnHeader(c).name for c in range(grid.nColumns)]
check(titles == ["Window", "Key", "What it does"], f"the keys' column titles {titles}")
rows = [[grid.getAccessibleAt(r, c).name for c in range(grid.nColumns)] for r in range(grid.nRows)]
for row in (["Sheet", "Alt+C", "Field goal made"], ["Sheet", "Ctrl+PgDown", "Next quarter"],
            ["Plays", "Del", "Remove: the selected plays leave the totals"]):
    check(row in rows, f"the Keys window lists {row}")
check([r[0] for r in rows] == sorted((r[0] for r in rows), key=["Sheet", "Plays",
      "Season totals", "Keys"].index), f"the keys grouped by window {[r[0] for r in rows]}")
key("Escape")
wait_for(lambda: not showing(keys_window), "Escape to close the Keys window")

print(f"checked in {time.monotonic() - started:.1f} s", flush=True)
if failures:
    print(f"{len(failures)} failed", flush=True)
    sys.exit(1)
print("AT-SPI checks passed", flush=True)
