#!/usr/bin/env bash
# The real calculator on a real X display (run under xvfb-run): checks it opens centred on
# the screen, types the road of one calculation from the keyboard, steps the result through
# its representations, checks the window survives Enter and Escape, and ends it through its
# context menu's Exit. Then the same road at scales of 1.5 and 2 (fraction@1.5x.png,
# fraction@2x.png), and the window centred frame included under a window manager (openbox).
# Usage: tomaro_smoke_test.sh <tomaro binary> <folder for screenshots>
set -euo pipefail
tomaro=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png
XDG_RUNTIME_DIR=$(mktemp -d)  # Qt wants one; a test machine may not have a session
export XDG_RUNTIME_DIR

"$tomaro" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT

wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tomaro -Quillet-$' | head -n1)
[ -n "$wid" ] || { echo "FAIL: the calculator window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$wid"

read -r width height < <(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
# Within a pixel of the middle: the left and top edges of the window, frame included, given
# as x y width height.
centred() {
    local dx=$(( 2 * $1 + $3 - screen_width )) dy=$(( 2 * $2 + $4 - screen_height ))
    (( dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2 ))
}
read -r x y < <(xwininfo -id "$wid" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')
centred "$x" "$y" "$width" "$height" ||
    { echo "FAIL: the window opened at $x,$y, not centred on the ${screen_width}x$screen_height screen" >&2; exit 1; }
display_crop="${width}x$((height * 30 / 155))+0+0"  # the display's band, in dialog units 0..30

shot() { import -window "$wid" "$out/$1.png"; convert "$out/$1.png" -crop "$display_crop" +repage "$out/$1-display.png"; }
differ() { [ "$(compare -metric AE "$out/$1-display.png" "$out/$2-display.png" null: 2>&1 || true)" != 0 ]; }
alive() { kill -0 "$pid" 2>/dev/null && xwininfo -id "$wid" >/dev/null 2>&1; }
press() { xdotool key --delay 40 "$@"; sleep 0.3; }

shot start
press 3 f 2 plus 6 f 1 Return   # 2/3 + 1/6 = 5/6, shown as a fraction
alive || { echo "FAIL: Enter closed the window" >&2; exit 1; }
shot fraction
press Return; shot mixed       # 0 5/6
press Return; shot decimal     # 0.8{3}
press Return; shot integer     # 1
press Return; shot fraction-again

differ start fraction || { echo "FAIL: the calculation left the display unchanged" >&2; exit 1; }
for rep in mixed decimal integer; do
    differ fraction "$rep" || { echo "FAIL: the $rep display looks like the fraction" >&2; exit 1; }
done
differ decimal integer || { echo "FAIL: decimal and integer displays look alike" >&2; exit 1; }
if differ fraction fraction-again; then
    echo "FAIL: stepping through all four representations did not come back to the fraction" >&2
    exit 1
fi

press Escape
alive || { echo "FAIL: Escape closed the window" >&2; exit 1; }
shot cleared
differ start cleared && { echo "FAIL: Escape did not clear the display back to 0" >&2; exit 1; }

# Right-click on the display opens the context menu; "x" picks "終了(&X)".
xdotool mousemove --window "$wid" $((width / 2)) $((height / 20)) click 3
sleep 0.5
import -window root "$out/context-menu.png"
xdotool key x
status=0
timeout 10 tail --pid="$pid" -f /dev/null || { echo "FAIL: Exit did not end the program" >&2; exit 1; }
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: the program ended with status $status" >&2; exit 1; }

# Starts the calculator (with the environment given first) and waits for its window.
launch() {
    env "$@" "$tomaro" &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tomaro -Quillet-$' | head -n1)
    [ -n "$wid" ] || { echo "FAIL: the calculator window did not appear ($*)" >&2; exit 1; }
    xdotool windowfocus --sync "$wid"
}
for scale in 1.5 2; do
    launch QT_SCALE_FACTOR=$scale
    press 3 f 2 plus 6 f 1 Return
    import -window "$wid" "$out/fraction@${scale}x.png"
    kill "$pid"; wait "$pid" || true
done

openbox & wm=$!
trap 'kill "$pid" "$wm" 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
sleep 1
launch
extents=""
for _ in $(seq 50); do  # the manager sets them as it frames the window
    extents=$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
    [ -n "$extents" ] && break
    sleep 0.1
done
[ -n "$extents" ] || { echo "FAIL: openbox gave the window no frame" >&2; exit 1; }
read -r left right top bottom <<<"$extents"
read -r x y < <(xwininfo -id "$wid" | awk '/Absolute upper-left X:/{x=$4} /Absolute upper-left Y:/{y=$4} END{print x, y}')
centred $((x - left)) $((y - top)) $((width + left + right)) $((height + top + bottom)) ||
    { echo "FAIL: under openbox the window's frame is at $((x - left)),$((y - top)), not centred" >&2; exit 1; }
import -window root "$out/framed.png"
kill "$pid" "$wm"
echo "smoke test passed; screenshots in $out"
