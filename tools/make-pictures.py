#!/usr/bin/env python3
"""Writes the wizard's pictures to assets/pictures/.

Plain SVG only (gradients, paths, shapes, opacity): Qt's SVG renderer follows SVG Tiny 1.2 and
ignores filters, masks and patterns. The pairs are drawn from one scene so that they differ only
in what the setting changes.
"""

import colorsys
import math
import pathlib
import random

OUT = pathlib.Path(__file__).resolve().parent.parent / "assets" / "pictures"

# The street scenes look down a lane towards this point.
VANISH_X, VANISH_Y = 80, 51
WALL_HALF = 56  # half the wall height at the nearest depth, in pixels
FAR_SCALE = 0.375  # the far facade stands at this fraction of the nearest depth


def hexColour(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, round(v * 255))) for v in rgb)


def grade(saturation, brightness, tint=(1.0, 1.0, 1.0)):
    """A colour transform that every colour of a picture passes through."""

    def apply(colour):
        r, g, b = (int(colour[i : i + 2], 16) / 255 for i in (1, 3, 5))
        h, l, s = colorsys.rgb_to_hls(r, g, b)
        r, g, b = colorsys.hls_to_rgb(h, l, min(1.0, s * saturation))
        return hexColour((r * brightness * tint[0], g * brightness * tint[1], b * brightness * tint[2]))

    return apply


def unchanged(colour):
    return colour


def num(value):
    return ("%.2f" % value).rstrip("0").rstrip(".")


def points(pts):
    return " ".join(f"{num(x)},{num(y)}" for x, y in pts)


class Picture:
    def __init__(self, width=160, height=120, colours=unchanged):
        self.width, self.height = width, height
        self.colours = colours
        self.defs = []
        self.body = []
        self.ids = 0

    def add(self, tag, **attrs):
        for key in ("fill", "stroke"):
            if attrs.get(key, "none").startswith("#"):
                attrs[key] = self.colours(attrs[key])
        text = " ".join(
            f'{k.rstrip("_").replace("_", "-")}="{num(v) if isinstance(v, float) else v}"'
            for k, v in attrs.items()
        )
        self.body.append(f"<{tag} {text}/>")

    def rect(self, x, y, w, h, fill, **attrs):
        self.add("rect", x=x, y=y, width=w, height=h, fill=fill, **attrs)

    def poly(self, pts, fill, **attrs):
        self.add("polygon", points=points(pts), fill=fill, **attrs)

    def line(self, a, b, stroke, width=1, **attrs):
        self.add("line", x1=a[0], y1=a[1], x2=b[0], y2=b[1], stroke=stroke, stroke_width=width, **attrs)

    def circle(self, x, y, r, fill, **attrs):
        self.add("circle", cx=x, cy=y, r=r, fill=fill, **attrs)

    def ellipse(self, x, y, rx, ry, fill, **attrs):
        self.add("ellipse", cx=x, cy=y, rx=rx, ry=ry, fill=fill, **attrs)

    def path(self, d, fill, **attrs):
        self.add("path", d=d, fill=fill, **attrs)

    def open(self, **attrs):
        self.body.append("<g " + " ".join(f'{k}="{v}"' for k, v in attrs.items()) + ">")

    def close(self):
        self.body.append("</g>")

    def gradient(self, kind, stops, **attrs):
        """Defines a gradient from (offset, colour, opacity) stops; returns its fill reference."""
        self.ids += 1
        name = f"g{self.ids}"
        head = " ".join(f'{k}="{num(v) if isinstance(v, float) else v}"' for k, v in attrs.items())
        rows = "".join(
            f'<stop offset="{num(o)}" stop-color="{self.colours(c)}" stop-opacity="{num(a)}"/>'
            for o, c, a in stops
        )
        self.defs.append(f'<{kind} id="{name}" {head}>{rows}</{kind}>')
        return f"url(#{name})"

    def linear(self, x1, y1, x2, y2, stops):
        return self.gradient(
            "linearGradient", stops, gradientUnits="userSpaceOnUse", x1=x1, y1=y1, x2=x2, y2=y2
        )

    def radial(self, cx, cy, r, stops):
        return self.gradient("radialGradient", stops, gradientUnits="userSpaceOnUse", cx=cx, cy=cy, r=r)

    def write(self, name):
        head = (
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{self.width}" height="{self.height}" viewBox="0 0 {self.width} {self.height}">'
        )
        text = "\n".join([head, "<defs>", *self.defs, "</defs>", *self.body, "</svg>", ""])
        (OUT / name).write_text(text, encoding="utf-8")


