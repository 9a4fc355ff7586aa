#!/usr/bin/env bash
# Plays Brassmoor as a person would: the real binary on a real X server, driven
# with xdotool, judged by screenshots. Each step names what it checks; a failed
# check keeps every screenshot taken and names them.
# Usage, on an X server with a window manager: play_test.sh BRASSMOOR ARTEFACT_DIR
set -Eeuo pipefail

game=$(realpath "$1")
artefacts=$2
here=$(dirname "$0")
rm -rf "$artefacts"
mkdir -p "$artefacts"
# shellcheck source=screen.sh
source "$here/screen.sh"

readonly kScreenWidth=1280 kScreenHeight=1024
readonly kFieldWidth=723 kFieldHeight=651
readonly kFigureReach=15                          # pixels from a tank's centre to its barrel tip
readonly kFigureSpan=$((2 * kFigureReach + 1))    # pixels across one tank figure
readonly kWindowWait=10                           # seconds a window may take to appear
readonly white=255,255,255 black=0,0,0 blue=0,0,150 red=200,0,0 pink=255,225,225

# The game runs in an empty folder with an empty home; both must stay empty.
scratch=$(mktemp -d)
mkdir "$scratch/cwd" "$scratch/home"
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*"
  echo "screenshots kept:"
  printf '  %s\n' "${shots[@]}"
  exit 1
}

trap 'fail "line $LINENO: $BASH_COMMAND failed"' ERR

step() { echo "step $*"; }

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

# The game ignores arguments of its own: these must change nothing.
start_game() {
  (cd "$scratch/cwd" && HOME=$scratch/home exec "$game" --level 9 unknown words) &
  pid=$!
  find_window Brassmoor
  field_window=$window
  window_geometry "$field_window"
  field="${kFieldWidth}x${kFieldHeight}+$X+$Y"
}

# press KEYS...: keys typed on the battlefield, which the player has clicked into focus.
press() {
  xdotool windowactivate --sync "$field_window"
  xdotool key "$@"
}

# blue_figure PICTURE: sets figure_x and figure_y, the centre of the player's
# tank, after checking that there is exactly one blue figure on the battlefield.
blue_figure() {
  local count x0 y0 x1 y1
  read -r count x0 y0 x1 y1 <<<"$(colour_spread "$1" "$field" "$blue")"
  [ "$count" -ge 40 ] || fail "$count dark-blue pixels in $1: the player's tank is not there"
  [ $((x1 - x0 + 1)) -le "$kFigureSpan" ] && [ $((y1 - y0 + 1)) -le "$kFigureSpan" ] ||
    fail "dark-blue pixels spread over ${x0}..${x1} x ${y0}..${y1} in $1: more than one figure"
  figure_x=$(((x0 + x1) / 2))
  figure_y=$(((y0 + y1) / 2))
}

# expect_still WHY: two screenshots 300 ms apart show the same battlefield.
expect_still() {
  local a b differing
  shot "$1-a"
  a=$picture
  sleep 0.3
  shot "$1-b"
  b=$picture
  differing=$(pixels_differ "$a" "$b" "$field")
  [ "$differing" = 0 ] || fail "$differing pixels changed in 300 ms while $1: $a $b"
}

# expect_running WHY: the battlefield changes within two seconds.
expect_running() {
  local first next
  shot "$1-a"
  first=$picture
  for _ in $(seq 10); do
    sleep 0.2
    shot "$1-b"
    next=$picture
    [ "$(pixels_differ "$first" "$next" "$field")" != 0 ] && return 0
  done
  fail "nothing moved for 2 s after $1: $first $next"
}

# click_button WINDOW X Y: a left click at (X, Y) of the window's client area.
click_button() {
  xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}

# expect_dialog TITLE WIDTH HEIGHT: sets dialog to the shown dialog, after
# checking its client size and that the battlefield stands still behind it.
expect_dialog() {
  find_window "$1"
  dialog=$window
  window_geometry "$dialog"
  [ "$WIDTH x $HEIGHT" = "$2 x $3" ] || fail "the $1 dialog is $WIDTH x $HEIGHT, not $2 x $3"
  expect_still "$1-shown"
}

