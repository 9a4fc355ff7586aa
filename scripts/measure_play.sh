#!/usr/bin/env bash
# Measures the game as a player meets it, on an X server of its own: the time
# from start to the first frame on the screen, the CPU use over a spell of
# play with random input, and the peak memory. Prints figures; judges nothing.
# Given the Windows edition's brassmoor.exe, it plays it under Wine, in a Wine
# session of its own, and counts wineserver's CPU too.
# Usage: scripts/measure_play.sh [BRASSMOOR] [SECONDS]   (defaults: the build's binary, 60)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/default/src/desktop/brassmoor}
seconds=${2:-60}
if [[ $game == *.exe ]] && [ -z "${WINEPREFIX:-}" ]; then
  session=$(mktemp -d)
  trap 'bash "$root/tests/windows/wine_session.sh" stop "$session/wine"; rm -rf "$session"' EXIT
  bash "$root/tests/windows/wine_session.sh" start "$session/wine" >/dev/null
  bash "$root/tests/windows/wine_session.sh" with "$session/wine" env BRASSMOOR_X_SESSION=started bash "$0" "$@"
  exit
fi
if [ "${BRASSMOOR_X_SESSION:-}" != started ]; then
  exec bash "$root/tests/e2e/with_x_session.sh" bash "$0" "$@"
fi
readonly kClockTicks=$(getconf CLK_TCK)

now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }  # user + system time

# The first frame: the centre of the screen, where the battlefield is centred,
# turns from the empty screen's black to the battlefield's white. Each look
# takes a few tens of milliseconds, which bounds the precision.
start=$(now_ms)
if [ -n "${WINEPREFIX:-}" ]; then wine "$game" & else "$game" & fi
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
until import -window root -crop 1x1+640+512 txt:- | grep -q white; do :; done
first_frame=$(($(now_ms) - start))
field=$(xdotool search --sync --onlyvisible --name '^Brassmoor$')
eval "$(xdotool getwindowgeometry --shell "$field")"

# A minute of play: every half second, a new aim and a random arrow key held
# or let go; the left button held half the time.
server=$(pgrep -f "^Xvfb $DISPLAY( |$)")
# Under Wine, the wineserver of this session's prefix serves every call the game makes.
wineserver=
if [ -n "${WINEPREFIX:-}" ]; then
  for candidate in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$candidate/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && wineserver=$candidate
  done
fi
xdotool windowactivate --sync "$field"
game_before=$(cpu_ticks "$pid")
server_before=$(cpu_ticks "$server")
[ -z "$wineserver" ] || wineserver_before=$(cpu_ticks "$wineserver")
play_start=$(now_ms)
keys=(Up Down Left Right)
while [ $(($(now_ms) - play_start)) -lt $((seconds * 1000)) ]; do
  xdotool mousemove $((X + RANDOM % WIDTH)) $((Y + RANDOM % HEIGHT))
  if ((RANDOM % 2)); then xdotool mousedown 1; else xdotool mouseup 1; fi
  key=${keys[RANDOM % 4]}
  if ((RANDOM % 2)); then xdotool keydown "$key"; else xdotool keyup "$key"; fi
  sleep 0.5
done
elapsed_ms=$(($(now_ms) - play_start))
game_cpu=$(($(cpu_ticks "$pid") - game_before))
server_cpu=$(($(cpu_ticks "$server") - server_before))
[ -z "$wineserver" ] || wineserver_cpu=$(($(cpu_ticks "$wineserver") - wineserver_before))
peak_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")

percent() { awk -v t="$1" -v hz="$kClockTicks" -v ms="$elapsed_ms" 'BEGIN { printf "%.1f", 100 * t / hz / (ms / 1000) }'; }
echo "first frame on the screen: ${first_frame} ms after start"
echo "CPU over $((elapsed_ms / 1000)) s of play: game $(percent "$game_cpu") % of one core, X server $(percent "$server_cpu") %"
[ -z "$wineserver" ] ||
  echo "  wineserver $(percent "$wineserver_cpu") %; all three $(percent $((game_cpu + server_cpu + wineserver_cpu))) %"
echo "peak memory (VmHWM): $((peak_kb / 1024)) MB"
