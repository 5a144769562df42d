#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Tomaro needs, if any are missing.
set -euo pipefail

packages=(
    g++ cmake make libgtest-dev libbenchmark-dev  # build and unit tests
    qt6-base-dev qt6-qpa-plugins libxcb1-dev fonts-ipafont-gothic  # the window, its font, its keyboard
    xvfb xauth xdotool x11-utils imagemagick python3-xlib  # the window's smoke test and benchmark
    openbox  # a window manager that frames the window, to see it centred frame included
    libncurses-dev tmux  # the terminal calculator, its smoke test and benchmark
    desktop-file-utils appstream dpkg-dev file  # checks of the desktop files and the package
    clang libclang-rt-14-dev  # the fuzz target of tomaro-cli's input (libFuzzer's runtime)
    time  # peak resident memory in bench/cli_replay.sh
    qt6-translations-l10n  # Qt's own texts in Japanese
    dbus at-spi2-core python3-pyatspi xclip  # the window through the accessibility bus, the clipboard
    orca speech-dispatcher  # what a screen reader says of the window
    emscripten googletest chromium nodejs  # the web page (scripts/build-web.sh) and its browser test
)
# npm for the browser test's packages, unless a Node.js that brings its own npm is installed.
command -v npm >/dev/null 2>&1 || packages+=(npm)

exec "$(dirname "$0")/install-missing.sh" "${packages[@]}"
