#!/usr/bin/env bash
# Sets everything up, builds, and starts the calculator: the window where there is a
# graphical display, else the terminal calculator where standard input and output are a
# terminal; with --web, the web page on a local web server.
set -euo pipefail
cd "$(dirname "$0")/.."

# --web [PORT]: the calculator as a web page, built into build/web and served on this machine.
if [ "${1:-}" = --web ]; then
    port=${2:-8000}
    scripts/install-deps.sh >&2
    scripts/build-web.sh >&2
    echo "Tomaro -Quillet- in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
fi

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
