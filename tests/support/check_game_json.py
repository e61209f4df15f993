#!/usr/bin/python3
# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks a game.json as a reader outside the program would: it validates against the schema,
and its plays add up to its lines. Every counted play of ours adds its "adds" to its player's
line, its quarter's line and the totals; the opponent's counted plays give each period's points
(a "set" play gives its figure, the points after it add) and the final score.

Usage: check_game_json.py SCHEMA GAME_JSON; exit status 0 when it holds, 1 with the reasons."""
import json
import sys

import jsonschema


def main(schema_path, game_path):
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    with open(game_path, encoding="utf-8") as f:
        game = json.load(f)
    problems = [e.message for e in jsonschema.Draft202012Validator(schema).iter_errors(game)]
    if problems:
        return problems

    counts = [c for c in game["columns"] if not c.endswith("%")]
    lines = {("player", p["button"]): p["box"] for p in game["players"]}
    lines.update({("quarter", q["line"]): q["box"] for q in game["quarters"]})
    lines[("totals", None)] = game["totals"]
    recount = {key: {c: 0 for c in counts} for key in lines}
    theirs = {}
    for play in game["plays"]:
        if not play["counted"]:
            continue
        if play["side"] == "us":
            for key in (("player", play["button"]), ("quarter", play["line"]), ("totals", None)):
                for column, amount in play["adds"].items():
                    recount[key][column] += amount
        elif play["code"] == "set":
            theirs[play["line"]] = play["figure"]
        else:
            theirs[play["line"]] = theirs.get(play["line"], 0) + play["points"]
    for key, box in lines.items():
        for column in counts:
            if box[column] != recount[key][column]:
                problems.append("%s %s: %s %s, the plays give %s"
                                % (key[0], key[1], column, box[column], recount[key][column]))
    for period in game["score"]["periods"]:
        if period["them"] != theirs.get(period["line"], 0):
            problems.append("%s: the opponent has %s, the plays give %s"
                            % (period["name"], period["them"], theirs.get(period["line"], 0)))
    if game["score"]["them"] != sum(theirs.values()):
        problems.append("final: the opponent has %s, the plays give %s"
                        % (game["score"]["them"], sum(theirs.values())))
    if game["score"]["us"] != game["totals"]["PTS"]:
        problems.append("final: we have %s, the totals %s"
                        % (game["score"]["us"], game["totals"]["PTS"]))
    return problems


if __name__ == "__main__":
    found = main(sys.argv[1], sys.argv[2])
    for problem in found:
        print(problem)
    sys.exit(1 if found else 0)
