#!/usr/bin/python3
# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every text of the sources has a finished translation in every language's .ts file.

Usage: check_translations.py LUPDATE SOURCE_DIR TS_FILE...

The words are read from the sources afresh with lupdate into a scratch file, so that a text
added to the code and not yet translated fails here. Each translation must also keep the
source's markers (%1, %2 ...) and its Alt-letter: the letter after "&" in the English text is
the same letter in every language, marked in the word or written after it as "(&L)".
"""

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def entries(ts_file):
    """(context, source) -> (translation text, type) of one .ts file."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None:
                found[(name, source)] = ("", "unfinished")
                continue
            found[(name, source)] = (translation.text or "", translation.get("type", ""))
    return found


def mnemonic(text):
    """The letter after a single "&", lowercased, or None."""
    match = re.search(r"(?<!&)&([^&\s])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def markers(text):
    return sorted(set(re.findall(r"%\d+", text)))


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    files = [os.path.join(root, name) for root, _, names in os.walk(sources)
             for name in names if name.endswith((".cpp", ".h"))]
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", *sorted(files), "-ts", fresh],
                       check=True)
        wanted = entries(fresh)
    if len(wanted) < 100:
        print(f"only {len(wanted)} texts found in {sources}: are the sources marked?")
        return 1
    faults = []
    for ts_file in ts_files:
        language = os.path.basename(ts_file)
        have = entries(ts_file)
        for key, _ in wanted.items():
            context, source = key
            if key not in have:
                faults.append(f"{language}: not in the file (run update_translations): {context} / {source!r}")
                continue
            text, kind = have[key]
            if kind or not text.strip():
                faults.append(f"{language}: unfinished: {context} / {source!r}")
                continue
            if markers(text) != markers(source):
                faults.append(f"{language}: markers {markers(text)} for {markers(source)}: {context} / {source!r} -> {text!r}")
            if mnemonic(text) != mnemonic(source):
                faults.append(f"{language}: Alt-letter {mnemonic(text)!r} for {mnemonic(source)!r}: {context} / {source!r} -> {text!r}")
        for key in have:
            if key not in wanted:
                faults.append(f"{language}: no longer in the sources (run update_translations): {key[0]} / {key[1]!r}")
    for fault in faults:
        print(fault)
    print(f"{len(wanted)} texts, {len(ts_files)} languages, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
