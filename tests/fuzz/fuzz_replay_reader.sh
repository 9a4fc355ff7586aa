#!/bin/bash
# Fuzzes the replay reader with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer: fuzz_replay_reader.sh [RUNS] (default 1000000).
# It starts from a replay the simulator records, so that the fuzzer begins
# inside the grammar.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=${FUZZ_WORK:-$root/build/fuzz}
mkdir -p "$work/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -DBRASSMOOR_VERSION='"fuzz"' -I"$root/src" "$here/replay_reader_fuzz.cpp" \
  "$root"/src/replay/{replay_format,input_event,text_lines,decimal}.cpp "$root"/src/core/quote.cpp \
  -o "$work/replay_reader_fuzz"
sim=$root/build/default/tools/brassmoor-sim
if [ -x "$sim" ] && [ ! -e "$work/corpus/seed.txt" ]; then
  printf '5 move 100.5 200.25\n7 down 1 100 200\n30 up 2 100 200\n40 keydown 38\n300 keyup 38\n' > "$work/input.txt"
  "$sim" --seed 7 --ticks 200 --input "$work/input.txt" --record "$work/corpus/seed.txt" > /dev/null
fi
"$work/replay_reader_fuzz" -runs="${1:-1000000}" -max_len=4096 "$work/corpus"
