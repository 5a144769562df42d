#!/usr/bin/env bash
# Builds the Windows program with Debian's mingw-w64, for 32-bit (build/win-i686) and 64-bit
# Windows (build/win-x86_64), and packs each with CPack into build/packages:
#   tomaro-VERSION-win32-setup.exe, tomaro-VERSION-win64-setup.exe  installers (NSIS)
#   tomaro-VERSION-win32.zip, tomaro-VERSION-win64.zip                the program without one
# VERSION is the project's (CMakeLists.txt). ./scripts/test-windows.sh runs this first and
# then tests what it made.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps-windows.sh
jobs=$(nproc)
out=build/packages

rm -rf "$out"
for arch in i686 x86_64; do
    echo "== Build, $arch"
    cmake -S . -B "build/win-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release
    cmake --build "build/win-$arch" -j"$jobs"
    echo "== Packages, $arch"
    cpack --config "build/win-$arch/CPackConfig.cmake" -B "$out"
done
rm -rf "$out/_CPack_Packages"  # CPack's staging
ls -l "$out"
