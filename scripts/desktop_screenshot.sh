#!/usr/bin/env bash
# The pictures software centres show of the desktop game (its metainfo names
# them): on an X server of its own with openbox, a few seconds of play with
# the player driving ahead and firing at the centre, the battlefield; then the
# result dialog, moved aside as a player would, and the help dialog over it.
# Usage: scripts/desktop_screenshot.sh [BRASSMOOR] [DOCS_DIR]
#        (defaults: build/default/src/desktop/brassmoor, docs)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$root/build/default/src/desktop/brassmoor}")
docs=$(realpath "${2:-$root/docs}")
if [ "${BRASSMOOR_X_SESSION:-}" != started ]; then
  exec bash "$root/tests/e2e/with_x_session.sh" bash "$0" "$game" "$docs"
fi

"$game" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
field=$(timeout 10 xdotool search --sync --onlyvisible --name '^Brassmoor$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$field")"
crop="${WIDTH}x${HEIGHT}+$X+$Y"
xdotool windowactivate --sync "$field"
xdotool mousemove $((X + 361)) $((Y + 325)) mousedown 1 keydown Up
sleep 1
xdotool keyup Up
sleep 2
xdotool mouseup 1
import -window root -crop "$crop" +repage "$docs/desktop.png"
echo "wrote $docs/desktop.png"

xdotool key Escape
result=$(timeout 10 xdotool search --sync --onlyvisible --name '^Result$' | head -n 1)
xdotool windowmove --sync "$result" $((X + 40)) $((Y + 60))
xdotool windowactivate --sync "$field" key F1
timeout 10 xdotool search --sync --onlyvisible --name '^Help$' >/dev/null
sleep 0.3  # the dialog's first paint
import -window root -crop "$crop" +repage "$docs/desktop-dialogs.png"
echo "wrote $docs/desktop-dialogs.png"
