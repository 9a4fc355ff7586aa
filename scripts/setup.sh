#!/usr/bin/env bash
# Installs what building, running and testing Brassmoor need: Debian packages,
# and the browser tests' npm dependency at the version package-lock.json pins;
# `setup.sh windows` adds what the Windows edition needs, which only its tests
# build. Idempotent: apt-get and npm run only when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

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
  # the browser edition's tests
  chromium
)

# The Windows edition: mingw-w64's compilers, Wine to test it under, Wine's
# fonts for its dialogs, GoogleTest's sources to build for Windows, and the
# tools that make its icon. Measured with --no-install-recommends: mingw-w64
# and Wine are 19 packages, 170 MB to download.
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine googletest librsvg2-bin imagemagick)
[ "${1:-}" != windows ] || packages+=("${windows_packages[@]}")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
# Node.js may come from elsewhere than Debian; only a missing command asks for Debian's.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# puppeteer-core drives Debian's Chromium; it downloads no browser of its own.
# The lock file installed last is kept beside the packages, to tell a change.
installed=tests/web/node_modules/.installed-package-lock.json
if ! cmp -s tests/web/package-lock.json "$installed"; then
  echo "setup: installing the browser tests' npm packages"
  npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
  cp tests/web/package-lock.json "$installed"
fi
