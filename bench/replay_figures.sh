#!/bin/bash
# The replay's figures: its size for a minute of busy play (the mouse moving
# at every tick, the gun fired and the keys pressed all the while), what
# recording costs a tick, and how fast the simulator plays a replay back at
# 51 tanks with its checks. replay_figures.sh SIM [TICKS]
set -euo pipefail
sim=$1
ticks=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 2,400 ticks of 25 ms are a minute. The pointer goes where a mouse at one
# screen pixel a battlefield pixel puts it, and again at a fractional scale.
minute() {
  awk -v format="$1" 'BEGIN {
    for (t = 1; t <= 2400; t++) {
      printf "%d move " format " " format "\n", t, 400 + 300 * sin(t / 37), 300 + 200 * cos(t / 23)
      if (t % 20 == 1) printf "%d down 1 400 300\n", t
      if (t % 20 == 9) printf "%d up 1 400 300\n", t
      if (t % 50 == 1) printf "%d keydown %d\n", t, 37 + (t / 50) % 4
      if (t % 50 == 30) printf "%d keyup %d\n", t, 37 + ((t - 29) / 50) % 4
    }
  }' > "$work/minute.txt"
  "$sim" --seed 1 --enemies 50 --ticks 2400 --input "$work/minute.txt" --record "$work/minute.replay" > /dev/null
  echo "replay of a busy minute, $2: $(wc -c < "$work/minute.replay") bytes ($(wc -l < "$work/minute.replay") lines)"
}
minute %d "the pointer on whole pixels"
minute %.2f "the pointer on hundredths of a pixel"

speed() { tail -n 1 | sed 's/.*, \([0-9]*\) ticks per second/\1/'; }
plain=$("$sim" --seed 1 --enemies 50 --ticks "$ticks" | speed)
recording=$("$sim" --seed 1 --enemies 50 --ticks "$ticks" --record "$work/long.replay" | speed)
echo "recording at 51 tanks: $plain ticks/s unrecorded, $recording recorded" \
  "($(awk -v a="$plain" -v b="$recording" 'BEGIN { printf "%.2f", 1e6 / b - 1e6 / a }') us a tick)"
echo "replay at 51 tanks with every check: $("$sim" --replay "$work/long.replay" | speed) ticks/s"
