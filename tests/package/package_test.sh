#!/usr/bin/env bash
# Builds the Debian package into a scratch folder, unpacks it there and checks
# what a desktop and Debian's tools need of it: the program where a game's
# belongs, the desktop entry and the icon in both sizes, the AppStream
# metainfo, dependencies that let the game open a window, no error or warning
# from lintian or appstreamcli, and one version with one date in the
# changelog and the metainfo.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR APP_ID
set -euo pipefail

source_dir=$1
build=$2
app_id=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
dpkg-deb -x "$deb" "$scratch/root"

files=(
  usr/games/brassmoor
  "usr/share/applications/$app_id.desktop"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  "usr/share/icons/hicolor/48x48/apps/$app_id.png"
  "usr/share/metainfo/$app_id.metainfo.xml"
  usr/share/man/man6/brassmoor.6.gz
  usr/share/doc/brassmoor/changelog.gz
  usr/share/doc/brassmoor/copyright
)
# Nothing but these.
found=$(cd "$scratch/root" && find . -type f | sed 's|^\./||' | sort)
[ "$found" = "$(printf '%s\n' "${files[@]}" | sort)" ] || fail "the package holds: $found"
binary=$scratch/root/${files[0]}
entry=$scratch/root/${files[1]}
svg=$scratch/root/${files[2]}
png=$scratch/root/${files[3]}
metainfo=$scratch/root/${files[4]}

[ -x "$binary" ] || fail "usr/games/brassmoor is not executable"
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
grep -qx 'Exec=brassmoor' "$entry" || fail "the desktop entry does not start brassmoor"
grep -qx "Icon=$app_id" "$entry" || fail "the desktop entry does not name the icon $app_id"
[ "$(identify -format '%m %wx%h' "$png")" = "PNG 48x48" ] || fail "the PNG icon is not 48 x 48"
rsvg-convert --width 16 --height 16 "$svg" >/dev/null || fail "the SVG icon does not render"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# lintian warns that it runs as root, as CI does; that line is no finding.
lintian --tag-display-limit 0 --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log"; fail "lintian finds errors or warnings"; }
# validate-tree checks the metainfo as validate does, and what it names in
# the tree besides: the desktop entry, the icon.
validation=$(appstreamcli validate-tree --no-net --explain "$scratch/root" 2>&1) ||
  { echo "$validation"; fail "appstreamcli does not accept the metainfo"; }
! grep -q '^[EW]:' <<<"$validation" || { echo "$validation"; fail "appstreamcli finds errors or warnings"; }

# The metainfo's pictures are the ones kept in docs/, at the sizes it gives.
while read -r width height url; do
  picture=$source_dir/docs/${url##*/}
  [ -f "$picture" ] || fail "the metainfo shows $url, but docs/ has no ${url##*/}"
  [ "$(identify -format '%wx%h' "$picture")" = "${width}x$height" ] ||
    fail "$picture is not ${width} x $height, as the metainfo says"
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")

# The newest release is this package's, alike in the changelog and the metainfo.
version=$(dpkg-deb -f "$deb" Version)
changelog=$scratch/changelog
zcat "$scratch/root/${files[6]}" >"$changelog"
changelog_version=$(dpkg-parsechangelog -l "$changelog" -S Version)
changelog_date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)
release=$(grep -m1 -o '<release version="[^"]*" date="[^"]*"' "$metainfo")
[ "$changelog_version" = "$version" ] || fail "the changelog's newest entry is $changelog_version, the package $version"
[ "$release" = "<release version=\"$version\" date=\"$changelog_date\"" ] ||
  fail "the metainfo's newest release, $release, is not $version of $changelog_date as in the changelog"

echo "package $(basename "$deb") holds the game in usr/games, its entry, icons, metainfo, manual page,"
echo "changelog and copyright; lintian and appstreamcli find nothing; Depends: $depends"
