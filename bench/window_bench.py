#!/usr/bin/python3
"""Times the real calculator in an X server (run it under xvfb-run): launch to window
mapped, peak resident memory, and a key press to the repainted display.

Usage: window_bench.py <tomaro binary> [launches] [keys]
"""
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, XK, display

from peak_memory import peak_rss_mib
from Xlib.ext import xtest

CAPTION = "Tomaro -Quillet-"
DISPLAY_BAND = 30 / 155  # the display's height, as a share of the dialog's, in dialog units


def wait_for_mapped_window(dpy, deadline):
    """The calculator's top-level window, once it is mapped."""
    while time.monotonic() < deadline:
        while dpy.pending_events():
            event = dpy.next_event()
            if event.type == X.MapNotify:
                try:
                    name = event.window.get_wm_name()
                except Exception:
                    name = None
                if name == CAPTION:
                    return event.window
        time.sleep(0.0002)
    raise SystemExit("the calculator window did not appear")


def launch(dpy, tomaro):
    root = dpy.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    dpy.sync()
    start = time.monotonic()
    process = subprocess.Popen([tomaro])
    window = wait_for_mapped_window(dpy, start + 20)
    return process, window, time.monotonic() - start


def press(dpy, keysym_name):
    code = dpy.keysym_to_keycode(XK.string_to_keysym(keysym_name))
    xtest.fake_input(dpy, X.KeyPress, code)
    xtest.fake_input(dpy, X.KeyRelease, code)
    dpy.sync()


def key_latencies(dpy, window, count):
    """Seconds from each key press to the first change of the display's pixels."""
    geometry = window.get_geometry()
    band = max(1, int(geometry.height * DISPLAY_BAND))
    grab = lambda: window.get_image(0, 0, geometry.width, band, X.ZPixmap, 0xFFFFFFFF).data
    window.set_input_focus(X.RevertToParent, X.CurrentTime)
    dpy.sync()
    latencies = []
    # Each digit appends to the operand (so the display changes); Escape starts afresh.
    keys = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "Escape"]
    for i in range(count):
        before = grab()
        start = time.monotonic()
        press(dpy, keys[i % len(keys)])
        while grab() == before:
            if time.monotonic() - start > 2:
                raise SystemExit("a key press did not change the display")
        latencies.append(time.monotonic() - start)
    return latencies


def main():
    tomaro = sys.argv[1]
    launches = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    keys = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    dpy = display.Display()
    launch_times, peaks, latencies = [], [], []
    for i in range(launches):
        process, window, seconds = launch(dpy, tomaro)
        launch_times.append(seconds)
        time.sleep(0.3)  # let it settle after its first paint
        if i == 0:
            latencies = key_latencies(dpy, window, keys)
        peaks.append(peak_rss_mib(process.pid))
        process.terminate()
        process.wait()
    ms = lambda s: s * 1000
    latencies.sort()
    print(f"launch to window mapped: median {ms(statistics.median(launch_times)):.1f} ms, "
          f"min {ms(min(launch_times)):.1f} ms, max {ms(max(launch_times)):.1f} ms "
          f"({launches} launches)")
    print(f"peak resident memory: max {max(peaks):.1f} MiB, median {statistics.median(peaks):.1f} MiB")
    print(f"key press to repainted display: median {ms(statistics.median(latencies)):.2f} ms, "
          f"95th percentile {ms(latencies[int(len(latencies) * 0.95)]):.2f} ms, "
          f"max {ms(latencies[-1]):.2f} ms ({len(latencies)} keys; includes the X round trips)")


if __name__ == "__main__":
    main()
