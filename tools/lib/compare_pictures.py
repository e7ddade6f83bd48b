#!/usr/bin/env python3
"""Compares the PNG pictures of two folders pixel for pixel (8-bit RGB/RGBA, any filter).

Usage: compare_pictures.py DIR_A DIR_B
Every picture of DIR_A must exist in DIR_B with the same size and pixels. Prints one line
per picture and exits 1 when any differs or is missing. Needs only the standard library.
"""
import os
import struct
import sys
import zlib


def read_png(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, idat, width, height, channels = 8, b"", 0, 0, 0
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, color = struct.unpack(">IIBB", body[:10])
            if depth != 8 or color not in (2, 6) or body[12] != 0:
                raise ValueError("only 8-bit RGB or RGBA without interlace")
            channels = 3 if color == 2 else 4
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        prev = line
    # RGB only: alpha is not compared, a screen capture has none.
    pixels = [bytes(r[i:i + 3]) for r in rows for i in range(0, stride, channels)]
    return width, height, pixels


def main():
    a_dir, b_dir = sys.argv[1], sys.argv[2]
    names = sorted(n for n in os.listdir(a_dir) if n.endswith(".png"))
    failed = False
    for name in names:
        b_path = os.path.join(b_dir, name)
        if not os.path.exists(b_path):
            print(f"   {name}: missing in {b_dir}")
            failed = True
            continue
        wa, ha, pa = read_png(os.path.join(a_dir, name))
        wb, hb, pb = read_png(b_path)
        if (wa, ha) != (wb, hb):
            print(f"   {name}: {wa}x{ha} against {wb}x{hb}")
            failed = True
            continue
        diff = sum(1 for x, y in zip(pa, pb) if x != y)
        print(f"   {name}: {'same' if diff == 0 else f'{diff} pixels differ'}")
        failed = failed or diff != 0
    if not names:
        print("   no pictures to compare")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
