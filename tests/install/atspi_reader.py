# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a screen reader finds in the running program, asked through AT-SPI and waited for up to
# a limit: python3 atspi_reader.py LIMIT CHECK ARGS...
#   box TITLE TEXT...  the shown box TITLE says each TEXT  item NAME  an open menu shows NAME
#   news PATTERN       the strip's news reads PATTERN      game PATTERN  the strip's game line
#   note N TEXT        play N's note in the Plays window
import re, sys, time
import pyatspi

def windows():
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "tallivant"]
    return [w for a in apps[:1] for w in a if w and w.getState().contains(pyatspi.STATE_SHOWING)]

def walk(acc):
    # Past the sheet's hundreds of fields: asked one by one over D-Bus they take seconds, and no
    # box, menu, strip or table is among them.
    yield acc
    if acc.childCount <= 40:
        for child in acc:
            yield from walk(child) if child else ()

def texts(acc):
    text = "Text" in pyatspi.listInterfaces(acc)
    return [acc.name] + ([acc.queryText().getText(0, -1)] if text else [])

def box(title, *wanted):
    said = [[t for a in walk(w) for t in texts(a)] for w in windows() if w.name == title]
    return bool(said) and all(any(x in t for t in said[0]) for x in wanted), f"{title}: {said}"

def item(name):
    return any(a.name == name and a.getRole() == pyatspi.ROLE_MENU_ITEM
               for w in windows() for a in walk(w)), f"no menu item {name!r}"

def news(pattern):
    said = [a.name for w in windows() if w.name == "Tallivant" for a in walk(w)
            if a.description == "News"]
    return any(re.fullmatch(pattern, n) for n in said), f"the news reads {said}"

def game(pattern):
    said = [a.name for w in windows() if w.name == "Tallivant" for a in walk(w)
            if a.description == "Game"]
    return any(re.fullmatch(pattern, n) for n in said), f"the strip's game reads {said}"

def note(number, text):
    tables = [a.queryTable() for w in windows() if w.name == "Plays" for a in walk(w)
              if a.getRole() == pyatspi.ROLE_TABLE]
    notes = [t.getAccessibleAt(r, 5).name for t in tables for r in range(t.nRows)
             if t.getAccessibleAt(r, 0).name == number]
    return notes == [text], f"play {number}'s notes {notes}"

limit, check, args = float(sys.argv[1]), globals()[sys.argv[2]], sys.argv[3:]
deadline = time.monotonic() + limit
while True:
    try:
        done, seen = check(*args)
    except Exception as e:  # a window that closes while it is read
        done, seen = False, repr(e)
    if done or time.monotonic() > deadline:
        print(f"after {limit:.0f} s, {seen}")
        sys.exit(0 if done else 1)
    time.sleep(0.05)
