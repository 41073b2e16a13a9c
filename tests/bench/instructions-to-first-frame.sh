#!/bin/sh
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# Instructions from exec to the window's map (Qt asking the X server to show it) and to the first
# frame (the end of Qt's first paintAndFlush), counted by callgrind, for the gothic label window
# and for Vitrel on a first run and with a stored position, under openbox on the X server of
# $DISPLAY:
#
#   xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" tests/bench/instructions-to-first-frame.sh build
#
# It needs valgrind (Debian valgrind) and openbox.
set -eu
build=${1:-build}
work=$(mktemp -d)
trap 'kill $wm 2>/dev/null; rm -rf "$work"' EXIT
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 1

# $1 name, $2 program, $3 "stored" for a stored position
count() {
    home="$work/$1"
    mkdir -p "$home/config/VITRELLE"
    chmod 700 "$home"
    if [ "${3:-}" = stored ]; then
        printf '[STERTUP]\nR=10\nG=20\nB=30\nTOP=3000\nLEFT=4500\nOP1=False\nOP2=True\nOP5=True\nOP6=False\nCCK=0\n' \
            >"$home/config/VITRELLE/VITRELLE.ini"
    fi
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" \
        valgrind --tool=callgrind --dump-before='QXcbWindow::show()' \
        --dump-after='QWidgetRepaintManager::paintAndFlush*' \
        --callgrind-out-file="$work/$1.out" "$2" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 300); do
        [ -e "$work/$1.out.2" ] && break
        sleep 0.1
    done
    sleep 0.5
    { kill -TERM $pid && wait $pid; } 2>/dev/null || true
    part() { callgrind_annotate "$work/$1.out.$2" 2>/dev/null | awk '/PROGRAM TOTALS/{gsub(",", "", $1); print $1; exit}'; }
    map=$(part "$1" 1)
    echo "| $1 | $map | $((map + $(part "$1" 2))) |"
}

echo "| program | instructions to the map | to the first frame |"
echo "|---|---:|---:|"
count "gothic label window" "$build/tests/bench/vitrel_gothic_window"
count "vitrel, first run" "$build/bin/vitrel"
count "vitrel, stored position" "$build/bin/vitrel" stored
