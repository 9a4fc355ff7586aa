#!/usr/bin/env bash
# What the Windows edition has to show beyond the game that every edition
# plays (play_test.sh): the result dialog at its tabled size with the numbers
# in it, drawn in the fonts the session gives Wine (the help's captions are
# the dialogs test's), and the battlefield at 144 DPI, bigger and sharp.
# Usage, in a Wine session (wine_session.sh with): screen_test.sh BRASSMOOR_EXE ARTEFACT_DIR
set -Eeuo pipefail

BRASSMOOR_EXE=$(realpath "$1")
export BRASSMOOR_EXE
# shellcheck source=../e2e/game.sh
source "$(dirname "$0")/../e2e/game.sh" "$(dirname "$0")/brassmoor.sh" "$2"

readonly kDesktopKey='HKCU\Control Panel\Desktop'
readonly kLongestNumber=20  # pixels: a count of a few digits, not the initial caption "Label3"

# set_dpi DPI: the DPI Wine gives the programs it starts from now on.
set_dpi() {
  if [ "$1" = 96 ]; then
    wine reg delete "$kDesktopKey" /v LogPixels /f
  else
    wine reg add "$kDesktopKey" /v LogPixels /t REG_DWORD /d "$1" /f
  fi >/dev/null 2>&1
}
on_exit="set_dpi 96"

# text_spread PICTURE GEOMETRY: the dark pixels of text inside GEOMETRY
# (smoothed glyphs have few that are quite black), as "count minx miny maxx maxy".
text_spread() { colour_spread "$1" "$2" 0,0,0 -colorspace gray -threshold 50%; }

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

# The dialog's labels are drawn a while after it shows, the later under load.
numbers_shown() {
  for left_top in "80 8" "80 32"; do  # Label3, the wins, and Label4, the losses
    read -r left top <<<"$left_top"
    read -r count x0 _ x1 _ <<<"$(text_spread "$picture" "81x17+$((X + left))+$((Y + top))")"
    [ "$count" -gt 0 ] && [ $((x1 - x0 + 1)) -le "$kLongestNumber" ] || return 1
  done
}

step "1: Esc shows the result at its tabled size, with the numbers"
start_game
press Escape
expect_dialog Result 213 112
[ "$WIDTH x $HEIGHT" = "213 x 112" ] || fail "the Result dialog is $WIDTH x $HEIGHT, not 213 x 112"
until_shown result numbers_shown ||
  fail "the labels at (80, 8) and (80, 32) of the Result dialog show no number after $kWait s: $picture"
quit_from_result

step "2: at 144 DPI the battlefield is 1.5 times as big and sharp"
set_dpi 144
start_game
[ "$WIDTH x $HEIGHT" = "1085 x 977" ] || fail "at 144 DPI the window is $WIDTH x $HEIGHT, not 1085 x 977"
centred "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "the window at ($X, $Y) is not centred"
until_shown at-144-dpi tanks_drawn 900 || fail "only $blacks black pixels at 144 DPI: $picture"
broken=$(nearest_neighbour "$picture" "$field")
[ "$broken" = 0 ] || fail "$broken pixels at 144 DPI are not the nearest neighbour's: $picture"
press Escape
expect_dialog Result 320 168
click_button "$dialog" 90 120  # Quit, at 1.5 times its place
wait_for_exit "Quit at 144 DPI"

rm -rf "$artefacts"  # screenshots are kept only when a check fails
echo "every step passed"
