#!/usr/bin/python3

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The live page in a real browser (headless chromium, 360 px wide, driven over the DevTools
protocol) served by a real web server: it shows the game, follows game.json replaced as the
program replaces it without a reload and without moving the reader, keeps what it shows when
game.json is no game, shows hostile names as text, fits a phone, and opened as a file shows
the game it carries and reloads itself.

Usage: live_page_test.py WRITER GAMES SCHEMA. WRITER turns a game.json into index.html; GAMES
holds before.json and after.json (the same game one play later). With TALLIVANT_LIVE_PAGE_PNG
set, a screenshot of the page goes there."""

import base64
import json
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CHROMIUM = "/usr/bin/chromium"
WAIT = 20  # seconds for the page to change; the machine may be busy
START = 60  # seconds for chromium to start


def fail(message):
    raise AssertionError(message)


class Page:
    """One tab, over the browser's one DevTools websocket."""

    def __init__(self, connect, socket_url):
        self.ws = connect(socket_url, timeout=WAIT)
        self.last_id = 0
        self.session = None
        self.exceptions = []
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        attached = self.call("Target.attachToTarget", targetId=target, flatten=True)
        self.session = attached["sessionId"]
        # Headless chromium keeps a window at least 500 px wide; the tab is made a phone's.
        self.call("Emulation.setDeviceMetricsOverride", width=360, height=800, deviceScaleFactor=2,
                  mobile=True)
        self.call("Runtime.enable")
        self.call("Page.enable")
        # Installed before any page script runs; DevTools' own scripts are outside the policy.
        self.call("Page.addScriptToEvaluateOnNewDocument", source=(
            "window.violations = [];"
            "document.addEventListener('securitypolicyviolation', function (e) {"
            "  window.violations.push(e.violatedDirective + ' ' + e.blockedURI); });"))

    def call(self, method, **params):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        self.ws.send(json.dumps(message))
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            self.ws.settimeout(max(0.1, deadline - time.monotonic()))
            reply = json.loads(self.ws.recv())
            if reply.get("method") == "Runtime.exceptionThrown":
                self.exceptions.append(reply["params"]["exceptionDetails"])
            if reply.get("id") == self.last_id:
                if "error" in reply:
                    fail(f"{method}: {reply['error']}")
                return reply["result"]
        fail(f"{method}: no answer in {WAIT} s")

    def eval(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        if "exceptionDetails" in result:
            fail(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait(self, expression, expected, what, seconds=WAIT):
        deadline = time.monotonic() + seconds
        while True:
            try:
                value = self.eval(expression)
            except AssertionError as error:  # between two documents, during a reload
                value = error
            if value == expected:
                return
            if time.monotonic() > deadline:
                fail(f"{what}: after {seconds} s {expression} is {value!r}, not {expected!r}")
            time.sleep(0.2)


# What the page shows, read from its DOM.
TITLE = "document.title"
STATE = "document.getElementById('updated').textContent"
NEWEST = ("Array.from(document.querySelectorAll('#plays tbody tr:first-child td'))"
          ".map(function (td) { return td.textContent; })")
BOX = ("Array.from(document.querySelectorAll('#box tbody tr, #box tfoot tr')).map(function (tr) {"
       " return [tr.className].concat(Array.from(tr.cells).map(function (c) {"
       " return c.textContent; })); })")


def shown(number, percent):
    if number is None:
        return ""
    return f"{number:.2f}" if percent else str(number)


def expected_page(game):
    """The title, the newest play's cells and the box score's rows the page should show."""
    sides, score = game["sides"], game["score"]
    title = f"{sides['us']} {score['us']} : {score['them']} {sides['them']}"
    play = game["plays"][-1]
    newest = [play["time"], play["period"], play.get("name", sides["them"]),
              play["what"] + play["note"]]
    box = []
    for player in game["players"]:
        line = [shown(player["box"][c], c.endswith("%")) for c in game["columns"]]
        if player["name"] or any(v not in (0, None, "") for v in player["box"].values()):
            name = player["name"] + (" (out)" if player["fouledOut"] else "")
            box.append(["out" if player["fouledOut"] else "", name] + line)
    totals = [shown(game["totals"][c], c.endswith("%")) for c in game["columns"]]
    box.append(["", "Totals"] + totals)
    return title, newest, box


def publish(writer, folder, game_text):
    """game.json replaced as the program replaces it, and index.html from the same game."""
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "game.json.tmp"), "w", encoding="utf-8") as f:
        f.write(game_text)
    os.replace(os.path.join(folder, "game.json.tmp"), os.path.join(folder, "game.json"))
    if writer:
        subprocess.run([writer, os.path.join(folder, "game.json"),
                        os.path.join(folder, "index.html")], check=True, timeout=WAIT)


