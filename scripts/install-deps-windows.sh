#!/usr/bin/env bash
# Installs the Debian 12 packages that the Windows build, its packages and its tests under Wine
# need, if any are missing: the mingw-w64 cross compilers, GoogleTest's sources, NSIS, Wine
# (64-bit only: this build's tests run the x86_64 program) and the X server and font its
# window needs.
set -euo pipefail

packages=(
    cmake make python3 file  # the build and the checks of the program it makes
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix  # the cross compilers
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64  # windres and objdump
    googletest  # GoogleTest's sources, built with the cross compiler
    nsis 7zip  # the installers (CPack runs makensis), and unpacking them to check what they hold
    wine64 fonts-wine  # Wine, and its own fonts (Marlett draws the caption buttons)
    xvfb xauth fonts-ipafont-gothic imagemagick  # the window under test, its font, the screenshot
    x11-utils xdotool  # finding the installed program's window, moving the pointer off it
)

exec "$(dirname "$0")/install-missing.sh" "${packages[@]}"
