#!/usr/bin/env bash
# A game recorded in the real window and watched there again: played with
# xdotool, its replay holds every check in the simulator, and watched in the
# window, paused and stepped, the battlefield on the screen is the
# simulator's picture of that tick, pixel for pixel, and still is once the
# window has been minimised and restored. Every wait is for a
# condition, and bounded.
# Usage, on an X server with a window manager:
#   replay_test.sh PLAY BRASSMOOR BRASSMOOR_SIM ARTEFACT_DIR [KEEP]
# PLAY: how the recorded game is played, so that the corpus holds every kind of input:
#   dialogs  the pointer, fire, Up, Esc and Back, P, F1 and Close, Quit (the desktop's)
#   pick     the blue tank lost untouched, then a right-click on a live tank, Quit (Windows')
# BRASSMOOR_SIM: the simulator that draws pictures (the desktop's, for either edition).
# KEEP: where to copy the recorded replay, to renew the corpus: tests/replays/desktop.replay
#   from the dialogs on the desktop, tests/replays/windows.replay from the pick under Wine
#   (windows_e2e_replay's command, with the path added).
set -Eeuo pipefail

play=$1
sim=$(realpath "$3")
keep=${5:-}
# shellcheck source=game.sh
source "$(dirname "$0")/game.sh" "$2" "$4"
# shellcheck source=replay_plays.sh
source "$here/replay_plays.sh"
declare -F "play_$play" >/dev/null || fail "no play \"$play\": dialogs or pick"

readonly kStepped=3     # ticks stepped with Right while paused, at least
replay=$scratch/game.replay
told=$scratch/told.txt
brassmoor=$game

# title_shows STATUS: waits until the battlefield's title tells the playback's
# status, matching the extended regular expression STATUS; sets title to it.
# Windows adds the playback's keys to the title: "(Space, Right, 1, 4, 0, Esc)".
title_shows() { eventually titled_status "$1" || fail "the window's title is \"$title\", not the status /$1/, after $kWait s"; }
titled_status() {
  title=$(xdotool getwindowname "$field_window")
  [[ $title =~ ^Brassmoor\ replay:\ $1(\ \(.*\))?$ ]]
}

# shows_simulated: the battlefield of the latest screenshot is the simulator's
# picture, $simulated; sets differing to the count of pixels that are not.
shows_simulated() {
  convert "$picture[$field]" +repage "$artefacts/window-$tick.png"
  differing=$(compare -metric AE "$artefacts/window-$tick.png" "$simulated" null: 2>&1 || true)
  [ "$differing" = 0 ]
}

step "1: a game played ($play) and recorded"
# start_game starts $game --seed N: here with --record as well.
game=$scratch/record.sh
printf '#!/bin/sh\nexec "%s" --record "%s" "$@"\n' "$brassmoor" "$replay" >"$game"
chmod +x "$game"
"play_$play"
tail -n 1 "$replay" | grep -q ' end quit$' || fail "the replay does not end with Quit: $(tail -n 2 "$replay")"
[ -z "$keep" ] || cp "$replay" "$keep"
echo "recorded the game of --seed $kSeed in $(wc -c <"$replay") bytes"

step "2: the simulator holds every check of the replay, and the replay holds its play"
"$sim" --replay "$replay" --trace "$scratch/trace.jsonl" >"$scratch/sim.txt" 2>&1 ||
  fail "brassmoor-sim --replay: $(cat "$scratch/sim.txt")"
"recorded_$play" "$scratch/trace.jsonl"

step "3: watched in the window, paused and stepped, the battlefield is the simulator's"
# The desktop tells on stdout, Windows on stderr: both are kept.
game=$brassmoor
run_game --replay "$replay" >"$told" 2>&1
find_field '^Brassmoor replay: '
press space
title_shows 'Paused, tick ([0-9]+)'
paused=${BASH_REMATCH[1]}
# At least kStepped ticks on, and as far as the play's own moment.
tick=$((paused + kStepped))
shown_from=$("shown_$play")
[ "$tick" -ge "$shown_from" ] || tick=$shown_from
# shellcheck disable=SC2046  # one Right a tick
press $(printf 'Right %.0s' $(seq $((tick - paused))))
title_shows "Paused, tick $tick"
"$sim" --replay "$replay" --png "$artefacts/sim" --every "$tick" >/dev/null
simulated=$(printf '%s/sim/tick-%07d.png' "$artefacts" "$tick")
# Under Wine a window's drawing can reach the screen a moment after its title.
until_shown "paused-at-$tick" shows_simulated ||
  fail "$differing pixels of the window at tick $tick differ from $simulated"
echo "the window at tick $tick: $differing pixels differ from the simulator's picture"
# Minimised and restored, the window is shown again at the window system's
# asking, with no tick drawing: it still shows that tick.
xdotool windowminimize "$field_window"
eventually iconic "$field_window" || fail "the window is not minimised: $(window_state "$field_window")"
xdotool windowactivate "$field_window"
eventually whole "$field_window" || fail "the window is not restored: $(window_state "$field_window")"
until_shown "restored-at-$tick" shows_simulated ||
  fail "$differing pixels of the restored window at tick $tick differ from $simulated"

step "4: played on at the fastest, it stops at the end and says so; Esc ends it"
press space 0
find_window "Brassmoor replay"
tr -d '\r' <"$told" | grep -Eqx '(brassmoor: )?The replay is over\.' || fail "the watch told \"$(cat "$told")\""
# The box has the keys. Windows' is modal: Esc closes it first, and the
# battlefield takes the next; on the desktop Esc there ends the watch.
take_keys "$window"
xdotool key Escape
if grep -qx 'edition Windows' "$replay"; then
  wait_until_hidden "$window"
  press Escape
fi
wait_for_exit "Esc at the end of the replay"

rm -rf "$artefacts"  # screenshots are kept only when a check fails
echo "every step passed"
