#!/usr/bin/env python3
"""Regenerates res/vorkel.ico, the application icon.

Run from anywhere:   python3 res/make_icon.py

Standard library only, and the output is byte-for-byte deterministic, so the
icon can be rebuilt at any time and the diff stays empty unless the drawing
changed.  Every image comes from the same vector description below.

Directory order (older shells pick the first acceptable match, so the
low-colour images go first):
  1-4    48/32/24/16 px, 4 bpp, 16-entry palette   BMP + AND mask
  5-8    48/32/24/16 px, 8 bpp, 256-entry palette  BMP + AND mask
  9      256 px, RGBA                              PNG
  10-13  48/32/24/16 px, 32 bpp with alpha         BMP + AND mask
"""
import os
import struct
import zlib

BLUE = (0x2B, 0x6C, 0xB0)
WHITE = (0xFF, 0xFF, 0xFF)

# Unit coordinates, 0..1, y pointing down.
PLATE = (0.06, 0.06, 0.94, 0.94, 0.20)  # rounded square: x0, y0, x1, y1, radius
ARROW = [(0.43, 0.14), (0.57, 0.14), (0.57, 0.40), (0.72, 0.40),
         (0.50, 0.62), (0.28, 0.40), (0.43, 0.40)]
TRAY = [(0.22, 0.54), (0.31, 0.54), (0.31, 0.72), (0.69, 0.72),
        (0.69, 0.54), (0.78, 0.54), (0.78, 0.81), (0.22, 0.81)]

SMALL_SIZES = (48, 32, 24, 16)


def fitted(size):
    """The shapes with every straight edge snapped to the pixel grid, so small
    sizes get crisp strokes instead of half-covered grey ones."""
    def snap(v):
        return int(v * size + 0.5) / size
    plate = tuple(snap(v) for v in PLATE[:4]) + PLATE[4:]
    return plate, [[(snap(x), snap(y)) for x, y in poly] for poly in (ARROW, TRAY)]


def in_plate(plate, x, y):
    x0, y0, x1, y1, r = plate
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    dx = max(x0 + r - x, 0.0, x - (x1 - r))
    dy = max(y0 + r - y, 0.0, y - (y1 - r))
    return dx * dx + dy * dy <= r * r


def in_poly(poly, x, y):
    """Even-odd crossing test."""
    inside = False
    xj, yj = poly[-1]
    for xi, yi in poly:
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        xj, yj = xi, yi
    return inside


def coverage(size):
    """Rows of (alpha, whiteness) per pixel, both 0..1, from ss x ss samples.

    Whiteness is the share of the plate samples that hit the glyph; since both
    layers are opaque that is exactly the un-premultiplied blend factor.
    """
    ss = 4 if size > 64 else 8
    plate, glyph = fitted(size)
    offs = [(k + 0.5) / ss for k in range(ss)]
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            a = w = 0
            for oy in offs:
                y = (py + oy) / size
                for ox in offs:
                    x = (px + ox) / size
                    if in_plate(plate, x, y):
                        a += 1
                        if any(in_poly(poly, x, y) for poly in glyph):
                            w += 1
            row.append((a / (ss * ss), w / a if a else 0.0))
        rows.append(row)
    return rows


def mix(t):
    return tuple(round(b + (c - b) * t) for b, c in zip(BLUE, WHITE))


def rgba(px):
    a, t = px
    if a == 0:
        return (0, 0, 0, 0)
    return mix(t) + (round(a * 255),)


def bgra(px):
    r, g, b, a = rgba(px)
    return (b, g, r, a)


def opaque(px):
    # Hard threshold for the AND mask; used as the fallback shape for
    # renderers that ignore alpha, and the only shape for palette images.
    return px[0] >= 0.5


def pack_bits(values, bits):
    """Pack one row of small integers MSB-first and pad it to 4 bytes."""
    out = bytearray()
    acc = nbits = 0
    for v in values:
        acc = (acc << bits) | v
        nbits += bits
        if nbits == 8:
            out.append(acc)
            acc = nbits = 0
    if nbits:
        out.append(acc << (8 - nbits))
    out.extend(b"\0" * (-len(out) % 4))
    return bytes(out)


def bmp_image(rows, bits):
    size = len(rows)
    bottom_up = rows[::-1]
    pal = b""
    if bits == 32:
        xor = b"".join(bytes(c for px in row for c in bgra(px)) for row in bottom_up)
    else:
        # Entry 0 is black for masked pixels, the rest a blue-to-white ramp;
        # the picture only ever mixes those two colours.
        levels = (1 << bits) - 1
        ramp = [(0, 0, 0)] + [mix(i / (levels - 1)) for i in range(levels)]
        pal = b"".join(bytes((b, g, r, 0)) for r, g, b in ramp)
        xor = b"".join(pack_bits([1 + round(t * (levels - 1)) if opaque((a, t)) else 0
                                  for a, t in row], bits)
                       for row in bottom_up)
    mask = b"".join(pack_bits([0 if opaque(px) else 1 for px in row], 1)
                    for row in bottom_up)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + pal + xor + mask


def png_image(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for px in row for c in rgba(px)) for row in rows)

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data
                + struct.pack(">I", zlib.crc32(tag + data)))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def build():
    cov = {s: coverage(s) for s in SMALL_SIZES + (256,)}
    images = []  # (size, bits, data)
    images += [(s, 4, bmp_image(cov[s], 4)) for s in SMALL_SIZES]
    images += [(s, 8, bmp_image(cov[s], 8)) for s in SMALL_SIZES]
    images += [(256, 32, png_image(cov[256]))]
    images += [(s, 32, bmp_image(cov[s], 32)) for s in SMALL_SIZES]

    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, bits, data in images:
        dim = size if size < 256 else 0
        out += struct.pack("<BBBBHHII", dim, dim, 16 if bits == 4 else 0, 0,
                           1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


if __name__ == "__main__":
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "vorkel.ico")
    data = build()
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (path, len(data)))
