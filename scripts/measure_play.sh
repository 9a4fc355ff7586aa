#!/usr/bin/env bash
# Measures the game as a player meets it, on an X server of its own: the time
# from start to the first frame on the screen, the peak memory, and the CPU it
# costs beside its floor (bench's floor_window: a window of the battlefield's
# size whose timer ticks and does nothing) and beside the painting
# floor (floor_window --paint: the same window showing one changed tile a
# tick). The programs take turns in the same minutes, twice each: a spell left
# idle, then a spell of random input.
# Each spell counts the program and the X server; under Wine, the program is
# every process of its Wine session (the game, wineserver, Wine's services).
# Prints figures; judges nothing.
# Given the Windows edition's brassmoor.exe, it plays it under Wine, in a Wine
# session of its own, beside the Windows floor_window.exe.
# Usage: scripts/measure_play.sh [BRASSMOOR [SECONDS]]   (defaults: the build's binary, 30 s a spell)
#        FLOOR=PROGRAM overrides the floor (default: the floor_window of the same build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/default/src/desktop/brassmoor}
seconds=${2:-30}
if [[ $game == *.exe ]]; then
  floor=${FLOOR:-$root/build/windows/bench/floor_window.exe}
else
  floor=${FLOOR:-$root/build/default/bench/floor_window}
fi
if [[ $game == *.exe ]] && [ -z "${WINEPREFIX:-}" ]; then
  session=$(mktemp -d)
  trap 'bash "$root/tests/windows/wine_session.sh" stop "$session/wine"; rm -rf "$session"' EXIT
  bash "$root/tests/windows/wine_session.sh" start "$session/wine" >/dev/null
  bash "$root/tests/windows/wine_session.sh" with "$session/wine" env BRASSMOOR_X_SESSION=started FLOOR="$floor" \
    bash "$0" "$@"
  exit
fi
if [ "${BRASSMOOR_X_SESSION:-}" != started ]; then
  exec bash "$root/tests/e2e/with_x_session.sh" env FLOOR="$floor" bash "$0" "$@"
fi
readonly kRounds=2
readonly kSettleSeconds=2  # after the window shows, before a spell counts

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Nanoseconds on a CPU, every thread of every process named, as far as they live.
cpu_ns() {
  local pid sum=0
  for pid in "$@"; do
    sum=$((sum + $(cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }')))
  done
  echo "$sum"
}

# Under Wine, the processes of this session's prefix; else the program itself.
processes_of() {
  if [ -z "${WINEPREFIX:-}" ]; then
    echo "$1"
    return
  fi
  local candidate
  for candidate in $(pgrep -u "$(id -u)" .); do
    { tr '\0' '\n' <"/proc/$candidate/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$candidate"
  done
}

start() {
  if [ -n "${WINEPREFIX:-}" ]; then wine "$@" & else "$@" & fi
  pid=$!
}

stop() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=
}
pid=
trap 'stop' EXIT

# Every half second, a new aim and a random arrow key held or let go; the
# left button held half the time. All are let go at the end.
random_input() {
  local keys=(Up Down Left Right) begin key
  begin=$(now_ms)
  while [ $(($(now_ms) - begin)) -lt $((seconds * 1000)) ]; do
    xdotool mousemove $((X + RANDOM % WIDTH)) $((Y + RANDOM % HEIGHT))
    if ((RANDOM % 2)); then xdotool mousedown 1; else xdotool mouseup 1; fi
    key=${keys[RANDOM % 4]}
    if ((RANDOM % 2)); then xdotool keydown "$key"; else xdotool keyup "$key"; fi
    sleep 0.5
  done
  xdotool mouseup 1 keyup Up keyup Down keyup Left keyup Right
}

# One spell: "own X" CPU as % of one core.
spell() {
  local own before_own before_server begin elapsed_ns
  own=$(processes_of "$pid")
  # shellcheck disable=SC2086
  before_own=$(cpu_ns $own)
  before_server=$(cpu_ns "$server")
  begin=$(date +%s%N)
  if [ "$1" = idle ]; then sleep "$seconds"; else random_input; fi
  elapsed_ns=$(($(date +%s%N) - begin))
  # shellcheck disable=SC2086
  awk -v o=$(($(cpu_ns $own) - before_own)) -v x=$(($(cpu_ns "$server") - before_server)) -v t="$elapsed_ns" \
    'BEGIN { printf "%.2f %.2f", 100 * o / t, 100 * x / t }'
}

server=$(pgrep -f "^Xvfb $DISPLAY( |$)")
declare -A figures
programs=(game floor)
programs+=(painting)
for round in $(seq "$kRounds"); do
  for program in "${programs[@]}"; do
    if [ "$program" = game ]; then title='^Brassmoor$'; else title='^Brassmoor floor$'; fi
    launched=$(now_ms)
    case $program in
      game) start "$game" ;;
      floor) start "$floor" ;;
      painting) start "$floor" --paint ;;
    esac
    if [ "$round" = 1 ] && [ "$program" = game ]; then
      # The first frame: the centre of the screen, where the battlefield is
      # centred, turns from the empty screen's black to the battlefield's
      # white. Each look takes a few tens of milliseconds, which bounds the
      # precision.
      until import -window root -crop 1x1+640+512 txt:- | grep -q white; do :; done
      first_frame=$(($(now_ms) - launched))
    fi
    window=$(xdotool search --sync --onlyvisible --name "$title" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool windowactivate --sync "$window"
    sleep "$kSettleSeconds"
    figures[$round.$program.idle]=$(spell idle)
    figures[$round.$program.play]=$(spell play)
    [ "$program" != game ] || peak_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    stop
  done
done

echo "first frame on the screen: ${first_frame} ms after start"
echo "peak memory (VmHWM): $((peak_kb / 1024)) MB"
if [ -n "${WINEPREFIX:-}" ]; then own="Wine's processes"; else own="the program"; fi
echo "CPU in % of one core over spells of $seconds s: $own + the X server = together"
together() { awk -v o="$1" -v x="$2" 'BEGIN { printf "%.2f + %.2f = %.2f", o, x, o + x }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print (b > 0 ? sprintf("%.1f", a / b) : "-") }'; }
header="round  spell  $(printf '%-24s ' "${programs[@]}")game/floor  game/painting"
echo "$header"
for round in $(seq "$kRounds"); do
  for spell in idle play; do
    line=$(printf '%-6s %-6s ' "$round" "$spell")
    declare -A sum=()
    for program in "${programs[@]}"; do
      read -r own x <<<"${figures[$round.$program.$spell]}"
      sum[$program]=$(awk -v o="$own" -v x="$x" 'BEGIN { print o + x }')
      line+=$(printf '%-24s ' "$(together "$own" "$x")")
    done
    line+=$(printf '%-10s' "$(ratio "${sum[game]}" "${sum[floor]}")")
    line+="  $(ratio "${sum[game]}" "${sum[painting]}")"
    echo "$line"
  done
done
