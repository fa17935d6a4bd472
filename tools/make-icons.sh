#!/bin/sh
# Draws the program's icon, a stamp with perforated edges holding a small
# landscape (as the logo does), once as SVG for the scalable size and as
# PNG at 48, 128 and 256 pixels, from one list of shapes. Output goes to
# dist/icons/. Needs ImageMagick (which reads the shapes as MVG).
set -e
out="${1:-$(dirname "$0")/../dist/icons}"
mkdir -p "$out"
shapes=$(mktemp)
trap 'rm -f "$shapes"' EXIT

# One shape a line: kind, fill, then the numbers, in a 256 x 256 square.
{
    echo "rect #faf6e8 0 0 255 255"
    i=0
    while [ $i -le 10 ]; do
        p=$((16 + i * 224 / 10))
        for xy in "$p 4" "$p 252" "4 $p" "252 $p"; do echo "circle #808080 $xy 7"; done
        i=$((i + 1))
    done
    echo "rect #78b478 24 24 231 231"
    echo "rect #f0fac8 36 36 219 175"
    echo "polygon #78b478 56,160 100,88 130,126 154,98 200,160"
    echo "circle #e6c850 178 66 14"
    echo "rect #f0fac8 56 190 199 211"
} >"$shapes"

# SVG
{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">'
    echo '  <title>Plenvik</title>'
    while read -r kind fill a b c d; do
        case $kind in
        rect) echo "  <rect x=\"$a\" y=\"$b\" width=\"$((c - a + 1))\" height=\"$((d - b + 1))\" fill=\"$fill\"/>" ;;
        circle) echo "  <circle cx=\"$a\" cy=\"$b\" r=\"$c\" fill=\"$fill\"/>" ;;
        polygon) echo "  <polygon points=\"$a $b $c $d\" fill=\"$fill\"/>" ;;
        esac
    done <"$shapes"
    echo '</svg>'
} >"$out/plenvik.svg"

# The same shapes as ImageMagick's own vector format, then each size.
mvg=$(mktemp --suffix=.mvg)
{
    echo "viewbox 0 0 256 256"
    while read -r kind fill a b c d; do
        case $kind in
        rect) echo "fill $fill rectangle $a,$b $c,$d" ;;
        circle) echo "fill $fill circle $a,$b $((a + c)),$b" ;;
        polygon) echo "fill $fill polygon $a $b $c $d" ;;
        esac
    done <"$shapes"
} >"$mvg"
for size in 48 128 256; do
    convert -size 256x256 xc:none -draw "$(cat "$mvg")" -resize "${size}x${size}" "PNG32:$out/plenvik-$size.png"
done
rm -f "$mvg"
echo "wrote $out"
