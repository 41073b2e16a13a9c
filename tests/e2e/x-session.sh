#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# The X server the end-to-end tests share: Xvfb (2560 x 1440, 24 bits, 96 DPI) on a free
# display, managed by openbox.
#
#   x-session.sh start DIR   starts both; DIR/display then holds the display name
#   x-session.sh stop DIR    stops what `start` left in DIR
#   x-session.sh run DIR COMMAND...
#                            runs COMMAND on that display (if it is up), with nothing in its
#                            environment that would send a Qt program elsewhere
set -eu
dir=$2

stop() {
    for name in openbox Xvfb; do
        if [ -f "$dir/$name.pid" ]; then
            pid=$(cat "$dir/$name.pid")
            # Only what this script started: the id may have been reused since.
            if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ]; then
                kill "$pid"
            fi
            rm -f "$dir/$name.pid"
        fi
    done
    rm -f "$dir/display"
}

# Waits up to ten seconds for `test $1 $2` to hold.
wait_for() {
    for _ in $(seq 100); do
        test "$1" "$2" && return 0
        sleep 0.1
    done
    echo "x-session.sh: no $2; see the logs in $dir" >&2
    stop
    exit 1
}

case $1 in
start)
    stop # what an interrupted run left behind
    mkdir -p "$dir"
    rm -f "$dir/number" "$dir/ready"
    # Nothing started here may keep the caller's output open: ctest waits for its end.
    Xvfb -displayfd 3 -screen 0 2560x1440x24 -dpi 96 -nolisten tcp \
        3>"$dir/number" >"$dir/Xvfb.log" 2>&1 </dev/null &
    echo $! >"$dir/Xvfb.pid"
    wait_for -s "$dir/number"
    DISPLAY=:$(cat "$dir/number")
    export DISPLAY
    # The first synthetic key moves the core keyboard to the XTEST device; openbox rebinds its
    # keys on that change, and an Alt+F4 meanwhile would reach the program. One key now, before
    # openbox runs, leaves nothing to change later.
    xdotool key shift
    # openbox runs its start-up command once its key bindings are in place; its own settings
    # are the system's defaults, whatever the user has.
    XDG_CONFIG_HOME="$dir/openbox" openbox --sm-disable --startup "touch '$dir/ready'" \
        >"$dir/openbox.log" 2>&1 </dev/null &
    echo $! >"$dir/openbox.pid"
    wait_for -e "$dir/ready"
    echo "$DISPLAY" >"$dir/display"
    ;;
stop)
    stop
    ;;
run)
    shift 2
    if [ -f "$dir/display" ]; then
        DISPLAY=$(cat "$dir/display")
        export DISPLAY
    fi
    exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u SESSION_MANAGER -u QT_SCALE_FACTOR \
        -u QT_SCREEN_SCALE_FACTORS -u QT_FONT_DPI "$@"
    ;;
*)
    echo "usage: $0 start|stop|run DIR [COMMAND...]" >&2
    exit 2
    ;;
esac
