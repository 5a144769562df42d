#!/usr/bin/env bash
# The terminal calculator in a detached tmux session of 80 x 24: presses a button with a left
# click, types the road of one calculation, steps the result through its representations,
# waits out the division-by-zero notice, checks the keypad lock after an overflow, opens the
# context menu with a right-click and Shift+F10, the About box, follows a resize, and ends it
# with Ctrl+C and with SIGTERM, checking each time that the terminal is given back as it was.
# Every screen is saved as text.
# Usage: tomaro_tui_smoke_test.sh <tomaro-tui binary> <folder for screens>
set -euo pipefail
tui=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.txt
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TERM=xterm-256color

work=$(mktemp -d)
tmux_() { tmux -S "$work/socket" -f /dev/null "$@"; }
trap 'tmux_ kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    tmux_ capture-pane -p -t calc >&2 2>/dev/null || true
    [ -s "$work/stderr" ] && cat "$work/stderr" >&2
    exit 1
}

# The pane runs the program between two readings of the terminal's modes.
cat >"$work/pane.sh" <<PANE
exec 2>"$work/shell-stderr"  # not "Terminated" on the screen
stty -g >"$work/stty-before"
sh -c 'echo \$\$ >"$work/pid"; exec "$tui" 2>"$work/stderr"'
echo \$? >"$work/status"
stty -g >"$work/stty-after"
exec sleep 600
PANE

screen() { tmux_ capture-pane -p -t calc; }
line() { screen | sed -n "$1p"; }
shot() { screen >"$out/$1.txt"; tmux_ capture-pane -p -e -t calc >"$out/$1-attributes.txt"; }
# Waits up to 5 seconds for the screen to show the pattern (grep -E).
wait_for() {
    for _ in $(seq 100); do
        screen | grep -qE "$1" && return 0
        sleep 0.05
    done
    fail "the screen never showed /$1/"
}
keys() { tmux_ send-keys -t calc "$@"; }
# A press (and release) of mouse button 0 (left) or 2 (right) at a 0-based cell, as an
# xterm reports it in its normal mouse mode.
click() {
    local b=$1 x=$(($2 + 33)) y=$(($3 + 33))
    tmux_ send-keys -t calc -H 1b 5b 4d "$(printf %x $((b + 32)))" "$(printf %x $x)" "$(printf %x $y)"
    tmux_ send-keys -t calc -H 1b 5b 4d 23 "$(printf %x $x)" "$(printf %x $y)"
}

start() {
    rm -f "$work/status" "$work/pid"
    if infocmp tmux-256color >/dev/null 2>&1; then term=tmux-256color; else term=screen-256color; fi
    tmux_ new-session -d -s calc -x 80 -y 24 "TERM=$term bash $work/pane.sh"
    tmux_ set-option -t calc window-size manual
    wait_for 'A\.C\.'
}

# Waits for the program to end, then checks the terminal is as it was before it started.
ended_cleanly() {
    for _ in $(seq 100); do
        [ -f "$work/status" ] && break
        sleep 0.05
    done
    [ -f "$work/status" ] || fail "$1 did not end the program"
    [ "$(cat "$work/status")" = "$2" ] || fail "$1: exit status $(cat "$work/status"), not $2"
    [ ! -s "$work/stderr" ] || fail "$1: the program wrote to standard error"
    cmp -s "$work/stty-before" "$work/stty-after" || fail "$1 left the terminal's modes changed"
    local modes
    modes=$(tmux_ display -p -t calc '#{alternate_on} #{cursor_flag} #{mouse_any_flag} #{keypad_flag}')
    [ "$modes" = "0 1 0 0" ] ||
        fail "$1 left alternate screen, cursor, mouse, keypad modes at '$modes', not '0 1 0 0'"
    screen | grep -q '[^[:space:]]' && fail "$1 left text on the screen"
    tmux_ kill-session -t calc
}

