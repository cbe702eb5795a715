#!/usr/bin/env python3
"""Every icon size present, of its size, and drawn for it: no picture is a pixel-for-pixel
enlargement of a smaller one. The scalable icon is SVG; the Windows .ico has the same sizes.
   check_icons.py ICON_DIR"""
import struct
import sys
import zlib
from pathlib import Path

APP = "io.github.quorvel.Quorvel"
SIZES = [16, 24, 32, 48, 64, 128, 256]


def png_pixels(data):
    """The RGBA rows of a non-interlaced 8-bit RGBA PNG."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    at, idat, width = 8, b"", 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert (depth, colour) == (8, 6), "not 8-bit RGBA"
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = 1 + width * 4
    rows, above = [], bytearray(width * 4)
    for y in range(height):
        kind, line = raw[y * stride], bytearray(raw[y * stride + 1:(y + 1) * stride])
        for i in range(len(line)):
            left = line[i - 4] if i >= 4 else 0
            up, corner = above[i], above[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                nearest = min((abs(p - left), 0, left), (abs(p - up), 1, up),
                              (abs(p - corner), 2, corner))[2]
                line[i] = (line[i] + nearest) & 255
        above = line
        rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
    return width, height, rows


def enlarged_from(rows, factor):
    """True when the picture is made of factor × factor blocks of one colour each."""
    size = len(rows)
    return all(rows[y][x] == rows[y - y % factor][x - x % factor]
               for y in range(size) for x in range(size))


def main(icon_dir):
    failures = []
    apps = Path(icon_dir) / "hicolor"
    for size in SIZES:
        path = apps / f"{size}x{size}" / "apps" / f"{APP}.png"
        if not path.exists():
            failures.append(f"no {size} px icon")
            continue
        width, height, rows = png_pixels(path.read_bytes())
        if (width, height) != (size, size):
            failures.append(f"the {size} px icon is {width} × {height}")
            continue
        enlarged = [f for f in (2, 3, 4, 8)
                    if size % f == 0 and size // f >= 16 and enlarged_from(rows, f)]
        if enlarged:
            failures.append(f"the {size} px icon is a smaller one enlarged {enlarged[0]} times")
        else:
            print(f"ok: {size} × {size}, drawn for its size")
    svg = apps / "scalable" / "apps" / f"{APP}.svg"
    if not svg.exists() or b"<svg" not in svg.read_bytes():
        failures.append("no scalable icon")
    else:
        print("ok: scalable")
    ico = (Path(icon_dir) / "quorvel.ico").read_bytes()
    reserved, kind, count = struct.unpack("<HHH", ico[:6])
    ico_sizes = sorted(ico[6 + 16 * i] or 256 for i in range(count))
    if (reserved, kind) != (0, 1) or ico_sizes != SIZES:
        failures.append(f"quorvel.ico has the sizes {ico_sizes}")
    else:
        print(f"ok: quorvel.ico at {ico_sizes}")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