# wait_for_exit SECONDS: the game ends within the time, with status 0.
wait_for_exit() {
  local status=0
  for _ in $(seq $(($1 * 50))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.02
  done
  kill -0 "$pid" 2>/dev/null && fail "the game still runs $1 s after $2"
  wait "$pid" || status=$?
  pid=
  [ "$status" = 0 ] || fail "the game ended with status $status after $2"
}

step "1: the battlefield window"
start_game
[ "$WIDTH x $HEIGHT" = "$kFieldWidth x $kFieldHeight" ] || fail "the window is $WIDTH x $HEIGHT"
xprop -id "$field_window" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0$' ||
  fail "the window has a frame: $(xprop -id "$field_window" _NET_FRAME_EXTENTS)"
# Centred: the margins either side differ by at most the odd pixel.
[ $((2 * X + WIDTH - kScreenWidth)) -ge -1 ] && [ $((2 * X + WIDTH - kScreenWidth)) -le 1 ] &&
  [ $((2 * Y + HEIGHT - kScreenHeight)) -ge -1 ] && [ $((2 * Y + HEIGHT - kScreenHeight)) -le 1 ] ||
  fail "the window at ($X, $Y) is not centred"

step "2: white battlefield, black tanks, one blue tank"
sleep 1
shot started
whites=$(colour_count "$picture" "$field" "$white")
[ "$whites" -ge $((kFieldWidth * kFieldHeight * 9 / 10)) ] || fail "only $whites white pixels in $picture"
blacks=$(colour_count "$picture" "$field" "$black")
[ "$blacks" -ge 400 ] || fail "only $blacks black pixels in $picture: fewer than six tanks"
blue_figure "$picture"

step "3: holding Up moves the blue tank"
# A tank right ahead stops the player's tank, as the rules say; the player
# then turns a little and tries again, as a person would.
for attempt in 1 2 3; do
  shot "before-driving-$attempt"
  blue_figure "$picture"
  start_x=$figure_x
  start_y=$figure_y
  xdotool windowactivate --sync "$field_window"
  xdotool keydown Up
  sleep 1.5
  xdotool keyup Up
  shot "driven-$attempt"
  blue_figure "$picture"
  moved_x=$((figure_x - start_x))
  moved_y=$((figure_y - start_y))
  [ $((moved_x * moved_x + moved_y * moved_y)) -ge 100 ] && break
  [ "$attempt" -lt 3 ] || fail "the blue tank moved only ($moved_x, $moved_y) pixels with Up held for 1.5 s"
  xdotool keydown Left
  sleep 0.6
  xdotool keyup Left
done

step "5: P pauses and resumes"
press p
sleep 0.1  # the key reaches the game
expect_still paused
press p
expect_running resumed

step "6: Esc shows the result, Back goes on"
press Escape
expect_dialog Result 213 112
click_button "$dialog" 140 80  # Back
wait_until_hidden "$dialog"
expect_running back

step "7: F1 shows the help, Close goes on"
press F1
expect_dialog Help 305 175
click_button "$dialog" 52 148  # Close
wait_until_hidden "$dialog"
expect_running closed-help

step "8: Esc, then Quit ends the game"
press Escape
expect_dialog Result 213 112
click_button "$dialog" 60 80  # Quit
wait_for_exit 1 "Quit"
written=$(find "$scratch/cwd" "$scratch/home" -mindepth 1)
[ -z "$written" ] || fail "the game wrote files: $written"

step "9: the window manager closing the battlefield ends the game, even with a dialog shown"
start_game
press Escape
expect_dialog Result 213 112
press alt+F4
wait_for_exit 1 "the window manager closed the battlefield"

rm -rf "$artefacts"  # screenshots are kept only when a check fails
echo "every step passed"
