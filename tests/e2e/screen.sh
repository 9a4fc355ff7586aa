# Screenshots of the whole X screen and what the checks read from them.
# Sourced by the end-to-end test; needs $artefacts, a folder for the pictures.

shots=()  # every screenshot taken, in order, to name them when a check fails

# shot NAME: saves the whole screen as $artefacts/NN-NAME.png; sets picture to its path.
shot() {
  picture=$(printf '%s/%02d-%s.png' "$artefacts" "${#shots[@]}" "$1")
  import -window root "$picture"
  shots+=("$picture")
}

# window_geometry WINDOW: sets X, Y, WIDTH and HEIGHT of the window's client area.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# colour_spread PICTURE GEOMETRY R,G,B: the pixels of one exact colour inside
# GEOMETRY (WxH+X+Y) of a screenshot, as "count minx miny maxx maxy" in
# coordinates relative to GEOMETRY; "0" when there are none.
colour_spread() {
  convert "$1[$2]" txt:- | awk -v colour="($3)" '
    $2 == colour {
      split($1, p, /[,:]/); x = p[1]; y = p[2]
      if (n == 0 || x < x0) x0 = x; if (n == 0 || x > x1) x1 = x
      if (n == 0 || y < y0) y0 = y; if (n == 0 || y > y1) y1 = y
      n++
    }
    END { if (n) print n, x0, y0, x1, y1; else print 0 }'
}

# colour_count PICTURE GEOMETRY R,G,B: how many pixels of GEOMETRY have the colour.
colour_count() {
  local spread
  spread=$(colour_spread "$@")
  echo "${spread%% *}"
}

# pixels_differ A B GEOMETRY: how many pixels of GEOMETRY differ between two screenshots.
pixels_differ() {
  compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1 || true
}
