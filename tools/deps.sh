#!/usr/bin/env bash

# SPDX-FileCopyrightText: The Tallivant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build and the tests need, and only those missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libxcb1-dev fonts-liberation
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils desktop-file-utils
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    clang libclang-rt-14-dev
    at-spi2-core dbus python3-pyatspi locales
    chromium python3-websocket python3-jsonschema
    lintian appstream reuse
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