# --- the street scene -------------------------------------------------------------------------


def wallPoint(side, scale, height):
    """A point on a side wall (side -1 left, +1 right) at a depth given by its scale."""
    return VANISH_X + side * 80 * scale, VANISH_Y + height * scale


def floorPoint(across, scale):
    return VANISH_X + across * scale, VANISH_Y + WALL_HALF * scale


def sky(p):
    p.rect(0, 0, 160, 60, p.linear(0, 0, 0, 40, [(0, "#5fa8d8", 1), (1, "#d6ecf4", 1)]))


def sideWall(p, side, colour, mortar):
    near, far = 1.0, FAR_SCALE
    top, bottom = -WALL_HALF, WALL_HALF
    corners = [(near, top), (far, top), (far, bottom), (near, bottom)]
    p.poly([wallPoint(side, scale, height) for scale, height in corners], colour)
    rows = [top + i * 14 for i in range(9)]
    for height in rows[1:-1]:
        p.line(wallPoint(side, near, height), wallPoint(side, far, height), mortar, 0.8, stroke_opacity=0.55)
    depths = [1.0, 1.22, 1.47, 1.78, 2.14, 2.6]
    for row, (upper, lower) in enumerate(zip(rows, rows[1:])):
        for depth in depths[row % 2 :: 2]:
            scale = 1 / depth
            joint = wallPoint(side, scale, upper), wallPoint(side, scale, lower)
            p.line(*joint, mortar, 0.7, stroke_opacity=0.45)


def floor(p):
    bottomScale = (120 - VANISH_Y) / WALL_HALF
    outline = [floorPoint(-80, FAR_SCALE), floorPoint(80, FAR_SCALE), floorPoint(80, 1)]
    outline += [(160, 120), (0, 120), floorPoint(-80, 1)]
    p.poly(outline, p.linear(0, 72, 0, 120, [(0, "#cfae78", 1), (1, "#e6cc98", 1)]))
    for across in range(-60, 61, 30):
        seam = floorPoint(across, FAR_SCALE), floorPoint(across, bottomScale)
        p.line(*seam, "#a88552", 0.6, stroke_opacity=0.5)
    for depth in (1.0, 1.3, 1.7, 2.2):
        p.line(floorPoint(-80, 1 / depth), floorPoint(80, 1 / depth), "#a88552", 0.6, stroke_opacity=0.5)
    # The right wall keeps the lane's right edge in shade.
    shade = [floorPoint(80, FAR_SCALE), floorPoint(62, FAR_SCALE), floorPoint(30, 1.3), (160, 120)]
    p.poly(shade, "#6b4a24", fill_opacity=0.18)


def facade(p, sign=None):
    left, right = wallPoint(-1, FAR_SCALE, 0)[0], wallPoint(1, FAR_SCALE, 0)[0]
    top, base = 18, wallPoint(1, FAR_SCALE, WALL_HALF)[1]
    p.rect(left, top, right - left, base - top, "#c79f66")
    p.rect(left - 2, top - 2, right - left + 4, 3, "#a57f4c")
    for row, y in enumerate(range(top + 6, int(base), 6)):
        p.line((left, y), (right, y), "#8e6a3c", 0.5, stroke_opacity=0.5)
        for x in range(int(left) + (6 if row % 2 else 0), int(right), 12):
            p.line((x, y - 6), (x, y), "#8e6a3c", 0.5, stroke_opacity=0.4)
    doorway = p.linear(0, 38, 0, 72, [(0, "#2a1c10", 1), (1, "#4a3420", 1)])
    p.path(f"M70,{num(base)} V48 A10,10 0 0 1 90,48 V{num(base)} Z", doorway)
    p.path("M68,48 A12,12 0 0 1 92,48", "none", stroke="#8e6a3c", stroke_width=2)
    if sign:
        sign(p)


