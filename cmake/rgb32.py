#!/usr/bin/env python3
"""Writes a binary portable pixmap's pixels as the bytes of a Qt RGB32 image on a little-endian
machine (blue, green, red, 255), which the window shows where they lie, with no conversion.

  rgb32.py IN.ppm OUT.rgb32
"""
import re
import sys


def main():
    source, target = sys.argv[1:]
    with open(source, "rb") as f:
        data = f.read()
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if not header:
        sys.exit(f"rgb32: {source} is no 8-bit binary pixmap")
    pixels = int(header[1]) * int(header[2])
    rgb = data[header.end():]
    if len(rgb) != 3 * pixels:
        sys.exit(f"rgb32: {source} holds {len(rgb)} bytes of pixels, not {3 * pixels}")
    out = bytearray(b"\xff" * (4 * pixels))
    out[0::4], out[1::4], out[2::4] = rgb[2::3], rgb[1::3], rgb[0::3]
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
