#!/usr/bin/env bash
# The tick at 51 tanks natively and in WebAssembly, one right after the other
# on the same machine, and how many times slower the WebAssembly one is.
# The goal: at most twice the native tick.
# Usage: tick_in_both_editions.sh NATIVE_TICK_TIMING WASM_TICK_TIMING_JS
set -euo pipefail
native=$("$1")
wasm=$(node --no-experimental-fetch "$2")
awk -v n="$native" -v w="$wasm" 'BEGIN {
  printf "tick at 51 tanks, median of 5 runs: native %.2f us, WebAssembly %.2f us, ratio %.2f\n", n, w, w / n }'
