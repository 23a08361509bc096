#!/bin/bash
# Artwork as a publisher may hand it over: every picture of a disc's bitmaps
# folder (English and German) blended with a gradient into a true-colour PNG
# of far more than 256 colours, for the picture kit to reduce.
# usage: true-colour-art.sh BITMAPS-FOLDER ARTWORK-FOLDER
set -euo pipefail
mkdir -p "$2/de"
for f in "$1"/*.bmp "$1"/de/*.bmp; do
    name=${f#"$1"/}
    convert "$f" \( -size "$(identify -format %wx%h "$f")" gradient:'#ff4000-#0040ff' \) -compose blend \
        -define compose:args=25 -composite -type TrueColor "PNG24:$2/${name%.bmp}.png"
done
