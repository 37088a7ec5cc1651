#!/usr/bin/env python3
"""Draws the default skin's small images into skins/: the check mark and the arrows.

Run by hand after changing a colour or a shape; the PNGs it writes are kept in git.
Plain Python (zlib), so that no image library is needed. Shapes are sampled 8 x 8 times
per pixel for smooth edges.
"""
import math
import os
import struct
import zlib

SAMPLES = 8


def png(path, width, height, coverage, colour):
    """Writes an RGBA image whose alpha is the shape's coverage of each pixel."""
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            hits = sum(coverage(x + (i + 0.5) / SAMPLES, y + (j + 0.5) / SAMPLES)
                       for i in range(SAMPLES) for j in range(SAMPLES))
            rows += bytes((r, g, b, round(255 * hits / SAMPLES ** 2)))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 9)))
        f.write(chunk(b"IEND", b""))


def near_polyline(points, half_width):
    def inside(x, y):
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            dx, dy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
            if math.hypot(x - ax - t * dx, y - ay - t * dy) <= half_width:
                return True
        return False
    return inside


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "skins")
    check = near_polyline([(2.5, 7.0), (5.5, 10.0), (11.5, 3.5)], 1.1)
    down = near_polyline([(1.5, 1.5), (5.0, 5.0), (8.5, 1.5)], 0.9)
    up = near_polyline([(1.5, 5.0), (5.0, 1.5), (8.5, 5.0)], 0.9)
    png(os.path.join(folder, "check.png"), 14, 14, check, "#ffffff")
    png(os.path.join(folder, "arrow-down.png"), 10, 7, down, "#4f5b6a")
    png(os.path.join(folder, "arrow-down-disabled.png"), 10, 7, down, "#b5bfcc")
    png(os.path.join(folder, "arrow-up.png"), 10, 7, up, "#4f5b6a")
    png(os.path.join(folder, "arrow-up-disabled.png"), 10, 7, up, "#b5bfcc")


if __name__ == "__main__":
    main()