def crate(p, x, y, size):
    """A wooden crate whose front face has its top-left corner at (x, y); its side faces the lane."""
    depth = 0.18

    def toward(px, py):
        return px + (VANISH_X - px) * depth, py + (VANISH_Y - py) * depth

    far = x + size if x + size / 2 < VANISH_X else x
    p.poly([(far, y), toward(far, y), toward(far, y + size), (far, y + size)], "#7a5024")
    p.poly([(x, y), (x + size, y), toward(x + size, y), toward(x, y)], "#b88546")
    p.rect(x, y, size, size, "#9c6a32")
    inset = size * 0.12
    inner = size - 2 * inset
    p.rect(x + inset, y + inset, inner, inner, "none", stroke="#6a4218", stroke_width=1.2)
    p.line((x + inset, y + inset), (x + size - inset, y + size - inset), "#6a4218", 1.4)
    p.line((x + size - inset, y + inset), (x + inset, y + size - inset), "#6a4218", 1.4)
    p.rect(x, y, size, size, "none", stroke="#4e2f10", stroke_width=0.8)


def street(p, sign=None):
    sky(p)
    facade(p, sign)
    floor(p)
    sideWall(p, -1, "#dab27a", "#8a6434")
    sideWall(p, 1, "#b08654", "#6e4c26")
    crate(p, 114, 80, 26)
    crate(p, 120, 60, 19)
    crate(p, 24, 84, 18)


# --- people and things ------------------------------------------------------------------------


def soldier(p, x, feet, height, facing):
    """A soldier standing with feet at (x, feet): facing the viewer with the rifle across the
    chest, or seen from behind with the rifle pointing ahead."""
    p.open(transform=f"translate({num(x)},{num(feet)}) scale({num(height / 100)})")
    for side in (-1, 1):
        p.rect(side * 8 - 6, -46, 12, 44, "#39463a")
        p.rect(side * 8 - 7, -6, 14, 6, "#1c1c1a", rx=2)
        p.rect(side * 21.5 - 4.5, -81, 9, 30, "#4b5942", rx=4)
    p.rect(-17, -83, 34, 41, "#4b5942", rx=6)
    skin = "#c48a5c"
    if facing:
        p.rect(-13, -78, 26, 22, "#39442f", rx=3)
        p.poly([(-28, -52), (30, -70), (32, -65), (-26, -47)], "#262626")
        p.circle(-21, -50, 5, skin)
        p.circle(21, -52, 5, skin)
        p.rect(-5, -89, 10, 7, skin)
        p.circle(0, -95, 10, skin)
        p.path("M-11,-96 A11,11 0 0 1 11,-96 L11,-99 A11,9 0 0 0 -11,-99 Z", "#2f3a2a")
        p.path("M-11,-96 A11,12 0 0 1 11,-96 Z", "#3a4733")
        p.rect(-7, -96, 14, 3, "#1c1c1c")
    else:
        p.rect(-12, -80, 24, 26, "#2f3a29", rx=4)
        p.rect(-10, -76, 20, 4, "#55634b")
        p.poly([(16, -58), (25, -62), (11, -100), (7, -99)], "#222222")
        p.rect(-5, -90, 10, 7, skin)
        p.circle(0, -96, 10.5, "#2e3a28")
        p.path("M-10.5,-96 A10.5,10.5 0 0 0 10.5,-96 L9,-92 A10,6 0 0 1 -9,-92 Z", "#252f20")
    p.close()


def rifle(p):
    """The first-person rifle in the lower right, its muzzle pointing into the lane."""
    tipX, tipY, alongX, alongY = 96, 80, 0.87, 0.49
    tilt = math.degrees(math.atan2(alongY, alongX))

    def at(along, across):
        # Parts nearer the eye are drawn wider.
        across *= 1 + along / 40
        return tipX + along * alongX - across * alongY, tipY + along * alongY + across * alongX

    def part(outline, fill):
        p.poly([at(a, b) for a, b in outline], fill)

    metal = p.linear(110, 84, 150, 120, [(0, "#6a6f75", 1), (1, "#202225", 1)])
    part([(0, -1.4), (3, -1.4), (3, 1.4), (0, 1.4)], "#121314")
    part([(3, -1), (16, -1), (16, 1), (3, 1)], "#3c3f43")
    part([(13, -1), (15, -1), (15, -4.2), (13.6, -4.2)], "#2a2c2f")
    part([(16, -3), (38, -3.4), (38, 3.8), (16, 3.4)], "#33363a")
    for along in (20, 25, 30, 35):
        p.line(at(along, -2.4), at(along, 3), "#222427", 0.7)
    part([(38, -4.2), (80, -4.8), (80, 7), (38, 5)], metal)
    part([(40, -7.4), (58, -7.4), (58, -4.4), (40, -4.4)], "#2a2c2f")
    part([(52, 5.5), (59, 5.8), (56, 14), (49, 12.5)], "#1c1d20")
    x, y = at(30, 5)
    p.ellipse(x, y, 9, 6, "#3f3d31", transform=f"rotate({num(tilt)} {num(x)} {num(y)})")
    p.line(at(38, -3.8), at(80, -4.4), "#9aa0a6", 0.8, stroke_opacity=0.6)
    p.path("M146,106 Q154,100 160,102 L160,120 L142,120 Z", "#3f3d31")


