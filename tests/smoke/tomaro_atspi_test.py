#!/usr/bin/python3
"""The real calculator as a screen reader sees it, through the accessibility bus (AT-SPI).

Run under xvfb-run and dbus-run-session: starts tomaro, keys the road of one calculation with
xdotool, and reads back over the bus the names of the buttons and fields, the display's name
and spoken description after each "=", the focused button, the name-change events, and the
notification a notice raises and takes back. Then copies and pastes every display form
through the X server's clipboard (xclip), from the menu and with the usual shortcuts.

Usage: tomaro_atspi_test.py <tomaro binary>
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 20  # seconds for the window and the bus to answer

# What each button does, as a screen reader says it (the caption where it says enough).
BUTTON_NAMES = {
    "A.C.": "オールクリア", "><": "クリアエントリ", "<-": "後退", "~ | _": "分数線",
    "+ | -": "符号反転", "1/x": "逆数", ".": "小数点", "000": "ゼロ3つ", "=": "イコール",
    "+": "足す", "-": "引く", "*": "掛ける", "/": "割る", "M+": "メモリー加算",
    "M-": "メモリー減算", "MR": "メモリー呼び出し", "MC": "メモリークリア",
}
FIELD_NAMES = {"メモリー表示", "小数表示", "数の種類", "演算子"}
NOTICE = "正確に入力できないため貼り付けません。"

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def pump(seconds):
    """Runs the bus's events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(condition, seconds=TIMEOUT):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        pump(0.1)
    return condition()


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_app(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)
    pump(0.4)


def set_clipboard(text):
    # xclip stays in the background as the clipboard's owner until another takes it.
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), check=True)


def clipboard():
    result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True)
    return result.stdout.decode() if result.returncode == 0 else None


def main():
    tomaro = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               XDG_RUNTIME_DIR=tempfile.mkdtemp())
    proc = subprocess.Popen([tomaro], env=env)
    try:
        run(proc)
    finally:
        proc.terminate()
        proc.wait(10)
    if failures:
        print(f"{len(failures)} check(s) failed", file=sys.stderr)
        return 1
    print("AT-SPI: names, readings, focus, events, notification and clipboard as expected")
    return 0


