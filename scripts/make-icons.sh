#!/usr/bin/env bash
# Regenerates the program icon's images from their two hand-made sources in
# resources/icons: the classic pixel art (classic/*.xpm: 32 x 32 in 2 colours,
# 32 x 32 and 16 x 16 in 16 colours) and the scalable drawing (ohm-drill.svg).
#   png/ohm-drill-16.png, -32.png  the 16-colour pixel art as it is
#   png/ohm-drill-48.png … -256.png  the drawing rendered at today's sizes
#   ohm-drill.ico                  the icon group of the three classic images
# The results are committed; run this only after changing a source.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"

# -strip keeps out the time stamps, so an unchanged source gives the same file.
convert classic/ohm-drill-16x16-16.xpm -strip PNG8:png/ohm-drill-16.png
convert classic/ohm-drill-32x32-16.xpm -strip PNG8:png/ohm-drill-32.png
for size in 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" ohm-drill.svg |
        convert - -strip "PNG32:png/ohm-drill-$size.png"
done

python3 ../../scripts/xpm-to-ico.py ohm-drill.ico \
    classic/ohm-drill-32x32-2.xpm classic/ohm-drill-32x32-16.xpm classic/ohm-drill-16x16-16.xpm
