#!/usr/bin/env python3
"""Draws the six built-in pictures of the picture panel (400 x 240, JPEG).

Each picture is a colour function of the pixel position, sampled 2 x 2 per pixel for
smooth edges, written as PPM and converted with ImageMagick's `convert`.

    scripts/make-pictures.py [output folder]      (default: src/ui/pictures)
"""

import math
import os
import subprocess
import sys
import tempfile

WIDTH, HEIGHT = 400, 240
SAMPLES = 2


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def rounded_box(px, py, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle: negative inside."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


# 1: a road running to the horizon at dusk.
def dusk_road(x, y):
    horizon = 132.0
    if y < horizon:
        sky = mix((0.10, 0.12, 0.35), (0.98, 0.55, 0.25), (y / horizon) ** 1.6)
        d = math.hypot(x - 285, y - 118)
        if d < 34:
            return mix((1.0, 0.93, 0.70), (1.0, 0.80, 0.45), d / 34)
        return mix(sky, (1.0, 0.75, 0.45), 0.35 * math.exp(-(d - 34) / 40.0))
    depth = y - horizon + 0.5
    half = depth * 1.45
    ground = mix((0.16, 0.20, 0.14), (0.26, 0.30, 0.18), depth / 108)
    if abs(x - 200) > half:
        return ground
    road = mix((0.20, 0.20, 0.23), (0.33, 0.33, 0.36), depth / 108)
    if abs(x - 200) > half * 0.93:
        return (0.85, 0.85, 0.80)
    if abs(x - 200) < half * 0.035 and int(240.0 / depth) % 2 == 0:
        return (0.95, 0.85, 0.35)
    return road


# 2: a speedometer with its needle in the upper half.
def speedometer(x, y):
    cx, cy, r = 200.0, 128.0, 104.0
    d = math.hypot(x - cx, y - cy)
    back = mix((0.12, 0.13, 0.16), (0.03, 0.03, 0.05), math.hypot(x - 200, y - 120) / 240)
    if d > r + 6:
        return back
    if d > r:
        return (0.70, 0.72, 0.76)
    face = mix((0.10, 0.11, 0.14), (0.05, 0.05, 0.07), d / r)
    angle = math.degrees(math.atan2(cy - y, x - cx))
    # The scale runs clockwise from 225 degrees down to -45 degrees.
    along = (225 - angle) % 360
    if along <= 270:
        step = along / 270 * 26
        if r - 16 < d < r - 4 and abs(step - round(step)) * 270 / 26 * math.pi / 180 * d < 1.4:
            return (0.95, 0.30, 0.20) if step > 20.5 else (0.92, 0.92, 0.90)
        if r - 24 < d < r - 19 and step > 20.5:
            return (0.85, 0.15, 0.10)
    needle = math.radians(225 - 170)
    nx, ny = cx + math.cos(needle) * (r - 22), cy - math.sin(needle) * (r - 22)
    if segment_distance(x, y, cx, cy, nx, ny) < 2.2:
        return (1.0, 0.35, 0.15)
    if d < 10:
        return (0.55, 0.57, 0.62)
    return face


# 3: the board of a control unit: traces, a processor and its pins.
def control_unit(x, y):
    board = mix((0.05, 0.30, 0.16), (0.03, 0.22, 0.12), y / HEIGHT)
    chip = (150, 70, 250, 170)
    if chip[0] <= x <= chip[2] and chip[1] <= y <= chip[3]:
        if math.hypot(x - 166, y - 86) < 5:
            return (0.22, 0.22, 0.24)
        return (0.10, 0.10, 0.11)
    for side in range(4):
        if side < 2:
            along, across = x, (y - chip[1] + 9 if side == 0 else chip[3] - y + 9)
            lo, hi = chip[0] + 6, chip[2] - 6
        else:
            along, across = y, (x - chip[0] + 9 if side == 2 else chip[2] - x + 9)
            lo, hi = chip[1] + 6, chip[3] - 6
        if 0 <= across <= 9 and lo <= along <= hi and (along - lo) % 8 < 4:
            return (0.80, 0.80, 0.78)
    copper = (0.78, 0.58, 0.25)
    for i in range(6):
        ty = 78 + i * 17
        if abs(y - ty) < 1.6 and (x < chip[0] - 9 and x > 30 + i * 9 or x > chip[2] + 9 and x < 370 - i * 9):
            return copper
        if abs(x - (30 + i * 9)) < 1.6 and ty < y < 215 - i * 6:
            return copper
        if abs(x - (370 - i * 9)) < 1.6 and 25 + i * 6 < y < ty:
            return copper
    for px, py in ((30, 215), (39, 209), (48, 203), (370, 25), (361, 31), (352, 37)):
        d = math.hypot(x - px, y - py)
        if d < 5:
            return (0.02, 0.05, 0.03) if d < 2.2 else copper
    for bx, by in ((60, 30), (95, 30), (300, 205), (335, 205)):
        if abs(x - bx) < 12 and abs(y - by) < 6:
            return (0.55, 0.42, 0.25) if abs(x - bx) < 8 else (0.75, 0.75, 0.72)
    if (int(x) // 40 + int(y) // 40) % 2 == 0 and int(x) % 40 == 0:
        return mix(board, (0.1, 0.4, 0.2), 0.5)
    return board


# 4: a coupe seen from the side in the evening light.
def coupe(x, y):
    sky = mix((0.55, 0.75, 0.95), (0.98, 0.85, 0.70), y / 200)
    if y > 204:
        sky = mix((0.35, 0.36, 0.40), (0.25, 0.26, 0.29), (y - 204) / 36)
    wheels = ((128.0, 182.0), (282.0, 182.0))
    for wx, wy in wheels:
        d = math.hypot(x - wx, y - wy)
        if d < 27:
            if d < 9:
                return (0.75, 0.77, 0.80)
            if d < 17:
                spoke = (math.degrees(math.atan2(y - wy, x - wx)) % 72) < 14
                return (0.62, 0.64, 0.68) if spoke else (0.18, 0.18, 0.20)
            return (0.08, 0.08, 0.09)
    body_color = (0.78, 0.10, 0.12)
    lower = rounded_box(x, y, 52, 140, 350, 186, 16)
    # The cabin: a trapezoid with a sloping windscreen and rear window.
    roof_top, roof_bottom = 100.0, 142.0
    t = (y - roof_top) / (roof_bottom - roof_top)
    left = 150 - 42 * t
    right = 262 + 54 * t
    in_cabin = roof_top <= y <= roof_bottom and left <= x <= right
    for wx, wy in wheels:
        if math.hypot(x - wx, y - wy) < 32 and y > 150:
            lower = max(lower, 1.0)
    if in_cabin:
        wt = (y - 108) / 32
        if 108 <= y <= 140 and 158 - 36 * wt <= x <= 204:
            return mix((0.55, 0.70, 0.85), (0.30, 0.42, 0.55), wt)
        if 108 <= y <= 140 and 210 <= x <= 254 + 46 * wt:
            return mix((0.55, 0.70, 0.85), (0.30, 0.42, 0.55), wt)
        return body_color
    if lower < 0:
        if 156 < y < 159 and 70 < x < 335:
            return (0.55, 0.06, 0.08)
        if x > 336 and 150 < y < 160:
            return (1.0, 0.92, 0.60)
        if x < 64 and 148 < y < 158:
            return (0.95, 0.20, 0.15)
        return mix(body_color, (0.50, 0.05, 0.07), (y - 140) / 46)
    return sky


# 5: a chequered flag in the wind.
def chequered_flag(x, y):
    back = mix((0.30, 0.55, 0.85), (0.75, 0.88, 0.98), y / HEIGHT)
    if 38 <= x <= 44 and y >= 20:
        return (0.55, 0.55, 0.58)
    if math.hypot(x - 41, y - 18) < 6:
        return (0.85, 0.75, 0.30)
    u = x - 44
    wave = 12 * math.sin(u / 38.0) * (u / 300.0)
    v = y - 30 - wave
    if not (0 <= u <= 320 and 0 <= v <= 160):
        return back
    square = (int(u // 26.67) + int(v // 26.67)) % 2
    light = 0.80 + 0.20 * math.cos(u / 38.0)
    base = (0.95, 0.95, 0.95) if square == 0 else (0.08, 0.08, 0.09)
    return tuple(c * light for c in base)


# 6: a pass road winding up between mountain ridges.
def mountain_pass(x, y):
    color = mix((0.45, 0.65, 0.92), (0.88, 0.92, 0.98), y / 120)
    ridges = (
        (70, 22, 0.018, 1.3, (0.62, 0.68, 0.80)),
        (105, 26, 0.024, 0.4, (0.42, 0.52, 0.62)),
        (150, 20, 0.031, 2.1, (0.22, 0.38, 0.26)),
    )
    for base, height, freq, phase, shade in ridges:
        top = base - height * (math.sin(x * freq + phase) + 0.5 * math.sin(x * freq * 2.7 + phase * 3))
        if y >= top:
            color = shade
            if base < 100 and y < top + 10:
                color = mix((0.97, 0.97, 1.0), shade, (y - top) / 10)
    if y > 150:
        depth = (y - 150) / 90
        centre = 200 + 70 * math.sin(depth * 4.2) * (1 - depth * 0.4)
        half = 8 + 60 * depth
        if abs(x - centre) < half:
            if abs(x - centre) < 1.5 + depth * 2 and int(depth * 30) % 2 == 0:
                return (0.96, 0.96, 0.90)
            return mix((0.42, 0.42, 0.45), (0.30, 0.30, 0.33), depth)
    return color


PICTURES = (dusk_road, speedometer, control_unit, coupe, chequered_flag, mountain_pass)


def render(draw):
    data = bytearray()
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    for py in range(HEIGHT):
        for px in range(WIDTH):
            r = g = b = 0.0
            for oy in offsets:
                for ox in offsets:
                    c = draw(px + ox, py + oy)
                    r, g, b = r + c[0], g + c[1], b + c[2]
            n = SAMPLES * SAMPLES
            data += bytes(max(0, min(255, round(v / n * 255))) for v in (r, g, b))
    return b"P6\n%d %d\n255\n" % (WIDTH, HEIGHT) + bytes(data)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "src", "ui", "pictures")
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        for number, draw in enumerate(PICTURES, start=1):
            ppm = os.path.join(tmp, "picture_%d.ppm" % number)
            with open(ppm, "wb") as f:
                f.write(render(draw))
            jpg = os.path.join(out, "picture_%d.jpg" % number)
            # -strip keeps the files free of time stamps, so a rerun gives the same bytes.
            subprocess.run(["convert", ppm, "-strip", "-quality", "88", jpg], check=True)
            print(jpg)


if __name__ == "__main__":
    main()
