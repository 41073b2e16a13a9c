#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# Installs the Debian 12 packages Vitrel needs to build, run and test, as root or through sudo.
# Does nothing when they are all present already.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libicu-dev libxcb1-dev
    # the input benchmark: XTest events and X damage
    libxcb-xtest0-dev libxcb-damage0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev clang-format
    # the help file: compiled from our pages with chmcmd, read with chmlib
    fp-utils libchm-dev
    # run: the Japanese captions' font, and Qt's own texts (the colour dialog's) in Japanese
    fonts-ipafont-gothic qt6-translations-l10n
    # end-to-end tests and benchmarks: a real X server (xvfb-run needs xauth), a window
    # manager, input, clipboard, screenshots, window geometry
    xvfb xauth openbox xdotool xclip imagemagick x11-utils x11-xserver-utils
    # a headless Wayland session for the end-to-end tests (tests/e2e/wayland-session.sh): sway
    # with XWayland, a session bus, PipeWire, the desktop portal and its wlr and gtk backends,
    # grim for screenshots; and Qt's Wayland plugin, to name it when it cannot start
    sway swaybg xwayland dbus-daemon pipewire xdg-desktop-portal xdg-desktop-portal-wlr
    xdg-desktop-portal-gtk grim qt6-wayland
    # the Debian package: made by CPack (file and dpkg-shlibdeps find its dependencies) and
    # checked with lintian and appstreamcli; its desktop entry with desktop-file-validate
    file dpkg-dev lintian appstream desktop-file-utils
    # the icon's sizes are drawn from its SVG (resources/draw-pictures.sh)
    librsvg2-bin
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
