#!/usr/bin/env python3
"""Checks the resources of a built program against the resource script it was built from.

Usage: check_exe_resources.py DECOMPILED.rc tomaro.rc ARCH [INCLUDE_DIR]

DECOMPILED.rc is what `windres -i PROGRAM.exe -O rc` prints; ARCH is the processor
architecture the manifest must name. The script's #include "resources/version.hpp" is read
from INCLUDE_DIR, by default the folder "generated" beside DECOMPILED.rc (the build folder
the program was built in), and its macros expanded as the resource compiler expands them. Dialogs (styles, captions, fonts, every control), menu,
string table and version resource must come back as the script wrote them, the icon group must
hold 48, 32 and 16 pixel 8-bit images, and the manifest must ask for Common Controls 6.0 and
declare per-monitor DPI awareness (version 2, with the older per-monitor form for Windows 8.1 and
the plain "true" that Windows 7 reads from "true/pm").
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

STRING = r'L?"(?:[^"]|"")*"'


def unquote(token):
    """A resource-script string literal as text; windres writes non-ASCII text as \\xHHHH."""
    wide = token.startswith("L")
    body = token[2:-1] if wide else token[1:-1]
    body = body.replace('""', '"')
    if wide:
        body = re.sub(r"\\x([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), body)
    return body.replace("\\n", "\n").replace("\\\\", "\\")


def expand(text, include_dir):
    """The script as the resource compiler reads it: the macros of the headers it includes
    expanded, and adjacent string literals joined."""
    macros = {}
    for header in re.findall(r'^#include "([^"]+)"', text, re.M):
        path = os.path.join(include_dir, header)
        if not os.path.exists(path):
            sys.exit(f"{header} is not in {include_dir}")
        definitions = open(path, encoding="utf-8").read().replace("\\\n", " ")
        for name, value in re.findall(r"^#define (\w+)[ \t]+(.+)$", definitions, re.M):
            macros[name] = value.strip()
    if macros:
        names = "|".join(re.escape(name) for name in macros)
        text = re.sub(r"\b(" + names + r")\b", lambda m: macros[m.group(1)], text)
    return re.sub(r'"[ \t]+"', "", text)


def number(token):
    return int(token.rstrip("lL"), 0)


def parse(text):
    lines = text.splitlines()
    found = {"dialogs": {}, "menu": [], "strings": {}, "version": {}, "values": {},
             "icons": [], "manifest": None}
    i = 0
    while i < len(lines):
        line = lines[i].strip()
        m = re.match(r"(\d+) (DIALOGEX|DIALOG)\b[A-Z ]*?\s(\d+), (\d+), (\d+), (\d+)$", line)
        if m:
            dialog = {"kind": m.group(2), "rect": tuple(map(int, m.groups()[2:])),
                      "exstyle": 0, "controls": []}
            i += 1
            while lines[i].strip() != "BEGIN":
                key, _, rest = lines[i].strip().partition(" ")
                if key in ("STYLE", "EXSTYLE"):
                    dialog[key.lower()] = number(rest)
                elif key == "CAPTION":
                    dialog["caption"] = unquote(rest)
                elif key == "FONT":
                    size, name = re.match(r"(\d+), (" + STRING + ")", rest).groups()
                    dialog["font"] = (int(size), unquote(name))
                i += 1
            i += 1
            while lines[i].strip() != "END":
                c = re.match(r"CONTROL (" + STRING + r"|\d+), (-?\d+), \"(\w+)\", (0x[0-9a-fA-F]+),"
                             r" (\d+), (\d+), (\d+), (\d+)(?:, (0x[0-9a-fA-F]+|\d+))?",
                             lines[i].strip())
                if not c:
                    sys.exit(f"unreadable control line: {lines[i]}")
                text_token = c.group(1)
                dialog["controls"].append((
                    unquote(text_token) if text_token[-1] == '"' else int(text_token),
                    int(c.group(2)) & 0xFFFF, c.group(3).upper(), number(c.group(4)),
                    tuple(int(c.group(k)) for k in range(5, 9)),
                    number(c.group(9)) if c.group(9) else 0))
                i += 1
            found["dialogs"][int(m.group(1))] = dialog
        elif re.match(r"MENUITEM (" + STRING + r"), (\d+)$", line):
            t, item = re.match(r"MENUITEM (" + STRING + r"), (\d+)$", line).groups()
            found["menu"].append((unquote(t), int(item)))
        elif re.match(r"(\d+),? (" + STRING + r")$", line) and not lines[i].startswith(" " * 5):
            sid, t = re.match(r"(\d+),? (" + STRING + r")$", line).groups()
            found["strings"][int(sid)] = unquote(t)
        elif re.match(r"(FILEVERSION|PRODUCTVERSION) ", line):
            key, rest = line.split(" ", 1)
            found["version"][key] = tuple(int(v) for v in rest.split(","))
        elif re.match(r"(FILEFLAGSMASK|FILEFLAGS|FILEOS|FILETYPE|FILESUBTYPE) ", line):
            key, rest = line.split(" ", 1)
            found["version"][key] = number(rest)
        elif re.match(r"BLOCK \"([0-9a-fA-F]{8})\"$", line):
            found["version"]["block"] = line.split('"')[1].lower()
        elif re.match(r'VALUE "Translation", ', line):
            found["version"]["Translation"] = tuple(
                number(v) for v in line.split(",", 1)[1].split(","))
        elif re.match(r'VALUE "(\w+)", (' + STRING + ")$", line):
            name, value = re.match(r'VALUE "(\w+)", (' + STRING + ")$", line).groups()
            found["values"][name] = unquote(value)
        elif re.match(r'"(\\\d{3}){4}", 1, (\d+),', line):
            width = int(line[2:5], 8)
            bits = int(line.split(",")[2])
            found["icons"].append((width, bits))
        elif line.startswith("1 24 ") and i + 1 < len(lines) and lines[i + 1].strip() == "BEGIN":
            i += 2
            parts = []
            while lines[i].strip() != "END":
                parts.append(unquote(lines[i].strip()))
                i += 1
            found["manifest"] = "".join(parts)
        i += 1
    return found


def main():
    built = parse(open(sys.argv[1], encoding="utf-8").read())
    include_dir = (sys.argv[4] if len(sys.argv) > 4
                   else os.path.join(os.path.dirname(sys.argv[1]) or ".", "generated"))
    source = parse(expand(open(sys.argv[2], encoding="utf-8").read(), include_dir))
    arch = sys.argv[3]
    errors = []

    def expect(what, got, wanted):
        if got != wanted:
            errors.append(f"{what}: built {got!r}, script {wanted!r}")

    expect("dialog ids", sorted(built["dialogs"]), sorted(source["dialogs"]))
    for did, want in source["dialogs"].items():
        got = built["dialogs"].get(did, {})
        for key in ("kind", "rect", "style", "exstyle", "caption", "font"):
            expect(f"dialog {did} {key}", got.get(key), want.get(key))
        expect(f"dialog {did} controls", got.get("controls"), want["controls"])
    expect("menu 103", built["menu"], source["menu"])
    expect("string table", built["strings"], source["strings"])
    for key, value in source["version"].items():
        # The decompiler leaves out the fields that are zero.
        expect(f"version {key}", built["version"].get(key, 0), value)
    expect("version strings", built["values"], source["values"])
    expect("icon 128 images (width, bits)", sorted(built["icons"]), [(16, 8), (32, 8), (48, 8)])

    if built["manifest"] is None:
        errors.append("no manifest resource 1")
    else:
        ns = "{urn:schemas-microsoft-com:asm.v1}"
        root = ET.fromstring(built["manifest"].encode("utf-8"))
        identity = root.find(f"{ns}dependency/{ns}dependentAssembly/{ns}assemblyIdentity")
        expect("manifest root", (root.tag, root.get("manifestVersion")),
               (f"{ns}assembly", "1.0"))
        expect("manifest description", root.find(f"{ns}description") is not None, True)
        expect("manifest dependency",
               None if identity is None else dict(identity.attrib),
               {"type": "win32", "name": "Microsoft.Windows.Common-Controls",
                "version": "6.0.0.0", "processorArchitecture": arch,
                "publicKeyToken": "6595b64144ccf1df", "language": "*"})
        settings = f"{{urn:schemas-microsoft-com:asm.v3}}application/" \
                   f"{{urn:schemas-microsoft-com:asm.v3}}windowsSettings/"
        for name, schema, wanted in (("dpiAware", "2005", "true/pm"),
                                     ("dpiAwareness", "2016", "PerMonitorV2, PerMonitor")):
            node = root.find(f"{settings}{{http://schemas.microsoft.com/SMI/{schema}/"
                             f"WindowsSettings}}{name}")
            expect(f"manifest {name}", None if node is None else node.text, wanted)

    if errors:
        print("\n".join(errors), file=sys.stderr)
        sys.exit(1)
    d = built["dialogs"]
    print(f"resources match the script: dialogs {sorted(d)} "
          f"({', '.join(str(len(v['controls'])) + ' controls' for v in d.values())}), "
          f"menu {len(built['menu'])} items, strings {sorted(built['strings'])}, "
          f"version block {built['version'].get('block')}, icon {sorted(built['icons'])}, "
          f"manifest {arch}")


main()