def check_shows(page, game, what, wait=WAIT):
    title, newest, box = expected_page(game)
    page.wait(TITLE, title, what + ": the score", wait)
    page.wait(NEWEST, newest, what + ": the newest play")
    page.wait(BOX, box, what + ": the box score")


def check_fits_a_phone(page, what):
    widths = page.eval("var s = document.getElementById('score');"
                       "[window.innerWidth, s.scrollWidth <= s.clientWidth,"
                       " document.documentElement.scrollWidth]")
    if widths[0] != 360 or not widths[1] or widths[2] > 360:
        fail(f"{what}: [window width, score fits, page width] are {widths}")


def check_safe(page, what):
    found = page.eval("[typeof window.pwned, document.images.length, document.scripts.length,"
                      " window.violations]")
    if found != ["undefined", 0, 2, []] or page.exceptions:
        fail(f"{what}: [pwned, images, scripts, CSP violations] are {found}; exceptions "
             f"{page.exceptions}")


def run(page, validator, writer, site, port, games):
    before, after = games
    base = f"http://127.0.0.1:{port}"
    publish(writer, site, json.dumps(before))
    page.call("Page.navigate", url=base + "/index.html")
    check_shows(page, before, "first load")
    page.wait("getComputedStyle(document.querySelector('#plays tr.void td')).textDecorationLine",
              "line-through", "a play taken back")
    check_fits_a_phone(page, "first load")
    check_safe(page, "first load")
    if os.environ.get("TALLIVANT_LIVE_PAGE_PNG"):
        shot = page.call("Page.captureScreenshot", format="png")["data"]
        with open(os.environ["TALLIVANT_LIVE_PAGE_PNG"], "wb") as f:
            f.write(base64.b64decode(shot))

    # The reader has scrolled the page and the box score; the next game.json moves neither.
    page.eval("window.marker = 'kept'; window.scrollTo(0, 400);"
              "document.getElementById('box').parentElement.scrollLeft = 100")
    where = ("[window.marker, window.scrollY,"
             " document.getElementById('box').parentElement.scrollLeft]")
    page.wait(where, ["kept", 400, 100], "scrolled before the update")
    publish(None, site, json.dumps(after))
    check_shows(page, after, "after one more play")
    page.wait(where, ["kept", 400, 100], "no reload, the same place after the update")

    # A game.json that is no game (cut short, or of another version) changes nothing shown.
    updated = after["updated"][11:19]
    other = dict(after, version=2, score=dict(after["score"], us=99))
    for bad in ["{\"format\": \"tallivant-game\", \"vers", json.dumps(other)]:
        publish(None, site, bad)
        page.wait(STATE, "Not updated since " + updated, "a game.json that is no game")
        check_shows(page, after, "after a game.json that is no game")
        publish(None, site, json.dumps(after))
        page.wait(STATE, "Updated " + updated, "game.json whole again")
    page.wait("window.marker", "kept", "no reload at all")
    check_safe(page, "updates")

    # Names a careless page would run: texts here, and the page runs nothing of them.
    hostile = ["<img src=x onerror=\"window.pwned=1\">", "</script><script>window.pwned=2</script>",
               "\"'&amp;"]
    game = json.loads(json.dumps(before))
    game["sides"]["us"] = game["details"]["team"] = "Eagles <!--<script>"
    game["sides"]["them"] = game["details"]["opponent"] = "W" * 40
    for player, name in zip(game["players"], hostile):
        player["name"] = name
    for play in game["plays"]:
        if play["side"] == "us" and play["button"] <= len(hostile):
            play["name"] = hostile[play["button"] - 1]
    validator.validate(game)
    publish(writer, os.path.join(site, "hostile"), json.dumps(game))
    page.call("Page.navigate", url=base + "/hostile/index.html")
    check_shows(page, game, "hostile names")
    check_fits_a_phone(page, "hostile names")
    check_safe(page, "hostile names")

    # In the reader's language: the words block the program writes for a German scorer turns
    # the game's English texts into German, a play's note part by part and a figure set.
    words = {"taken back": "zur\u00fcckgenommen", "from %1": "zuvor %1", "%1, %2": "%1; %2",
             "2nd": "2. Viertel", "Points set to %1": "Punkte auf %1 gesetzt"}
    game = json.loads(json.dumps(before))
    game["plays"][-1].update(what="Points set to 14", note="taken back, from 4 Ann Lee, from 2nd")
    publish(writer, os.path.join(site, "words"), json.dumps(game))
    index = os.path.join(site, "words", "index.html")
    with open(index, encoding="utf-8") as f:
        html = f.read()
    block = ('<script type="application/json" id="words">'
             + json.dumps(words).replace("<", "\\u003c") + "</script>")
    with open(index, "w", encoding="utf-8") as f:
        f.write(html.replace("<script", block + "<script", 1))
    page.call("Page.navigate", url=base + "/words/index.html")
    newest = expected_page(game)[1]
    newest[3] = ("Punkte auf 14 gesetzt"
                 "zur\u00fcckgenommen; zuvor 4 Ann Lee; zuvor 2. Viertel")
    page.wait(NEWEST, newest, "a note and a figure in the reader's words")

    # Opened as a file, offline: the game it carries, and every 15 s the file as it is then.
    page.call("Page.navigate", url="file://" + os.path.join(site, "index.html"))
    check_shows(page, before, "opened as a file")
    page.eval("window.marker = 'before the reload'")
    publish(writer, site, json.dumps(after))
    check_shows(page, after, "opened as a file, 15 s later", wait=15 + WAIT)
    page.wait("typeof window.marker", "undefined", "reloaded")


