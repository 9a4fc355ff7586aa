#!/usr/bin/env bash
# Runs a command on an X server of its own, whatever display the caller has:
# Xvfb at 1280 x 1024 x 24 with key auto-repeat off (-r), so a held key sends
# one press and one release, and openbox managing the windows, as on a desktop.
# -noreset: by default the server resets when its last client leaves, and a
# client connecting during that reset (openbox, right after xprop) is refused.
# Usage: with_x_session.sh COMMAND [ARGS...]
set -euo pipefail

readonly kNoServer=75  # the X server was not there for us: another run took its number

if [ "${BRASSMOOR_X_SESSION:-}" != started ]; then
  export BRASSMOOR_X_SESSION=started
  # xvfb-run picks a free display number by looking, so two runs starting at
  # once can pick the same one; the one that loses tries again.
  for _ in 1 2 3; do
    status=0
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -r -noreset" "$0" "$@" || status=$?
    [ "$status" = "$kNoServer" ] || exit "$status"
  done
  echo "no X server after three tries"
  exit 1
fi

xprop -root >/dev/null 2>&1 || { echo "X server $DISPLAY cannot be reached"; exit "$kNoServer"; }

# Qt warns, and makes a folder of its own in /tmp, without a runtime dir.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
openbox --sm-disable >"$XDG_RUNTIME_DIR/openbox.log" 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null; wait "$wm" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

# The window manager is ready once it has announced itself on the root window.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$wm" 2>/dev/null || { cat "$XDG_RUNTIME_DIR/openbox.log"; echo "openbox did not start"; exit 1; }
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "openbox did not take the screen"; exit 1; }

"$@"