display_rows() { screen | sed -n '3,5p'; }

start
shot start
line 4 | grep -qE '^│  │ {35}0 {36}│  │$' || fail "the display does not start at 0"
click 0 18 12  # the "7" button
wait_for '│ +7 +│'
keys Escape
wait_for '│ {35}0 {36}│'

keys 3 f 2 + 6 f 1 Enter
wait_for '真分数'
shot fraction
line 3 | grep -qE '│ +5 +│' || fail "no numerator 5 on the display's top row"
line 4 | grep -qE '│ +── +│' || fail "no bar on the display's middle row"
line 5 | grep -qE '│ +6 +│' || fail "no denominator 6 on the display's bottom row"

keys Enter
wait_for '帯分数'
shot mixed
line 4 | grep -qE '│ +0 ── +│' || fail "the integer part does not stand beside the bar"
line 3 | grep -qE '│ +5 +│' || fail "the mixed number lost its numerator"

keys Enter
wait_for '循環小数'
shot decimal
line 4 | grep -qF '0.8{3}' || fail "the recurring decimal is not 0.8{3}"

keys Enter
wait_for '整数'
shot integer
line 4 | grep -qE '│ +1 +│' || fail "the integer is not 1"

notice='０（ゼロ）で除算することはできません。'
keys Escape 1 / 0 Enter
wait_for "$notice"
shown=$(date +%s%N)
shot notice
for _ in $(seq 80); do
    screen | grep -qF "$notice" || break
    sleep 0.05
done
gone=$((($(date +%s%N) - shown) / 1000000))
screen | grep -qF "$notice" && fail "the notice did not go"
[ "$gone" -ge 1500 ] && [ "$gone" -le 3500 ] || fail "the notice went after $gone ms, not about 2 s"
shot notice-gone

keys Escape 999999999 '*' 999999999 Enter '*' 999999999 Enter
wait_for 'エラー'
shot lock
before=$(display_rows)
keys 5 +
sleep 0.3
[ "$(display_rows)" = "$before" ] || fail "a locked keypad took a digit"
# Locked buttons are dim; "A.C." is not.
grep -F '7 ' "$out/lock-attributes.txt" | grep -qF $'\e[2m' || fail "the locked digits are not dim"
keys Escape
wait_for '整数'
line 4 | grep -qE '│ {35}0 {36}│' || fail "A.C. did not clear the lock"

click 2 40 3
wait_for 'バージョン情報\(A\)'
shot menu
screen | grep -qF '終了(X)' || fail "the menu lacks 終了(X)"
keys a
wait_for 'Tomaroのバージョン情報'
shot about
screen | grep -qE 'Tomaro -Quillet- Version [0-9.]+' || fail "the About box shows no version"
screen | grep -qF '[      OK       ]' || fail "the About box has no OK button"
keys Enter
sleep 0.3
screen | grep -qF 'Tomaroのバージョン情報' && fail "Enter did not close the About box"

keys S-F10
wait_for 'バージョン情報\(A\)'
shot keyboard-menu
# At the dialog's top-left + (5,5) pixels: one cell right of the frame, one row into the client.
line 3 | grep -q '^│┌──' || fail "the keyboard menu is not at the client's (5,5)"
keys Escape
sleep 0.3
screen | grep -qF '終了(X)' && fail "Escape did not close the menu"

tmux_ resize-window -t calc -x 60 -y 20
wait_for 'needs at least 80x24 cells; this terminal has 60x20\.'
shot too-small
keys 7
tmux_ resize-window -t calc -x 80 -y 24
wait_for 'A\.C\.'
shot grown
line 4 | grep -qE '│ +7 +│' || fail "the key typed while too small is not on the display"

keys C-c
ended_cleanly "Ctrl+C" 0

start
kill -TERM "$(cat "$work/pid")"
ended_cleanly "SIGTERM" 143

echo "tui smoke test passed; screens in $out"
