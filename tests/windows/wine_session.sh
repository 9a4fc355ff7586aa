#!/usr/bin/env bash
# One Wine session for a run of the Windows tests, in a folder of the build:
# a fresh prefix, Wine's services started once and kept, and an X server of
# its own with openbox (with_x_session.sh), for the tests that show windows.
# Measured: a fresh prefix takes 3 to 6 s and 695 MB, so it is made once.
#
# Usage: wine_session.sh start DIR   make the session (a ctest setup fixture)
#        wine_session.sh stop DIR    end it and remove the prefix (the cleanup fixture)
#        wine_session.sh with DIR COMMAND [ARGS...]
#                                    run COMMAND in it: `with DIR wine PROGRAM` runs a Windows
#                                    program, whose exit status is the command's
set -euo pipefail

command=$1
dir=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
readonly kXWait=30  # seconds the X server and openbox may take to come up

# The session's environment. WINEDEBUG=-all keeps Wine's own chatter out of
# the tests' output; winedbg off keeps a crash's report to one line.
session_env() {
  echo "export WINEPREFIX=$dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES=winedbg.exe=d"
  cat "$dir/x.env"
}

stop() {
  if [ -d "$dir/prefix" ]; then
    WINEPREFIX=$dir/prefix wineserver -k 2>/dev/null || true
  fi
  if [ -f "$dir/x.pid" ]; then
    kill -- "-$(cat "$dir/x.pid")" 2>/dev/null || true
  fi
  rm -rf "$dir"
}

case $command in
start)
  stop  # whatever an interrupted run left behind
  mkdir -p "$dir/prefix"
  # The X session waits in the background, in a process group of its own,
  # until stop ends it; it writes its display for the tests to use.
  setsid bash "$here/../e2e/with_x_session.sh" bash -c \
    'printf "export DISPLAY=%s XAUTHORITY=%s\n" "$DISPLAY" "$XAUTHORITY" >"$1.new" && mv "$1.new" "$1" && exec sleep infinity' \
    _ "$dir/x.env" </dev/null >"$dir/x.log" 2>&1 &
  echo $! >"$dir/x.pid"
  for _ in $(seq $((kXWait * 10))); do
    [ -f "$dir/x.env" ] && break
    kill -0 "$(cat "$dir/x.pid")" 2>/dev/null || break
    sleep 0.1
  done
  [ -f "$dir/x.env" ] || { cat "$dir/x.log"; echo "the X session did not start"; exit 1; }
  eval "$(session_env)"
  # Wine's services must not hold the test's output open: started with their
  # output detached, they would keep ctest waiting for seconds, or for good.
  wineserver -p </dev/null >/dev/null 2>&1
  wine wineboot </dev/null >/dev/null 2>&1
  # Wine 8 does not read its own fonts where Debian puts them: without them
  # the dialogs fall back to DejaVu, and the close glyph is an "r".
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  echo "Wine session on $DISPLAY, prefix $WINEPREFIX"
  ;;
stop) stop ;;
with)
  shift 2
  eval "$(session_env)"
  exec "$@"
  ;;
*)
  echo "usage: wine_session.sh start|stop|with DIR ..." >&2
  exit 2
  ;;
esac
