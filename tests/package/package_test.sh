#!/usr/bin/env bash
# Builds the Debian package into a scratch folder, unpacks it there and checks
# what a desktop needs of it: the binary, the desktop entry and the icon in
# both sizes, and dependencies that let the game open a window.
# Usage: package_test.sh BUILD_DIR APP_ID
set -euo pipefail

build=$1
app_id=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
dpkg-deb -x "$deb" "$scratch/root"

binary=$scratch/root/usr/bin/brassmoor
entry=$scratch/root/usr/share/applications/$app_id.desktop
svg=$scratch/root/usr/share/icons/hicolor/scalable/apps/$app_id.svg
png=$scratch/root/usr/share/icons/hicolor/48x48/apps/$app_id.png

[ -x "$binary" ] || fail "no executable usr/bin/brassmoor in $(basename "$deb")"
[ -f "$entry" ] || fail "no desktop entry usr/share/applications/$app_id.desktop"
[ -f "$svg" ] || fail "no scalable icon $app_id.svg"
[ -f "$png" ] || fail "no 48 px icon $app_id.png"

desktop-file-validate "$entry" || fail "the desktop entry does not validate"
grep -qx 'Exec=brassmoor' "$entry" || fail "the desktop entry does not start brassmoor"
grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"
[ "$(identify -format '%m %wx%h' "$png")" = "PNG 48x48" ] || fail "the PNG icon is not 48 x 48"
rsvg-convert --width 16 --height 16 "$svg" >/dev/null || fail "the SVG icon does not render"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# Nothing but the game's own files.
unexpected=$(cd "$scratch/root" && find . -type f | grep -v -x -e ./usr/bin/brassmoor \
  -e "./usr/share/applications/$app_id.desktop" -e "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  -e "./usr/share/icons/hicolor/48x48/apps/$app_id.png" || true)
[ -z "$unexpected" ] || fail "the package holds more than the game: $unexpected"

echo "package $(basename "$deb") holds the binary, the desktop entry and both icons; Depends: $depends"
