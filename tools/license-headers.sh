#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every file that `reuse lint` finds without copyright and licence information the
# project's header (GPL-3.0-or-later, "The Tallivant developers"), in the comment style of its
# kind, and leaves every other file as it is. Run it after adding files; then `reuse lint`
# (which the test run runs as well) must pass. A file of a kind reuse does not know is named
# here: give it a header by hand (reuse annotate --style ...) or, if it cannot carry a comment,
# list it in .reuse/dep5.
set -euo pipefail
cd "$(dirname "$0")/.."

# All in one function, read whole before it runs: this file may be among those it annotates.
main() {

command -v reuse >/dev/null || { echo "reuse is missing (tools/deps.sh installs it)" >&2; exit 1; }

# reuse lint lists them under this heading, one "* path" a line, up to the next heading.
mapfile -t missing < <(reuse lint 2>/dev/null | awk '
    /^# / { listing = 0 }
    /^The following files have no copyright and licensing information:/ { listing = 1; next }
    listing && /^\* / { print substr($0, 3) }' | sort -u)

if [ ${#missing[@]} -eq 0 ]; then
    echo "Every file has its copyright and licence information."
    exit 0
fi

# The comment style where reuse cannot tell it from the name: templates (.in) are named after
# what they become, and any other file that opens with a "#" line (a script's #!, a comment)
# takes "#".
styled() {
    case $1 in
        *.xml.in) echo html ;;
        *.clang-format | *.desktop | *.dict) echo python ;;
        # "#include" and "#pragma" are not comments: reuse knows these kinds by name.
        *.cpp | *.h) echo "" ;;
        *)
            if head -n 1 "$1" | grep -q '^#'; then echo python; else echo ""; fi
            ;;
    esac
}

for file in "${missing[@]}"; do
    # A manual page's comments begin with .\" , a style reuse does not know.
    if [[ "$file" == *.[1-9].in || "$file" == *.[1-9] ]]; then
        # REUSE-IgnoreStart
        sed -i '1i .\\" SPDX-FileCopyrightText: The Tallivant developers\n.\\" SPDX-License-Identifier: GPL-3.0-or-later' "$file"
        # REUSE-IgnoreEnd
        continue
    fi
    style=$(styled "$file")
    args=(--copyright "The Tallivant developers" --license GPL-3.0-or-later --exclude-year)
    if [ -n "$style" ]; then args+=(--style "$style"); else args+=(--skip-unrecognised); fi
    reuse annotate "${args[@]}" "$file" || true
done

left=$(reuse lint 2>/dev/null | awk '
    /^# / { listing = 0 }
    /^The following files have no copyright and licensing information:/ { listing = 1; next }
    listing && /^\* / { print substr($0, 3) }') || true
if [ -n "$left" ]; then
    echo "No header could be added to these files (a kind reuse does not know):" >&2
    echo "$left" >&2
    exit 1
fi
echo "Headers added to ${#missing[@]} files."
}

main "$@"
