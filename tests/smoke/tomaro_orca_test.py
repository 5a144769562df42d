#!/usr/bin/python3
"""What Orca, the screen reader, says of the real calculator.

Run under xvfb-run and dbus-run-session: starts speech-dispatcher with a silent output module
(each text it is given is written to a file, the sound goes to ALSA's null device), Orca with
its debug log, and tomaro; keys the road of one calculation, a second "=", a division by
zero, an overflow and Shift+F10 with xdotool; ends Orca and reads every utterance from its
debug log.

Usage: tomaro_orca_test.py <tomaro binary>
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30  # seconds for Orca, the window and each utterance

LOCKED = "キーパッドはロックされています。A.C.またはEscキーで解除します。"
# What must be said, in this order, with the keys that bring it: main-row keys of a US
# keyboard (Orca takes the keypad's operators for its own commands). Orca speaks English role
# names in the C locale, and ends with a stop an utterance that has none.
ROAD = [
    ("3 f 2 plus 6 f 1", "notification 6分の1."),
    ("Return", "notification 6分の5."),
    ("Return", "notification 0と6分の5."),
    ("Escape 1 slash 0 Return", "notification ０（ゼロ）で除算することはできません。"),
    ("", "notification 1."),  # the notice ends: the value again
    ("Escape" + " 9" * 10 + " semicolon" + " 9" * 10 + " Return",
     "notification エラー、1分の99999999980000002048。" + LOCKED),
    ("Escape shift+F10", "コピー(C)"),
]


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def speech_dispatcher(home):
    """A speech-dispatcher of its own whose output module writes each text to spoken.txt."""
    spoken = os.path.join(home, "spoken.txt")
    os.makedirs(os.path.join(home, "speechd", "modules"))
    write(os.path.join(home, "speechd", "speechd.conf"),
          'AddModule "silent" "sd_generic" "silent.conf"\nDefaultModule silent\n'
          'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    languages = "".join(f'GenericLanguage "{lang}" "en" "utf-8"\n' for lang in ("en", "en-us"))
    write(os.path.join(home, "speechd", "modules", "silent.conf"),
          f'GenericExecuteSynth "printf \'%s\\\\n\' \\\'$DATA\\\' >> {spoken}"\n'
          f'AddVoice "en" "MALE1" "en"\n{languages}')
    socket = os.path.join(home, "speechd.sock")
    server = subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-C",
                               os.path.join(home, "speechd"), "-c", "unix_socket", "-S", socket,
                               "-L", home], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return server, socket, spoken


def wait_for(condition, seconds=TIMEOUT):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.1)
    return condition()


def given(spoken):
    """What speech-dispatcher was given so far."""
    try:
        with open(spoken, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def press(key, spoken):
    """One key, once Orca has echoed the last and said what followed: Qt holds each key until
    Orca answers whether it took it, and a late answer lets the next key overtake."""
    before = given(spoken)
    subprocess.run(["xdotool", "key", key], check=True)
    wait_for(lambda: len(given(spoken)) > len(before), 5)
    quiet_since, last = time.monotonic(), given(spoken)
    while time.monotonic() - quiet_since < 0.4:
        time.sleep(0.05)
        if (now := given(spoken)) != last:
            quiet_since, last = time.monotonic(), now


def utterances(log):
    with open(log, encoding="utf-8", errors="replace") as f:
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", f.read())


def main():
    tomaro = sys.argv[1]
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home, LANG="C.UTF-8", LANGUAGE="",
               LC_ALL="C.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    server, socket, spoken = speech_dispatcher(home)
    env["SPEECHD_ADDRESS"] = "unix_socket:" + socket
    log = os.path.join(home, "orca.log")
    orca = subprocess.Popen(["orca", "--debug-file", log, "-u", os.path.join(home, "orca")],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    calculator = None
    try:
        if not wait_for(lambda: "Screen reader on" in given(spoken)):
            print("FAIL: Orca did not speak through speech-dispatcher", file=sys.stderr)
            return 1
        calculator = subprocess.Popen([tomaro], env=env)
        wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                              "^Tomaro -Quillet-$"], capture_output=True, text=True,
                             timeout=TIMEOUT).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", wid], check=True)
        wait_for(lambda: "push button" in given(spoken))
        for keys, said in ROAD:
            for key in keys.split():
                press(key, spoken)
            # Paced by what reaches speech-dispatcher; Orca's log is what is checked.
            wait_for(lambda: said.rstrip(".") in given(spoken), 10)
    finally:
        if calculator:
            calculator.terminate()
            calculator.wait(10)
        orca.send_signal(signal.SIGTERM)  # a clean exit writes out the whole log
        orca.wait(20)
        server.terminate()
        server.wait(10)

    said = utterances(log)
    shutil.rmtree(home, ignore_errors=True)
    missing, at = [], 0
    for keys, expected in ROAD:
        try:
            at = said.index(expected, at) + 1
        except ValueError:
            missing.append(f"after {keys or 'the notice time'}: {expected!r}")
    for m in missing:
        print("FAIL: Orca did not say", m, file=sys.stderr)
    if missing:
        print("Orca said:", said, file=sys.stderr)
        return 1
    print("Orca said:", " | ".join(e for _, e in ROAD))
    return 0


if __name__ == "__main__":
    sys.exit(main())