def crosshair(p):
    for a, b in (((74, 51), (78, 51)), ((82, 51), (86, 51)), ((80, 45), (80, 49)), ((80, 53), (80, 57))):
        p.line(a, b, "#32e032", 1)


def muzzleFlash(p, x, y):
    rays = []
    for i in range(14):
        angle = math.radians(i * 360 / 14 + 8)
        reach = 11 if i % 2 == 0 else 4.5
        rays.append((x + reach * math.cos(angle), y + reach * 0.8 * math.sin(angle)))
    p.poly(rays, "#ffb22e")
    p.circle(x, y, 4, "#fff4c0")


# --- the pairs --------------------------------------------------------------------------------


def splat(p, cx, cy, size, rng):
    """A blood splat: a lumpy blob, a run dripping down and a spray of drops."""
    corners = []
    for i in range(12):
        angle = i * math.pi / 6 + rng.uniform(-0.2, 0.2)
        reach = size * rng.uniform(0.55, 1.15)
        corners.append((cx + reach * math.cos(angle), cy + reach * 0.85 * math.sin(angle)))
    following = corners[1:] + corners[:1]
    middles = [((ax + bx) / 2, (ay + by) / 2) for (ax, ay), (bx, by) in zip(corners, following)]
    d = f"M{num(middles[-1][0])},{num(middles[-1][1])}"
    for (qx, qy), (mx, my) in zip(corners, middles):
        d += f" Q{num(qx)},{num(qy)} {num(mx)},{num(my)}"
    p.path(d + " Z", "#8c0f0f")
    p.rect(cx - 1.4, cy, 2.8, size * 1.7, "#7a0b0b", rx=1.4)
    p.circle(cx, cy + size * 1.7, 1.8, "#7a0b0b")
    for _ in range(7):
        angle = rng.uniform(0, 2 * math.pi)
        reach = size * rng.uniform(1.2, 1.8)
        p.circle(cx + reach * math.cos(angle), cy + reach * math.sin(angle), rng.uniform(0.7, 1.7), "#8c0f0f")


def decals(on):
    p = Picture()
    for row in range(6):
        for col in range(6):
            x = col * 32 - (16 if row % 2 else 0)
            shade = ("#d4ab72", "#caa068", "#dbb47e", "#cfa66c")[(row * 5 + col * 3) % 4]
            p.rect(x, row * 16, 32, 16, shade, stroke="#9a7340", stroke_width=1)
    p.rect(0, 94, 160, 26, p.linear(0, 94, 0, 120, [(0, "#b99a66", 1), (1, "#dcc392", 1)]))
    p.rect(0, 92, 160, 3, "#8b6a3c")
    crate(p, 6, 64, 30)
    if on:
        for cx, cy, r in ((112, 46, 22), (46, 22, 16)):
            soot = [(0, "#1a1208", 0.9), (0.45, "#2b1e10", 0.7), (1, "#3a2a16", 0)]
            p.circle(cx, cy, r, p.radial(cx, cy, r, soot))
        rng = random.Random(7)
        for cx, cy in ((52, 50), (60, 44), (66, 56), (104, 18), (118, 28), (96, 72), (140, 60), (128, 76)):
            p.circle(cx, cy, 3.2, "#eacb98")
            p.circle(cx + 0.3, cy + 0.3, 2.2, "#1c140c")
            for _ in range(3):
                angle = rng.uniform(0, 2 * math.pi)
                p.line((cx, cy), (cx + 5 * math.cos(angle), cy + 5 * math.sin(angle)), "#5a4126", 0.6)
        for cx, cy, size in ((80, 34, 11), (136, 30, 8)):
            splat(p, cx, cy, size, rng)
    p.write("decals_on.svg" if on else "decals_off.svg")


