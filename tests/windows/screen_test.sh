#!/usr/bin/env bash
# What the Windows edition has to show beyond the game that every edition
# plays (play_test.sh): the result dialog at its tabled size with the numbers
# in it, the help with its five lines, and the battlefield at 144 DPI, bigger
# and sharp. Quit ends each game with status 0.
# Usage, in a Wine session (wine_session.sh with): screen_test.sh BRASSMOOR_EXE ARTEFACT_DIR
set -Eeuo pipefail

BRASSMOOR_EXE=$(realpath "$1")
export BRASSMOOR_EXE
# shellcheck source=../e2e/game.sh
source "$(dirname "$0")/../e2e/game.sh" "$(dirname "$0")/brassmoor.sh" "$2"

readonly kDesktopKey='HKCU\Control Panel\Desktop'
readonly kTextRows=(8 32 56 80 104)  # the help's five labels, pixels from the top of its client area
readonly kLongestNumber=20           # pixels: a count of a few digits, not the initial caption "Label3"

# set_dpi DPI: the DPI Wine gives the programs it starts from now on.
set_dpi() {
  if [ "$1" = 96 ]; then
    wine reg delete "$kDesktopKey" /v LogPixels /f
  else
    wine reg add "$kDesktopKey" /v LogPixels /t REG_DWORD /d "$1" /f
  fi >/dev/null 2>&1
}
on_exit="set_dpi 96"

# client_origin WINDOW: sets X and Y to where the window's client area lies on
# the screen. xdotool counts a framed window's frame in twice; xwininfo does not.
client_origin() {
  X=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $NF }')
  Y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $NF }')
}

# text_spread PICTURE GEOMETRY: the dark pixels of text inside GEOMETRY
# (smoothed glyphs have few that are quite black), as "count minx maxx".
text_spread() {
  convert "$1[$2]" -colorspace gray -threshold 50% -depth 8 txt:- | awk 'NR > 1 && $3 == "#000000" {
      split($1, at, "[,:]"); x = at[1]
      if (!n || x < x0) x0 = x; if (!n || x > x1) x1 = x; n++
    } END { print n + 0, x0 + 0, x1 + 0 }'
}

# nearest_neighbour PICTURE GEOMETRY: at a scale of 1.5 each battlefield
# pixel is a block of 2 or 1 device pixels: columns 3k and 3k + 1 of the
# window show one battlefield column, and so do rows 3k and 3k + 1. Prints
# how many pixels break that; a smoothing scaler breaks it at every edge.
nearest_neighbour() {
  convert "$1[$2]" -depth 8 txt:- | awk 'NR > 1 {
      split($1, at, "[,:]"); x = at[1]; y = at[2]; colour = $3
      if (x % 3 == 0) left = colour; else if (x % 3 == 1 && colour != left) broken++
      if (y % 3 == 0) above[x] = colour; else if (y % 3 == 1 && colour != above[x]) broken++
    } END { print broken + 0 }'
}

step "1: Esc shows the result at its tabled size, with the numbers, and the battlefield stops"
start_game
press Escape
expect_dialog Result 213 112
[ "$WIDTH x $HEIGHT" = "213 x 112" ] || fail "the Result dialog is $WIDTH x $HEIGHT, not 213 x 112"
client_origin "$dialog"
shot result
for label in "80 8" "80 32"; do  # Label3, the wins, and Label4, the losses
  read -r left top <<<"$label"
  read -r count x0 x1 <<<"$(text_spread "$picture" "81x17+$((X + left))+$((Y + top))")"
  [ "$count" -gt 0 ] && [ $((x1 - x0 + 1)) -le "$kLongestNumber" ] ||
    fail "the label at ($left, $top) of the Result dialog shows no number: $count dark pixels over $x0..$x1"
done
click_button "$dialog" 140 80  # Back
wait_until_hidden "$dialog"

step "2: F1 shows the help with its five lines"
press F1
expect_dialog Help 305 175
client_origin "$dialog"
shot help
for top in "${kTextRows[@]}"; do
  read -r count _ <<<"$(text_spread "$picture" "$((WIDTH - 16))x17+$((X + 8))+$((Y + top))")"
  [ "$count" -gt 50 ] || fail "the help's line at $top shows $count dark pixels: $picture"
done
click_button "$dialog" 52 148  # Close
wait_until_hidden "$dialog"

step "3: Quit ends the game with status 0"
press Escape
find_window Result
click_button "$window" 60 80  # Quit
wait_for_exit 2 "Quit"

step "4: at 144 DPI the battlefield is 1.5 times as big and sharp"
set_dpi 144
start_game
[ "$WIDTH x $HEIGHT" = "1085 x 977" ] || fail "at 144 DPI the window is $WIDTH x $HEIGHT, not 1085 x 977"
centred "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "the window at ($X, $Y) is not centred"
# The first tick places the tanks.
tanks_drawn() {
  blacks=$(colour_count "$picture" "$field" "$black")
  [ "$blacks" -ge 900 ]
}
until_shown at-144-dpi tanks_drawn || fail "only $blacks black pixels at 144 DPI: $picture"
broken=$(nearest_neighbour "$picture" "$field")
[ "$broken" = 0 ] || fail "$broken pixels at 144 DPI are not the nearest neighbour's: $picture"
press Escape
expect_dialog Result 320 168
click_button "$dialog" 90 120  # Quit, at 1.5 times its place
wait_for_exit 2 "Quit at 144 DPI"

rm -rf "$artefacts"  # screenshots are kept only when a check fails
echo "every step passed"
