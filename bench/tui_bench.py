#!/usr/bin/python3
"""Times the terminal calculator in a detached tmux session of 80 x 24: start to the first
full screen, a key to the updated screen, and peak resident memory; with a run command, also
that command's start on a built tree to the first full screen (one start first, unmeasured,
lets it build what it must).

tmux runs in control mode, which reports every write of the program's pane as it happens
(%output): a time is taken when the last write of a screen update reaches tmux, once the
pane has stayed quiet for a while after it.

Usage: tui_bench.py <tomaro-tui binary> [launches] [keys] [run command]
"""
import os
import select
import statistics
import subprocess
import sys
import tempfile
import time

from peak_memory import peak_rss_mib

LAUNCH_QUIET = 0.2  # the first screen is complete once the pane is quiet this long
KEY_QUIET = 0.03
# Each digit appends to the operand (so the screen changes); Delete (A.C.) starts afresh.
KEYS = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "DC"]


class ControlClient:
    def __init__(self, socket):
        self.process = subprocess.Popen(
            ["tmux", "-S", socket, "-C", "attach-session", "-t", "bench"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, bufsize=0)
        self.buffer = b""
        self.backlog = []  # lines read past a reply's end, still to be looked at
        # Attaching answers with an empty block of its own first.
        while not any(line.startswith(b"%end") for _, line in self.lines(5)):
            pass

    def send(self, command):
        self.process.stdin.write(command.encode() + b"\n")

    def lines(self, timeout):
        """Lines that arrive within the timeout, each with the time it was read."""
        if self.backlog:
            backlog, self.backlog = self.backlog, []
            return backlog
        ready, _, _ = select.select([self.process.stdout], [], [], timeout)
        if not ready:
            return []
        now = time.monotonic()
        self.buffer += os.read(self.process.stdout.fileno(), 1 << 16)
        *complete, self.buffer = self.buffer.split(b"\n")
        return [(now, line) for line in complete]

    def reply(self, command):
        """The output of one command (between %begin and %end)."""
        self.send(command)
        out, inside = [], False
        while True:
            lines = self.lines(5)
            for i, (_, line) in enumerate(lines):
                if line.startswith(b"%begin"):
                    inside = True
                elif line.startswith(b"%end") or line.startswith(b"%error"):
                    # What came with the end (a new pane's first output) is kept.
                    self.backlog = lines[i + 1:]
                    return out
                elif inside:
                    out.append(line.decode(errors="replace"))

    def last_output(self, pane, since, quiet):
        """The time of the pane's last write before it stayed quiet for `quiet` seconds."""
        last = None
        prefix = f"%output {pane} ".encode()
        while True:
            lines = self.lines(quiet)
            if not lines and last is not None:
                return last
            if not lines and time.monotonic() - since > 5:
                raise SystemExit("the calculator did not draw")
            for at, line in lines:
                if line.startswith(prefix):
                    last = at


def main():
    tui = os.path.abspath(sys.argv[1])
    launches = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    keys = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    run_command = os.path.abspath(sys.argv[4]) if len(sys.argv) > 4 else None
    work = tempfile.mkdtemp()
    socket = os.path.join(work, "socket")
    env = dict(os.environ, LANG="C.UTF-8", TERM="xterm-256color")
    tmux = ["tmux", "-S", socket, "-f", "/dev/null"]
    subprocess.run(tmux + ["new-session", "-d", "-s", "bench", "-x", "80", "-y", "24"], env=env,
                   check=True)
    subprocess.run(tmux + ["set-option", "-t", "bench", "window-size", "manual"], check=True)
    subprocess.run(tmux + ["set-option", "-g", "default-terminal", "tmux-256color"], check=True)
    client = ControlClient(socket)

    def launch(command):
        """Starts the command in a new pane: its pane, process and time to the first screen."""
        start = time.monotonic()
        pane = client.reply(f"new-window -P -F '#{{pane_id}} #{{pane_pid}}' "
                            f"'exec env LANG=C.UTF-8 {command}'")[0]
        pane_id, pid = pane.split()
        took = client.last_output(pane_id, start, LAUNCH_QUIET) - start
        screen = "\n".join(client.reply(f"capture-pane -p -t {pane_id}"))
        if "A.C." not in screen or "000" not in screen:
            raise SystemExit("the first screen is not the calculator:\n" + screen)
        return pane_id, pid, took

    try:
        starts, peaks, latencies, run_starts = [], [], [], []
        for i in range(launches):
            pane_id, pid, took = launch(tui)
            starts.append(took)
            if i == 0:
                for k in range(keys):
                    sent = time.monotonic()
                    client.send(f"send-keys -t {pane_id} {KEYS[k % len(KEYS)]}")
                    latencies.append(client.last_output(pane_id, sent, KEY_QUIET) - sent)
            peaks.append(peak_rss_mib(pid))
            client.reply(f"kill-pane -t {pane_id}")
        for i in range(launches + 1 if run_command else 0):
            pane_id, _, took = launch(f"DISPLAY= WAYLAND_DISPLAY= TOMARO_BUILD_DIR="
                                      f"{os.path.dirname(os.path.dirname(os.path.dirname(tui)))} "
                                      f"{run_command}")
            if i > 0:
                run_starts.append(took)
            client.reply(f"kill-pane -t {pane_id}")
    finally:
        subprocess.run(tmux + ["kill-server"], check=False)
    ms = lambda s: s * 1000
    latencies.sort()
    print(f"start to first full screen: median {ms(statistics.median(starts)):.1f} ms, "
          f"min {ms(min(starts)):.1f} ms, max {ms(max(starts)):.1f} ms ({launches} launches)")
    print(f"peak resident memory: max {max(peaks):.1f} MiB, median {statistics.median(peaks):.1f} MiB")
    print(f"key to updated screen: median {ms(statistics.median(latencies)):.2f} ms, "
          f"95th percentile {ms(latencies[int(len(latencies) * 0.95)]):.2f} ms, "
          f"max {ms(latencies[-1]):.2f} ms ({len(latencies)} keys; includes tmux's round trip)")
    if run_starts:
        print(f"run command to first full screen: median {ms(statistics.median(run_starts)):.1f} ms, "
              f"max {ms(max(run_starts)):.1f} ms ({len(run_starts)} starts on a built tree)")


if __name__ == "__main__":
    main()
