#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brassmoor need.
# Idempotent: apt-get runs only when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  time
  # the browser edition; its musl sources also give the desktop its maths
  emscripten
  # the desktop icon and the Debian package
  librsvg2-bin dpkg-dev desktop-file-utils
  # the end-to-end test: an X server of its own, a window manager, input and screenshots
  xvfb xauth openbox xdotool x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