def run(proc):
    wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                          "^Tomaro -Quillet-$"], capture_output=True, text=True,
                         timeout=TIMEOUT).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
    app = wait_for(lambda: find_app("tomaro"))
    check(app is not None, "tomaro is on the accessibility bus")
    if app is None:
        return

    nodes = list(descendants(app))
    buttons = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    names = {n.name for n in buttons}
    check(len(buttons) == 27, f"27 buttons, found {len(buttons)}")
    for caption, name in BUTTON_NAMES.items():
        check(name in names, f"a button named {name} (caption {caption!r})")
    for digit in "0123456789":
        check(digit in names, f"the digit button {digit} is named {digit}")
    fields = {n.name for n in nodes if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)}
    check(FIELD_NAMES <= fields, f"the four fields are named: {sorted(fields)}")
    # Qt's static text reaches the bus as a label.
    statics = [n for n in nodes if n.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC)]
    check(len(statics) == 1, f"the display is one static text, found {len(statics)}")
    if not statics:
        return
    display = statics[0]

    def focused():
        for n in buttons:
            if n.getState().contains(pyatspi.STATE_FOCUSED):
                return n.name
        return None

    check(display.name == "0", f"the display reads 0 at the start, not {display.name!r}")
    check(focused() == "イコール", f"the focus is on = at the start, not {focused()!r}")

    name_changes = []
    notices = []

    def on_name(event):
        if event.source == display:
            name_changes.append(event.source.name)

    def on_showing(event):
        try:
            if event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                notices.append((event.detail1, event.source))
        except GLib.Error:
            pass  # a menu that has gone already

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    key("3")
    check(focused() == "3", f"the focus follows the key to 3, not {focused()!r}")
    key("f", "2", "plus", "6", "f", "1")
    road = [("5/6", "6分の5"), ("0 5/6", "0と6分の5"), ("0.8{3}", "0.83、以下3の繰り返し"),
            ("1", "1")]
    for reading, spoken in road:
        key("Return")
        wait_for(lambda: display.name == reading, 5)
        check(display.name == reading, f"the display reads {reading}, not {display.name!r}")
        description = display.description
        check(description == spoken, f"{reading} is said {spoken}, not {description!r}")
        check(focused() == "イコール", f"the focus is on = after Enter, not {focused()!r}")
    pump(0.5)
    for reading, _ in road:
        check(reading in name_changes, f"a name-change event announced {reading}: {name_changes}")

    # Copy and paste through the X server's clipboard, for every form the display shows.
    road_keys = "Escape 3 f 2 plus 6 f 1"
    forms = [
        (road_keys + " Return", "5/6", "5/6"),
        (road_keys + " Return Return", "0 5/6", "5/6"),
        (road_keys + " Return Return Return", "0.8{3}", "5/6"),
        (road_keys + " Return Return Return Return", "1", "1"),  # 5/6 shown rounded to 1
        ("Escape 1 period 5 0", "1.50", "1.50"),
        ("Escape 3 f 7 m plus 0 Return Return", "-2 1/3", "-7/3"),
    ]
    for keys, copied, pasted in forms:
        key(*keys.split())
        key("Menu", "c")
        got = wait_for(lambda: clipboard() == copied, 5) and clipboard()
        check(got == copied, f"Copy put {copied!r} on the X clipboard, not {clipboard()!r}")
        set_clipboard(copied)
        key("Escape", "Menu", "p")
        wait_for(lambda: display.name == pasted, 5)
        check(display.name == pasted, f"pasting {copied!r} shows {pasted}, not {display.name!r}")

    # Ctrl+C and Ctrl+V copy and paste, in the window and in the readout field (whose own
    # menu offers Ctrl+C); neither touches the memory.
    fields = {n.name: n for n in nodes if n.name in FIELD_NAMES}

    def field(name):
        text = fields[name].queryText()
        return text.getText(0, text.characterCount)

    for where in ("window", "readout"):
        key("Escape", "4", "2")
        if where == "readout":
            x, y = fields["小数表示"].queryComponent().getPosition(pyatspi.DESKTOP_COORDS)
            subprocess.run(["xdotool", "mousemove", str(x + 5), str(y + 5), "click", "1"],
                           check=True)
        set_clipboard("before")
        key("ctrl+c")
        got = wait_for(lambda: clipboard() == "42", 5) and clipboard()
        check(got == "42", f"Ctrl+C in the {where} put 42 on the clipboard, not {clipboard()!r}")
        check(field("メモリー表示") == "", f"Ctrl+C in the {where} left the memory alone")
        set_clipboard("5/6")
        key("ctrl+v")
        wait_for(lambda: display.name == "5/6", 5)
        check(display.name == "5/6", f"Ctrl+V in the {where} keyed 5/6, not {display.name!r}")
        check(field("メモリー表示") == "", f"Ctrl+V in the {where} left the memory alone")

    # A refused paste: the notice in the readout, said as a notification, taken back when it
    # ends so that nothing stale is left to read.
    notices.clear()
    set_clipboard("12 apples")
    key("Menu", "p")
    shown = field("小数表示")
    check(shown == NOTICE, f"a refused paste shows the notice, not {shown!r}")
    pump(0.5)
    appeared = [n.name for showing, n in notices if showing]
    check(appeared == [NOTICE], f"the notice appeared as a notification: {appeared}")
    if notices:
        announcer = notices[-1][1]
        wait_for(lambda: not announcer.getState().contains(pyatspi.STATE_SHOWING), 5)
        check(not announcer.getState().contains(pyatspi.STATE_SHOWING),
              "the notification is taken back when the notice ends")


if __name__ == "__main__":
    sys.exit(main())
