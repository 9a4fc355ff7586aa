#!/usr/bin/env bash
# Replays on Windows, under a user folder like "C:\Users\Zoë Ωmega": the game
# records itself by default into %LOCALAPPDATA%\Brassmoor\replays, and its
# replay plays back in brassmoor-sim.exe holding every check; and the
# simulator opens every path whole (Ω.txt, not O.txt). Watching a replay in the
# window is the end-to-end replay test's.
# Usage, in a Wine session: replays_test.sh BRASSMOOR_EXE WINDOWS_SIM
set -euo pipefail

readonly kFirstCheckWait=60  # seconds the game may take to record its first check, 40 ticks in

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
home="$scratch/Zoë Ωmega"
mkdir -p "$home"
# Copied under a name of its own, so that closing it closes no other test's game.
cp "$1" "$home/recorded-game.exe"
cp "$2" "$home/brassmoor-sim.exe"
cd "$home"  # Windows programs take these paths as relative ones

status=0
fail() {
  echo "FAIL: $*"
  status=1
}

# brassmoor-sim.exe with a script, a trace and a replay named outside ASCII.
printf '5 move 100.5 200.25\n7 down 1 100 200\n40 keydown 38\n300 keyup 38\n' >Ω.txt
if wine brassmoor-sim.exe --seed 3 --ticks 400 --input Ω.txt --trace Ωtrace.jsonl --record Ω.replay >/dev/null &&
  [ "$(wc -l <Ωtrace.jsonl)" = 400 ] && grep -q '"events":\[\["move",100.5,200.25\]\]' Ωtrace.jsonl &&
  wine brassmoor-sim.exe --replay Ω.replay >/dev/null; then
  echo "brassmoor-sim.exe read Ω.txt, wrote Ωtrace.jsonl and Ω.replay, and played it back"
else
  fail "brassmoor-sim.exe with Ω.txt, Ωtrace.jsonl and Ω.replay (here: $(ls | tr '\n' ' '))"
fi

# Wine sets LOCALAPPDATA from its registry at each start from Linux; a
# Windows parent passes on its own.
local_app_data="Z:$(tr / '\\' <<<"$home")\\Local"
replays="$home/Local/Brassmoor/replays"
wine cmd /c "set LOCALAPPDATA=$local_app_data&& recorded-game.exe --seed 5" >game.log 2>&1 &
game=$!
for _ in $(seq $((kFirstCheckWait * 10))); do
  grep -qs '^40 check ' "$replays"/*.replay && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
wine taskkill /im recorded-game.exe >/dev/null 2>&1 || true
wait "$game" || fail "the game ended with status $?: $(cat game.log)"
shopt -s nullglob
recorded=("$replays"/*.replay)
if [ "${#recorded[@]}" != 1 ]; then
  fail "the game wrote ${#recorded[@]} replays into $replays: $(cat game.log)"
elif ! tail -n 1 "${recorded[0]}" | grep -q ' end closed$' || ! grep -qx 'edition Windows' "${recorded[0]}"; then
  fail "the recorded game does not end as closed on Windows: $(tail -n 2 "${recorded[0]}" | tr '\n' ' ')"
elif ! wine brassmoor-sim.exe --replay "Local\\Brassmoor\\replays\\$(basename "${recorded[0]}")" >/dev/null; then
  fail "the game's replay does not play back in brassmoor-sim.exe"
else
  echo "the game recorded $(basename "${recorded[0]}") in $local_app_data\\Brassmoor\\replays, which plays back"
fi

exit "$status"
