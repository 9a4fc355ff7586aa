# The game as the end-to-end tests play it: started, pressed and watched on
# the screen, and its end. Sourced after `set -Eeuo pipefail`, with the game
# and a folder for the screenshots:
#   source game.sh BRASSMOOR ARTEFACT_DIR
# BRASSMOOR is the program, or a script that starts it and takes its place.
game=$(realpath "$1")
artefacts=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$artefacts"
mkdir -p "$artefacts"
# shellcheck source=screen.sh
source "$here/screen.sh"

readonly kScreenWidth=1280 kScreenHeight=1024
readonly kFieldWidth=723 kFieldHeight=651
readonly kFigureReach=15                        # pixels from a tank's centre to its barrel tip
readonly kFigureSpan=$((2 * kFigureReach + 1))  # pixels across one tank figure
readonly kFigurePixels=40                       # fewer dark-blue pixels than this are no figure
readonly black=0,0,0 blue=0,0,150

# The game runs in an empty folder with an empty home; both must stay empty.
scratch=$(mktemp -d)
mkdir "$scratch/cwd" "$scratch/home"
pid=
on_exit=:  # what else a test undoes as it ends, passed or failed
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"; $on_exit' EXIT

# Every run plays the same game, whose blue tank is in play for its first 600
# ticks without input. Input comes at ticks that vary from run to run, so the
# games part after it; a failure names the seed.
kSeed=7

fail() {
  echo "FAIL (the game of --seed $kSeed): $*"
  echo "screenshots kept:"
  printf '  %s\n' "${shots[@]}"
  exit 1
}

trap 'fail "line $LINENO: $BASH_COMMAND failed"' ERR

step() { echo "step $* (at ${SECONDS} s)"; }

# run_game ARGS...: starts the game with ARGS in its empty folder and home;
# sets pid. Under the sanitizers: ASan's strndup check misreads the X
# keyboard library's bounded copies of unterminated names, and system
# libraries keep some memory to the end.
run_game() {
  (cd "$scratch/cwd" && HOME=$scratch/home ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0 \
    LSAN_OPTIONS=suppressions=$here/system_leaks.supp exec "$game" "$@") &
  pid=$!
}

# find_field TITLE_REGEX: sets field_window, field_x, field_y and field, the
# battlefield's geometry on the screen (its client area, at any scale).
find_field() {
  find_window_named "$1"
  field_window=$window
  window_geometry "$field_window"
  field_x=$X
  field_y=$Y
  field="${WIDTH}x${HEIGHT}+$X+$Y"
}

# start_game: starts the game of the seed and finds its battlefield.
start_game() {
  run_game --seed "$kSeed"
  find_field '^Brassmoor$'
}

# press KEYS...: keys typed on the battlefield, which the player has clicked into focus.
press() {
  take_keys "$field_window"
  xdotool key "$@"
}

# take_keys WINDOW: the window manager activates WINDOW, and it takes the keyboard.
take_keys() {
  xdotool windowactivate --sync "$1"
  eventually active "$1" || fail "window $1 did not take the keys: $(window_state "$1")"
}

# find_player: sets figure_x and figure_y to the centre of the one dark-blue
# figure on the battlefield of the latest screenshot; false when there is none.
find_player() {
  local count x0 y0 x1 y1
  read -r count x0 y0 x1 y1 <<<"$(colour_spread "$picture" "$field" "$blue")"
  [ "$count" -ge "$kFigurePixels" ] || return 1
  [ $((x1 - x0 + 1)) -le "$kFigureSpan" ] && [ $((y1 - y0 + 1)) -le "$kFigureSpan" ] ||
    fail "dark-blue pixels spread over ${x0}..${x1} x ${y0}..${y1} in $picture: more than one figure"
  figure_x=$(((x0 + x1) / 2))
  figure_y=$(((y0 + y1) / 2))
}

# tanks_drawn LEAST: the battlefield of the latest screenshot has at least
# LEAST black pixels, those of live tanks' figures: the first tick has placed them.
tanks_drawn() {
  blacks=$(colour_count "$picture" "$field" "$black")
  [ "$blacks" -ge "$1" ]
}

# until_still WHY: the battlefield stops, as it does once a key that pauses
# the game has reached it: two screenshots 300 ms apart, the earlier in
# $first, show the same battlefield.
until_still() { eventually still_a_while "$1" || fail "the battlefield did not stop within $kWait s after $1: $first $picture"; }
still_a_while() {
  shot "$1-a"
  first=$picture
  sleep 0.3
  shot "$1-b"
  [ "$(pixels_differ "$first" "$picture" "$field")" = 0 ]
}

# expect_dialog TITLE WIDTH HEIGHT: sets dialog to the shown dialog, and
# WIDTH and HEIGHT to its client size, after checking that it is no smaller.
# A dialog grows past its tabled size where the desktop's font needs more
# room for a caption (the help's last line does at the default 9 pt).
expect_dialog() {
  find_window "$1"
  dialog=$window
  window_geometry "$dialog"
  [ "$WIDTH" -ge "$2" ] && [ "$HEIGHT" -ge "$3" ] || fail "the $1 dialog is $WIDTH x $HEIGHT, smaller than $2 x $3"
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

# wait_for_exit WHY: the game ends, with status 0.
wait_for_exit() {
  local status=0
  eventually exited || fail "the game still runs $kWait s after $1"
  wait "$pid" || status=$?
  pid=
  [ "$status" = 0 ] || fail "the game ended with status $status after $1"
}
exited() { ! kill -0 "$pid" 2>/dev/null; }

# quit_from_result: Quit on the result dialog that Esc has opened ends the game.
quit_from_result() {
  find_window Result
  click_button "$window" 60 80  # Quit
  wait_for_exit "Quit"
}
