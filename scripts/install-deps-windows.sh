#!/usr/bin/env bash
# Installs the Debian 12 packages that the Windows build and its tests under Wine need, if any
# are missing: the mingw-w64 cross compilers, GoogleTest's sources, Wine (64-bit only: this
# build's tests run the x86_64 program) and the X server and font its window needs.
set -euo pipefail

packages=(
    cmake make python3 file  # the build and the checks of the program it makes
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix  # the cross compilers
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64  # windres and objdump
    googletest  # GoogleTest's sources, built with the cross compiler
    wine64 fonts-wine  # Wine, and its own fonts (Marlett draws the caption buttons)
    xvfb xauth fonts-ipafont-gothic imagemagick  # the window under test, its font, the screenshot
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "These Debian packages are missing and neither root nor sudo is available to install them: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
# Without recommends: Wine would otherwise bring the 32-bit Wine and a desktop's worth of libraries.
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
