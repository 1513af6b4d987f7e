#!/bin/sh
# Draws the six mouse cursors of the main window as 32x32 PNGs (run once; the PNGs are committed).
# The hotspot of each cursor is listed in src/app/cursors.cpp.
set -e
cd "$(dirname "$0")"
blank="-size 32x32 xc:none"

# Arrow, hotspot (1,1).
convert $blank -fill white -stroke black -strokewidth 1 \
    -draw "polygon 1,1 1,22 6,17 10,26 13,25 9,16 16,16" arrow.png

# Pointing finger, hotspot (11,1) at the fingertip.
convert $blank -fill white -stroke black -strokewidth 1 \
    -draw "roundrectangle 9,1 14,16 2,2" \
    -draw "roundrectangle 5,12 24,28 4,4" \
    -draw "line 14,16 14,20" -draw "line 19,13 19,20" \
    -draw "roundrectangle 14,12 19,18 2,2" -draw "roundrectangle 19,13 24,19 2,2" \
    finger.png

# Point being dragged: a ring with a dot, hotspot (15,15).
convert $blank -fill none -stroke black -strokewidth 2 -draw "circle 15,15 15,8" \
    -fill black -stroke none -draw "circle 15,15 15,13" \
    -stroke white -strokewidth 1 -fill none -draw "circle 15,15 15,5" point.png

# Cross hair, hotspot (15,15).
convert $blank -stroke white -strokewidth 3 -draw "line 15,2 15,28" -draw "line 2,15 28,15" \
    -stroke black -strokewidth 1 -draw "line 15,2 15,28" -draw "line 2,15 28,15" cross.png

# Pencil writing towards the lower left, hotspot (1,30) at the lead.
convert $blank -fill "#f0c040" -stroke black -strokewidth 1 \
    -draw "polygon 8,22 24,6 27,9 11,25" \
    -fill "#f08080" -draw "polygon 24,6 27,3 30,6 27,9" \
    -fill "#f5deb3" -draw "polygon 8,22 11,25 2,29" \
    -fill black -draw "polygon 1,30 4,26 5,27" pencil.png

# Scissors with open blades pointing up, hotspot (15,2) where the blades meet.
convert $blank -fill white -stroke black -strokewidth 1 \
    -draw "polygon 15,2 17,4 14,19 12,18" -draw "polygon 15,2 13,4 16,19 18,18" \
    -fill none -strokewidth 2 -draw "circle 10,24 10,20" -draw "circle 20,24 20,20" \
    scissors.png
