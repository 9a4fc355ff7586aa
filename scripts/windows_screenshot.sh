#!/usr/bin/env bash
# The README's picture of the Windows edition: brassmoor.exe under Wine (in a
# Wine session of its own, on Xvfb with openbox), a few seconds of play with
# the player driving ahead and firing at the centre, then the help dialog.
# Usage: scripts/windows_screenshot.sh [BRASSMOOR_EXE] [PNG]
#        (defaults: build/windows/src/windows/brassmoor.exe, docs/windows.png)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(realpath "${1:-$root/build/windows/src/windows/brassmoor.exe}")
png=$(realpath -m "${2:-$root/docs/windows.png}")
if [ -z "${WINEPREFIX:-}" ]; then
  session=$(mktemp -d)
  trap 'bash "$root/tests/windows/wine_session.sh" stop "$session/wine"; rm -rf "$session"' EXIT
  bash "$root/tests/windows/wine_session.sh" start "$session/wine" >/dev/null
  bash "$root/tests/windows/wine_session.sh" with "$session/wine" bash "$0" "$exe" "$png"
  exit
fi

wine "$exe" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
field=$(timeout 10 xdotool search --sync --onlyvisible --name '^Brassmoor$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$field")"
xdotool windowactivate --sync "$field"
xdotool mousemove $((X + 361)) $((Y + 325)) mousedown 1 keydown Up
sleep 1
xdotool keyup Up
sleep 2
xdotool mouseup 1 key F1
timeout 10 xdotool search --sync --onlyvisible --name '^Help$' >/dev/null
sleep 0.3  # the dialog's first paint
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$png"
echo "wrote $png"
