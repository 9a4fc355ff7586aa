#!/usr/bin/env bash
# The Windows programs' command lines as a Windows user meets them, in a
# folder named outside ASCII, each with the status the desktop's give:
# brassmoor-sim.exe's /? shows the usage, a folder given as the script or the
# trace is named as a folder (the Windows C library calls it "Permission
# denied"), and pictures, which this build cannot write, are refused;
# brassmoor.exe --replay of a file it cannot read says so in one line.
# Usage, in a Wine session: command_line_test.sh BRASSMOOR_EXE WINDOWS_SIM
set -euo pipefail

game=$(realpath "$1")
sim=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/Zoë Ωmega"
cd "$scratch/Zoë Ωmega"  # Windows programs take these paths as relative ones
mkdir folder Ωfolder.replay
printf 'brassmoor-replay 1\ngame 0.1.0\nedition Linux\ndate 2026-12-08T00:00:00Z\n0 seed 7\n0 enemies x\n' >Ωbad.replay
set -f  # /? is an argument, not a pattern

# Each case: the program, its arguments, the status, the lines it writes
# (any: however many) and a pattern of them.
status=0
while IFS='|' read -r program args want_status want_lines want; do
  actual_status=0
  # shellcheck disable=SC2086  # the arguments are words
  output=$(wine "${!program}" $args 2>&1 | tr -d '\r') || actual_status=$?
  # shellcheck disable=SC2053  # the wanted output is a pattern
  if [ "$actual_status" = "$want_status" ] && [[ $want_lines == any || $(wc -l <<<"$output") == "$want_lines" ]] &&
    [[ $output == $want ]]; then
    echo "$program $args: status $actual_status, \"$output\"" | head -n 1
  else
    echo "FAIL: $program $args: wanted status $want_status and $want_lines lines like \"$want\", got status $actual_status and:"
    echo "$output" | head -n 5 | sed 's/^/  /'
    status=1
  fi
done <<'CASES'
sim|/?|0|any|usage: brassmoor-sim [--seed N]*
sim|--input folder --ticks 1|2|1|brassmoor-sim: cannot read the input script 'folder': Is a directory
sim|--trace folder --ticks 1|2|1|brassmoor-sim: cannot write the trace 'folder': Is a directory
sim|--png pictures --ticks 1|2|1|brassmoor-sim: this build of brassmoor-sim writes no pictures
game|--replay Ωbad.replay|2|1|brassmoor: *line 6: the value must be a whole number from 0 to 18446744073709551615, not 'x'
game|--replay Ωfolder.replay|2|1|brassmoor: *: Is a directory
game|--replay missing.replay|2|1|brassmoor: *cannot read the replay 'missing.replay': No such file or directory
CASES
exit "$status"
