#!/bin/sh
# Draws the pictures of the practice as PNGs (run once; the PNGs are committed): the icons of the
# result dialogs, the row that decorates the all-right dialog, and the two marks that the practice
# window copies onto its images with OR and XOR.
set -e
cd "$(dirname "$0")"
bold=/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf

# After a right answer: a smiling face, 48x48.
convert -size 48x48 xc:none -fill "#ffd21f" -stroke "#5a3a00" -strokewidth 2 \
    -draw "circle 23.5,23.5 23.5,2.5" \
    -fill "#ff9a9a" -stroke none -draw "circle 11,28 11,24" -draw "circle 36,28 36,24" \
    -fill "#5a3a00" -draw "ellipse 16.5,18 2.5,4 0,360" -draw "ellipse 30.5,18 2.5,4 0,360" \
    -fill none -stroke "#5a3a00" -strokewidth 3 -draw "arc 13,18 34,37 25,155" -depth 8 seikai.png

# After a wrong answer: "think again", a big question mark on an orange disc, 48x48.
convert -size 48x48 xc:none -fill "#ff9a2e" -stroke "#9a4a00" -strokewidth 2 \
    -draw "circle 23.5,23.5 23.5,2.5" \
    -font "$bold" -pointsize 38 -fill white -stroke none -gravity center -annotate +0+1 "?" \
    -depth 8 ayamari.png

# The all-right dialog's row: star, flower, heart, flower, star, 32x32 each with 8-pixel gaps.
convert -size 32x32 xc:none -fill "#ffd21f" -stroke "#d08000" -strokewidth 1.5 \
    -draw "polygon 15.5,1.5 19.1,11.5 29.8,11.9 21.4,18.4 24.3,28.6 15.5,22.7 6.7,28.6 9.6,18.4 1.2,11.9 11.9,11.5" \
    /tmp/tesmara_star.png
convert -size 32x32 xc:none -fill "#ff8fc8" -stroke "#c0407f" -strokewidth 1 \
    -draw "circle 15.5,7.5 15.5,1.5" -draw "circle 23.1,13 23.1,7" -draw "circle 20.2,22 20.2,16" \
    -draw "circle 10.8,22 10.8,16" -draw "circle 7.9,13 7.9,7" \
    -fill "#ffd21f" -stroke "#d08000" -draw "circle 15.5,15.5 15.5,10.5" /tmp/tesmara_flower.png
convert -size 32x32 xc:none -fill "#ff3040" -stroke none \
    -draw "circle 10,11 10,4" -draw "circle 21,11 21,4" -draw "polygon 3.5,13.5 27.5,13.5 15.5,28" \
    /tmp/tesmara_heart.png
convert -size 8x32 xc:none /tmp/tesmara_gap.png
convert /tmp/tesmara_star.png /tmp/tesmara_gap.png /tmp/tesmara_flower.png /tmp/tesmara_gap.png \
    /tmp/tesmara_heart.png /tmp/tesmara_gap.png /tmp/tesmara_flower.png /tmp/tesmara_gap.png \
    /tmp/tesmara_star.png +append +repage -depth 8 happy_row.png
rm -f /tmp/tesmara_star.png /tmp/tesmara_flower.png /tmp/tesmara_heart.png /tmp/tesmara_gap.png

# The wrong-answer mark, 100x100: pure red on pure black, without antialiasing, because the practice
# window ORs it onto its answer panel and black leaves the panel as it is. The answer panel is only
# 65 pixels high, so the cross stands in the top 65 rows.
convert -size 100x100 xc:black +antialias -stroke "#ff0000" -strokewidth 12 \
    -draw "line 24,8 76,56" -draw "line 76,8 24,56" -type TrueColor PNG24:batsu.png

# The hint arrow, 22x22, pointing to its top-left corner (the lattice point). The practice window
# XORs it onto the plane: black leaves the plane as it is and white inverts it, so the arrow shows
# black on the white plane and a second copy takes it away again. It stays inside the top-left
# 20x20, the part that is copied.
convert -size 22x22 xc:black +antialias -fill white -stroke none \
    -draw "polygon 0,0 11,0 7,4 19,16 16,19 4,7 0,11" -type TrueColor PNG24:hint_arrow.png

# The program icon of the version window, 32x32: a lattice with two axes and a blue rising line.
convert -size 32x32 xc:white -stroke "#c8c8c8" -strokewidth 1 \
    -draw "line 4,0 4,31" -draw "line 10,0 10,31" -draw "line 22,0 22,31" -draw "line 28,0 28,31" \
    -draw "line 0,4 31,4" -draw "line 0,10 31,10" -draw "line 0,22 31,22" -draw "line 0,28 31,28" \
    -stroke black -draw "line 16,0 16,31" -draw "line 0,16 31,16" \
    -stroke "#0040ff" -strokewidth 2.5 -draw "line 3,31 31,3" -depth 8 program_icon.png
