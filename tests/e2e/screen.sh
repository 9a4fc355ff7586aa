# The X screen as the end-to-end test sees it: windows found by title, how the
# window manager stacks, frames and shows them, screenshots and the pixels
# read from them.
# Sourced; needs $artefacts, a folder for the pictures, and a fail function.

# Every wait is for a condition, polled. Its bound only ends a test that has
# already failed, so it is wide enough for a loaded machine, where one
# screenshot and its reading can take seconds and Wine a long while to map a
# window.
readonly kWait=60  # seconds
shots=()           # every screenshot taken, in order, to name them when a check fails

# eventually COMMAND...: polls until COMMAND succeeds; false if it has not after kWait seconds.
eventually() {
  local deadline=$((SECONDS + kWait))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# find_window TITLE: sets window to the visible window with exactly this
# title, once it is there.
find_window() { find_window_named "^$1\$"; }

# find_window_named REGEX: the same for a title that matches REGEX. Polled, not
# --sync: xdotool gives up at the first window that vanishes under its search,
# as Qt's short-lived helper windows do.
find_window_named() { eventually titled "$1" || fail "no window titled /$1/ within $kWait s"; }
titled() { window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true) && [ -n "$window" ]; }

# wait_until_hidden WINDOW: the window is unmapped.
wait_until_hidden() { eventually hidden "$1" || fail "window $1 is still shown after $kWait s"; }
hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# stacking: the windows the window manager manages, bottom to top, in hex.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*# //; s/,//g'; }

# above WINDOW OTHER: the window manager stacks WINDOW over OTHER.
above() {
  stacking | awk -v w="$(printf '0x%x' "$1")" -v o="$(printf '0x%x' "$2")" '
    { for (i = 1; i <= NF; i++) { if ($i == w) wi = i; if ($i == o) oi = i } }
    END { exit !(wi && oi && wi > oi) }'
}

# on_top WINDOW: no managed window is stacked over it.
on_top() { [ "$(stacking | awk '{ print $NF }')" = "$(printf '0x%x' "$1")" ]; }

# active WINDOW: the window manager has given WINDOW the focus, and the
# window has taken the keyboard. A program that takes the focus itself when
# the window manager offers it (WM_TAKE_FOCUS, as Wine does) gets the keys
# only once it has answered: a key sent before goes to the window that had them.
active() {
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# iconic WINDOW: the window manager shows WINDOW minimised.
iconic() { [[ $(xprop -id "$1" WM_STATE) == *'window state: Iconic'* ]]; }

# whole WINDOW: shown, and neither minimised, maximised nor full-screen.
whole() {
  local state
  state=$(xprop -id "$1" WM_STATE _NET_WM_STATE)
  [[ $state == *'window state: Normal'* && ! $state =~ _HIDDEN|_MAXIMIZED|_FULLSCREEN ]]
}

# window_state WINDOW: what the window manager says of WINDOW, for a failure's message.
window_state() {
  printf '0x%x: %s; stacking: %s; active: %s' "$1" "$(xprop -id "$1" WM_STATE _NET_WM_STATE | tr -s '\n\t' '  ')" \
    "$(stacking)" "$(printf '0x%x' "$(xdotool getactivewindow 2>/dev/null || echo 0)")"
}

# window_geometry WINDOW: sets X, Y, WIDTH and HEIGHT of the window's client
# area on the screen. (xdotool reports a framed window's position off by its frame.)
window_geometry() {
  read -r X Y WIDTH HEIGHT <<<"$(xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
    /^ *Width/ { w = $2 } /^ *Height/ { h = $2 } END { print x, y, w, h }')"
}

# frame_geometry WINDOW: sets FRAME_X, FRAME_Y, FRAME_WIDTH and FRAME_HEIGHT of
# the frame the window manager put around the window, and TOP, its title bar's height.
frame_geometry() {
  local left right bottom
  read -r left right TOP bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/^.*= //; s/,//g')"
  window_geometry "$1"
  FRAME_X=$((X - left)) FRAME_Y=$((Y - TOP))
  FRAME_WIDTH=$((left + WIDTH + right)) FRAME_HEIGHT=$((TOP + HEIGHT + bottom))
}

# click_button WINDOW X Y: a left click at (X, Y) of the window's client area.
# The server takes the move before the click, so there is nothing to wait for;
# xdotool's --sync can wait for seconds when the pointer is already there.
click_button() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# shot NAME: saves the whole screen as $artefacts/NN-NAME.png; sets picture to its path.
shot() {
  picture=$(printf '%s/%02d-%s.png' "$artefacts" "${#shots[@]}" "$1")
  import -window root "$picture"
  shots+=("$picture")
}

# until_shown NAME CHECK [ARGS...]: takes screenshots named NAME until CHECK
# ARGS... succeeds on the latest ($picture); false if it never does.
until_shown() { eventually shown "$@"; }
shown() { shot "$1" && "${@:2}"; }

# colour_spread PICTURE GEOMETRY R,G,B [OPTION...]: the pixels of one exact
# colour inside GEOMETRY (WxH+X+Y) of a screenshot, after convert's OPTIONs,
# as "count minx miny maxx maxy" in coordinates relative to GEOMETRY; "0" when
# there are none. Every other pixel is made transparent, so only the colour's
# own pixels are listed.
colour_spread() {
  local other=white
  [ "$3" != 255,255,255 ] || other=black
  convert "$1[$2]" "${@:4}" -fill "$other" +opaque "rgb($3)" -transparent "$other" sparse-color:- | tr ' ' '\n' | awk -F, '
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
pixels_differ() { compare -metric AE "$1[$3]" "$2[$3]" null: 2>&1 || true; }
