#!/usr/bin/env bash
# Draws the Info window's logo (209 x 118 JPEG) and the game's icon in the
# sizes the desktop and the window use, from desktop/icons/orvo.svg. The
# results are committed; run this again only to change them. Needs
# ImageMagick and rsvg-convert (librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."

wall='rgb(32,32,96)'
path='rgb(255,255,192)'

# The logo: a corner of a maze, the two dots, and the name.
convert -size 209x118 "xc:$wall" \
    -stroke "$path" -strokewidth 12 -fill none \
    -draw "polyline 14,14 70,14 70,44 40,44 40,74 100,74" \
    -draw "polyline 14,104 14,14" \
    -draw "polyline 100,74 100,104 150,104" \
    -draw "polyline 70,14 130,14" \
    -stroke none -fill 'rgb(0,192,0)' -draw "circle 14,14 18,14" \
    -fill 'rgb(0,0,255)' -draw "circle 150,104 154,104" \
    -fill 'rgb(255,255,0)' -font Liberation-Mono-Bold -pointsize 34 \
    -annotate +112+60 'Orvo' \
    -strip -quality 90 side_windows/pictures/logo.jpg

# The icon, from its drawing.
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" desktop/icons/orvo.svg -o "desktop/icons/orvo-$size.png"
done
