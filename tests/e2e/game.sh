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
readonly kLineReach=8                           # pixels either side of a line of fire, and beyond its end
readonly white=255,255,255 black=0,0,0 blue=0,0,150 red=200,0,0 pink=255,225,225

# The game runs in an empty folder with an empty home; both must stay empty.
scratch=$(mktemp -d)
mkdir "$scratch/cwd" "$scratch/home"
pid=
on_exit=:  # what else a test undoes as it ends, passed or failed
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$scratch"; $on_exit' EXIT

# Every run plays the same game, one where the blue tank lives long enough for
# the steps to see it drive and fire; a failure names it.
kSeed=7

fail() {
  echo "FAIL (the game of --seed $kSeed): $*"
  echo "screenshots kept:"
  printf '  %s\n' "${shots[@]}"
  exit 1
}

trap 'fail "line $LINENO: $BASH_COMMAND failed"' ERR

step() { echo "step $* (at ${SECONDS} s)"; }

# start_game: starts the game, notes when in started_ms, and sets field_window, field_x, field_y and
# field, the battlefield's geometry on the screen (its client area, at any scale). The game ignores arguments
# of its own: these must change nothing.
start_game() {
  started_ms=$(date +%s%3N)
  # Under the sanitizers: ASan's strndup check misreads the X keyboard
  # library's bounded copies of unterminated names, and system libraries
  # keep some memory to the end.
  (cd "$scratch/cwd" && HOME=$scratch/home ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0 \
    LSAN_OPTIONS=suppressions=$here/system_leaks.supp exec "$game" --seed "$kSeed") &
  pid=$!
  find_window Brassmoor
  field_window=$window
  window_geometry "$field_window"
  field_x=$X
  field_y=$Y
  field="${WIDTH}x${HEIGHT}+$X+$Y"
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
