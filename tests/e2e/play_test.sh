#!/usr/bin/env bash
# Plays Brassmoor as a person would: the real binary on a real X server, driven
# with xdotool, judged by screenshots and by what the window manager says of
# its windows (never by timing). Each step names what it checks; a failed
# check keeps every screenshot taken and names them.
# Usage, on an X server with a window manager: play_test.sh BRASSMOOR ARTEFACT_DIR
set -Eeuo pipefail

game=$(realpath "$1")
artefacts=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$artefacts"
mkdir -p "$artefacts"
# shellcheck source=screen.sh
source "$here/screen.sh"

readonly kScreenWidth=1280 kScreenHeight=1024
readonly kFieldWidth=723 kFieldHeight=651
readonly kFigureReach=15                        # pixels from a tank's centre to its barrel tip
readonly kFigureSpan=$((2 * kFigureReach + 1))  # pixels across one tank figure
readonly kFigurePixels=40                       # fewer dark-blue pixels than this are no figure
readonly kLineReach=8                           # pixels either side of a line of fire, and beyond its end
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

step() { echo "step $* (at ${SECONDS} s)"; }

# start_game: starts the game, notes when in started_ms, and sets field_window, field_x, field_y and
# field, the battlefield's geometry on the screen. The game ignores arguments
# of its own: these must change nothing.
start_game() {
  started_ms=$(date +%s%3N)
  # Under the sanitizers: ASan's strndup check misreads the X keyboard
  # library's bounded copies of unterminated names, and system libraries
  # keep some memory to the end.
  (cd "$scratch/cwd" && HOME=$scratch/home ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0 \
    LSAN_OPTIONS=suppressions=$here/system_leaks.supp exec "$game" --level 9 unknown words) &
  pid=$!
  find_window Brassmoor
  field_window=$window
  window_geometry "$field_window"
  field_x=$X
  field_y=$Y
  field="${kFieldWidth}x${kFieldHeight}+$X+$Y"
}

# at_ms_after_start MS: waits until MS milliseconds after the game was started.
at_ms_after_start() {
  local left=$(($1 - ($(date +%s%3N) - started_ms)))
  [ "$left" -le 0 ] || sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
}

# press KEYS...: keys typed on the battlefield, which the player has clicked into focus.
press() {
  xdotool windowactivate --sync "$field_window"
  xdotool key "$@"
}

# find_player PICTURE: sets figure_x and figure_y to the centre of the one
# dark-blue figure on the battlefield; false when there is none.
find_player() {
  local count x0 y0 x1 y1
  read -r count x0 y0 x1 y1 <<<"$(colour_spread "$1" "$field" "$blue")"
  [ "$count" -ge "$kFigurePixels" ] || return 1
  [ $((x1 - x0 + 1)) -le "$kFigureSpan" ] && [ $((y1 - y0 + 1)) -le "$kFigureSpan" ] ||
    fail "dark-blue pixels spread over ${x0}..${x1} x ${y0}..${y1} in $1: more than one figure"
  figure_x=$(((x0 + x1) / 2))
  figure_y=$(((y0 + y1) / 2))
}

# player_on_screen NAME: find_player on a screenshot; a tank just hit shows
# grey until the next tick, so a second look follows a moment later.
player_on_screen() {
  shot "$1"
  find_player "$picture" && return 0
  sleep 0.1
  shot "$1"
  find_player "$picture"
}

# live_player NAME: player_on_screen, for a step that needs the player's tank.
# Enemy shells often destroy it within seconds; then the player asks for the
# next level (Esc, Next level), as a person would, and gets a fresh tank.
live_player() {
  for _ in 1 2 3; do
    player_on_screen "$1" && return 0
    echo "  the player's tank is gone: Esc, Next level"
    press Escape
    find_window Result
    click_button "$window" 188 80  # Next level
    wait_until_hidden "$window"
    sleep 0.2  # the next tick starts the new level
  done
  fail "the player's tank is not on the battlefield even on a new level: $picture"
}

# expect_still WHY: two screenshots 300 ms apart show the same battlefield.
expect_still() {
  local first
  shot "$1-a"
  first=$picture
  sleep 0.3
  shot "$1-b"
  local differing
  differing=$(pixels_differ "$first" "$picture" "$field")
  [ "$differing" = 0 ] || fail "$differing pixels changed in 300 ms while $1: $first $picture"
}

