#!/usr/bin/env bash
# Installs the Debian 12 packages that Tomaro needs, if any are missing:
#   install-deps.sh terminal   building and running tomaro-tui (what run.sh needs without a display)
#   install-deps.sh window     the same and the window, tomaro (run.sh with a display)
#   install-deps.sh web        building the web page (run.sh --web)
#   install-deps.sh [all]      everything building and testing needs (test.sh)
set -euo pipefail

terminal=(g++ cmake make libncurses-dev)
window=(
    qt6-base-dev qt6-qpa-plugins libxcb1-dev fonts-ipafont-gothic  # the window, its font, its keyboard
    qt6-translations-l10n  # Qt's own texts in Japanese
)
tests=(
    libgtest-dev libbenchmark-dev  # unit tests and benchmarks
    xvfb xauth xdotool x11-utils imagemagick python3-xlib  # the window's smoke test and benchmark
    openbox  # a window manager that frames the window, to see it centred frame included
    tmux xfonts-encodings locales  # the terminal's smoke test (luit, in x11-utils, reads EUC-JP
                                   # through xfonts-encodings; localedef makes its locales)
    desktop-file-utils appstream dpkg-dev file  # checks of the desktop files and the package
    clang libclang-rt-14-dev  # the fuzz target of tomaro-cli's input (libFuzzer's runtime)
    time  # peak resident memory in bench/cli_replay.sh
    dbus at-spi2-core python3-pyatspi xclip  # the window through the accessibility bus, the clipboard
    orca speech-dispatcher  # what a screen reader says of the window
    chromium  # the web page's browser test
)
# The web page (scripts/build-web.sh): Emscripten, and GoogleTest's sources for the number
# text's test, which runs under Node.
web=(cmake make python3 emscripten googletest nodejs)

case ${1:-all} in
    terminal) packages=("${terminal[@]}") ;;
    window) packages=("${terminal[@]}" "${window[@]}") ;;
    web) packages=("${web[@]}") ;;
    all)
        packages=("${terminal[@]}" "${window[@]}" "${tests[@]}" "${web[@]}")
        # npm for the browser test's packages, unless a Node.js that brings its own is installed.
        command -v npm >/dev/null 2>&1 || packages+=(npm)
        ;;
    *)
        echo "usage: install-deps.sh [terminal | window | web | all]" >&2
        exit 2
        ;;
esac
exec "$(dirname "$0")/install-missing.sh" "${packages[@]}"
