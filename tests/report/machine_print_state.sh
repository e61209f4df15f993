#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints the machine's own print setup, for comparing it before and after a test run: the
# default destination and the queues the system's scheduler reports, whether that scheduler
# runs (and as which process), and every file under /etc/cups with its mode, owner and digest.
# The scheduler the tests start for themselves is not the system's and is left out.
set -uo pipefail
export LC_ALL=C

system() {
    env -u CUPS_SERVER -u LPDEST -u PRINTER "$@" 2>&1
}

echo "== lpstat -d"
system lpstat -d
echo "== lpstat -v (queues and their devices)"
system lpstat -v
echo "== lpstat -r"
system lpstat -r

# The schedulers of test runs (print_system.sh) read their configuration from their own folders
# in /tmp and are not the system's.
echo "== system cupsd processes"
for dir in /proc/[0-9]*; do
    [ "$(cat "$dir/comm" 2>/dev/null)" = cupsd ] || continue
    cmdline=$(tr '\0' ' ' <"$dir/cmdline" 2>/dev/null) || continue
    [[ "$cmdline" == *" /tmp/tallivant-cups."* ]] && continue
    echo "${dir#/proc/} $cmdline"
done

echo "== files under /etc/cups"
if [ -d /etc/cups ]; then
    find /etc/cups -printf '%M %u:%g %s %TY-%Tm-%Td %TT %p\n' | sort -k6
    find /etc/cups -type f -print0 | sort -z | xargs -0 -r sha256sum
else
    echo "(no /etc/cups)"
fi
