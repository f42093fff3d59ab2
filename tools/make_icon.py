#!/usr/bin/env python3
"""Draws the program's icon, a monitor whose screen shows a speed gauge, and
writes it as app/resources/app.ico: one 128 x 128 image, 32 bits per pixel
with alpha, in the classic BMP form that Windows XP reads (not PNG).

Pure Python, so it runs anywhere; edges are smoothed by 4 x 4 supersampling.
"""
import math
import pathlib
import struct

SIZE = 128
SUB = 4
OUT = pathlib.Path(__file__).resolve().parent.parent / "app" / "resources" / "app.ico"


def rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


GAUGE_CENTRE = (64.0, 70.0)
GAUGE_RADIUS = 34.0
NEEDLE_ANGLE = math.radians(35)  # measured from straight up, clockwise: well into the fast zone


def gauge_colour(x, y):
    """Colour of the gauge drawn on the screen, or None where the screen shows through."""
    dx, dy = x - GAUGE_CENTRE[0], y - GAUGE_CENTRE[1]
    r = math.hypot(dx, dy)
    angle = math.atan2(dx, -dy)  # 0 up, positive clockwise
    # The dial: a 240-degree arc from green through yellow to red.
    if GAUGE_RADIUS - 7 <= r <= GAUGE_RADIUS and abs(angle) <= math.radians(120):
        t = (angle + math.radians(120)) / math.radians(240)
        return mix((60, 200, 90), (250, 210, 40), t * 2) if t < 0.5 else mix((250, 210, 40), (235, 60, 50), (t - 0.5) * 2)
    # Tick marks inside the arc.
    if GAUGE_RADIUS - 13 <= r <= GAUGE_RADIUS - 9 and abs(angle) <= math.radians(121):
        step = math.radians(30)
        if abs((angle + math.radians(120)) % step - step / 2) >= step / 2 - 0.06:
            return (235, 240, 250)
    # The needle: a thin wedge from the hub.
    ux, uy = math.sin(NEEDLE_ANGLE), -math.cos(NEEDLE_ANGLE)
    along = dx * ux + dy * uy
    across = abs(dx * uy - dy * ux)
    if -4 <= along <= GAUGE_RADIUS - 6 and across <= 2.6 * (1 - along / GAUGE_RADIUS):
        return (255, 255, 255)
    if r <= 5:
        return (220, 225, 235)
    return None


def sample(x, y):
    """RGBA of the drawing at one point of the 128 x 128 plane."""
    # Stand: a neck and a base.
    if 56 <= x <= 72 and 104 <= y <= 114:
        return (90, 96, 108, 255)
    if rounded_rect(x, y, 36, 112, 92, 120, 3):
        return (70, 76, 88, 255)
    # Bezel.
    if rounded_rect(x, y, 6, 14, 122, 106, 9):
        if rounded_rect(x, y, 13, 21, 115, 99, 4):
            g = gauge_colour(x, y)
            if g:
                return (*g, 255)
            # Screen: a deep blue that lightens toward the top.
            t = (y - 21) / 78
            return (*mix((40, 110, 200), (12, 40, 100), t), 255)
        t = (y - 14) / 92
        return (*mix((78, 84, 96), (42, 46, 54), t), 255)
    return (0, 0, 0, 0)


def render():
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0, 0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    r, g, b, a = sample(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (SUB * SUB)
            if acc[3]:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha),))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def ico_bytes(pixels):
    xor = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask = bytearray()
    for row in reversed(pixels):
        bits = 0
        for i, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (SIZE - 1 - i)
        mask += bits.to_bytes(SIZE // 8, "big")  # 128 bits: already a multiple of 32
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


if __name__ == "__main__":
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_bytes(ico_bytes(render()))
    print(f"wrote {OUT}")
