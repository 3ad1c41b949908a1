#!/usr/bin/env python3
"""Packs classic icon images, drawn as XPM pixel art, into one Windows icon
group (.ico), each image at the colour depth it was drawn in.

    xpm-to-ico.py OUT.ico IMAGE.xpm...

An image of at most 2 colours is stored with 1 bit a pixel (black and white),
one of at most 16 colours with 4 bits a pixel in the standard 16-colour
palette; the colour "None" is transparent and goes into the AND mask. Any
other colour is refused, so the images stay true to their depth.
"""

import re
import struct
import sys

MONOCHROME = [(0x00, 0x00, 0x00), (0xFF, 0xFF, 0xFF)]
# The standard 16-colour palette, in its usual order.
SIXTEEN_COLOURS = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
TRANSPARENT = None


def read_xpm(path):
    """Returns the rows of the image as lists of (r, g, b) or TRANSPARENT."""
    with open(path, encoding="ascii") as f:
        strings = re.findall(r'"([^"]*)"', f.read())
    width, height, colours, chars = (int(v) for v in strings[0].split()[:4])
    palette = {}
    for line in strings[1 : 1 + colours]:
        key, value = line[:chars], line[chars:].split()
        colour = value[value.index("c") + 1]
        if colour.lower() == "none":
            palette[key] = TRANSPARENT
        else:
            palette[key] = tuple(int(colour[i : i + 2], 16) for i in (1, 3, 5))
    rows = strings[1 + colours : 1 + colours + height]
    return [[palette[row[x * chars : (x + 1) * chars]] for x in range(width)] for row in rows]


def packed_rows(values, bits):
    """Packs each row of small integers MSB first, padded to 4 bytes, bottom row first."""
    out = b""
    for row in reversed(values):
        bitstring = "".join(format(v, "0%db" % bits) for v in row)
        bitstring += "0" * (-len(bitstring) % 32)
        out += int(bitstring, 2).to_bytes(len(bitstring) // 8, "big")
    return out


def encode_image(pixels, path):
    """Returns (bits per pixel, colour count, DIB bytes) of one image."""
    opaque = {p for row in pixels for p in row if p is not TRANSPARENT}
    palette = MONOCHROME if opaque <= set(MONOCHROME) else SIXTEEN_COLOURS
    bits = 1 if palette is MONOCHROME else 4
    unknown = opaque - set(palette)
    if unknown:
        sys.exit("%s: colours outside the 16-colour palette: %s" % (path, sorted(unknown)))
    height, width = len(pixels), len(pixels[0])
    indices = [[0 if p is TRANSPARENT else palette.index(p) for p in row] for row in pixels]
    mask = [[1 if p is TRANSPARENT else 0 for p in row] for row in pixels]
    colour_bits, mask_bits = packed_rows(indices, bits), packed_rows(mask, 1)
    header = struct.pack(
        "<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0,
        len(colour_bits) + len(mask_bits), 0, 0, len(palette), 0)
    palette_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return bits, len(palette), header + palette_bytes + colour_bits + mask_bits


def main(out_path, image_paths):
    images = [(read_xpm(p), p) for p in image_paths]
    encoded = [encode_image(pixels, path) for pixels, path in images]
    directory = struct.pack("<HHH", 0, 1, len(encoded))
    offset = len(directory) + 16 * len(encoded)
    entries, data = b"", b""
    for (pixels, _), (bits, colours, dib) in zip(images, encoded):
        entries += struct.pack("<BBBBHHII", len(pixels[0]), len(pixels), colours, 0, 1, bits,
                               len(dib), offset + len(data))
        data += dib
    with open(out_path, "wb") as f:
        f.write(directory + entries + data)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