def start_server(site):
    server = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "0",
                               "--bind", "127.0.0.1", "--directory", site],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if not select.select([server.stdout], [], [], WAIT)[0]:
        fail("the web server said nothing")
    words = server.stdout.readline().split()  # "Serving HTTP on 127.0.0.1 port 41234 (...) ..."
    if "port" not in words:
        fail(f"the web server said {' '.join(words)!r}")
    return server, int(words[words.index("port") + 1])


def start_chromium(profile):
    browser = subprocess.Popen([CHROMIUM, "--headless=new", "--no-sandbox",
                                "--remote-debugging-port=0", f"--user-data-dir={profile}",
                                "--window-size=360,800",
                                "--no-first-run", "--no-default-browser-check", "about:blank"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    deadline = time.monotonic() + START
    active = os.path.join(profile, "DevToolsActivePort")
    while time.monotonic() < deadline:
        if os.path.exists(active):
            lines = open(active, encoding="ascii").read().split("\n")
            if len(lines) >= 2 and lines[1]:
                return browser, f"ws://127.0.0.1:{lines[0]}{lines[1]}"
        if browser.poll() is not None:
            fail(f"chromium ended with {browser.returncode}")
        time.sleep(0.2)
    fail(f"chromium gave no DevTools port in {START} s")


def stop(process, group=False):
    if process is None or process.poll() is not None:
        return
    if group:
        os.killpg(process.pid, signal.SIGKILL)
    else:
        process.kill()
    process.wait(timeout=WAIT)


def main():
    writer, games, schema = sys.argv[1:4]
    if not os.path.exists(CHROMIUM):
        print(f"SKIPPED: {CHROMIUM} is missing (tools/deps.sh installs it)")
        sys.exit(1 if os.environ.get("CI") else 77)
    import jsonschema  # Debian's python3-jsonschema and python3-websocket
    import websocket
    with open(schema, encoding="utf-8") as f:
        validator = jsonschema.Draft202012Validator(json.load(f))
    fixtures = []
    for name in ("before.json", "after.json"):
        with open(os.path.join(games, name), encoding="utf-8") as f:
            fixtures.append(json.load(f))
        validator.validate(fixtures[-1])

    folder = tempfile.mkdtemp(prefix="tallivant-live-")
    server = browser = page = None
    try:
        site = os.path.join(folder, "site")
        os.makedirs(site)
        server, port = start_server(site)
        browser, socket_url = start_chromium(os.path.join(folder, "profile"))
        page = Page(websocket.create_connection, socket_url)
        run(page, validator, writer, site, port, fixtures)
    except AssertionError as error:
        print(f"FAILED: {error}")
        return 1
    finally:
        if page:
            page.ws.close()
        stop(browser, group=True)
        stop(server)
        shutil.rmtree(folder, ignore_errors=True)
    print("PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
