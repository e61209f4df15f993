#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs `reuse lint` on the source tree: every file carries an SPDX copyright and licence header,
# or is listed in .reuse/dep5, and every licence named has its text in LICENSES/. The files that
# lack one are named in reuse's report; tools/license-headers.sh gives them the project's header.
#
# Usage: reuse_lint.sh <source dir>
set -euo pipefail

root=$1
command -v reuse >/dev/null || { echo "FAILED: reuse is missing (tools/deps.sh installs it)" >&2; exit 1; }
# Outside a git checkout reuse would read every file there, build folders and all.
if ! git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "SKIPPED: $root is not a git checkout, and reuse lint needs one to know the project's files"
    exit 77
fi
if ! reuse --root "$root" lint; then
    echo "FAILED: not every file names its copyright and licence; tools/license-headers.sh adds" \
        "the project's header where one is missing" >&2
    exit 1
fi
