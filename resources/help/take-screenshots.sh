#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# Takes the help pages' pictures of the program (images/main-window.png, snapshot.png, lens.png,
# favorites.png) from the built program on an X server of its own, over a generated desktop
# picture. The PNG files are committed; run this only to make them again:
#
#   resources/help/take-screenshots.sh build/bin/vitrel
set -euo pipefail
program=$(realpath "${1:?usage: $0 PROGRAM}")
images=$(cd "$(dirname "$0")" && pwd)/images

if [ -z "${VITREL_SCREENSHOT_SESSION:-}" ]; then
    VITREL_SCREENSHOT_SESSION=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -dpi 96" "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
chmod 700 "$work"
openbox --sm-disable &
sleep 1

# A cloudy, many-coloured desktop: something to look at through the glass.
convert -size 1280x800 -seed 11 plasma:crimson-dodgerblue -blur 0x1 "$work/desktop.png"
display -window root "$work/desktop.png" || true  # it ends with 1 even when it has set it

# The program beside its own Favorites folder, with settings of its own.
cp "$program" "$work/vitrel"
mkdir -p "$work/config/VITRELLE"
printf '[STERTUP]\nTOP=300\nLEFT=13500\n' >"$work/config/VITRELLE/VITRELLE.ini"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work
# The Japanese names are typed from keys mapped before the program starts.
xmodmap -e "keycode 246 = U30D0" -e "keycode 247 = U30E9" -e "keycode 248 = U306E" \
    -e "keycode 249 = U8D64" -e "keycode 250 = U7D05" -e "keycode 251 = U8272"
"$work/vitrel" &
sleep 2
main=$(xdotool search --onlyvisible --class Vitrel | head -1)
xdotool windowactivate --sync "$main"

# The window's client area and frame, from the X server.
geometry() {
    xwininfo -id "$1" -stats -wm | awk '
        /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF }
        /Frame extents/ { gsub(",", ""); l = $3; r = $4; t = $5; b = $6 }
        END { print x, y, w, h, l, r, t, b }'
}
read -r x y w h l r t b < <(geometry "$main")
client_top=$((y + h - 184))  # the layout's 184 pixels below the menu bar
shot() {  # shot NAME X Y WIDTH HEIGHT
    import -window root -crop "$4x$5+$2+$3" +repage "$images/$1.png"
}
click() {  # click X Y, in the client area
    xdotool mousemove $((x + $1)) $((client_top + $2)) click 1
    sleep 0.2
}

# A snapshot of a red patch, the colour of one of its pixels, and a favourite of it.
xdotool key ctrl+s
sleep 0.3
click 42 144
xdotool key ctrl+a
sleep 0.5
xdotool key 246 247 248 249 Return
sleep 0.5
shot main-window $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))

# Magnified four times, and a second favourite from another pixel.
for _ in 1 2 3; do click 88 128; done
click 20 150
xdotool key ctrl+a
sleep 0.5
xdotool key 250 251 Return
sleep 0.5
shot snapshot $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))

# The favourites editor, the first one selected.
xdotool key ctrl+e
sleep 0.8
editor=$(xdotool search --onlyvisible --name 'お気に入りの編集' | head -1)
xdotool key Down Up
sleep 0.3
read -r ex ey ew eh el er et eb < <(geometry "$editor")
shot favorites $((ex - el)) $((ey - et)) $((ew + el + er)) $((eh + et + eb))
xdotool key Escape
sleep 0.3

# The lens taken off and put over the desktop.
xdotool key ctrl+l
sleep 0.8
lens=$(xdotool search --onlyvisible --name 'レンズ' | head -1)
xdotool windowmove --sync "$lens" 260 560
sleep 0.5
read -r lx ly lw lh ll lr lt lb < <(geometry "$lens")
shot lens $((lx - ll - 60)) $((ly - lt - 20)) 200 138
xdotool key ctrl+l
xdotool key ctrl+q
wait
