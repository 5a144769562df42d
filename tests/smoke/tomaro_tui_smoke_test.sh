#!/usr/bin/env bash
# The terminal calculator in detached tmux sessions of 80 x 24: presses a button with a left
# click, types the road of one calculation, steps the result through its representations,
# waits out a notice, checks the keypad lock after an overflow, opens the context menu with a
# right-click and Shift+F10, the About box, pastes and copies through tmux, follows a resize,
# and ends it with Ctrl+C and with signals, checking each time that the terminal is given
# back as it was. Then the numeric keypad and Shift+F10 under four terminal types, 80 x 23
# (tmux's status line) with an exported size that must not count, a Latin-1 and an EUC-JP
# terminal through luit, a terminal that vanishes without a hang-up signal, terminal types
# it cannot draw on, and the run command with a display that does not exist.
# Every screen is saved as text.
# Usage: tomaro_tui_smoke_test.sh <tomaro-tui binary> <folder for screens>
set -euo pipefail
tui=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.txt
export LANG=C.UTF-8 LC_ALL=C.UTF-8 TERM=xterm-256color
build=$(cd "$(dirname "$tui")/../.." && pwd)
run_command=$(cd "$(dirname "$0")/../../scripts" && pwd)/run.sh

work=$(mktemp -d)
tmux_() { tmux -S "$work/socket" -f /dev/null "$@"; }
# A program that outlived its terminal would spin on: it goes too.
trap 'tmux_ kill-server 2>/dev/null || true; kill "$(cat "$work/pid" 2>/dev/null)" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    tmux_ capture-pane -p -t calc >&2 2>/dev/null || true
    [ -s "$work/stderr" ] && cat "$work/stderr" >&2
    exit 1
}

# The locales of the two legacy terminals, made once into the build folder (package locales).
locales=$(dirname "$out")/locales
make_locale() {
    [ -d "$locales/$1" ] || localedef -c -i "$2" -f "$3" "$locales/$1" >/dev/null 2>&1 ||
        [ -d "$locales/$1" ] || fail "localedef cannot make $1 (Debian package locales)"
}
mkdir -p "$locales"
make_locale ja_JP.eucJP ja_JP EUC-JP
make_locale en_US.ISO-8859-1 en_US ISO-8859-1

# The pane runs a command between two readings of the terminal's modes.
cat >"$work/pane.sh" <<PANE
exec 2>"$work/shell-stderr"  # not "Terminated" on the screen
stty -g >"$work/stty-before"
sh -c 'echo \$\$ >"$work/pid"; exec "\$@" 2>"$work/stderr"' sh "\$@"
status=\$?
stty -g >"$work/stty-after"
echo \$status >"$work/status"  # last: the test reads the modes once it is there
exec sleep 600
PANE

