#!/usr/bin/env bash
# The Windows edition's zip, as `make package` writes it: a folder holding
# brassmoor.exe and README.txt and nothing else, the program stripped and
# needing no DLL that Windows lacks. It is unpacked for the end-to-end test,
# which plays the brassmoor.exe from it.
# Usage: package_test.sh BUILD_DIR UNPACK_DIR
set -euo pipefail

build=$1
unpacked=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# What Windows itself has: the program may import from these alone.
readonly kSystemDlls="GDI32.dll KERNEL32.dll msvcrt.dll SHELL32.dll USER32.dll WINMM.dll"

fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not make the zip"; }
zips=("$scratch"/out/brassmoor-*-windows-x64.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "expected one brassmoor-VERSION-windows-x64.zip, found: $(ls "$scratch/out")"
zip=${zips[0]}
folder=$(basename "$zip" .zip)

rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
held=$(cd "$unpacked" && find . -type f | sort | tr '\n' ' ')
[ "$held" = "./$folder/README.txt ./$folder/brassmoor.exe " ] || fail "the zip holds: $held"

exe=$unpacked/$folder/brassmoor.exe
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }'); do
  [[ " $kSystemDlls " == *" $dll "* ]] || fail "brassmoor.exe needs $dll, which Windows does not have"
done
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "brassmoor.exe is not stripped"
grep -q 'Wine 8' "$unpacked/$folder/README.txt" || fail "README.txt does not say what the edition was tested on"

echo "$(basename "$zip"): $(stat -c %s "$zip") bytes; brassmoor.exe $(stat -c %s "$exe") bytes, imports only $kSystemDlls"
