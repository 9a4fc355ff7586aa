#!/usr/bin/env bash
# Installs what one purpose needs, and only what is missing:
#   scripts/setup.sh game      building and running the desktop game (make run)
#   scripts/setup.sh web       building and serving the browser edition (make web, make run-web)
#   scripts/setup.sh windows   building the Windows edition (make windows)
#   scripts/setup.sh test      everything make test builds and runs, the game's needs included
#   scripts/setup.sh audit     Lighthouse's audit of the browser edition (make audit)
#   scripts/setup.sh fuzz      fuzzing the replay reader (make fuzz)
#   scripts/setup.sh mutants   the tests' strength against small faults (make mutants)
# Debian packages through apt-get; for the tests and the audit also their npm
# packages at the versions their package-lock.json pins. Idempotent: apt-get
# and npm run only when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

# The desktop game: the compiler, CMake, Qt, and xcb with its MIT-SHM, through
# which the battlefield's boxes go straight. The game's maths is musl's sin, cos, atan and pow,
# compiled from the sources in Debian's emscripten package (which also builds
# the browser edition).
game_packages=(
  cmake g++ make pkg-config
  qt6-base-dev libxcb1-dev libxcb-shm0-dev
  emscripten
)

# The browser edition adds its icons, rendered from the desktop's SVG; its
# compiler is the emscripten package's.
web_packages=(
  librsvg2-bin
)

# What the tests add: their frameworks and benchmarks; the Debian package
# (CPack's DEB generator runs `file`), judged by lintian and appstreamcli as
# Debian and the software centres judge it; an X server of the end-to-end
# test's own with a window manager, input and screenshots, and jq to read the
# simulator's traces; the browser edition's tests in Debian's Chromium.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  time
  dpkg-dev desktop-file-utils file lintian appstream
  xvfb xauth openbox xdotool x11-utils imagemagick jq
  chromium
)

# The Windows edition, which only the tests build: mingw-w64's compilers, Wine
# to test it under, Wine's fonts for its dialogs, GoogleTest's sources to
# build for Windows, and the tools that make its icon. Measured with
# --no-install-recommends: mingw-w64 and Wine are 19 packages, 170 MB to download.
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine googletest librsvg2-bin imagemagick)

# Lighthouse audits the page in Debian's Chromium.
audit_packages=(chromium)

# libFuzzer comes with clang's run-time libraries.
fuzz_packages=(clang libclang-rt-14-dev)

# The faults are put in and counted by a Python script.
mutants_packages=(python3)

# The lists each purpose installs, by name: game stands for game_packages.
declare -A lists_of=(
  [game]="game"
  [web]="game web"
  [windows]="game windows"
  [test]="game web test windows"
  [audit]="game web audit"
  [fuzz]="game test fuzz"
  [mutants]="game test mutants"
)

purpose=${1:-}
if [ -z "$purpose" ] || [ -z "${lists_of[$purpose]+set}" ]; then
  echo "usage: scripts/setup.sh PURPOSE, one of: ${!lists_of[*]}" >&2
  exit 2
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q '^install ok installed$'; }

missing=()
for list in ${lists_of[$purpose]}; do
  declare -n packages=${list}_packages
  # A package two lists name is asked for once.
  for p in "${packages[@]}"; do installed "$p" || [[ " ${missing[*]} " == *" $p "* ]] || missing+=("$p"); done
  unset -n packages
done
# The tests run Node.js and npm, which may come from elsewhere than Debian:
# only a missing command asks for Debian's.
if [ "$purpose" = test ] || [ "$purpose" = audit ]; then
  command -v node >/dev/null || missing+=(nodejs)
  command -v npm >/dev/null || missing+=(npm)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  # apt's own account of the download and the disk it takes is all it shows,
  # unless it fails.
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -q --no-install-recommends "${missing[@]}" > "$log"; then
    tail -n 30 "$log" >&2
    exit 1
  fi
  grep -E '^(Need to get|After this operation)' "$log" | sed 's/^/setup: /' || true
fi

# The npm packages of a folder, as its lock file pins them. The lock file
# installed last is kept beside the packages, to tell a change.
npm_packages() {
  local folder=$1 what=$2
  local lock=$folder/package-lock.json installed_lock=$folder/node_modules/.installed-package-lock.json
  if ! cmp -s "$lock" "$installed_lock"; then
    echo "setup: installing $what's npm packages"
    npm ci --prefix "$folder" --no-audit --no-fund --loglevel=error
    cp "$lock" "$installed_lock"
  fi
}
# puppeteer-core and Lighthouse drive Debian's Chromium; neither downloads a browser of its own.
if [ "$purpose" = test ]; then npm_packages tests/web "the browser tests"; fi
if [ "$purpose" = audit ]; then npm_packages bench/audit "the audit"; fi
