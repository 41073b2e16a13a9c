#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 The Vitrel developers
#
# Draws the program's pictures with ImageMagick. The PNG files are committed; run this only to
# change them.
set -euo pipefail
cd "$(dirname "$0")"

args=()
crayon() {  # left colour dark: an upright crayon, tip up, on a 128 x 128 canvas
    local x=$1 colour=$2 dark=$3
    args+=(-fill "$colour" -stroke "$dark" -strokewidth 3
           -draw "polygon $x,44 $((x + 12)),12 $((x + 24)),44"
           -draw "rectangle $x,44 $((x + 24)),118"
           -fill "$dark" -stroke none
           -draw "rectangle $((x + 2)),58 $((x + 22)),64"
           -draw "rectangle $((x + 2)),98 $((x + 22)),104")
}
crayon 14 '#e53935' '#8e1b18'
crayon 52 '#43a047' '#1b5e20'
crayon 90 '#1e63d6' '#0d2f73'

convert -size 128x128 xc:none "${args[@]}" \
    -stroke '#5d4037' -strokewidth 14 -draw 'line 90,90 120,120' \
    -fill '#d8eeff70' -stroke '#37474f' -strokewidth 9 -draw 'circle 62,62 62,28' \
    icon128.png
convert icon128.png -resize 32x32 icon32.png
convert icon128.png -resize 16x16 icon16.png
rm icon128.png

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