# expect_running WHY: the battlefield changes within two seconds.
expect_running() {
  local first
  shot "$1-a"
  first=$picture
  for _ in $(seq 10); do
    sleep 0.2
    shot "$1-b"
    [ "$(pixels_differ "$first" "$picture" "$field")" != 0 ] && return 0
  done
  fail "nothing moved for 2 s after $1: $first $picture"
}

# expect_dialog TITLE WIDTH HEIGHT: sets dialog to the shown dialog, after
# checking its client size and that the battlefield stands still behind it.
# A dialog grows past its tabled size where the desktop's font needs more
# room for a caption (the help's last line does at the default 9 pt).
expect_dialog() {
  find_window "$1"
  dialog=$window
  window_geometry "$dialog"
  [ "$WIDTH" -ge "$2" ] && [ "$HEIGHT" -ge "$3" ] || fail "the $1 dialog is $WIDTH x $HEIGHT, smaller than $2 x $3"
  expect_still "$1-shown"
}

# centred LEFT TOP WIDTH HEIGHT: the box lies centred on the screen, the
# margins either side differing by at most the odd pixel.
centred() {
  local dx=$((2 * $1 + $3 - kScreenWidth)) dy=$((2 * $2 + $4 - kScreenHeight))
  [ "${dx#-}" -le 1 ] && [ "${dy#-}" -le 1 ]
}

# expect_frame_centred TITLE: the dialog shown for the first time, $dialog,
# is centred frame and all, its title bar included.
expect_frame_centred() {
  eventually frame_centred "$dialog" ||
    fail "the $1 dialog's frame at ($FRAME_X, $FRAME_Y), $FRAME_WIDTH x $FRAME_HEIGHT, is not centred on the screen"
  [ "$TOP" -gt 0 ] || fail "the $1 dialog has no title bar: $(xprop -id "$dialog" _NET_FRAME_EXTENTS)"
}

frame_centred() {
  frame_geometry "$1"
  centred "$FRAME_X" "$FRAME_Y" "$FRAME_WIDTH" "$FRAME_HEIGHT"
}

# wait_for_exit SECONDS WHY: the game ends within the time, with status 0.
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
centred "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "the window at ($X, $Y) is not centred"

step "2: white battlefield, black tanks, one blue tank"
at_ms_after_start 1000
# Now and then the enemies have already destroyed the player's tank by then;
# the next level shows a fresh one.
live_player started
whites=$(colour_count "$picture" "$field" "$white")
[ "$whites" -ge $((kFieldWidth * kFieldHeight * 9 / 10)) ] || fail "only $whites white pixels in $picture"
blacks=$(colour_count "$picture" "$field" "$black")
[ "$blacks" -ge 400 ] || fail "only $blacks black pixels in $picture: fewer than six tanks"

step "3: holding Up moves the blue tank"
# A tank right ahead stops the player's tank, and so does a hit; the player
# then turns a little and tries again.
for attempt in 1 2 3; do
  live_player "before-driving-$attempt"
  start_x=$figure_x
  start_y=$figure_y
  xdotool windowactivate --sync "$field_window"
  xdotool keydown Up
  sleep 1.5
  xdotool keyup Up
  if player_on_screen "driven-$attempt"; then
    moved_x=$((figure_x - start_x))
    moved_y=$((figure_y - start_y))
    [ $((moved_x * moved_x + moved_y * moved_y)) -ge 100 ] && break
  fi
  echo "  the blue tank was stopped: it turns and tries again"
  [ "$attempt" -lt 3 ] || fail "the blue tank moved only ($moved_x, $moved_y) pixels with Up held for 1.5 s"
  xdotool keydown Left
  sleep 0.6
  xdotool keyup Left
done

