#!/usr/bin/env bash
# Regenerates tomaro.ico from the window icon's drawings resources/icons/tomaro-{48,32,16}.png.
# The .ico is kept in the tree, so only a change of the drawing needs this script.
#
# Needs ImageMagick's convert (to read the PNGs) and python3.
#
# Every image is stored as an 8-bit (256-colour) palette bitmap with its 1-bit transparency
# mask, the classic icon format. ImageMagick's own ICO writer picks the smallest depth that
# holds the colours (4 bits for this drawing), so the file is written here instead. The three
# images share one palette, with black first: transparent pixels are black under a set mask bit.
set -euo pipefail
cd "$(dirname "$0")"

icons=../icons
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 48 32 16; do
    convert "$icons/tomaro-$size.png" -depth 8 "RGBA:$work/$size.rgba"
    [ "$(stat -c %s "$work/$size.rgba")" -eq $((size * size * 4)) ] || {
        echo "make_ico.sh: $icons/tomaro-$size.png is not $size x $size" >&2
        exit 1
    }
done

python3 - "$work" tomaro.ico <<'PYTHON'
import struct
import sys

work, target = sys.argv[1], sys.argv[2]
sizes = [48, 32, 16]

images = {}
for size in sizes:
    data = open(f"{work}/{size}.rgba", "rb").read()
    images[size] = [tuple(data[i:i + 4]) for i in range(0, len(data), 4)]

palette = [(0, 0, 0)]
for size in sizes:
    for r, g, b, a in images[size]:
        if a >= 128 and (r, g, b) not in palette:
            palette.append((r, g, b))
if len(palette) > 256:
    sys.exit(f"make_ico.sh: the drawing has {len(palette)} colours, more than 256")
palette += [(0, 0, 0)] * (256 - len(palette))
index = {colour: i for i, colour in reversed(list(enumerate(palette)))}

def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4

entries = []
for size in sizes:
    pixels = images[size]
    colour_rows, mask_rows = [], []
    for y in reversed(range(size)):  # bottom-up, as bitmaps are stored
        row = pixels[y * size:(y + 1) * size]
        colours = bytes(index[p[:3]] if p[3] >= 128 else 0 for p in row)
        colour_rows.append(colours.ljust(row_bytes(size * 8), b"\0"))
        mask = bytearray(row_bytes(size))
        for x, p in enumerate(row):
            if p[3] < 128:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(mask))
    xor, and_ = b"".join(colour_rows), b"".join(mask_rows)
    # The height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0, len(xor) + len(and_),
                         0, 0, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    entries.append((size, header + colours + xor + and_))

out = struct.pack("<HHH", 0, 1, len(entries))
offset = 6 + 16 * len(entries)
for size, image in entries:
    # Width, height, colour count (0: 256), reserved, planes, bits per pixel, bytes, offset.
    out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
    offset += len(image)
for _, image in entries:
    out += image
open(target, "wb").write(out)
PYTHON
identify -format '%f[%p]: %wx%h, %z-bit, %k colours\n' tomaro.ico
