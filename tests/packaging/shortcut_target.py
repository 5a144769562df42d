#!/usr/bin/env python3
"""Prints the local path a Windows shortcut (.lnk) points at.

Usage: shortcut_target.py FILE.lnk

Reads the shell link's LinkInfo structure: the target's local base path, in Unicode where the
shortcut carries it, else its ANSI form read as ASCII. Fails if the file is not a shell link or
has no local target.
"""
import struct
import sys

HEADER_SIZE = 0x4C
HAS_ID_LIST, HAS_LINK_INFO = 0x1, 0x2


def target(data):
    if len(data) < HEADER_SIZE or struct.unpack_from("<I", data, 0)[0] != HEADER_SIZE:
        sys.exit("not a shell link")
    flags = struct.unpack_from("<I", data, 0x14)[0]
    offset = HEADER_SIZE
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if not flags & HAS_LINK_INFO:
        sys.exit("the shortcut has no link information")
    info = offset
    header_size, info_flags = struct.unpack_from("<II", data, info + 4)
    if not info_flags & 0x1:  # VolumeIDAndLocalBasePath
        sys.exit("the shortcut has no local target")
    if header_size >= 0x24:  # the Unicode path is there too
        start = info + struct.unpack_from("<I", data, info + 0x1C)[0]
        end = start
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[start:end].decode("utf-16-le")
    start = info + struct.unpack_from("<I", data, info + 0x10)[0]
    return data[start:data.index(b"\0", start)].decode("ascii", "replace")


print(target(open(sys.argv[1], "rb").read()))