step "4: the left button fires at the pointer"
# The tank brakes to a standstill first, so it cannot run onto the aim point.
xdotool keydown Down
sleep 1
xdotool keyup Down
for attempt in 1 2 3; do
  live_player "aiming-$attempt"
  # An aim point 150 pixels straight left, right, above or below the tank,
  # inside the battlefield. The shells fly along the line to it: the one in
  # flight shows red, those before it left pale dots.
  for offset in "150 0" "-150 0" "0 150" "0 -150"; do
    read -r dx dy <<<"$offset"
    aim_x=$((figure_x + dx))
    aim_y=$((figure_y + dy))
    [ "$aim_x" -ge 30 ] && [ "$aim_x" -lt $((kFieldWidth - 30)) ] &&
      [ "$aim_y" -ge 30 ] && [ "$aim_y" -lt $((kFieldHeight - 30)) ] && break
  done
  left=$(((figure_x < aim_x ? figure_x : aim_x) - kLineReach))
  top=$(((figure_y < aim_y ? figure_y : aim_y) - kLineReach))
  line_of_fire="$((${dx#-} + 2 * kLineReach))x$((${dy#-} + 2 * kLineReach))+$((field_x + left))+$((field_y + top))"
  press Return  # a clear battlefield: no trail on the line of fire yet
  xdotool mousemove $((field_x + aim_x)) $((field_y + aim_y)) mousedown 1
  sleep 1
  shot "firing-$attempt"
  xdotool mouseup 1
  reds=$(colour_count "$picture" "$line_of_fire" "$red")
  pinks=$(colour_count "$picture" "$line_of_fire" "$pink")
  [ "$reds" -gt 0 ] && [ "$pinks" -gt 0 ] && break
  # An enemy shell may have destroyed the tank before it fired.
  echo "  no shell seen on the line of fire: aims again"
  [ "$attempt" -lt 3 ] ||
    fail "$reds red and $pinks pale-pink pixels along the line of fire to ($aim_x, $aim_y)"
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
expect_frame_centred Result
click_button "$dialog" 140 80  # Back
wait_until_hidden "$dialog"
expect_running back

step "7: F1 shows the help, Close goes on"
press F1
expect_dialog Help 305 175
expect_frame_centred Help
click_button "$dialog" 52 148  # Close
wait_until_hidden "$dialog"
expect_running closed-help

step "8: a shown dialog stays in sight, and the battlefield takes the keys"
press Escape
expect_dialog Result 213 112
result=$dialog
# A click on the battlefield gives it the focus, and it rises, but not over its dialog.
xdotool mousemove $((field_x + 20)) $((field_y + 20)) click 1
eventually active "$field_window" || fail "the clicked battlefield did not take the focus: $(window_state "$result")"
above "$result" "$field_window" || fail "the clicked battlefield rose over the Result dialog: $(window_state "$result")"
xdotool key p
expect_running "P on the battlefield with the Result dialog open"
xdotool key F1
find_window Help
eventually active "$window" || fail "the Help dialog did not take the focus: $(window_state "$window")"
on_top "$window" && above "$result" "$field_window" ||
  fail "the Help dialog is not on top, the Result dialog over the battlefield: $(window_state "$window")"
press F1
wait_until_hidden "$window"
# Minimised, the dialog takes its battlefield with it, and brought back, the
# battlefield brings its dialog, as a task bar or Alt+Tab would.
xdotool windowminimize "$result"
eventually iconic "$result" || fail "the Result dialog was not minimised: $(window_state "$result")"
xdotool windowactivate --sync "$field_window"
eventually whole "$result" || fail "the Result dialog did not come back with the battlefield: $(window_state "$result")"
above "$result" "$field_window" || fail "the Result dialog came back under the battlefield: $(window_state "$result")"
press Escape
wait_until_hidden "$result"
press Escape
eventually active "$result" || fail "the Result dialog shown again did not take the focus: $(window_state "$result")"
whole "$result" && on_top "$result" || fail "the Result dialog shown again is not whole on top: $(window_state "$result")"
expect_dialog Result 213 112

step "9: Quit ends the game"
click_button "$dialog" 60 80  # Quit
wait_for_exit 1 "Quit"
written=$(find "$scratch/cwd" "$scratch/home" -mindepth 1)
[ -z "$written" ] || fail "the game wrote files: $written"

step "10: the window manager closing the battlefield ends the game, even with a dialog shown"
start_game
press Escape
expect_dialog Result 213 112
press alt+F4
wait_for_exit 1 "the window manager closed the battlefield"

rm -rf "$artefacts"  # screenshots are kept only when a check fails
echo "every step passed"
