#!/usr/bin/env python3
"""Writes the hostile and unusual skin PNGs the loader and region tests read, next to this script.

Each valid image has magenta (key) pixels along its first row, so a test can tell the region apart
from the full rectangle: 3 key pixels unless the name says otherwise."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIGNATURE = b"\x89PNG\r\n\x1a\n"


def chunk(kind, data, crc=None):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", crc if crc is not None else zlib.crc32(body))


def ihdr(width, height, depth, colour, interlace=0):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace))


def png(width, height, depth, colour, rows, palette=None, interlace=0):
    raw = b"".join(b"\x00" + row for row in rows)
    parts = [SIGNATURE, ihdr(width, height, depth, colour, interlace)]
    if palette:
        parts.append(chunk(b"PLTE", b"".join(bytes(c) for c in palette)))
    parts += [chunk(b"IDAT", zlib.compress(raw)), chunk(b"IEND", b"")]
    return b"".join(parts)


def rgba_rows(width, height, key_in_first_row=3):
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            key = y == 0 and x < key_in_first_row
            row += bytes((255, 0, 255, 255) if key else (30 + x % 200, 60, 90 + y % 150, 255))
        rows.append(bytes(row))
    return rows


def adam7_rgb(width, height, pixel):
    """Interlaced image data: the seven passes, each a sub-image of its own."""
    passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
    raw = b""
    for x0, y0, dx, dy in passes:
        for y in range(y0, height, dy):
            xs = range(x0, width, dx)
            if xs:
                raw += b"\x00" + b"".join(bytes(pixel(x, y)) for x in xs)
    return raw


def main():
    files = {}
    good = png(40, 30, 8, 6, rgba_rows(40, 30))
    files["good.png"] = good
    # Truncated: inside the signature, inside IHDR, inside IDAT, and without IEND.
    idat_at = good.index(b"IDAT")
    files["truncated-signature.png"] = good[:5]
    files["truncated-header.png"] = good[:20]
    files["truncated-data.png"] = good[: idat_at + 30]
    files["truncated-end.png"] = good[: good.index(b"IEND") - 4]
    files["bad-crc.png"] = good[: idat_at - 4] + chunk(b"IDAT", zlib.compress(b"".join(b"\x00" + r for r in rgba_rows(40, 30))), 0x12345678) + chunk(b"IEND", b"")
    files["zero-width.png"] = SIGNATURE + ihdr(0, 30, 8, 6) + chunk(b"IDAT", zlib.compress(b"")) + chunk(b"IEND", b"")
    files["zero-height.png"] = SIGNATURE + ihdr(40, 0, 8, 6) + chunk(b"IDAT", zlib.compress(b"")) + chunk(b"IEND", b"")
    # Claims 100,000 x 100,000 pixels (40 GB decoded) with a few bytes of data.
    files["huge-claim.png"] = SIGNATURE + ihdr(100000, 100000, 8, 6) + chunk(b"IDAT", zlib.compress(b"\x00" * 64)) + chunk(b"IEND", b"")
    files["not-a-png.png"] = b"GIF89a this is no PNG at all" + bytes(range(64))
    files["one-pixel-key.png"] = png(1, 1, 8, 6, [bytes((255, 0, 255, 255))])
    files["sixteen-bit-rgba.png"] = png(4, 2, 16, 6, [
        b"".join(struct.pack(">HHHH", 0xFFFF, 0x0000, 0xFFFF, 0xFFFF) if x < 3 else struct.pack(">HHHH", 0x1234, 0x5678, 0x9ABC, 0xFFFF) for x in range(4)),
        b"".join(struct.pack(">HHHH", 0x1234, 0x5678, 0x9ABC, 0xFFFF) for _ in range(4))])
    files["palette.png"] = png(4, 2, 8, 3, [bytes((1, 1, 1, 0)), bytes((0, 0, 0, 0))], palette=[(20, 40, 60), (255, 0, 255)])
    files["greyscale.png"] = png(4, 2, 8, 0, [bytes((0, 80, 160, 255))] * 2)
    interlaced = adam7_rgb(9, 9, lambda x, y: (255, 0, 255) if y == 0 and x < 3 else (10 * x, 10 * y, 100))
    files["interlaced.png"] = SIGNATURE + ihdr(9, 9, 8, 2, 1) + chunk(b"IDAT", zlib.compress(interlaced)) + chunk(b"IEND", b"")
    big = rgba_rows(2600, 2)
    files["larger-than-screen.png"] = png(2600, 1700, 8, 6, [big[0]] + [big[1]] * 1699)
    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
