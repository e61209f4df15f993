# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the start-up benchmarks: a private X server on a free display, in DISPLAY, and a
# scratch folder in $workdir, both gone when the script ends. The programs then start as on a
# desktop: the X platform, no overrides of style or scale.
workdir=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$workdir"
}
trap cleanup EXIT
exec 3>"$workdir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
exec 3>&-
[ -s "$workdir/display" ] || { echo "Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$workdir/display")
unset QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_SCALE_FACTOR
