#!/bin/sh
# Makes the example pages shipped in Voorbeelden/: the built program draws
# and saves them itself under Xvfb, so they are exactly what it writes.
# Usage: tools/make-examples.sh build/plenvik examples
set -e
binary=$(realpath "${1:-build/plenvik}")
out=$(realpath -m "${2:-examples}")
here=$(dirname "$(realpath "$0")")
if [ -z "$PLENVIK_IN_XVFB" ]; then
    PLENVIK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1100x760x24 -nolisten tcp" "$0" "$binary" "$out"
fi
. "$here/xdo-lib.sh"
plenvik_folder "$binary"
mkdir -p "$out"
# The example pages are made in the program's own language, Dutch.
export LANGUAGE= LC_MESSAGES= LC_ALL=C.UTF-8
plenvik_start "$prog"

save_as() {
    plenvik_menu 0 2
    plenvik_answer "Supplement opslaan" "$1"
}
new_page() {
    plenvik_menu 0 1
    plenvik_answer "Nieuw"
}

# A page of four definitives with a border, title and number.
plenvik_menu 2 2
plenvik_menu 2 5; plenvik_answer "Titel" "Nederland 1852"
plenvik_menu 2 6; plenvik_answer "SubTitel" "Koning Willem III"
plenvik_menu 2 7; plenvik_answer "Paginanummer" "1"
plenvik_drag 60 110 140 200; plenvik_answer "Onderschrift kader 1" "NVPH 1"
plenvik_drag 200 110 280 200; plenvik_answer "Onderschrift kader 2" "NVPH 2"
plenvik_drag 60 240 140 330; plenvik_answer "Onderschrift kader 3" "NVPH 3"
plenvik_drag 200 240 280 330; plenvik_answer "Onderschrift kader 4" "NVPH 4"
save_as "Nederland 1852"

# A row of wide commemoratives with inner frames.
new_page
plenvik_menu 1 2
plenvik_menu 2 3
plenvik_menu 2 5; plenvik_answer "Titel" "Europa CEPT"
plenvik_menu 2 7; plenvik_answer "Paginanummer" "12"
plenvik_drag 50 100 165 170; plenvik_answer "Onderschrift kader 1" "1956"
plenvik_drag 180 100 295 170; plenvik_answer "Onderschrift kader 2" "1957"
plenvik_drag 50 220 165 290; plenvik_answer "Onderschrift kader 3" "1958"
plenvik_drag 180 220 295 290; plenvik_answer "Onderschrift kader 4" "1959"
plenvik_drag 115 340 230 410; plenvik_answer "Onderschrift kader 5" "1960"
save_as "Europa CEPT"

# A block and a strip, no border.
new_page
plenvik_menu 1 2
plenvik_menu 2 5; plenvik_answer "Titel" "Blokken en stroken"
plenvik_drag 70 90 270 250; plenvik_answer "Onderschrift kader 1" "Blok 1"
plenvik_drag 40 300 300 360; plenvik_answer "Onderschrift kader 2" "Strook van 5"
save_as "Blokken en stroken"

plenvik_quit
cp "$prog/Voorbeelden/"* "$out/"
ls -l "$out"
