# Shell helpers to drive Plenvik in a real window with xdotool.
# Source this file; it expects DISPLAY to point at a running X server.

# A program folder of its own in $prog with the binary and a library
# folder, removed when the script ends.
plenvik_folder() { # binary
    prog=$(mktemp -d)
    trap 'rm -rf "$prog"' EXIT
    cp "$1" "$prog/plenvik"
    mkdir -p "$prog/Voorbeelden"
}

plenvik_start() { # program-folder
    "$1/plenvik" >/dev/null 2>&1 &
    PLENVIK_PID=$!
    WID=$(xdotool search --sync --onlyvisible --name '^ Plenvik$' | head -n 1)
    sleep 0.5
    xdotool windowfocus --sync "$WID"
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X; WY=$Y
    # The client area starts below the menu bar; find the grey plate that
    # lies 8 pixels into it rather than assume the bar's height.
    dy=$(import -window root -crop 1x80+$((WX + 10))+"$WY" txt:- | grep -m 1 '#808080' | sed 's/^0,\([0-9]*\):.*/\1/')
    [ -n "$dy" ] || { echo "cannot find the canvas" >&2; return 1; }
    CY=$((WY + dy - 8))
    CX=$WX
    PX=$((CX + 14)); PY=$((CY + 14))
}

plenvik_focus() { xdotool windowfocus --sync "$WID" 2>/dev/null || true; }

plenvik_drag() { # x1 y1 x2 y2 in canvas units
    xdotool mousemove $((PX + $1)) $((PY + $2)) mousedown 1
    xdotool mousemove $(((PX + $1 + PX + $3) / 2)) $(((PY + $2 + PY + $4) / 2))
    xdotool mousemove $((PX + $3)) $((PY + $4)) mouseup 1
}

plenvik_answer() { # title-part [text]
    d=$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    xdotool windowfocus --sync "$d"
    sleep 0.2
    [ -n "$2" ] && xdotool type --delay 20 "$2"
    xdotool key Return
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do sleep 0.1; done
    plenvik_focus
    sleep 0.2
}

plenvik_menu() { # menu-index item-down-presses
    plenvik_focus
    set -- "$1" "$2"
    case "$1" in 0) mx=20 ;; 1) mx=56 ;; 2) mx=96 ;; 3) mx=142 ;; *) mx=186 ;; esac # File, Edit, Tools, Extra, Help
    xdotool mousemove $((CX + mx)) $((CY - 10)) click 1
    sleep 0.3
    i=0
    while [ $i -lt "$2" ]; do xdotool key Down; i=$((i + 1)); done
    xdotool key Return
    sleep 0.3
}

plenvik_quit() {
    plenvik_menu 0 5
    plenvik_answer "Exit program"
    wait "$PLENVIK_PID" 2>/dev/null || true
}
