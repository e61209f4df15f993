# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads a CSV file as a spreadsheet would, with Python's csv module, for the CSV tests.

Prints "bom" or "no-bom", then one line per row: "row:" and the row's fields, each as the hex
of its UTF-8 bytes, separated by commas. Usage: read_csv.py FILE
"""

import csv
import io
import sys

raw = open(sys.argv[1], "rb").read()
print("bom" if raw.startswith(b"\xef\xbb\xbf") else "no-bom")
text = raw.decode("utf-8-sig")
for row in csv.reader(io.StringIO(text, newline=""), strict=True):
    print("row:" + ",".join(field.encode("utf-8").hex() for field in row))
