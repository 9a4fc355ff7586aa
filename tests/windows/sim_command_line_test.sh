#!/usr/bin/env bash
# brassmoor-sim.exe's command line as a Windows user meets it: /? shows the
# usage, a folder given as the script or the trace is named as a folder (the
# Windows C library calls it "Permission denied"), and pictures, which this
# build cannot write, are refused; each with the status the desktop's gives.
# Usage, in a Wine session: sim_command_line_test.sh WINDOWS_SIM
set -euo pipefail

sim=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"  # Windows programs take these paths as relative ones
mkdir folder
set -f  # /? is an argument, not a pattern

status=0
while IFS='|' read -r args expected_status expected; do
  actual_status=0
  # shellcheck disable=SC2086  # the arguments are words
  output=$(wine "$sim" $args 2>&1 | tr -d '\r') || actual_status=$?
  if [ "$actual_status" = "$expected_status" ] && [[ $output == *"$expected"* ]]; then
    echo "$args: status $actual_status, \"$expected\""
  else
    echo "FAIL: $args: wanted status $expected_status and \"$expected\", got status $actual_status and:"
    echo "$output" | head -n 5 | sed 's/^/  /'
    status=1
  fi
done <<'CASES'
/?|0|usage: brassmoor-sim [--seed N]
--input folder --ticks 1|2|brassmoor-sim: cannot read the input script 'folder': Is a directory
--trace folder --ticks 1|2|brassmoor-sim: cannot write the trace 'folder': Is a directory
--png pictures --ticks 1|2|brassmoor-sim: this build of brassmoor-sim writes no pictures
CASES
exit "$status"
