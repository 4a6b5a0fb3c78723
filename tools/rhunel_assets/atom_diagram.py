#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes Rhunel's atom diagram: a nucleus with four electron shells; above it a
photon scattered coherently by a bound electron, below it a photon scattered
incoherently by a free electron that recoils.

Waves are written as explicit polylines because the program's vector renderer has
no markers or patterns.

    python3 tools/rhunel_assets/atom_diagram.py > rhunel/assets/atom.svg
"""
import math

WIDTH, HEIGHT = 338, 276          # 3.52 x 2.87 inches at 96 per inch
CX, CY = 95, 150                  # nucleus
SHELLS = [(16, 2), (32, 8), (50, 8), (68, 6)]  # radius, electrons
FONT = 'font-family="Times New Roman, serif"'


def fmt(v):
    return f"{v:.2f}".rstrip("0").rstrip(".")


def text(x, y, s, size=11, anchor="start", italic=False):
    style = ' font-style="italic"' if italic else ""
    return (f'<text x="{fmt(x)}" y="{fmt(y)}" {FONT} font-size="{size}" '
            f'text-anchor="{anchor}"{style} fill="#000000">{s}</text>')


def line(x1, y1, x2, y2, width=1.2, dash=None, colour="#000000"):
    d = f' stroke-dasharray="{dash}"' if dash else ""
    return (f'<line x1="{fmt(x1)}" y1="{fmt(y1)}" x2="{fmt(x2)}" y2="{fmt(y2)}" '
            f'stroke="{colour}" stroke-width="{width}"{d}/>')


def wave(x1, y1, x2, y2, amplitude=3.5, period=9, arrow=True):
    """A sine wave along the segment, with an arrowhead at its end."""
    length = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / length, (y2 - y1) / length
    nx, ny = -uy, ux
    body = length - (8 if arrow else 0)
    pts = []
    steps = int(body / 1.5)
    for k in range(steps + 1):
        t = body * k / steps
        a = amplitude * math.sin(2 * math.pi * t / period)
        pts.append(f"{fmt(x1 + ux * t + nx * a)},{fmt(y1 + uy * t + ny * a)}")
    out = [f'<polyline points="{" ".join(pts)}" fill="none" stroke="#000000" '
           f'stroke-width="1.2"/>']
    if arrow:
        out.append(arrowhead(x2, y2, ux, uy))
    return out


def arrowhead(x, y, ux, uy, size=8):
    nx, ny = -uy, ux
    bx, by = x - ux * size, y - uy * size
    return (f'<polygon points="{fmt(x)},{fmt(y)} {fmt(bx + nx * size / 2.5)},'
            f'{fmt(by + ny * size / 2.5)} {fmt(bx - nx * size / 2.5)},{fmt(by - ny * size / 2.5)}" '
            f'fill="#000000"/>')


def arrow(x1, y1, x2, y2):
    length = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / length, (y2 - y1) / length
    return [line(x1, y1, x2 - ux * 6, y2 - uy * 6), arrowhead(x2, y2, ux, uy)]


def angle_arc(cx, cy, r, start, end):
    """Arc from start to end degrees, counter-clockwise on the screen."""
    a0, a1 = math.radians(start), math.radians(end)
    x0, y0 = cx + r * math.cos(a0), cy - r * math.sin(a0)
    x1, y1 = cx + r * math.cos(a1), cy - r * math.sin(a1)
    sweep = 0 if end > start else 1
    return (f'<path d="M {fmt(x0)} {fmt(y0)} A {fmt(r)} {fmt(r)} 0 0 {sweep} {fmt(x1)} {fmt(y1)}" '
            f'fill="none" stroke="#000000" stroke-width="0.9"/>')


def electron(x, y, r=3.2):
    return f'<circle cx="{fmt(x)}" cy="{fmt(y)}" r="{fmt(r)}" fill="#000000"/>'


def atom():
    out = []
    for radius, count in SHELLS:
        out.append(f'<circle cx="{CX}" cy="{CY}" r="{radius}" fill="none" stroke="#000000" '
                   f'stroke-width="0.9"/>')
        for k in range(count):
            a = 2 * math.pi * (k + 0.5) / count + radius / 40
            out.append(electron(CX + radius * math.cos(a), CY + radius * math.sin(a), 2.4))
    out.append(f'<circle cx="{CX}" cy="{CY}" r="7" fill="#808080" stroke="#000000" '
               f'stroke-width="0.9"/>')
    out.append(text(CX, CY + 3.5, "Nucleus", 9, "middle"))
    return out


def coherent():
    """A bound electron at the top of the outer shell scatters the photon by theta."""
    ex, ey = CX, CY - SHELLS[-1][0]
    out = [electron(ex, ey)]
    out += wave(6, ey, ex - 5, ey)
    out.append(text(18, ey - 8, "hν", 12, italic=True))
    theta = 35
    ox = ex + 105 * math.cos(math.radians(theta))
    oy = ey - 105 * math.sin(math.radians(theta))
    out += wave(ex + 5 * math.cos(math.radians(theta)), ey - 5 * math.sin(math.radians(theta)),
                ox, oy)
    out.append(text(ox + 4, oy + 4, "hν", 12, italic=True))
    out.append(line(ex, ey, ex + 95, ey, 0.9, "4,3"))
    out.append(angle_arc(ex, ey, 38, 0, theta))
    out.append(text(ex + 42, ey - 8, "θ", 12, italic=True))
    out.append(text(WIDTH - 6, 22, "Coherent scattering", 13, "end"))
    return out


def incoherent():
    """A free electron takes up part of the energy and recoils at phi."""
    ex, ey = 212, 236
    out = [electron(ex, ey)]
    out += wave(40, ey, ex - 5, ey)
    out.append(text(50, ey - 8, "hν", 12, italic=True))
    for k, word in enumerate(("unbound", "or", "free electron")):
        out.append(text(ex - 30, 200 + 11 * k, word, 10, "middle"))
    theta, phi = 40, 22
    sx = ex + 95 * math.cos(math.radians(theta))
    sy = ey - 95 * math.sin(math.radians(theta))
    out += wave(ex + 5 * math.cos(math.radians(theta)), ey - 5 * math.sin(math.radians(theta)),
                sx, sy)
    out.append(text(sx + 5, sy + 8, "hν'", 12, italic=True))
    out.append(text(WIDTH - 4, sy - 16, "Scattered photon", 10, "end"))
    rx = ex + 92 * math.cos(math.radians(phi))
    ry = ey + 92 * math.sin(math.radians(phi))
    out += arrow(ex + 4, ey + 1.5, rx, ry)
    out.append(text(WIDTH - 4, ry - 26, "Recoil", 10, "end"))
    out.append(text(WIDTH - 4, ry - 15, "electron", 10, "end"))
    out.append(line(ex, ey, ex + 90, ey, 0.9, "4,3"))
    out.append(angle_arc(ex, ey, 34, 0, theta))
    out.append(text(ex + 37, ey - 10, "θ", 12, italic=True))
    out.append(angle_arc(ex, ey, 26, 0, -phi))
    out.append(text(ex + 28, ey + 16, "φ", 12, italic=True))
    out.append(text(6, HEIGHT - 6, "Incoherent scattering", 13))
    return out


def main():
    print('<?xml version="1.0" encoding="UTF-8"?>')
    print("<!-- SPDX-License-Identifier: MIT -->")
    print("<!-- Written by tools/rhunel_assets/atom_diagram.py; edit that, not this. -->")
    print(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
          f'width="{WIDTH}" height="{HEIGHT}" viewBox="0 0 {WIDTH} {HEIGHT}">')
    print("  <title>Coherent and incoherent scattering at an atom</title>")
    print(f'  <rect x="0" y="0" width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>')
    for element in atom() + coherent() + incoherent():
        print("  " + element)
    print("</svg>")


if __name__ == "__main__":
    main()
