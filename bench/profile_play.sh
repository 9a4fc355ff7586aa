#!/usr/bin/env bash
# Where a tick of the desktop game spends its instructions: a seeded game, left
# idle on an X server of its own, under valgrind's callgrind, counted only
# after it has settled. Prints the instructions per tick and the functions
# that take the most of them, each with its own share. The kernel and the X
# server are not counted (measure_play.sh counts their CPU).
# Usage: bench/profile_play.sh [BRASSMOOR [SECONDS [KEEP]]]
#   (defaults: the build's binary, 20 s counted; KEEP: a file to keep the raw
#   profile in, for callgrind_annotate or kcachegrind)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=${1:-$root/build/default/src/desktop/brassmoor}
seconds=${2:-20}
keep=${3:-}
if [ "${BRASSMOOR_X_SESSION:-}" != started ]; then
  exec bash "$root/tests/e2e/with_x_session.sh" bash "$0" "$@"
fi
readonly kSettleSeconds=15  # valgrind's start-up of Qt is slow
readonly kTopEntries=15

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$out/callgrind.out" "$game" --seed 1 --no-record \
  2>"$out/valgrind.log" &
pid=$!
sleep "$kSettleSeconds"
callgrind_control -i on "$pid" >/dev/null 2>&1
sleep "$seconds"
callgrind_control -d "$pid" >/dev/null 2>&1  # the counts so far, to a file of their own
kill "$pid"
wait "$pid" 2>/dev/null || true
profile=$(ls "$out"/callgrind.out.* | head -n 1)
[ -z "$keep" ] || cp "$profile" "$keep"

# Calls of the game's tick, from the raw counts: a function's name is given
# once with its number, "(12) Game::tmr_Timer()", and by its number after.
ticks=$(awk '
  /^c?fn=\(/ { id = $1; sub(/^c?fn=/, "", id); sub(/\).*/, ")", id); if (index($0, " ")) name[id] = substr($0, index($0, " ") + 1) }
  /^cfn=/ { callee = name[id] }
  /^calls=/ { split($1, c, "="); if (callee == "Game::tmr_Timer()") n += c[2] }
  END { print n + 0 }' "$profile")
annotated=$(callgrind_annotate --threshold=100 "$profile")
total=$(awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }' <<<"$annotated")
echo "instructions counted over $seconds s: $total, in $ticks ticks: $((total / (ticks > 0 ? ticks : 1))) a tick"
# Where a tick goes: the game's tick, the damage handed to Qt, the paint, and
# Qt's flush to the X server, each with what it calls.
echo "a tick's parts, with what they call:"
callgrind_annotate --inclusive=yes --threshold=100 "$profile" | awk -v ticks="$ticks" '
  /Game::tmr_Timer\(\) \[/ { part = "the game'"'"'s tick" }
  /BattlefieldWindow::repaintDamage\(\) \[/ { part = "the damage to Qt" }
  /BattlefieldWindow::paintEvent\(QPaintEvent\*\) \[/ { part = "the paint" }
  /QBackingStore::flush\(/ { part = "the flush" }
  part && !(part in seen) { n = $1; gsub(",", "", n); seen[part] = 1; printf "  %-18s %8d\n", part, n / (ticks > 0 ? ticks : 1) }
  { part = "" }'
echo "functions by their own instructions:"
echo "$annotated" | awk -v n="$kTopEntries" '
  /file:function/ { table = 1; getline; next }
  table && NF >= 2 && shown < n { sub(/ \[.*\]$/, ""); gsub(/[^ ]*\//, ""); print; shown++ }'
