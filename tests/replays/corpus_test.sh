#!/usr/bin/env bash
# Every replay of the corpus, each recorded by playing an edition for real,
# plays back in this edition's simulator holding every check to the end.
# Usage: corpus_test.sh EDITION SIM_COMMAND...   (e.g. "wine brassmoor-sim.exe")
set -euo pipefail

edition=$1
shift
corpus=$(dirname "$(realpath "$0")")
cd "$corpus"  # Windows programs take these paths as relative ones

status=0
count=0
for replay in *.replay; do
  [ -e "$replay" ] || { echo "FAIL: no replay in $corpus"; exit 1; }
  count=$((count + 1))
  if err=$("$@" --replay "$replay" 2>&1 >/dev/null); then
    echo "$replay: every check holds on $edition"
  else
    code=$?
    echo "FAIL: $replay on $edition (status $code): $err"
    if [ "$code" = 1 ]; then
      echo "  The game plays this recorded game differently now: its numerics or its rules changed."
      echo "  If that is meant, record the corpus again by playing each edition (see the README's Replays)."
    fi
    status=1
  fi
done
echo "$count replays"
exit "$status"
