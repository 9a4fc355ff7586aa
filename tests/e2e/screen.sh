# The X screen as the end-to-end test sees it: windows found by title,
# clicks, screenshots and the pixels read from them.
# Sourced; needs $artefacts, a folder for the pictures, and a fail function.

readonly kWindowWait=10  # seconds a window may take to appear
shots=()                 # every screenshot taken, in order, to name them when a check fails

# find_window TITLE: sets window to the visible window with exactly this
# title, once it is there.
find_window() {
  window=$(timeout "$kWindowWait" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
    fail "no window titled \"$1\" within $kWindowWait s"
}

# wait_until_hidden WINDOW: polls until the window is unmapped.
wait_until_hidden() {
  for _ in $(seq 100); do
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
    sleep 0.05
  done
  fail "window $1 is still shown"
}

# eventually COMMAND...: polls until COMMAND succeeds, for at most 5 s; false
# if it never does. The window manager answers a request in its own time.
eventually() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# window_geometry WINDOW: sets X, Y, WIDTH and HEIGHT of the window's client area.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}

# frame_geometry WINDOW: sets FRAME_X, FRAME_Y, FRAME_WIDTH and FRAME_HEIGHT of
# the frame the window manager put around the window, and TOP, its title bar's
# height. (xdotool reports a framed window's position off by its frame.)
frame_geometry() {
  local left right bottom x y width height
  read -r left right TOP bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/^.*= //; s/,//g')"
  read -r x y width height <<<"$(xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /^ *Width/ { w = $2 } /^ *Height/ { h = $2 } END { print x, y, w, h }')"
  FRAME_X=$((x - left)) FRAME_Y=$((y - TOP)) FRAME_WIDTH=$((left + width + right)) FRAME_HEIGHT=$((TOP + height + bottom))
}

# click_button WINDOW X Y: a left click at (X, Y) of the window's client area.
# The server takes the move before the click, so there is nothing to wait for;
# xdotool's --sync can wait for seconds when the pointer is already there.
click_button() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# shot NAME: saves the whole screen as $artefacts/NN-NAME.png; sets picture to its path.
shot() {
  picture=$(printf '%s/%02d-%s.png' "$artefacts" "${#shots[@]}" "$1")
  import -window root "$picture"
  shots+=("$picture")
}

# colour_spread PICTURE GEOMETRY R,G,B: the pixels of one exact colour inside
# GEOMETRY (WxH+X+Y) of a screenshot, as "count minx miny maxx maxy" in
# coordinates relative to GEOMETRY; "0" when there are none. Every other
# pixel is made transparent, so only the colour's own pixels are listed.
colour_spread() {
  local other=white
  [ "$3" != 255,255,255 ] || other=black
  convert "$1[$2]" -fill "$other" +opaque "rgb($3)" -transparent "$other" sparse-color:- | tr ' ' '\n' | awk -F, '
    NF >= 2 {
      x = $1; y = $2
      if (n == 0 || x < x0) x0 = x; if (n == 0 || x > x1) x1 = x
      if (n == 0 || y < y0) y0 = y; if (n == 0 || y > y1) y1 = y
      n++
    }
    END { if (n) print n, x0, y0, x1, y1; else print 0 }'
}

# colour_count PICTURE GEOMETRY R,G,B: how many pixels of GEOMETRY have the colour.
colour_count() {
  convert "$1[$2]" -format %c histogram:info:- | awk -v colour="($3)" '$2 == colour { n = $1 + 0 } END { print n + 0 }'
}

# pixels_differ A B GEOMETRY: how many pixels of GEOMETRY differ between two screenshots.
pixels_differ() {
  compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1 || true
}
