#!/usr/bin/env bash
# Starts the calculator: the window where a graphical display answers, else the terminal
# calculator where standard input and output are a terminal. Only what that host needs is
# installed and built, the first time (with the build's progress shown) or after a change;
# with nothing changed it starts at once. A window that cannot open falls back to the
# terminal. TOMARO_BUILD_DIR names another build folder than build/release. With --web
# [PORT], the web page instead, built into build/web and served on this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TOMARO_BUILD_DIR:-build/release}

# --web [PORT]: the calculator as a web page, built into build/web and served on this machine.
if [ "${1:-}" = --web ]; then
    port=${2:-8000}
    scripts/install-deps.sh web >&2
    scripts/build-web.sh >&2
    echo "Tomaro -Quillet- in the browser: http://127.0.0.1:$port/ (Ctrl+C stops the server)"
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
fi

# Whether a connection to the socket opens: "unix PATH" (a leading @ is Linux's abstract
# name) or "tcp HOST PORT". Perl is part of every Debian system.
connects() {
    perl -MIO::Socket::UNIX -MIO::Socket::INET -e '
        my ($kind, $where, $port) = @ARGV;
        $where =~ s/^@/\0/;
        my $s = $kind eq "unix" ? IO::Socket::UNIX->new(Peer => $where, Timeout => 1)
                                : IO::Socket::INET->new(PeerAddr => $where, PeerPort => $port,
                                                        Timeout => 1);
        exit($s ? 0 : 1);' "$@" 2>/dev/null
}

# A display counts when it answers, not because a variable names it (an SSH session or a
# tmux server can leave a stale DISPLAY behind).
display_answers() {
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        local socket=$WAYLAND_DISPLAY
        [[ $socket == /* ]] || socket=${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/$socket
        connects unix "$socket" && return 0
    fi
    [ -n "${DISPLAY:-}" ] || return 1
    local host=${DISPLAY%:*} number=${DISPLAY##*:}  # [host]:number[.screen]
    number=${number%%.*}
    [[ $number =~ ^[0-9]+$ ]] || return 1
    if [ -z "$host" ] || [ "$host" = unix ]; then
        connects unix "/tmp/.X11-unix/X$number" || connects unix "@/tmp/.X11-unix/X$number"
    else
        connects tcp "$host" $((6000 + number))
    fi
}

if display_answers; then
    host=window targets=(tomaro tomaro-tui) window=ON
elif [ -t 0 ] && [ -t 1 ]; then
    host=terminal targets=(tomaro-tui) window=OFF
else
    echo "run.sh: no graphical display answers (DISPLAY='${DISPLAY:-}'," \
        "WAYLAND_DISPLAY='${WAYLAND_DISPLAY:-}') and standard input and output are not a" \
        "terminal, so neither tomaro nor tomaro-tui can start. tomaro-cli plays the same" \
        "calculator from a script: after ./scripts/test.sh, try" \
        "build/release/cli/tomaro-cli 3 BAR 2 + 6 BAR 1 =" >&2
    exit 1
fi

# Built by this script, and no source or build file changed since (a deleted file changes
# its folder).
stamp=$build/.run-$host
if [ ! -f "$stamp" ] ||
    [ -n "$(find CMakeLists.txt cmake cli display engine platform resources shell -newer "$stamp" -print -quit)" ]; then
    echo "run.sh: checking the packages $host needs and building ${targets[*]} in $build" \
        "(a first build takes a few minutes)" >&2
    scripts/install-deps.sh "$host" >&2
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOMARO_WINDOW=$window \
            -DTOMARO_TESTS=OFF -DTOMARO_BENCHMARKS=OFF >&2
    elif [ $window = ON ] && ! grep -q '^TOMARO_WINDOW:BOOL=ON' "$build/CMakeCache.txt"; then
        cmake -S . -B "$build" -DTOMARO_WINDOW=ON >&2
    fi
    cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >&2
    touch "$stamp"
fi

tui=$build/platform/terminal/tomaro-tui
[ $host = terminal ] && exec "$tui" "$@"
started=$SECONDS
status=0
"$build/platform/qt/tomaro" "$@" || status=$?
if [ $status -ne 0 ] && [ $((SECONDS - started)) -lt 5 ] && [ -t 0 ] && [ -t 1 ]; then
    echo "run.sh: the window could not open (status $status); the calculator starts in this" \
        "terminal instead" >&2
    exec "$tui" "$@"
fi
exit $status