screen() { tmux_ capture-pane -p -t calc; }
line() { screen | sed -n "$1p"; }
shot() { screen >"$out/$1.txt"; tmux_ capture-pane -p -e -t calc >"$out/$1-attributes.txt"; }
# Waits up to 5 seconds (or the tenths given) for the screen to show the pattern (grep -E).
wait_for() {
    for _ in $(seq $((${2:-50} * 2))); do
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
paste() { tmux_ set-buffer -b p "$1" && tmux_ paste-buffer -p -d -b p -t calc; }

# start [ROWS] [VARIABLE=VALUE...] [COMMAND...]: the program (or a command that runs it) in
# an 80-column session, its raw output kept in $work/output.
start() {
    local rows=24
    [[ ${1:-} =~ ^[0-9]+$ ]] && rows=$1 && shift
    local env=(TERM=tmux-256color)
    while [[ ${1:-} == *=* ]]; do env+=("$1") && shift; done
    [ $# -gt 0 ] || set -- "$tui"
    rm -f "$work/status" "$work/pid" "$work/output"
    tmux_ new-session -d -s calc -x 80 -y "$rows" "env ${env[*]} bash $work/pane.sh $*"
    tmux_ set-option -t calc window-size manual
    tmux_ set-option -g set-clipboard on  # takes the program's copies (OSC 52)
    tmux_ pipe-pane -t calc -o "cat >>$work/output"
    wait_for 'A\.C\.' "${wait:-50}"
}

# Waits for the program to end, then checks the terminal is as it was before it started.
# ended_cleanly WHAT STATUS [talks]: "talks" lets standard error hold what a script said.
ended_cleanly() {
    for _ in $(seq 100); do
        [ -f "$work/status" ] && break
        sleep 0.05
    done
    [ -f "$work/status" ] || fail "$1 did not end the program"
    [ "$(cat "$work/status")" = "$2" ] || fail "$1: exit status $(cat "$work/status"), not $2"
    [ ! -s "$work/stderr" ] || [ "${3:-}" = talks ] || fail "$1: the program wrote to standard error"
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
shot clicked
grep '│   7    │' "$out/clicked-attributes.txt" | grep -qF $'\e[7m' || fail "a click did not focus 7"
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
# Read row by row, a mixed number is in order: the whole part before the numerator.
line 3 | grep -qE '│ +0 5 +│' || fail "the whole part does not stand before the numerator"
line 4 | grep -qE '│ +── +│' || fail "the mixed number lost its bar"

keys Enter
wait_for '循環小数'
shot decimal
line 4 | grep -qF '0.8{3}' || fail "the recurring decimal is not 0.8{3}"

keys Enter
wait_for '整数'
shot integer
line 4 | grep -qE '│ +1 +│' || fail "the integer is not 1"

# A whole part as wide as this one touched the bar when it stood beside it.
keys Escape 617283 + 2 f 1 Enter Enter
wait_for '617283 +1 '
line 4 | grep -q 617283 && fail "the whole part of 617283 1/2 stayed on the bar's row"

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
[ "$(tr -cd '\a' <"$work/output" | wc -c)" = 1 ] || fail "the notice did not ring the bell once"

keys Escape 999999999 '*' 999999999 Enter '*' 999999999 Enter
wait_for 'エラー'
shot lock
before=$(display_rows)
keys 5 +
sleep 0.3
[ "$(display_rows)" = "$before" ] || fail "a locked keypad took a digit"
# Locked buttons are dim where the terminal can dim, and dotted in every terminal.
grep -F '7 ' "$out/lock-attributes.txt" | grep -qF $'\e[2m' || fail "the locked digits are not dim"
line 14 | grep -qF '·   7    ·' || fail "the locked 7 is not dotted"
line 9 | grep -qF '┌──────────────┐' || fail "A.C. is not drawn as enabled"
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
grep -F 'コピー(' "$out/keyboard-menu-attributes.txt" | grep -qF $'\e[7m' ||
    fail "the keyboard menu did not open on its first item"
keys Escape
sleep 0.3
screen | grep -qF '終了(X)' && fail "Escape did not close the menu"

# A paste goes to the dialog's Paste, not to the key map (x is MR, 1e3 would be 13).
paste '2 1/3'
wait_for '仮分数'
shot paste
line 3 | grep -qE '│ +7 +│' || fail "the paste of 2 1/3 is not 7/3"
paste '1e3'
wait_for '貼り付けません'
line 3 | grep -qE '│ +7 +│' || fail "a refused paste changed the display"
keys Escape 5 / 6 Enter S-F10
wait_for 'コピー'
keys c
for _ in $(seq 40); do tmux_ show-buffer 2>/dev/null | grep -q . && break; sleep 0.05; done
[ "$(tmux_ show-buffer 2>/dev/null)" = "5/6" ] || fail "Copy did not reach tmux's clipboard"

tmux_ resize-window -t calc -x 60 -y 20
wait_for 'needs at least 80x23 cells; this terminal has 60x20\.'
shot too-small
keys 7
tmux_ resize-window -t calc -x 30 -y 8
wait_for 'press Ctrl\+C'
shot too-small-narrow
tmux_ resize-window -t calc -x 80 -y 24
wait_for 'A\.C\.'
shot grown
line 4 | grep -qE '│ +7 +│' && fail "a key typed while the terminal was too small counted"

keys C-c
ended_cleanly "Ctrl+C" 0

for signal in TERM:143 USR1:138 ALRM:142 PIPE:141; do
    start
    kill -"${signal%:*}" "$(cat "$work/pid")"
    ended_cleanly "SIG${signal%:*}" "${signal#*:}"
done

# The keypad, as tmux sends it in the mode the program set, and as a terminal in application
# mode would; Shift+F10 in each type's form.
for term in xterm-256color tmux-256color screen linux; do
    start TERM=$term
    keys KP4 KP5 KP+ KP6 KPEnter
    wait_for '│ +51 +│'
    plus=6b shift_f10=(32 31 3b 32 7e)
    [ $term = linux ] && plus=6c shift_f10=(33 34 7e)
    keys Escape
    tmux_ send-keys -t calc -H 1b 4f 77 1b 4f "$plus" 1b 4f 72 1b 4f 4d  # 7 + 2 Enter
    wait_for '│ +9 +│'
    tmux_ send-keys -t calc -H 1b 5b "${shift_f10[@]}"
    wait_for '終了\(X\)'
    shot "keypad-$term"
    keys Escape C-c
    ended_cleanly "Ctrl+C under $term" 0
done

# Escape followed, at a macro's pace, by O and M never becomes keypad Enter: A.C., "000" and
# the sign instead (curses' own escape delay is a second).
start
keys 7
keys Escape
sleep 0.1
keys O M
sleep 0.3
line 4 | grep -qE '│ {35}0 {36}│' || fail "Escape, O, M were read as one key"
keys C-c
ended_cleanly "Ctrl+C" 0

# tmux's status line leaves 80 x 23; the exported size is not the terminal's.
start 23 LANG=C LC_ALL= COLUMNS=100 LINES=40
shot tmux-status-line
line 1 | grep -q '^│  ┌────' || fail "at 80 x 23 the display is not on the first row"
line 23 | grep -q '^│  └────────┘' || fail "at 80 x 23 the keypad's last row is not the last"
keys C-c
ended_cleanly "Ctrl+C at 80 x 23" 0

# A Latin-1 terminal: line drawing from its own set, the Japanese texts romanised, and no
# byte of the program's above 0x7F (luit logs what the program wrote).
start LOCPATH="$locales" LANG=en_US.ISO-8859-1 LC_ALL= \
    luit -ilog "$work/latin1" -encoding ISO8859-1 -- "$tui"
keys 3 f 2 + 6 f 1 Enter Enter
wait_for 'taibunsuu'
shot latin1
keys S-F10
wait_for 'kopii\(C\)'
shot latin1-menu
screen | grep -qF '[ taibunsuu]' || fail "the Latin-1 kind label is not romanised"
line 2 | grep -qF '┌──────' || fail "the Latin-1 display has no box"
[ "$(tr -d '\000-\177' <"$work/latin1" | wc -c)" = 0 ] || fail "8-bit bytes reached a Latin-1 terminal"
keys Escape C-c
ended_cleanly "Ctrl+C in Latin-1" 0

# An EUC-JP terminal: Japanese in EUC-JP, lines in ASCII (tmux's line drawing takes G1).
start LOCPATH="$locales" LANG=ja_JP.eucJP LC_ALL= luit -encoding eucJP -- "$tui"
keys 3 f 2 + 6 f 1 Enter Enter
wait_for '帯分数'
shot euc-jp
keys S-F10
wait_for 'コピー\(C\)'
shot euc-jp-menu
screen | grep -qF '帯分数]' || fail "the EUC-JP kind label is not Japanese"
line 2 | grep -qF '+------' || fail "the EUC-JP display has no box"
keys Escape C-c
ended_cleanly "Ctrl+C in EUC-JP" 0

# A terminal that vanishes without a hang-up signal (the program in a session of its own):
# the program ends at once, it does not spin.
rm -f "$work/status" "$work/stderr"
cat >"$work/vanish.sh" <<VANISH
sh -c 'echo \$\$ >"$work/pid"; exec "$tui" 2>"$work/stderr"'
echo \$? >"$work/status"
VANISH
tmux_ new-session -d -s calc -x 80 -y 24 "setsid -w sh $work/vanish.sh"
wait_for 'A\.C\.'
tmux_ kill-session -t calc
for _ in $(seq 20); do [ -f "$work/status" ] && break; sleep 0.05; done
[ "$(cat "$work/status" 2>/dev/null)" = 1 ] || fail "the program outlived its terminal by 1 s"
grep -qF 'the terminal is gone' "$work/stderr" || fail "no message for a vanished terminal"

# Terminal types it cannot draw on are refused, by name, with a remedy.
for term in dumb xterm-kitty; do
    status=0
    message=$(TERM=$term script -qec "$tui" /dev/null) || status=$?
    [ $status = 1 ] && grep -qF "TERM=$term" <<<"$message" && grep -qF 'TERM=xterm-256color' <<<"$message" ||
        fail "TERM=$term: status $status, '$message'"
done

# The run command with a display that does not exist starts the terminal calculator.
wait=200 start DISPLAY=:87 WAYLAND_DISPLAY= TOMARO_BUILD_DIR="$build" "$run_command"
shot run-command
keys C-c
ended_cleanly "Ctrl+C after the run command" 0 talks

echo "tui smoke test passed; screens in $out"
