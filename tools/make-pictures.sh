#!/usr/bin/env bash
# Remakes data/intro.bmp and data/menu.bmp: 480x272 pictures stored as 16-bit
# RGB565, the display surface's own format, so drawing them is a plain copy.
# Needs ImageMagick and the DejaVu fonts (apt-get install imagemagick fonts-dejavu-core).
set -euo pipefail
cd "$(dirname "$0")/.."

bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
regular=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

# picture FILE TOP_COLOUR BOTTOM_COLOUR ACCENT SCREEN_NAME KEYS_TEXT
picture() {
    local file=$1 top=$2 bottom=$3 accent=$4 name=$5 keys=$6
    echo "making $file"
    convert -size 480x272 "gradient:$top-$bottom" \
        -fill "$accent" -draw "rectangle 0,0 479,5" -draw "rectangle 0,266 479,271" \
        -font "$bold" -pointsize 64 -fill white -gravity north -annotate +0+38 'KORVANE' \
        -font "$regular" -pointsize 26 -fill "$accent" -annotate +0+124 "$name" \
        -fill '#00000080' -draw 'roundrectangle 60,176 420,242 10,10' \
        -font "$bold" -pointsize 20 -fill white -gravity north -annotate +0+184 "$keys" \
        -alpha off -define bmp:subtype=RGB565 "BMP:$file"
}

mkdir -p data
picture data/intro.bmp '#1b2a6b' '#050914' '#ffcc33' 'Intro' $'SPACE  menu\nESCAPE  quit'
picture data/menu.bmp '#0f5a3c' '#03130c' '#7fe3ff' 'Menu' 'ESCAPE  back to intro'
