#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes Dartley's title diagram: a square hatched in blue with its inscribed circle
hatched in red the other way, both diameters, and the radius letter r.

Hatching is written as explicit line segments (clipped here, by geometry) because the
vector renderer the program uses knows neither patterns nor clip paths.

    python3 tools/dartley_diagram.py > dartley/assets/diagram.svg
"""
import math

SIZE = 476          # 4.96 inches at 96 per inch
C = SIZE / 2        # centre
R = 190             # radius; the square's half side
STEP = 12           # hatch spacing


def fmt(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def line(x1, y1, x2, y2, colour, width):
    return (f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
            f'stroke="{colour}" stroke-width="{width}"/>')


def square_hatch():
    """Lines x - y = k (falling to the right on screen) clipped to the square."""
    out = []
    lo, hi = C - R, C + R
    k = -2 * R
    while k <= 2 * R:
        # points on x - y = k inside [lo, hi]^2 (coordinates relative to the corner)
        xs = []
        for x in (lo, hi):
            y = x - k
            if lo <= y <= hi:
                xs.append((x, y))
        for y in (lo, hi):
            x = y + k
            if lo <= x <= hi:
                xs.append((x, y))
        xs = sorted(set(xs))
        if len(xs) >= 2:
            (x1, y1), (x2, y2) = xs[0], xs[-1]
            out.append(line(x1, y1, x2, y2, "#0000ff", 1.5))
        k += STEP
    return out


def circle_hatch():
    """Lines x + y = const, the other slant, clipped to the circle."""
    out = []
    d = -R + STEP / 2
    while d < R:
        # chord at signed distance d from the centre along the (1, 1)/sqrt2 normal
        half = math.sqrt(R * R - d * d)
        nx, ny = 1 / math.sqrt(2), 1 / math.sqrt(2)
        tx, ty = -ny, nx
        px, py = C + d * nx, C + d * ny
        out.append(line(px - half * tx, py - half * ty, px + half * tx, py + half * ty,
                        "#ff0000", 1.5))
        d += STEP
    return out


def ticks():
    out = []
    lo, hi, t = C - R, C + R, 10
    for x in (lo, C, hi):
        out.append(line(x, lo - t, x, lo, "#000000", 2))
        out.append(line(x, hi, x, hi + t, "#000000", 2))
    for y in (lo, C, hi):
        out.append(line(lo - t, y, lo, y, "#000000", 2))
        out.append(line(hi, y, hi + t, y, "#000000", 2))
    return out


def main():
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- SPDX-License-Identifier: MIT -->',
        '<!-- Written by tools/dartley_diagram.py; edit that, not this. -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{SIZE}" height="{SIZE}" viewBox="0 0 {SIZE} {SIZE}">',
        '<title>A circle of radius r inscribed in a square</title>',
        f'<rect x="0" y="0" width="{SIZE}" height="{SIZE}" fill="#ffffff"/>',
    ]
    parts += square_hatch()
    parts.append(f'<circle cx="{C}" cy="{C}" r="{R}" fill="#ffffff"/>')
    parts += circle_hatch()
    parts.append(f'<circle cx="{C}" cy="{C}" r="{R}" fill="none" stroke="#000000" stroke-width="2.5"/>')
    parts.append(f'<rect x="{C - R}" y="{C - R}" width="{2 * R}" height="{2 * R}" fill="none" '
                 f'stroke="#000000" stroke-width="2.5"/>')
    parts += ticks()
    parts.append(line(C - R, C, C + R, C, "#000000", 2.5))
    parts.append(line(C, C - R, C, C + R, "#000000", 2.5))
    parts.append(f'<rect x="{C + 8}" y="{C - 128}" width="34" height="44" fill="#ffffff"/>')
    parts.append(f'<text x="{C + 12}" y="{C - 92}" font-family="Times New Roman" '
                 f'font-style="italic" font-size="52" fill="#000000">r</text>')
    parts.append('</svg>')
    print("\n".join(parts))


if __name__ == "__main__":
    main()
