#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the window's pictures (src/ui/pictures/*.png) and the application icon
# (src/ui/icon.png, src/ui/icon.ico, data/icons/*.png) from their sources in src/ui/art. The results are
# committed, so this is run only after a source changes:  tools/drawart.sh
# Needs rsvg-convert (librsvg2-bin), icotool (icoutils) and convert (imagemagick).
set -eu

ui=$(cd "$(dirname "$0")/../src/ui" && pwd)
art=$ui/art
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Without the date chunks ImageMagick adds, an unchanged source gives an unchanged file.
png() { convert "$1" -define png:exclude-chunks=date,time "$2"; }

# rsvg-convert leaves out the alpha channel of an opaque picture; the resource file and the
# window expect every picture as 8-bit RGBA.
draw() { # SVG PNG [rsvg-convert options]
    svg=$1 png=$2
    shift 2
    rsvg-convert "$@" -o "$work/out.png" "$svg"
    png "$work/out.png" "PNG32:$png"
}

for name in checked xed Banner loading; do
    draw "$art/$name.svg" "$ui/pictures/$name.png"
done

# One drawing, two pictures: a style sheet hides the arrow that points the other way.
echo '#arrow-left { display: none }' >"$work/right.css"
echo '#arrow-right { display: none }' >"$work/left.css"
draw "$art/converter.svg" "$ui/pictures/reverse.png" -s "$work/right.css"
draw "$art/converter.svg" "$ui/pictures/ConverterSymbols.png" -s "$work/left.css"

# The icon: 128, 48 and 32 px in true colour and 16 px with a 256-colour palette.
# icotool writes 8 bits only from an image that already has a palette.
draw "$art/icon.svg" "$ui/icon.png"
draw "$art/icon-48.svg" "$work/48.png"
draw "$art/icon-32.svg" "$work/32.png"
rsvg-convert -o "$work/16rgba.png" "$art/icon-16.svg"
png "$work/16rgba.png" "PNG8:$work/16.png"
icotool --create -o "$ui/icon.ico" \
    -b 24 "$ui/icon.png" -b 24 "$work/48.png" -b 24 "$work/32.png" -b 8 "$work/16.png"

# The icon theme's sizes for an installed copy (data/icons): the small ones from the drawings
# made for them, the large ones from the full picture.
icons=$(cd "$ui/../../data/icons" && pwd)
draw "$art/icon-16.svg" "$icons/16.png"
draw "$art/icon-32.svg" "$icons/32.png"
draw "$art/icon-48.svg" "$icons/48.png"
for size in 64 128 256; do
    draw "$art/icon.svg" "$icons/$size.png" -w "$size" -h "$size"
done
