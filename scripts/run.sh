#!/usr/bin/env bash
# Sets everything up, builds, and starts the calculator: the window where there is a
# graphical display, else the terminal calculator where standard input and output are a
# terminal.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    program=platform/qt/tomaro
elif [ -t 0 ] && [ -t 1 ]; then
    program=platform/terminal/tomaro-tui
else
    echo "run.sh: no graphical display (DISPLAY and WAYLAND_DISPLAY are not set) and standard" \
        "input and output are not a terminal, so neither tomaro nor tomaro-tui can start." \
        "tomaro-cli plays the same calculator from a script: after ./scripts/test.sh, try" \
        "build/release/cli/tomaro-cli 3 BAR 2 + 6 BAR 1 =" >&2
    exit 1
fi
scripts/install-deps.sh >&2
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)" --target "$(basename "$program")" tomaro-cli >/dev/null
exec "build/release/$program" "$@"
