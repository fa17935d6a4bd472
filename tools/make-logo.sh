#!/bin/sh
# Draws the program's logo: a stamp with perforated edges and the name.
# Output: app/logo.jpg (107 x 107). Needs ImageMagick.
set -e
out="${1:-$(dirname "$0")/../app/logo.jpg}"
holes=""
for i in 0 1 2 3 4 5 6 7 8 9 10; do
    p=$((4 + i * 10))
    holes="$holes circle $p,1 $p,4 circle $p,106 $p,103 circle 1,$p 4,$p circle 106,$p 103,$p"
done
convert -size 107x107 xc:'rgb(128,128,128)' \
    -fill 'rgb(250,246,232)' -draw 'rectangle 0,0 106,106' \
    -fill 'rgb(128,128,128)' -draw "$holes" \
    -fill 'rgb(120,180,120)' -draw 'rectangle 10,10 96,96' \
    -fill 'rgb(240,250,200)' -draw 'rectangle 15,15 91,74' \
    -fill 'rgb(120,180,120)' -stroke 'rgb(80,120,80)' -draw 'polygon 24,66 42,36 54,52 64,40 82,66' \
    -stroke none -fill 'rgb(230,200,80)' -draw 'circle 74,28 74,22' \
    -fill white -font Liberation-Sans-Bold -pointsize 15 -gravity south -annotate +0+12 'Plenvik' \
    -quality 92 "$out"
