#!/usr/bin/env python3
"""Converts an X window dump (xwd, 24/32-bit TrueColor ZPixmap, as Xvfb
writes it) to an RGB PNG. Standard library only.

    xwd -root -display :99 | python3 scripts/xwd_to_png.py out.png
"""
import struct
import sys
import zlib


def read_pixels(data, crop=None):
    """The dump's pixels as rows of bytes R, G, B, optionally cropped to
    (x, y, width, height). Returns (width, height, rows)."""
    header = struct.unpack(">25I", data[:100])
    header_size, _version, pixmap_format, depth, width, height = header[:6]
    byte_order, bits_per_pixel, bytes_per_line = header[7], header[11], header[12]
    red_mask, green_mask, blue_mask = header[14:17]
    ncolors = header[19]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32) or depth < 24:
        raise SystemExit("only TrueColor ZPixmap dumps of 24 or 32 bits are supported")
    offset = header_size + ncolors * 12
    step = bits_per_pixel // 8
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in (red_mask, green_mask, blue_mask)]
    x0, y0, w, h = crop if crop else (0, 0, width, height)
    rows = []
    for y in range(y0, y0 + h):
        line = data[offset + y * bytes_per_line: offset + (y + 1) * bytes_per_line]
        row = bytearray()
        for x in range(x0, x0 + w):
            chunk = line[x * step: x * step + step]
            value = struct.unpack(order + "I", chunk if step == 4 else (chunk + b"\x00" if order == "<" else b"\x00" + chunk))[0]
            row += bytes(((value & m) >> s) & 0xFF for m, s in zip((red_mask, green_mask, blue_mask), shifts))
        rows.append(bytes(row))
    return w, h, rows


def convert(data, crop=None):
    w, h, rows = read_pixels(data, crop)

    def png_chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(b"".join(b"\x00" + row for row in rows), 9))
            + png_chunk(b"IEND", b""))


if __name__ == "__main__":
    # Optional crop: x y width height after the output path.
    crop = tuple(int(v) for v in sys.argv[2:6]) if len(sys.argv) >= 6 else None
    with open(sys.argv[1], "wb") as out:
        out.write(convert(sys.stdin.buffer.read(), crop))
