#!/usr/bin/env bash
# The same game on Windows: brassmoor-sim.exe under Wine writes the desktop
# simulator's trace byte for byte, for a level of the first size and for 51
# tanks. A difference names the first line where the two part. (The desktop's
# recordings playing back on Windows are the replay corpus's test.)
# Usage, in a Wine session: same_game_test.sh LINUX_SIM WINDOWS_SIM
set -euo pipefail

linux_sim=$(realpath "$1")
windows_sim=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"  # Windows programs take these paths as relative ones

status=0
while read -r name options; do
  # shellcheck disable=SC2086  # the options are words
  "$linux_sim" $options --trace "linux-$name.jsonl" >/dev/null
  # shellcheck disable=SC2086
  wine "$windows_sim" $options --trace "windows-$name.jsonl" >/dev/null
  if cmp -s "linux-$name.jsonl" "windows-$name.jsonl"; then
    echo "$name ($options): the same, $(wc -l <"linux-$name.jsonl") ticks"
  else
    first=$({ cmp "linux-$name.jsonl" "windows-$name.jsonl" || true; } | sed -n 's/.* byte \([0-9]*\), line \([0-9]*\).*/\1 \2/p')
    read -r byte line <<<"${first:-1 ?}"
    echo "FAIL: $name ($options): the Windows trace parts from the desktop's at line $line, byte $byte:"
    for edition in linux windows; do
      printf '  %-8s ...%s...\n' "$edition" "$(tail -c +$((byte > 40 ? byte - 40 : 1)) "$edition-$name.jsonl" | head -c 80 | cat -v)"
    done
    status=1
  fi
done <<'CASES'
seed-11 --seed 11 --ticks 2000
tanks-51 --seed 11 --enemies 50 --ticks 1500
CASES

exit "$status"
