#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Tallivant for 64-bit Windows on Debian 12, runs its tests under Wine and makes the
# installer (build-windows/Tallivant-<version>-setup.exe).
#
# Qt for Windows is not packaged in Debian: the first run cross-builds Debian's own Qt source
# (about 16 minutes on two cores) into a cache outside the repository, TALLIVANT_CACHE
# (default ~/.cache/tallivant), and later runs reuse it.
#
#   tools/windows.sh            everything: packages, Qt, build, tests, installer
#   tools/windows.sh qt         only the packages and the cross Qt
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

cache=${TALLIVANT_CACHE:-$HOME/.cache/tallivant}
qt_version=6.4.2
qt=$cache/qt-$qt_version-mingw-w64
build=${BUILD_DIR:-build-windows}
jobs=$(nproc)

packages=(
    g++-mingw-w64-x86-64-posix wine64 nsis dpkg-dev
    cmake ninja-build qt6-base-dev qt6-base-dev-tools googletest
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth xdotool x11-utils
)

install_missing() {
    local missing=() p
    for p in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
            missing+=("$p")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Debian's qt6-base source, cross-built with the installed Qt as the host tools. Direct2D stays
# on (without it PrintSupport does not link), and Debian's source has no wintab headers, hence
# no tablet events.
build_qt() {
    if [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
        return 0
    fi
    local work=$cache/qt-$qt_version-work
    rm -rf "$work"
    mkdir -p "$work"
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $qt_version"; then
        add_source_lists
    fi
    (cd "$work" && apt-get source --download-only qt6-base &&
        dpkg-source --no-check -x qt6-base_"$qt_version"*.dsc source >/dev/null)
    mkdir -p "$work/build"
    (cd "$work/build" &&
        ../source/configure -prefix "$qt" \
            -release -shared -xplatform win32-g++ -qt-host-path /usr \
            -nomake examples -nomake tests -no-pkg-config -no-dbus -no-icu -no-openssl \
            -no-zstd -no-opengl -no-feature-vulkan -qt-zlib -qt-libpng -qt-libjpeg \
            -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion -no-feature-sql \
            -no-feature-network -no-feature-concurrent -no-feature-xml \
            -no-feature-tabletevent -no-feature-androiddeployqt \
            -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
        cmake --build . -j "$jobs" && cmake --install .)
    rm -rf "$work"
}

# The source package comes from where the machine's binary packages come from: each deb entry
# of the machine's own apt lists whose suites are this release's (same URIs, suites, components
# and keys) gets a deb-src twin, so that a mirror or proxy set up on the machine is used too.
add_source_lists() {
    local sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    local list=/etc/apt/sources.list.d/tallivant-deb-src.sources
    local codename
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    local entries
    entries=$(source_entries "$codename")
    if [ -z "$entries" ]; then
        echo "No apt entry for $codename to take Qt's source from: add a deb-src entry by hand" >&2
        return 1
    fi
    echo "Adding $list for Debian's Qt source"
    printf '%s\n' "$entries" | "${sudo_cmd[@]}" tee "$list" >/dev/null
    "${sudo_cmd[@]}" apt-get update -q
}

# deb822 stanzas with Types: deb-src for the machine's deb entries of the suite $1 and its
# updates, from one-line lists (sources.list, *.list) and deb822 ones (*.sources) alike.
source_entries() {
    local codename=$1 files=()
    [ -f /etc/apt/sources.list ] && files+=(/etc/apt/sources.list)
    for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && [ "$(basename "$f")" != tallivant-deb-src.sources ] && files+=("$f")
    done
    [ ${#files[@]} -eq 0 ] && return 0
    awk -v codename="$codename" '
        function ours(suites,   n, i, s) {
            n = split(suites, s, /[ \t]+/)
            for (i = 1; i <= n; i++) if (s[i] == codename) return 1
            return 0
        }
        function flush(   i) {
            if (types ~ /(^|[ \t])deb([ \t]|$)/ && enabled != "no" && ours(suites)) {
                printf "%sTypes: deb-src\n", (printed++ ? "\n" : "")
                for (i = 1; i <= n; i++) print keep[i]
            }
            n = 0; types = ""; suites = ""; enabled = ""
        }
        FILENAME ~ /\.sources$/ {
            if (FILENAME != last) { flush(); last = FILENAME }
            if ($0 ~ /^[ \t]*$/) { flush(); next }
            if ($0 ~ /^#/) next
            if (tolower($1) == "types:") { sub(/^[^:]*:[ \t]*/, ""); types = $0; next }
            if (tolower($1) == "enabled:") { enabled = tolower($2); next }
            if (tolower($1) == "suites:") { s = $0; sub(/^[^:]*:[ \t]*/, "", s); suites = s }
            keep[++n] = $0
            next
        }
        # One-line form: deb [options] uri suite component...
        $1 == "deb" {
            if (FILENAME != last) { flush(); last = FILENAME }
            options = ""
            i = 2
            if ($2 ~ /^\[/) {
                while ($i !~ /\]$/) { options = options " " $i; i++ }
                options = options " " $i; i++
                gsub(/[\[\]]/, "", options)
            }
            uri = $i; suite = $(i + 1); components = ""
            for (j = i + 2; j <= NF && $j !~ /^#/; j++) components = components " " $j
            if (suite !~ "^" codename "(-updates)?$") next
            printf "%sTypes: deb-src\nURIs: %s\nSuites: %s\nComponents:%s\n",
                (printed++ ? "\n" : ""), uri, suite, components
            m = split(options, o, /[ \t]+/)
            for (k = 1; k <= m; k++) {
                if (o[k] ~ /^signed-by=/) { sub(/^signed-by=/, "", o[k]); print "Signed-By: " o[k] }
                else if (o[k] ~ /^arch=/) { sub(/^arch=/, "", o[k]); print "Architectures: " o[k] }
                else if (o[k] ~ /^trusted=/) { sub(/^trusted=/, "", o[k]); print "Trusted: " o[k] }
            }
        }
        END { flush() }
    ' "${files[@]}"
}

# The Linux build's program, which the end-to-end test holds the Windows one against.
linux_program() {
    if [ ! -x build/src/ui/tallivant ]; then
        bash tools/deps.sh
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
        cmake --build build -j "$jobs" --target tallivant
    fi
}

# The program and its tests, cross-built against the cached Qt, and the installer.
build_tallivant() {
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
        -DTALLIVANT_WITH_BENCH=OFF -DTALLIVANT_LINUX_PROGRAM="$repo/build/src/ui/tallivant"
    cmake --build "$build" -j "$jobs"
    (cd "$build" && cpack -G NSIS)
}

# Under Wine, through the emulator the build configures (build-windows/wine-run.sh), in a Wine
# prefix of the build's own; the end-to-end test makes a prefix of its own.
run_tests() {
    # One wineserver serves the whole run: a server that exits between two tests, as it does
    # when idle, resets the connection of the test starting just then. Any server left on the
    # build's prefix goes first. The prefix is made once, before the tests start side by side.
    local wineserver prefix status=0
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    prefix=$(cd "$build" && pwd)/wine
    mkdir -p "$prefix"
    WINEPREFIX=$prefix "$wineserver" --kill 2>/dev/null || true
    WINEPREFIX=$prefix "$wineserver" --persistent
    "$build/wine-run.sh" wineboot --init >/dev/null 2>&1
    rm -f "$build/wine-retries.log"
    ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 600 || status=$?
    # Starts Wine ended before the program began (build-windows/wine-run.sh), each tried again.
    if [ -s "$build/wine-retries.log" ]; then
        echo "Wine starts tried again after ending before the program printed anything:"
        sed 's/^/  /' "$build/wine-retries.log"
    fi
    WINEPREFIX=$prefix "$wineserver" --kill || true
    return "$status"
}

install_missing
build_qt
[ "${1:-}" = qt ] && exit 0
linux_program
build_tallivant
run_tests
