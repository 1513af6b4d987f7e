#!/bin/sh
# Draws the button glyphs of the main window as PNGs (run once; the PNGs are committed).
set -e
cd "$(dirname "$0")"
g20="-size 20x20 xc:none"
bold=/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf
gothic=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf

# File commands.
convert $g20 -fill "#f0d060" -stroke "#806000" -strokewidth 1 \
    -draw "polygon 1,5 7,5 9,7 17,7 17,17 1,17" \
    -fill "#ffe890" -draw "polygon 4,10 19,10 16,17 1,17" open.png
convert $g20 -fill "#3050a0" -stroke black -strokewidth 1 -draw "rectangle 2,2 17,17" \
    -fill white -stroke none -draw "rectangle 5,3 14,8" \
    -fill "#c0c0c0" -draw "rectangle 6,12 13,17" -fill "#3050a0" -draw "rectangle 8,13 9,16" save.png

# Practice and records.
convert $g20 -fill white -stroke black -strokewidth 1 -draw "rectangle 3,1 16,18" \
    -stroke "#d00000" -strokewidth 2 -fill none -draw "circle 9,8 9,4" \
    -stroke black -strokewidth 1 -draw "line 5,14 14,14" -draw "line 5,16 12,16" test.png
convert $g20 -fill white -stroke black -strokewidth 1 -draw "rectangle 3,1 16,18" \
    -stroke "#0060d0" -strokewidth 2 -draw "line 5,9 8,13" -draw "line 8,13 14,4" \
    -stroke black -strokewidth 1 -draw "line 5,16 14,16" practice.png
convert $g20 -fill white -stroke black -strokewidth 1 -draw "rectangle 2,2 17,17" \
    -fill "#40a040" -stroke none -draw "rectangle 4,11 6,16" -draw "rectangle 8,7 10,16" \
    -draw "rectangle 12,4 14,16" records.png

# Editing.
convert $g20 -fill "#f0a0b0" -stroke black -strokewidth 1 \
    -draw "polygon 3,13 11,5 16,10 8,18" -fill white -draw "polygon 11,5 14,2 19,7 16,10" \
    correct.png
convert $g20 -stroke "#d00000" -strokewidth 3 -draw "line 4,4 15,15" -draw "line 15,4 4,15" \
    erase.png

# Drawing tools: line, segment, ray, point, text, colour.
convert $g20 -stroke black -strokewidth 2 -draw "line 1,17 18,2" line.png
convert $g20 -stroke black -strokewidth 2 -draw "line 5,14 15,5" \
    -fill black -strokewidth 1 -draw "circle 4,15 4,13" -draw "circle 15,5 15,3" segment.png
convert $g20 -stroke black -strokewidth 2 -draw "line 5,14 18,2" \
    -fill black -strokewidth 1 -draw "circle 4,15 4,13" ray.png
convert $g20 -fill black -stroke none -draw "circle 9,9 9,5" point.png
convert $g20 -font "$gothic" -pointsize 17 -fill black -gravity center -annotate +0+0 "文" \
    text.png
convert $g20 -stroke none -fill "#ff0000" -draw "circle 7,7 7,2" -fill "#00a000" \
    -draw "circle 12,7 12,2" -fill "#0000ff" -draw "circle 9,12 9,7" colour.png

# The lock, closed and open: 32x16 pictures holding two 16x16 glyphs, the button's face and its
# greyed face.
lock() {
    convert -size 16x16 xc:none -fill "$1" -stroke "$2" -strokewidth 1 -draw "rectangle 2,7 13,15" \
        -fill none -strokewidth 2 -draw "$3" -draw "$4" -draw "$5" "$6"
}
closed_arc="arc 4,1 11,11 180,360"
open_arc="arc 9,0 16,10 180,360"
lock "#d0a020" black "$closed_arc" "line 4,6 4,8" "line 11,6 11,8" /tmp/lock_a.png
lock "#e0e0e0" "#909090" "$closed_arc" "line 4,6 4,8" "line 11,6 11,8" /tmp/lock_b.png
convert /tmp/lock_a.png /tmp/lock_b.png +append +repage -depth 8 locked.png
lock "#d0a020" black "$open_arc" "line 9,5 9,6" "line 16,5 16,6" /tmp/lock_a.png
lock "#e0e0e0" "#909090" "$open_arc" "line 9,5 9,6" "line 16,5 16,6" /tmp/lock_b.png
convert /tmp/lock_a.png /tmp/lock_b.png +append +repage -depth 8 unlocked.png
rm -f /tmp/lock_a.png /tmp/lock_b.png

# Display form buttons: chosen (green) and not chosen (grey), for forms 1 and 2.
for n in 1 2; do
    convert -size 25x25 xc:none -fill "#30a030" -stroke "#106010" -strokewidth 1 \
        -draw "circle 12,12 12,2" -font "$bold" -pointsize 16 -fill white -stroke none \
        -gravity center -annotate +0+0 "$n" ok$n.png
    convert -size 25x25 xc:none -fill "#e0e0e0" -stroke "#808080" -strokewidth 1 \
        -draw "circle 12,12 12,2" -font "$bold" -pointsize 16 -fill "#808080" -stroke none \
        -gravity center -annotate +0+0 "$n" notok$n.png
done

# Step-moving arrows and the small up and down buttons.
convert -size 16x12 xc:none -fill black -draw "polygon 8,1 15,10 1,10" arrow_up.png
convert -size 16x12 xc:none -fill black -draw "polygon 8,10 15,1 1,1" arrow_down.png
convert -size 12x16 xc:none -fill black -draw "polygon 1,8 10,1 10,15" arrow_left.png
convert -size 12x16 xc:none -fill black -draw "polygon 10,8 1,1 1,15" arrow_right.png
convert -size 16x16 xc:none -fill "#0040c0" -draw "polygon 8,2 15,13 1,13" up.png
convert -size 16x16 xc:none -fill "#0040c0" -draw "polygon 8,13 15,2 1,2" down.png

# The label window's add button: an arrow with a plus, pointing at the queue.
convert $g20 -fill "#30a030" -stroke "#106010" -strokewidth 1 \
    -draw "polygon 1,6 9,6 9,1 18,10 9,19 9,14 1,14" \
    -stroke white -strokewidth 2 -draw "line 3,10 10,10" -draw "line 6,7 6,13" add.png
