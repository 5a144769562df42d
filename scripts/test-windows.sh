#!/usr/bin/env bash
# Builds and packs the Windows program (scripts/package-windows.sh), then tests it:
# - the 32-bit tomaro.exe (build/win-i686): file type, DLL imports and resources;
# - both setups and both archives: file type, version resource, and the program inside is
#   the build checked here, byte for byte (7-Zip unpacks them). This machine's kernel may not
#   run 32-bit code, so nothing 32-bit is run;
# - the x86_64 build under Wine on a virtual X server: the number text's test, and the
#   GoogleTest program that drives the real dialog at 96, 144 and 192 DPI (Wine's LogPixels
#   setting) and leaves screenshots in
#   build/win-x86_64/screenshots/DPI/ (start, road and key .png; dpi-doubled.png, the dialog
#   after a move to a monitor of twice the DPI); then the 64-bit setup installs, starts,
#   updates and uninstalls silently in a fresh prefix (tests/packaging/windows_setup_test.sh),
#   which leaves build/win-x86_64/installed.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package-windows.sh
source scripts/wine-env.sh

fail() {
    echo "$*" >&2
    exit 1
}

echo "== The 32-bit program"
exe=build/win-i686/tomaro.exe
kind=$(file -b "$exe")
echo "$exe: $kind"
[[ "$kind" == "PE32 executable (GUI) Intel 80386"* ]] || fail "$exe is not a 32-bit Windows GUI program"
# Linked statically: nothing but the system's own DLLs.
mapfile -t dlls < <(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "imports: ${dlls[*]}"
system_dll='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|ole32|oleaut32|oleacc|uxtheme|version|api-ms-win-[a-z0-9-]+)\.dll$'
for dll in "${dlls[@]}"; do
    [[ "${dll,,}" =~ $system_dll ]] || fail "$exe imports $dll, which is not a system DLL"
done
# The DPI calls of Windows 8.1 and 10 are looked up at run time: importing one would keep
# the program from starting on Windows 7.
for arch in i686 x86_64; do
    newer=$("$arch-w64-mingw32-objdump" -p "build/win-$arch/tomaro.exe" | grep -Eo '\w*Dpi\w*' || true)
    [ -z "$newer" ] || fail "build/win-$arch/tomaro.exe imports $newer"
done
# The resources as windres reads them back out of the program.
i686-w64-mingw32-windres -i "$exe" -O rc -o build/win-i686/tomaro.decompiled.rc
python3 resources/win32/check_exe_resources.py build/win-i686/tomaro.decompiled.rc \
    resources/win32/tomaro.rc X86
out=build/win-x86_64
x86_64-w64-mingw32-windres -i "$out/tomaro.exe" -O rc -o "$out/tomaro.decompiled.rc"
python3 resources/win32/check_exe_resources.py "$out/tomaro.decompiled.rc" \
    resources/win32/tomaro.rc amd64

echo "== The setups and archives"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
for bits in 32 64; do
    if [ "$bits" = 32 ]; then
        arch=i686 setup_kind="PE32 executable (GUI) Intel 80386*Nullsoft Installer*"
    else
        arch=x86_64 setup_kind="PE32+ executable (GUI) x86-64*"
    fi
    setup=build/packages/tomaro-$version-win$bits-setup.exe
    archive=build/packages/tomaro-$version-win$bits.zip
    kind=$(file -b "$setup")
    [[ "$kind" == $setup_kind ]] || fail "$setup: $kind"
    x86_64-w64-mingw32-windres -i "$setup" -O rc -o "$unpacked/setup.rc"
    grep -q "VALUE \"ProductVersion\", \"$version\"" "$unpacked/setup.rc" ||
        fail "$setup carries no version resource of version $version"
    for package in "$setup" "$archive"; do
        rm -rf "${unpacked:?}"/*
        7zz e -y -r -o"$unpacked" "$package" tomaro.exe LICENSE.txt >/dev/null
        cmp "$unpacked/tomaro.exe" "build/win-$arch/tomaro.exe" ||
            fail "$package does not hold build/win-$arch/tomaro.exe"
        [ -s "$unpacked/LICENSE.txt" ] || fail "$package holds no LICENSE.txt"
        echo "$package: $(stat -c %s "$package") bytes, holds build/win-$arch/tomaro.exe"
    done
done

echo "== The x86_64 build's tests under Wine: the number text's, then the dialog's at 96, 144 and 192 DPI"
test_exe=$out/win32_dialog_test.exe
[ -f "$test_exe" ] || fail "$test_exe was not built"
export WINEPREFIX=$PWD/$out/wineprefix
make_wine_prefix
# The number text's rows, as on Linux and in the browser: the same digits on every host.
"$wine" "$out/number_text_test.exe" --gtest_output="xml:$out/number_text_test.xml" ||
    fail "number_text_test.exe failed under Wine"
"$wineserver" -k 2>/dev/null || true
rm -rf "$out/screenshots"
for dpi in 96 144 192; do
    shots=$out/screenshots/$dpi
    mkdir -p "$shots"
    set_wine_dpi "$dpi"
    status=0
    # A screen large enough for the dialog at twice 192 DPI.
    TOMARO_SCREENSHOT="$shots/road.bmp" timeout 900 \
        xvfb-run -a -s '-screen 0 2800x2200x24' \
        "$wine" "$test_exe" --gtest_output="xml:$out/win32_dialog_test-$dpi.xml" || status=$?
    "$wineserver" -k 2>/dev/null || true
    [ "$status" -eq 0 ] || fail "win32_dialog_test.exe failed under Wine at $dpi DPI (exit status $status)"
    for bmp in "$shots"/*.bmp; do
        convert "$bmp" "${bmp%.bmp}.png"
        rm "$bmp"
    done
    [ -s "$shots/road.png" ] || fail "the test left no screenshot in $shots/road.png"
done
set_wine_dpi 96
# The dialog grows with the DPI, as a whole: its width in the screenshots, frame included.
width() { identify -format '%w' "$out/screenshots/$1/road.png"; }
for dpi in 144 192; do
    python3 -c 'import sys; w, w96, dpi = map(int, sys.argv[1:])
ratio = w / w96
sys.exit(f"the dialog at {dpi} DPI is {ratio:.2f} times as wide as at 96"
         if abs(ratio - dpi / 96) > 0.08 * dpi / 96 else 0)' "$(width "$dpi")" "$(width 96)" "$dpi"
done
echo "Screenshots: $out/screenshots/{96,144,192}/{start,road,key,dpi-doubled}.png"

echo "== The 64-bit setup under Wine"
tests/packaging/windows_setup_test.sh "build/packages/tomaro-$version-win64-setup.exe" \
    "$out/tomaro.exe" "$version" "$out"
