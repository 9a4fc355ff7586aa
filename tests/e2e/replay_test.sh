#!/usr/bin/env bash
# A game recorded in the real window and watched there again: played with
# xdotool (the pointer, fire, Up, Esc and Back, P, F1 and Close, Quit), its
# replay holds every check in the simulator, and watched in the window,
# paused and stepped, the battlefield on the screen is the simulator's
# picture of that tick, pixel for pixel. Every wait is for a condition, and
# bounded.
# Usage, on an X server with a window manager:
#   replay_test.sh BRASSMOOR BRASSMOOR_SIM ARTEFACT_DIR [KEEP]
# KEEP: where to copy the recorded replay (to renew tests/replays/desktop.replay).
set -Eeuo pipefail

sim=$(realpath "$2")
keep=${4:-}
# shellcheck source=game.sh
source "$(dirname "$0")/game.sh" "$1" "$3"

readonly kStepped=3     # ticks stepped with Right while paused
readonly kTitleWait=10  # seconds the window may take to show a tick in its title
replay=$scratch/desktop.replay
told=$scratch/told.txt
brassmoor=$game

# title_shows PATTERN: waits until the battlefield's title matches the
# extended regular expression; sets title to it.
title_shows() {
  for _ in $(seq $((kTitleWait * 20))); do
    title=$(xdotool getwindowname "$field_window")
    [[ $title =~ $1 ]] && return 0
    sleep 0.05
  done
  fail "the window's title is \"$title\", not /$1/, after $kTitleWait s"
}

step "1: a game of --seed $kSeed played and recorded"
# start_game starts $game --seed N: here with --record as well.
game=$scratch/record.sh
printf '#!/bin/sh\nexec "%s" --record "%s" "$@"\n' "$brassmoor" "$replay" >"$game"
chmod +x "$game"
start_game
xdotool windowactivate --sync "$field_window"
xdotool mousemove $((field_x + 300)) $((field_y + 200)) keydown Up
sleep 1  # play: the recorded game runs at its pace meanwhile
xdotool mousemove $((field_x + 500)) $((field_y + 400)) mousedown 1 keyup Up
sleep 1
xdotool mouseup 1
press Escape
find_window Result
click_button "$window" 140 80  # Back
wait_until_hidden "$window"
press p
press p
press F1
find_window Help
click_button "$window" 52 148  # Close
wait_until_hidden "$window"
sleep 1
press Escape
find_window Result
click_button "$window" 60 80  # Quit
wait_for_exit 1 "Quit"
tail -n 1 "$replay" | grep -q ' end quit$' || fail "the replay does not end with Quit: $(tail -n 2 "$replay")"
[ -z "$keep" ] || cp "$replay" "$keep"

step "2: the simulator holds every check of the replay"
"$sim" --replay "$replay" >"$scratch/sim.txt" 2>&1 || fail "brassmoor-sim --replay: $(cat "$scratch/sim.txt")"

step "3: watched in the window, paused and stepped, the battlefield is the simulator's"
# Under the sanitizers as start_game runs the game.
(cd "$scratch/cwd" && HOME=$scratch/home ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0 \
  LSAN_OPTIONS=suppressions=$here/system_leaks.supp exec "$brassmoor" --replay "$replay" >"$told") &
pid=$!
find_window_named '^Brassmoor replay: '
field_window=$window
window_geometry "$field_window"
field="${WIDTH}x${HEIGHT}+$X+$Y"
press space
title_shows '^Brassmoor replay: Paused, tick ([0-9]+)$'
paused=${BASH_REMATCH[1]}
for _ in $(seq "$kStepped"); do press Right; done
tick=$((paused + kStepped))
title_shows "^Brassmoor replay: Paused, tick $tick\$"
shot "paused-at-$tick"
convert "$picture[$field]" +repage "$artefacts/window-$tick.png"
"$sim" --replay "$replay" --png "$artefacts/sim" --every "$tick" >/dev/null
simulated=$(printf '%s/sim/tick-%07d.png' "$artefacts" "$tick")
differing=$(compare -metric AE "$artefacts/window-$tick.png" "$simulated" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "$differing pixels of the window at tick $tick differ from $simulated"

step "4: played on at the fastest, it stops at the end and says so; Esc ends it"
press space 0
find_window "Brassmoor replay"
grep -qx 'The replay is over.' "$told" || fail "the watch told \"$(cat "$told")\""
press Escape
wait_for_exit 1 "Esc at the end of the replay"

rm -rf "$artefacts"  # screenshots are kept only when a check fails
echo "every step passed"
