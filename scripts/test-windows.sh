#!/usr/bin/env bash
# Builds the Windows program with Debian's mingw-w64 and tests it: tomaro.exe for 32-bit
# Windows (build/win-i686), whose file type, DLL imports and resources are checked, and the
# x86_64 build (build/win-x86_64), whose GoogleTest program drives the real dialog under Wine
# on a virtual X server and leaves a screenshot in build/win-x86_64/screenshots/road.png.
# This machine's kernel may not run 32-bit code, so only the x86_64 build runs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps-windows.sh
jobs=$(nproc)

for arch in i686 x86_64; do
    echo "== Build, $arch"
    cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release
    cmake --build "build/win-$arch" -j"$jobs"
done

echo "== The 32-bit program"
exe=build/win-i686/tomaro.exe
kind=$(file -b "$exe")
echo "$exe: $kind"
[[ "$kind" == "PE32 executable (GUI) Intel 80386"* ]] || {
    echo "$exe is not a 32-bit Windows GUI program" >&2
    exit 1
}
# Linked statically: nothing but the system's own DLLs.
mapfile -t dlls < <(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "imports: ${dlls[*]}"
system_dll='^(kernel32|user32|gdi32|comctl32|msvcrt|advapi32|shell32|ole32|oleaut32|oleacc|uxtheme|version|api-ms-win-[a-z0-9-]+)\.dll$'
for dll in "${dlls[@]}"; do
    if ! [[ "${dll,,}" =~ $system_dll ]]; then
        echo "$exe imports $dll, which is not a system DLL" >&2
        exit 1
    fi
done
# The resources as windres reads them back out of the program.
i686-w64-mingw32-windres -i "$exe" -O rc -o build/win-i686/tomaro.decompiled.rc
python3 resources/win32/check_exe_resources.py build/win-i686/tomaro.decompiled.rc \
    resources/win32/tomaro.rc X86

echo "== The x86_64 program's tests under Wine"
out=build/win-x86_64
test_exe=$out/win32_dialog_test.exe
[ -f "$test_exe" ] || {
    echo "$test_exe was not built" >&2
    exit 1
}
x86_64-w64-mingw32-windres -i "$out/tomaro.exe" -O rc -o "$out/tomaro.decompiled.rc"
python3 resources/win32/check_exe_resources.py "$out/tomaro.decompiled.rc" \
    resources/win32/tomaro.rc amd64

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$PWD/$out/wineprefix WINEARCH=win64
# No Mono or Gecko install prompts, no debug chatter; UTF-8 so that Japanese arguments arrive intact.
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    started=$SECONDS
    mkdir -p "$(dirname "$WINEPREFIX")"
    # No display: wineboot then shows no progress window.
    env -u DISPLAY -u WAYLAND_DISPLAY "$wine" wineboot -i
    "$wineserver" -w
    # The dialog font, "ＭＳ Ｐゴシック", drawn with IPA P Gothic, which Wine finds through fontconfig.
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /t REG_SZ \
        /d IPAPGothic /f
    # No window manager runs on the virtual X server: Wine then draws the frames and captions
    # itself (so screenshots show them) and does not wait for a manager to answer.
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
    "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    "$wineserver" -w
    echo "Wine prefix ready in $((SECONDS - started)) s"
fi

mkdir -p "$out/screenshots"
rm -f "$out"/screenshots/*.bmp "$out"/screenshots/*.png
status=0
TOMARO_SCREENSHOT="$out/screenshots/road.bmp" timeout 900 \
    xvfb-run -a -s '-screen 0 1024x768x24' \
    "$wine" "$test_exe" --gtest_output="xml:$out/win32_dialog_test.xml" || status=$?
"$wineserver" -k 2>/dev/null || true
if [ "$status" -ne 0 ]; then
    echo "win32_dialog_test.exe failed under Wine (exit status $status)" >&2
    exit "$status"
fi
[ -s "$out/screenshots/road.bmp" ] || {
    echo "the test left no screenshot in $out/screenshots/road.bmp" >&2
    exit 1
}
for shot in road start key; do
    [ -f "$out/screenshots/$shot.bmp" ] && convert "$out/screenshots/$shot.bmp" "$out/screenshots/$shot.png"
done
echo "Screenshots: $out/screenshots/{start,road,key}.png"
