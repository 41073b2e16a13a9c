#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# Draws the program's pictures: the icon from icons/vitrel.svg with rsvg-convert (Debian
# librsvg2-bin), the rest with ImageMagick. The PNG files are committed; run this only to change
# them.
set -euo pipefail
cd "$(dirname "$0")"

# The icon: every size of the hicolor theme from the one drawing, and the window's own 16 and 32.
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" icons/vitrel.svg -o "icons/vitrel-$size.png"
done
cp icons/vitrel-16.png icon16.png
cp icons/vitrel-32.png icon32.png

# The snapshot button: a small camera, grey body and blue lens, 12 x 9 on transparent.
convert -size 12x9 xc:none \
    -fill '#707070' -draw 'rectangle 0,2 11,8' -draw 'rectangle 2,1 5,1' \
    -fill '#404040' -draw 'point 10,3' \
    -fill '#2060d0' -draw 'circle 6,5 6,3' \
    -fill '#a0c8ff' -draw 'point 5,4' \
    camera.png

# The program shows them from raw RGBA bytes, which need no image decoder at start-up.
for picture in icon16 icon32 camera; do
    convert "$picture.png" -depth 8 "RGBA:$picture.rgba"
done
