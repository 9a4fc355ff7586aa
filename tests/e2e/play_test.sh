#!/usr/bin/env bash
# Plays Brassmoor as a person would: the real binary on a real X server, driven
# with xdotool, judged by what the window manager says of its windows (never
# by timing). The game is a seeded one; each step waits for what it checks,
# within a bound, and never tries again. Each step names what it checks. That
# the arrows, the pointer and its buttons reach the game, at the pixel under
# the pointer, is the replay test's: its recording holds them; and so is the
# battlefield on the screen, pixel for pixel the simulator's picture.
# Usage, on an X server with a window manager: play_test.sh BRASSMOOR ARTEFACT_DIR
set -Eeuo pipefail

# shellcheck source=game.sh
source "$(dirname "$0")/game.sh" "$@"

step "1: the battlefield window"
start_game
[ "$WIDTH x $HEIGHT" = "$kFieldWidth x $kFieldHeight" ] || fail "the window is $WIDTH x $HEIGHT"
xprop -id "$field_window" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0$' ||
  fail "the window has a frame: $(xprop -id "$field_window" _NET_FRAME_EXTENTS)"
centred "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "the window at ($X, $Y) is not centred"

step "2: Esc shows the result, and Back gives the battlefield the keys again"
press Escape
expect_dialog Result 213 112
expect_frame_centred Result
result=$dialog
# The player looks at another program's window, in the corner clear of the
# battlefield, and comes back to the dialog by a click on it. The window
# manager would give the focus back to that window when the dialog goes.
xmessage -geometry +0+0 "another program" &
other_pid=$!
on_exit="kill $other_pid"
find_window xmessage
xdotool windowactivate --sync "$window"
click_button "$result" 100 20  # its labels
eventually active "$result" || fail "the clicked Result dialog did not take the focus: $(window_state "$result")"
click_button "$result" 140 80  # Back
wait_until_hidden "$result"
# Wine 8 leaves the X focus to the window manager, asking it for none, so the
# Windows edition cannot take it back there.
if [ -z "${BRASSMOOR_EXE:-}" ]; then
  eventually active "$field_window" || fail "the hidden Result dialog left the keys elsewhere: $(window_state "$field_window")"
fi
kill "$other_pid"
on_exit=:

step "3: a shown dialog stays in sight, and the battlefield takes the keys"
press Escape
expect_dialog Result 213 112
result=$dialog
# A click on the battlefield gives it the focus, and it rises, but not over its dialog.
xdotool mousemove $((field_x + 20)) $((field_y + 20)) click 1
eventually active "$field_window" || fail "the clicked battlefield did not take the focus: $(window_state "$result")"
above "$result" "$field_window" || fail "the clicked battlefield rose over the Result dialog: $(window_state "$result")"
xdotool key F1
expect_dialog Help 305 175
eventually active "$dialog" || fail "the Help dialog did not take the focus: $(window_state "$dialog")"
on_top "$dialog" && above "$result" "$field_window" ||
  fail "the Help dialog is not on top, the Result dialog over the battlefield: $(window_state "$dialog")"
press F1
wait_until_hidden "$dialog"
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

step "4: Quit ends the game"
quit_from_result
written=$(find "$scratch/cwd" "$scratch/home" -mindepth 1)
[ -z "$written" ] || fail "the game wrote files: $written"

step "5: the window manager closing the battlefield ends the game, even with a dialog shown"
start_game
press Escape
expect_dialog Result 213 112
press alt+F4
wait_for_exit "the window manager closed the battlefield"

rm -rf "$artefacts"  # kept only when a check fails
echo "every step passed"
