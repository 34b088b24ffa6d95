#!/usr/bin/env python3
"""Marks a Windows program's import section (.idata) writable, as ld did before binutils 2.44.

The delay-loaded imports' address table lies in that section, and the delay-load helper writes
each function's address there on its first call: read-only, the program faults at its first
delay-loaded call. Changed in place; a second run changes nothing.

  writable_idata.py PROGRAM.exe
"""
import struct
import sys

IMAGE_SCN_MEM_WRITE = 0x80000000


def main():
    with open(sys.argv[1], "r+b") as f:
        image = bytearray(f.read())
        header = struct.unpack_from("<I", image, 0x3C)[0]
        sections = struct.unpack_from("<H", image, header + 6)[0]
        table = header + 24 + struct.unpack_from("<H", image, header + 20)[0]
        for entry in range(table, table + 40 * sections, 40):
            if image[entry:entry + 8].rstrip(b"\0") == b".idata":
                flags = struct.unpack_from("<I", image, entry + 36)[0]
                f.seek(entry + 36)
                f.write(struct.pack("<I", flags | IMAGE_SCN_MEM_WRITE))
                return
    sys.exit(f"writable_idata: {sys.argv[1]} has no .idata section")


if __name__ == "__main__":
    main()
