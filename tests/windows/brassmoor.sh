#!/usr/bin/env bash
# brassmoor.exe under Wine, as the end-to-end test starts a game: in the Wine
# session its caller runs in, with the arguments it is given.
exec wine "$BRASSMOOR_EXE" "$@"
