#!/usr/bin/env bash
# Draws the Info window's logo (209 x 118 JPEG) and the 32 x 32 window icon.
# The results are committed in side_windows/pictures/; run this again only to
# change them. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/../side_windows/pictures"

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
    -strip -quality 90 logo.jpg

# The icon: the same idea at 32 x 32.
convert -size 32x32 "xc:$wall" \
    -stroke "$path" -strokewidth 5 -fill none \
    -draw "polyline 5,5 26,5 26,16 5,16 5,27 26,27" \
    -stroke none -fill 'rgb(0,192,0)' -draw "circle 5,5 7,5" \
    -fill 'rgb(0,0,255)' -draw "circle 26,27 28,27" \
    -depth 8 -strip icon.png