def dynamic(on):
    p = Picture(colours=grade(0.8, 0.42, (0.85, 0.95, 1.25)))
    street(p)
    rifle(p)
    p.colours = unchanged
    if on:
        glow = [(0, "#ffc060", 0.7), (0.5, "#ff9a30", 0.32), (1, "#ff8a20", 0)]
        p.rect(0, 0, 160, 120, p.radial(96, 72, 82, glow))
    muzzleFlash(p, 96, 80)
    p.write("dynamic_on.svg" if on else "dynamic_off.svg")


def weapon(visible):
    p = Picture()
    street(p)
    if visible:
        rifle(p)
    crosshair(p)
    p.write("weapon_visible.svg" if visible else "weapon_invisible.svg")


def shadows(on):
    p = Picture()
    street(p)
    x, feet = 66, 96
    if on:
        p.ellipse(x + 10, feet - 1, 20, 5, "#2a1a08", fill_opacity=0.55)
    soldier(p, x, feet, 52, facing=True)
    p.write("shadows_on.svg" if on else "shadows_off.svg")


def texsort(on):
    p = Picture(colours=grade(1.35, 1.08) if on else grade(0.45, 0.62))
    street(p)
    soldier(p, 92, 84, 36, facing=True)
    p.write("texsort_on.svg" if on else "texsort_off.svg")


def ztrick(on):
    def sign(p):
        p.rect(56, 21, 48, 16, "#f2f2f2", rx=2)
        p.rect(58, 23, 44, 12, "#1f7a4a", rx=1)
        p.poly([(62, 29), (70, 24.5), (70, 27), (84, 27), (84, 31), (70, 31), (70, 33.5)], "#f2f2f2")
        p.rect(89, 25, 9, 8, "#f2f2f2")
        if on:
            # The facade and the sign fight for the same depth: ragged bands of wall cut through
            # the sign and torn slices of the sign slip sideways.
            rng = random.Random(3)
            for y in (22.5, 26.5, 30, 33.5):
                edge = [(54 + rng.uniform(0, 6), y)]
                x = edge[0][0]
                while x < 104:
                    x = min(106, x + rng.uniform(1.5, 3.5))
                    edge.append((x, y + rng.uniform(-0.9, 0.9)))
                bottom = [(ex, ey + rng.uniform(1.1, 2)) for ex, ey in reversed(edge)]
                p.poly(edge + bottom, "#c79f66")
            for y, shift in ((20, 7), (28.5, -8), (36, 5)):
                p.rect(56 + shift, y, 48, 1.6, "#1f7a4a")
                p.rect(62 + shift, y + 0.3, 22, 1, "#f2f2f2")

    p = Picture()
    street(p, sign)
    p.write("ztrick_on.svg" if on else "ztrick_off.svg")


def views():
    p = Picture()
    street(p)
    soldier(p, 80, 126, 74, facing=False)
    p.write("thirdperson.svg")
    p = Picture()
    street(p)
    rifle(p)
    crosshair(p)
    p.write("firstperson.svg")


# --- the program's own pictures ---------------------------------------------------------------


def skyline(p, colour):
    p.path(
        "M0,120 V100 H14 V93 H30 V102 H38 V88 H52 V98 Q60,80 68,98 V104 H76 V76 H82 V70 H86 V76 H92 V96"
        " H104 V90 H120 V100 H130 V84 Q138,76 146,84 V96 H160 V120 Z",
        colour,
    )
    for x, y in ((18, 97), (42, 92), (108, 94), (134, 90), (78, 82)):
        p.rect(x, y, 3, 4, "#ffd27a", fill_opacity=0.8)


