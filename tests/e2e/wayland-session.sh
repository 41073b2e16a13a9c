#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# A headless Wayland session of its own around one command: sway (1280 x 800, software
# rendering) with XWayland, a private session bus, PipeWire and the desktop portal with its
# wlr and gtk backends.
#
#   wayland-session.sh COMMAND...
#
# It runs as root in private mount, network and process namespaces: /tmp is its own, so XWayland takes
# :0 and the portal's fixed /tmp/out.png is nobody else's, and everything it started ends with
# it. sway refuses to run as root, so the session belongs to the user nobody; COMMAND runs as
# root with the session's variables (WAYLAND_DISPLAY, DISPLAY, SWAYSOCK,
# DBUS_SESSION_BUS_ADDRESS, VITREL_SESSION_USER) and may reach the X server. Only nobody may use
# the session bus.
set -eu
if [ "${VITREL_WAYLAND_NAMESPACE:-}" != 1 ]; then
    exec unshare --mount --net --pid --fork --mount-proc --kill-child env VITREL_WAYLAND_NAMESPACE=1 sh "$0" "$@"
fi
# What the command needs from the old /tmp (a checkout or a build there) stays in the new one.
keep=
for path in "$(pwd)" "$(readlink -f "$0")" "$(readlink -f "$1" || true)"; do
    case $path in /tmp/?*) keep="$keep /tmp/$(echo "${path#/tmp/}" | cut -d/ -f1)" ;; esac
done
mount -t tmpfs tmpfs /mnt
mkdir /mnt/tmp
mount --bind /tmp /mnt/tmp
mount -t tmpfs -o mode=1777 tmpfs /tmp
for path in $keep; do
    mkdir -p "$path"
    mount --bind "/mnt$path" "$path"
done
dir=/tmp/wayland-session
mkdir -p "$dir/run" "$dir/home"
chown -R nobody:nogroup "$dir"
chmod 700 "$dir/run"
as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }

# Waits up to ten seconds for `test $1 $2` to hold.
wait_for() {
    for _ in $(seq 200); do
        test "$1" "$2" && return 0
        sleep 0.05
    done
    echo "wayland-session.sh: no $2; the logs:" >&2
    tail -n 20 "$dir"/*.log >&2
    exit 1
}

# Nothing started here may keep the caller's output open: ctest waits for its end.
export XDG_RUNTIME_DIR="$dir/run" HOME="$dir/home" XDG_CURRENT_DESKTOP=sway NO_AT_BRIDGE=1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER QT_SCALE_FACTOR \
    QT_SCREEN_SCALE_FACTORS QT_FONT_DPI
cat >"$dir/sway.conf" <<CONFIG
xwayland force
output HEADLESS-1 resolution 1280x800
for_window [shell="xwayland"] floating enable
exec sh -c 'xhost +si:localuser:root && touch $dir/ready'
CONFIG
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    as_nobody sway -c "$dir/sway.conf" >"$dir/sway.log" 2>&1 </dev/null &
wait_for -e "$dir/ready"
SWAYSOCK=$(echo "$dir"/run/sway-ipc.*.sock)
export WAYLAND_DISPLAY=wayland-1 DISPLAY=:0 SWAYSOCK
# The bus starts its services with its own environment: the session's, set above.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/run/bus"
as_nobody dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
    >"$dir/dbus.log" 2>&1 </dev/null &
wait_for -S "$dir/run/bus"
# The wlr backend ends at once without PipeWire. Started by the portal under load, it may take
# 25 seconds to answer: it starts first, and the portal after it.
as_nobody pipewire >"$dir/pipewire.log" 2>&1 </dev/null &
wait_for -S "$dir/run/pipewire-0"
for service in org.freedesktop.impl.portal.desktop.wlr org.freedesktop.portal.Desktop; do
    as_nobody dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.StartServiceByName "string:$service" uint32:0 >/dev/null
done
export VITREL_SESSION_USER=nobody
"$@"
