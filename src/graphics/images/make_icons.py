#!/usr/bin/env python3
"""Draws the four 64-pixel message-box masters as PNG files with alpha.

    python3 make_icons.py [folder]   (default: this script's folder)

Each pixel is 8 x 8 samples; a sample takes the colour of the topmost shape
that covers its centre, and the pixel is their average (straight alpha).
Every row is stored with filter 0, so the image data inflate to the plain
rows; the decoder tests compare against exactly that.
"""
import math
import os
import struct
import sys
import zlib

SIZE = 64
SUB = 8  # samples per pixel along each axis


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def capsule(x0, y0, x1, y1, r):
    """A bar of half-width r from (x0, y0) to (x1, y1) with round ends."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= r * r
    return inside


def arc(cx, cy, r, half_width, start, end):
    """A ring segment from angle start to end (degrees, 0 = right, clockwise on screen)."""
    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > half_width:
            return False
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return (a - start) % 360 <= (end - start) % 360
    return inside


def triangle(top, bottom, half_base, corner):
    """An upward triangle with corners rounded by radius corner."""
    cx = SIZE / 2
    pts = [(cx, top), (cx + half_base, bottom), (cx - half_base, bottom)]
    edges = []
    for i in range(3):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % 3]
        nx, ny = by - ay, ax - bx  # outward normal of a clockwise polygon
        n = math.hypot(nx, ny)
        edges.append((nx / n, ny / n, (nx * ax + ny * ay) / n))

    def inside(x, y):
        # The triangle shrunk by corner, grown back by corner: round corners.
        if all(nx * x + ny * y <= c - corner for nx, ny, c in edges):
            return True
        return _distance_to_shrunk(x, y, edges, corner) <= corner
    return inside


def _distance_to_shrunk(x, y, edges, corner):
    lines = [(nx, ny, c - corner) for nx, ny, c in edges]
    corners = []
    for i in range(3):
        n1x, n1y, c1 = lines[i]
        n2x, n2y, c2 = lines[(i + 1) % 3]
        det = n1x * n2y - n1y * n2x
        corners.append(((c1 * n2y - n1y * c2) / det, (n1x * c2 - c1 * n2x) / det))
    best = float("inf")
    for i in range(3):
        (ax, ay), (bx, by) = corners[i - 1], corners[i]
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        best = min(best, math.hypot(ax + t * dx - x, ay + t * dy - y))
    return best


def shaded(top, bottom):
    """A colour that runs from top (row 0) to bottom (last row)."""
    def colour(x, y):
        t = y / SIZE
        return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,)
    return colour


def flat(rgb):
    return lambda x, y: tuple(rgb) + (255,)


def render(layers):
    """layers: (inside, colour) pairs from the bottom up; returns RGBA rows."""
    rows = []
    n = SUB * SUB
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            acc = [0, 0, 0, 0]  # alpha-weighted colour and alpha
            for sy in range(SUB):
                for sx in range(SUB):
                    x = px + (sx + 0.5) / SUB
                    y = py + (sy + 0.5) / SUB
                    for inside, colour in reversed(layers):
                        if inside(x, y):
                            r, g, b, a = colour(x, y)
                            acc[0] += r * a
                            acc[1] += g * a
                            acc[2] += b * a
                            acc[3] += a
                            break
            if acc[3] == 0:
                row += bytes(4)
            else:
                half = acc[3] // 2
                row += bytes([(acc[0] + half) // acc[3], (acc[1] + half) // acc[3],
                              (acc[2] + half) // acc[3], (acc[3] + n // 2) // n])
        rows.append(bytes(row))
    return rows


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\x00" + r for r in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


WHITE = (255, 255, 255)
C = SIZE / 2
RING = circle(C, C, 30)       # a darker rim gives the disc an edge on light backgrounds
DISC = circle(C, C, 28.5)

ICONS = {
    "information": [
        (RING, flat((24, 72, 150))),
        (DISC, shaded((70, 140, 230), (30, 90, 190))),
        (circle(C, 18, 4.5), flat(WHITE)),
        (capsule(C, 28, C, 47, 4), flat(WHITE)),
    ],
    "question": [
        (RING, flat((24, 72, 150))),
        (DISC, shaded((70, 140, 230), (30, 90, 190))),
        (arc(C, 24, 9, 3.5, 180, 90), flat(WHITE)),
        (capsule(C, 33, C, 38, 3.5), flat(WHITE)),
        (circle(C, 47, 4), flat(WHITE)),
    ],
    "error": [
        (RING, flat((140, 20, 20))),
        (DISC, shaded((235, 70, 60), (190, 30, 30))),
        (capsule(21, 21, 43, 43, 4.5), flat(WHITE)),
        (capsule(43, 21, 21, 43, 4.5), flat(WHITE)),
    ],
    "warning": [
        (triangle(3, 60, 31, 5), flat((150, 100, 0))),
        (triangle(5.5, 58, 28, 4), shaded((255, 220, 70), (240, 180, 20))),
        (capsule(C, 22, C, 40, 4), flat((20, 20, 20))),
        (circle(C, 49, 4.5), flat((20, 20, 20))),
    ],
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, layers in ICONS.items():
        with open(os.path.join(folder, name + ".png"), "wb") as f:
            f.write(png(render(layers)))


if __name__ == "__main__":
    main()
