#!/bin/sh
# Makes the README's screenshot: starts the built program under Xvfb in a
# program folder of its own, draws a page with captioned frames, a border
# and a title, and grabs the window, in Dutch or in English.
# Usage: tools/screenshot.sh build/plenvik docs/screenshot.png [nl|en]
set -e
binary=$(realpath "${1:-build/plenvik}")
out=$(realpath -m "${2:-docs/screenshot.png}")
language=${3:-nl}
here=$(dirname "$(realpath "$0")")
if [ -z "$PLENVIK_IN_XVFB" ]; then
    PLENVIK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1100x760x24 -nolisten tcp" "$0" "$binary" "$out" "$language"
fi
. "$here/xdo-lib.sh"
plenvik_folder "$binary"
cp "$here/../examples/"*.bmp "$here/../examples/"*.sup "$prog/Voorbeelden/" 2>/dev/null || true
# The program follows the desktop's language; the window titles and the
# page's own texts follow the screenshot's.
export LANGUAGE= LC_MESSAGES=
if [ "$language" = en ]; then
    export LC_ALL= LANG=en_GB.UTF-8
    set -- "Title" "Great Britain 1840" "Subtitle" "Queen Victoria" "Page number" "Caption frame" "SG"
else
    export LC_ALL=C.UTF-8
    set -- "Titel" "Nederland 1852" "SubTitel" "Koning Willem III" "Paginanummer" "Onderschrift kader" "NVPH"
fi
plenvik_start "$prog"

plenvik_menu 2 3            # Tools > Border 2 pixels
plenvik_menu 2 5            # Tools > Titel
plenvik_answer "$1" "$2"
plenvik_menu 2 6            # Tools > Subtitel
plenvik_answer "$3" "$4"
plenvik_menu 2 7            # Tools > Paginanummer
plenvik_answer "$5" "1"
plenvik_drag 60 110 140 200
plenvik_answer "$6 1" "$7 1"
plenvik_drag 200 110 280 200
plenvik_answer "$6 2" "$7 2"
plenvik_menu 1 2            # Edit > Binnenkader
plenvik_drag 60 240 140 330
plenvik_answer "$6 3" "$7 3"
plenvik_drag 200 240 280 330
plenvik_answer "$6 4" "$7 4"
xdotool mousemove $((PX + 240)) $((PY + 420))
sleep 1.2
import -window root -crop 900x631+"$WX"+"$WY" +repage "$out"
plenvik_quit
echo "wrote $out"
