# The games replay_test.sh records, one a play, each with what its replay
# must hold: play_NAME plays it from start_game to Quit, recorded_NAME TRACE
# checks that the replay (and TRACE, the simulator's trace of it) holds what
# the play is for, and shown_NAME tells the first tick whose picture the
# watched replay is to show.
# Sourced by replay_test.sh, after game.sh.

# The desktop's: the pointer, fire, Up, Esc and Back, P, F1 and Close, Quit,
# at game.sh's seed, where the blue tank lives through it all.
play_dialogs() {
  start_game
  take_keys "$field_window"
  xdotool mousemove $((field_x + 300)) $((field_y + 200)) keydown Up
  sleep 1  # play: the recorded game runs at its pace meanwhile
  xdotool mousemove $((field_x + 500)) $((field_y + 400)) mousedown 1 keyup Up
  sleep 1
  xdotool mouseup 1
  press Escape
  find_window Result
  click_button "$window" 140 80  # Back
  wait_until_hidden "$window"
  press p p
  press F1
  find_window Help
  click_button "$window" 52 148  # Close
  wait_until_hidden "$window"
  sleep 1
  press Escape
  quit_from_result
}

# Each input of the play, at the battlefield pixel under the pointer. A line
# leaves out its tick where it is the tick after the line before.
recorded_dialogs() {
  local entry
  for entry in 'move 300 200' 'keydown 38' 'down 1 500 400' 'keyup 38' 'up 1 500 400' 'key 27' back 'key 112' \
    'keydown 112' close; do
    grep -Eq "^([0-9]+ )?$entry\$" "$replay" || fail "the replay holds no \"$entry\": $replay"
  done
}

# Any tick: the watch pauses before the dialogs, which would cover the battlefield.
shown_dialogs() { echo 0; }

# Windows': the blue tank is shot untouched, the game paused, and a
# right-click on a live tank makes it every tank's target. At this seed, with
# no input, the blue tank is out of play at tick 57 and the level goes on to
# tick 580.
readonly kPickSeed=16

play_pick() {
  kSeed=$kPickSeed
  # The pointer off the battlefield: nothing reaches the game before the pick,
  # so the game of the seed is the simulator's.
  xdotool mousemove 0 0
  start_game
  # The tanks drawn, not the blue one seen: under load the first screenshot
  # can come after the blue tank is lost.
  until_shown started tanks_drawn 400 || fail "only $blacks black pixels on the battlefield: $picture"
  eventually lost_a_while || fail "the blue tank is still in play after $kWait s: $picture"
  press p
  until_still "paused"
  live_tank || fail "no live tank stands alone on the paused battlefield: $picture"
  xdotool mousemove $((field_x + tank_x)) $((field_y + tank_y)) click 3
  press p
  sleep 1  # the picked tank's hunt, recorded at the game's pace
  press Escape
  quit_from_result
}

# lost_a_while: no dark-blue figure in two screenshots 300 ms apart. A hit
# that leaves the tank in play shows it grey for the rest of one tick only.
lost_a_while() {
  shot lost-a
  ! find_player || return 1
  sleep 0.3
  shot lost-b
  ! find_player
}

# live_tank: sets tank_x and tank_y to the centre of a black figure on the
# battlefield of the latest screenshot, one tank alone; false when there is none.
live_tank() {
  local centre
  centre=$(convert "$picture[$field]" +repage -fill white +opaque "rgb($black)" \
    -define connected-components:verbose=true -connected-components 8 null: | awk -v span="$kFigureSpan" \
    -v least="$kFigurePixels" -v colour="srgb($black)" '
      $NF == colour && $(NF - 1) >= least {
        split($2, box, /[x+]/)
        if (box[1] <= span && box[2] <= span) { split($3, c, ","); printf "%d %d\n", c[1] + 0.5, c[2] + 0.5; exit }
      }')
  [ -n "$centre" ] && read -r tank_x tank_y <<<"$centre"
}

# The row of the tick the right-click came before: the blue tank out of play,
# and one live tank every other slot's target.
recorded_pick() {
  jq -s -e '[.[] | select(any(.events[]; .[0] == "up" and .[1] == 2)) | .tanks as $t
    | $t[0][4] == 0 and any(range(51); . as $p | $t[$p][4] > 0 and all(range(51); . == $p or $t[.][6] == $p))]
    | any' "$1" >/dev/null || fail "no right-click in the replay picked a tank while the blue one was out of play: $replay"
}

# The last tick before the pause that the pick came in: the blue tank's
# wreck, with the blasts and trails of the shots. (While the game's timer is
# off, a step of the watch is one input, not a tick.)
shown_pick() {
  awk '{ if ($1 ~ /^[0-9]+$/) { tick = $1; what = $2 } else { tick++; what = $1 } }
    what == "key" { print tick - 1; exit }' "$replay"
}