def gear(p, x, y, r, colour, hole):
    teeth = []
    for i in range(32):
        angle = i * math.pi / 16
        reach = r if (i // 2) % 2 == 0 else r * 0.78
        teeth.append((x + reach * math.cos(angle), y + reach * math.sin(angle)))
    p.poly(teeth, colour)
    p.circle(x, y, r * 0.36, hole)


def wrench(p, x, y, angle, colour):
    """An open-ended wrench whose jaw centre is at (x, y), its handle turned by angle degrees."""
    p.open(transform=f"rotate({num(angle)} {num(x)} {num(y)})")
    p.rect(x - 2.5, y + 5, 5, 26, colour, rx=2.5)
    p.path(f"M{num(x - 3.2)},{num(y - 5.5)} A6.4,6.4 0 1 0 {num(x + 3.2)},{num(y - 5.5)}", "none",
           stroke=colour, stroke_width=4.5)
    p.close()


def sightArms(p, x, y, inner, outer, width):
    """The four arms of a crosshair, from inner to outer distance of its centre."""
    for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0)):
        start, end = (x + dx * inner, y + dy * inner), (x + dx * outer, y + dy * outer)
        p.line(start, end, "#00ffff", width, stroke_linecap="round")


def welcome():
    p = Picture()
    dusk = [(0, "#0b3d4c", 1), (0.6, "#2f7d84", 1), (1, "#f0b56a", 1)]
    p.rect(0, 0, 160, 120, p.linear(0, 0, 0, 100, dusk))
    p.circle(80, 84, 24, "#ffd98a", fill_opacity=0.9)
    skyline(p, "#0a2a30")
    p.rect(0, 110, 160, 10, "#082126")
    p.circle(80, 56, 30, "none", stroke="#00ffff", stroke_width=3.5)
    p.circle(80, 56, 2.5, "#00ffff")
    sightArms(p, 80, 56, 12, 38, 3)
    gear(p, 134, 98, 14, "#9fe8e8", "#0a2a30")
    wrench(p, 122, 86, -45, "#f2ffff")
    p.write("welcome.svg")


def backgroundMain():
    p = Picture(179, 207)
    p.rect(0, 0, 179, 207, p.linear(0, 0, 0, 207, [(0, "#004a4a", 1), (1, "#003232", 1)]))
    for offset in range(-207, 179, 9):
        p.line((offset, 207), (offset + 207, 0), "#006262", 1, stroke_opacity=0.22)
    for r in (34, 58, 82):
        p.circle(150, 178, r, "none", stroke="#007070", stroke_width=2, stroke_opacity=0.18)
    p.rect(0, 0, 179, 207, p.radial(90, 100, 140, [(0.55, "#001c1c", 0), (1, "#001c1c", 0.55)]))
    p.write("background_main.svg")


def backgroundPage():
    p = Picture(600, 440)
    p.rect(0, 0, 600, 440, p.linear(0, 0, 600, 440, [(0, "#14303a", 1), (1, "#08181d", 1)]))
    for x in range(0, 601, 24):
        p.line((x, 0), (x, 440), "#2a5560", 1, stroke_opacity=0.16)
    for y in range(0, 441, 24):
        p.line((0, y), (600, y), "#2a5560", 1, stroke_opacity=0.16)
    for r in (70, 120, 170):
        p.circle(520, 360, r, "none", stroke="#3a7580", stroke_width=3, stroke_opacity=0.12)
    p.line((520, 170), (520, 440), "#3a7580", 3, stroke_opacity=0.12)
    p.line((330, 360), (600, 360), "#3a7580", 3, stroke_opacity=0.12)
    p.rect(0, 0, 600, 440, p.radial(300, 220, 380, [(0.5, "#03090b", 0), (1, "#03090b", 0.5)]))
    p.write("background_page.svg")


def icon():
    p = Picture(256, 256)
    p.rect(8, 8, 240, 240, p.linear(0, 8, 0, 248, [(0, "#008080", 1), (1, "#003a3a", 1)]), rx=52)
    p.rect(8, 8, 240, 240, "none", rx=52, stroke="#00e0e0", stroke_width=8)
    p.circle(128, 128, 66, "none", stroke="#00ffff", stroke_width=24)
    sightArms(p, 128, 128, 36, 94, 24)
    p.circle(128, 128, 14, "#e0ffff")
    p.write("zentrimo.svg")


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for state in (True, False):
        decals(state)
        dynamic(state)
        weapon(state)
        shadows(state)
        texsort(state)
        ztrick(state)
    views()
    welcome()
    backgroundMain()
    backgroundPage()
    icon()


if __name__ == "__main__":
    main()
