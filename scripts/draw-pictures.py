#!/usr/bin/python3
"""Draws every picture VTEditor ships: the paint-scheme pictures, the logos,
the toolbar icons and the program icon, plus resources/resources.qrc.

Run it from anywhere with /usr/bin/python3; it needs only Pillow (python3-pil)
and always writes the same bytes, so a re-run after an edit shows up in git as
a change of exactly the pictures that changed.

Everything is drawn with palette indices and Pillow's aliased primitives:
the editor finds the paint areas of a scheme picture by their exact marker
colours, so no pixel may ever come from blending two colours.

    --sheet   also draw contact sheets (1x and 4x) into /tmp for review
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "resources")

S = 150  # scheme pictures are square

# ---------------------------------------------------------------------------
# Scheme palette. Indices 1..3 are the marker colours the editor re-colours;
# every other entry stays far away from all three.
BG, RED, GREEN, YELLOW, INK, SHADOW, GLASS, GLINT, METAL, PROP, GUN, DOME, \
    HUB, CREW, SHADE = range(15)
SCHEME_PALETTE = [
    (104, 136, 168),  # BG: plain sky
    (255, 0, 0),      # first marker
    (0, 255, 0),      # second marker
    (255, 255, 0),    # third marker
    (28, 28, 36),     # INK: outlines
    (78, 102, 130),   # SHADOW: the plane's shadow on the sky
    (90, 168, 210),   # GLASS: canopies and glazing
    (214, 238, 252),  # GLINT: light on the glass
    (92, 92, 100),    # METAL: cowlings, spinners, fins
    (176, 176, 184),  # PROP: blur of a turning propeller
    (12, 12, 12),     # GUN: barrels
    (60, 104, 138),   # DOME: turret glazing
    (140, 140, 148),  # HUB: exhausts, struts, radial cylinders
    (120, 84, 60),    # CREW: open cockpit leather
    (70, 70, 78),     # SHADE: upper wing's shadow on the lower one
    (200, 200, 208),  # spare grey keeps the table at a full 16
]
MARKERS = (RED, GREEN, YELLOW)

# Part ids in the part map; patterns and outlines look at them.
WING, FUS, NAC, TAIL, LOWER = 1, 2, 3, 4, 5
WINGLIKE = (WING, TAIL, LOWER)


def flat(palette):
    out = []
    for c in palette:
        out.extend(c)
    return out


def save_gif(im, path, palette):
    """Writes a paletted GIF whose colour table holds exactly len(palette)
    entries (a power of two). Pillow's optimiser would reorder or pad the
    table, so it is switched off and the table is set by hand."""
    assert len(palette) in (2, 4, 8, 16)
    im = im.copy()
    im.putpalette(flat(palette))
    im.save(path, "GIF", optimize=False)
    with open(path, "rb") as f:
        head = f.read(13)
    packed = head[10]
    assert packed & 0x80, path
    assert 2 ** ((packed & 7) + 1) == len(palette), path


# ---------------------------------------------------------------------------
# Plane builder: parts go into a part map (one id per pixel), decorations
# (glass, guns, propellers...) are queued and drawn over the paint.

class Plane:
    def __init__(self, span, nose, tail, wing_y, cx=75, spine=None):
        self.cx = cx
        self.span = span        # half span, centre to tip
        self.nose = nose
        self.tail = tail
        self.wing_y = wing_y    # mid chord at the root
        self.spine = cx if spine is None else spine
        self.map = Image.new("L", (S, S), 0)
        self.d = ImageDraw.Draw(self.map)
        self.deco = []
        self.fins = []

    # -- shapes ------------------------------------------------------------
    def poly(self, pts, part):
        self.d.polygon([(round(x), round(y)) for x, y in pts], fill=part)

    def wing(self, span, le0, te0, le1, te1, round_tip=0, part=WING,
             cx=None):
        """A symmetric wing; le/te are leading and trailing edge y at the
        root (0) and at the tip (1). round_tip > 0 rounds the tip."""
        cx = self.cx if cx is None else cx
        half = [(cx, le0)]
        if round_tip:
            r = round_tip
            half.append((cx + span - r, le1))
            mid = (le1 + te1) / 2
            ry = (te1 - le1) / 2
            for i in range(1, 12):
                a = -math.pi / 2 + math.pi * i / 12
                half.append((cx + span - r + r * math.cos(a), mid + ry * math.sin(a)))
            half.append((cx + span - r, te1))
        else:
            half += [(cx + span, le1), (cx + span, te1)]
        half.append((cx, te0))
        full = half + [(2 * cx - x, y) for x, y in reversed(half)]
        self.poly(full, part)

    def elliptic_wing(self, span, y_mid, chord, part=WING, le_share=0.4):
        half = []
        n = 24
        for i in range(n + 1):
            t = i / n
            c = chord * math.sqrt(max(0.0, 1 - t * t))
            half.append((self.cx + span * t, y_mid - le_share * c))
        for i in range(n, -1, -1):
            t = i / n
            c = chord * math.sqrt(max(0.0, 1 - t * t))
            half.append((self.cx + span * t, y_mid + (1 - le_share) * c))
        self.poly(half + [(2 * self.cx - x, y) for x, y in reversed(half)], part)

    def body(self, stations, part=FUS, cx=None):
        """A body of revolution from (y, half width) stations, nose first."""
        cx = self.cx if cx is None else cx
        right = [(cx + w, y) for y, w in stations]
        left = [(cx - w, y) for y, w in reversed(stations)]
        self.poly(right + left, part)

    def box(self, x0, y0, x1, y1, part):
        self.d.rectangle((x0, y0, x1, y1), fill=part)

    def oval(self, x0, y0, x1, y1, part):
        self.d.ellipse((x0, y0, x1, y1), fill=part)

    # -- decorations ---------------------------------------------------------
    def canopy(self, x0, y0, x1, y1, frames=()):
        def f(d, img):
            d.ellipse((x0, y0, x1, y1), fill=GLASS, outline=INK)
            d.line((x0 + 2, y0 + 3 + (y1 - y0) // 4, x0 + 2, y0 + 3 + (y1 - y0) // 2), fill=GLINT)
            for fy in frames:
                d.line((x0 + 1, fy, x1 - 1, fy), fill=INK)
        self.deco.append(f)

    def glazing(self, pts):
        def f(d, img):
            d.polygon(pts, fill=GLASS, outline=INK)
        self.deco.append(f)

    def cockpit(self, x0, y0, x1, y1):
        def f(d, img):
            d.ellipse((x0, y0, x1, y1), fill=CREW, outline=INK)
            d.line((x0 + 1, y0 - 2, x1 - 1, y0 - 2), fill=GLASS)
        self.deco.append(f)

    def prop(self, x, y, r, spinner=2):
        def f(d, img):
            d.ellipse((x - r, y - 2, x + r, y + 1), fill=PROP)
            d.line((x - r + 1, y, x - r + 3, y), fill=HUB)
            d.line((x + r - 3, y, x + r - 1, y), fill=HUB)
            d.ellipse((x - spinner, y - spinner, x + spinner, y + spinner + 2), fill=METAL, outline=INK)
        self.deco.append(f)

    def cowl(self, x, y, w, h):
        """Front ring of an engine cowling, drawn over the nacelle's nose."""
        def f(d, img):
            d.rectangle((x - w, y, x + w, y + h), fill=METAL, outline=INK)
            d.line((x - w + 1, y + h + 2, x - w + 1, y + h + 5), fill=HUB)
            d.line((x + w - 1, y + h + 2, x + w - 1, y + h + 5), fill=HUB)
        self.deco.append(f)

    def radial(self, x, y, r):
        def f(d, img):
            d.ellipse((x - r, y - r // 2, x + r, y + r // 2 + 2), fill=METAL, outline=INK)
            for k in range(-r + 3, r - 1, 4):
                d.point((x + k, y + 1), fill=HUB)
        self.deco.append(f)

    def fin(self, x, y0, y1, width=2):
        self.fins.append((x, y0, y1, width))

    def gun(self, x, length=7, parts=None, twin=False):
        """A barrel sticking forward out of the first part met at column x."""
        def f(d, img):
            pm = self.map.load()
            y = 0
            while y < S and not (pm[x, y] and (parts is None or pm[x, y] in parts)):
                y += 1
            if y >= S:
                raise SystemExit("gun at x=%d meets no part" % x)
            d.line((x, y - length, x, y + 3), fill=GUN)
            d.rectangle((x - 1, y + 1, x + 1, y + 3), fill=GUN)
            if twin:
                d.line((x + 2, y - length + 2, x + 2, y + 3), fill=GUN)
        self.deco.append(f)

    def guns(self, dxs, **kw):
        for dx in dxs:
            self.gun(self.cx + dx, **kw)
            self.gun(self.cx - dx, **kw)

    def nose_gun(self, x, y, length=7):
        def f(d, img):
            d.line((x, y - length, x, y + 2), fill=GUN)
        self.deco.append(f)

    def turret(self, x, y, r, aft=True):
        def f(d, img):
            sgn = 1 if aft else -1
            for bx in (x - 2, x + 2):
                d.line((bx, y, bx, y + sgn * (r + 8)), fill=GUN)
            d.ellipse((x - r, y - r, x + r, y + r), fill=DOME, outline=INK)
            d.ellipse((x - r + 2, y - r + 2, x - r + 4, y - r + 4), fill=GLINT)
        self.deco.append(f)

    def struts(self, pts):
        def f(d, img):
            for (x0, y0, x1, y1) in pts:
                d.line((x0, y0, x1, y1), fill=HUB, width=2)
                d.point((x0, y1), fill=INK)
        self.deco.append(f)


# ---------------------------------------------------------------------------
# The eleven types. Coordinates are pixels of the 150 x 150 picture, nose up.

def corvane():
    """Light single-engine fighter with an elliptical wing."""
    p = Plane(span=64, nose=20, tail=130, wing_y=66)
    p.elliptic_wing(64, 66, 34, le_share=0.42)
    p.elliptic_wing(24, 122, 14, part=TAIL, le_share=0.4)
    p.body([(20, 4), (23, 7), (30, 8), (50, 8), (70, 8), (90, 6), (115, 4), (131, 2)])
    p.fin(75, 112, 133)
    p.prop(75, 20, 15)
    p.canopy(71, 54, 79, 72, frames=(60,))
    p.guns((17, 21), length=6)
    p.guns((35, 39), length=5)
    return p


def grimsbane():
    """Two-seat fighter, straight tapered wing, gunner behind the pilot."""
    p = Plane(span=60, nose=18, tail=134, wing_y=64)
    p.wing(60, 50, 78, 56, 72)
    p.wing(24, 118, 130, 120, 128, part=TAIL)
    p.body([(18, 5), (22, 8), (30, 9), (60, 9), (84, 8), (105, 6), (125, 4), (136, 2)])
    p.fin(75, 116, 137)
    p.cowl(75, 23, 8, 4)
    p.prop(75, 18, 16)
    p.canopy(70, 44, 80, 62, frames=(52,))
    p.nose_gun(72, 27)
    p.nose_gun(78, 27)
    p.nose_gun(70, 29, 5)
    p.nose_gun(80, 29, 5)
    p.guns((20,), length=6)
    p.turret(75, 72, 6, aft=True)
    return p


def thornleigh():
    """The heavy four-engine bomber with nose and tail turrets."""
    p = Plane(span=73, nose=12, tail=140, wing_y=64)
    p.wing(73, 50, 80, 60, 70, round_tip=4)
    for dx in (22, 44):
        for sx in (75 + dx, 75 - dx):
            p.body([(36, 4), (40, 6), (80, 6), (90, 3)], part=NAC, cx=sx)
    p.wing(32, 120, 134, 123, 132, part=TAIL)
    p.body([(12, 6), (18, 9), (28, 11), (90, 11), (115, 8), (138, 4), (142, 2)])
    for sx in (75 - 32, 75 + 32):
        p.fin(sx, 116, 136, width=3)
    for dx in (22, 44):
        for sx in (75 + dx, 75 - dx):
            p.cowl(sx, 38, 5, 3)
            p.prop(sx, 36, 11, spinner=1)
    p.canopy(69, 28, 81, 40, frames=(34,))
    p.guns((33, 57), length=5)
    p.turret(75, 18, 6, aft=False)
    p.turret(75, 134, 5, aft=True)
    return p


def vexmire():
    """Slim racer: long nose, small swept wing and the canopy far aft."""
    p = Plane(span=46, nose=8, tail=140, wing_y=82)
    p.wing(46, 66, 98, 86, 96, round_tip=3)
    p.wing(20, 128, 140, 134, 139, part=TAIL)
    p.body([(8, 3), (12, 6), (20, 7), (60, 7), (90, 7), (110, 6), (130, 4), (142, 2)])
    p.fin(75, 124, 144)
    p.prop(75, 8, 11)
    p.canopy(71, 90, 79, 110, frames=(98,))
    p.nose_gun(73, 28, 6)
    p.nose_gun(77, 28, 6)
    p.nose_gun(69, 34, 6)
    p.nose_gun(81, 34, 6)
    p.guns((16,), length=6)
    p.guns((30,), length=5)
    return p


def scaramond():
    """Twin-engine heavy fighter: twin fins and a rear turret."""
    p = Plane(span=62, nose=30, tail=130, wing_y=68)
    p.wing(62, 54, 82, 60, 74, round_tip=3)
    for sx in (75 - 26, 75 + 26):
        p.body([(36, 4), (40, 7), (84, 7), (100, 3)], part=NAC, cx=sx)
    p.wing(28, 116, 128, 118, 127, part=TAIL)
    p.body([(28, 5), (33, 8), (45, 9), (80, 9), (105, 6), (128, 4), (131, 2)])
    for sx in (75 - 28, 75 + 28):
        p.fin(sx, 111, 132, width=3)
    for sx in (75 - 26, 75 + 26):
        p.cowl(sx, 38, 6, 3)
        p.prop(sx, 35, 14)
    p.canopy(70, 46, 80, 66, frames=(54,))
    p.guns((40, 44), length=5)
    p.guns((13,), length=6)
    p.nose_gun(73, 30, 6)
    p.nose_gun(77, 30, 6)
    p.turret(75, 94, 6, aft=True)
    return p


def ironclave():
    """Biplane with negative stagger, so both wings show from above."""
    p = Plane(span=62, nose=24, tail=132, wing_y=52)
    p.wing(50, 30, 52, 31, 51, round_tip=5, part=LOWER)
    p.wing(22, 116, 128, 117, 127, part=TAIL)
    p.body([(24, 8), (30, 9), (60, 9), (90, 7), (115, 5), (132, 2)])
    p.wing(62, 48, 70, 48, 70, round_tip=6)
    p.d.ellipse((69, 64, 81, 74), fill=FUS)   # cut-out over the cockpit
    p.fin(75, 112, 134)
    p.radial(75, 25, 9)
    p.prop(75, 22, 16)
    p.shade_lower = True
    p.struts([(75 + 30, 38, 75 + 30, 48), (75 - 30, 38, 75 - 30, 48),
              (75 + 45, 38, 75 + 45, 48), (75 - 45, 38, 75 - 45, 48)])
    p.cockpit(71, 72, 79, 82)
    p.guns((18, 38), length=5, parts=(LOWER,))
    p.guns((24,), length=5, parts=(WING,))
    p.guns((56,), length=5, parts=(WING,))
    return p


def cindervale():
    """Large three-engine gunship: nose engine plus one on each wing."""
    p = Plane(span=71, nose=20, tail=138, wing_y=66)
    p.wing(71, 48, 84, 58, 74, round_tip=2)
    for sx in (75 - 34, 75 + 34):
        p.body([(38, 5), (42, 6), (82, 6), (96, 3)], part=NAC, cx=sx)
    p.wing(32, 122, 136, 124, 134, part=TAIL)
    p.body([(20, 7), (24, 10), (32, 11), (90, 11), (112, 9), (130, 5), (140, 3)])
    p.fin(75, 116, 142, width=3)
    for sx in (75 - 34, 75 + 34):
        p.cowl(sx, 40, 6, 3)
        p.prop(sx, 37, 13)
    p.radial(75, 22, 7)
    p.prop(75, 19, 13)
    p.glazing([(67, 33), (83, 33), (82, 40), (68, 40)])
    p.guns((20, 48, 61), length=5)
    p.turret(75, 106, 6, aft=True)
    return p


def tempestra():
    """Mid fighter: fat radial nose and a clipped square-tipped wing."""
    p = Plane(span=56, nose=24, tail=128, wing_y=68)
    p.wing(56, 54, 84, 62, 76)
    p.wing(22, 114, 126, 115, 125, part=TAIL)
    p.body([(24, 10), (28, 11), (40, 11), (60, 10), (85, 7), (110, 4), (129, 2)])
    p.fin(75, 110, 131)
    p.radial(75, 26, 10)
    p.prop(75, 22, 17, spinner=3)
    p.canopy(70, 58, 80, 78, frames=(64,))
    p.guns((36, 40), length=5)
    p.guns((18, 22), length=6)
    return p


def swiftmere():
    """Twin-boom fighter: a central pod between two engine booms."""
    p = Plane(span=62, nose=30, tail=130, wing_y=68)
    p.wing(62, 58, 80, 62, 76, round_tip=3)
    for sx in (75 - 24, 75 + 24):
        p.body([(36, 4), (40, 6), (70, 6), (90, 4), (132, 3)], part=NAC, cx=sx)
    p.box(75 - 24, 120, 75 + 24, 130, TAIL)
    p.body([(30, 5), (34, 8), (46, 9), (80, 9), (96, 6), (102, 3)])
    for sx in (75 - 24, 75 + 24):
        p.fin(sx, 114, 134, width=3)
        p.cowl(sx, 38, 5, 3)
        p.prop(sx, 35, 13)
    p.glazing([(71, 31), (79, 31), (82, 38), (68, 38)])
    p.canopy(70, 44, 80, 62, frames=(52,))
    p.nose_gun(73, 31, 7)
    p.nose_gun(77, 31, 7)
    p.nose_gun(71, 34, 6)
    p.nose_gun(79, 34, 6)
    p.guns((44,), length=5)
    p.turret(75, 90, 5, aft=True)
    return p


def arbiteron():
    """The asymmetric oddity: engine fuselage to the left, crew pod on the
    right wing, tailplane on one side only."""
    p = Plane(span=64, nose=18, tail=136, wing_y=66, spine=55)
    p.wing(64, 54, 78, 58, 74, round_tip=4)
    p.poly([(55, 120), (88, 124), (88, 132), (55, 134)], TAIL)
    p.body([(18, 5), (22, 8), (30, 9), (70, 8), (100, 6), (128, 4), (138, 2)], cx=55)
    p.body([(36, 4), (40, 8), (48, 10), (80, 9), (96, 6), (104, 3)], part=NAC, cx=99)
    p.fin(55, 114, 140)
    p.cowl(55, 23, 8, 4)
    p.prop(55, 18, 16)
    p.glazing([(95, 36), (103, 36), (108, 44), (107, 58), (91, 58), (90, 44)])
    p.canopy(94, 60, 104, 74, frames=(66,))
    p.nose_gun(99, 36, 7)                # centre
    p.nose_gun(108, 46, 7)               # right fuselage
    p.gun(124, length=5)                 # right wing
    p.gun(22, length=5)                  # left wing
    p.turret(99, 90, 5, aft=True)
    return p


def galeborn():
    """Heavy twin-engine fighter-bomber: big engines, glazed nose, one fin."""
    p = Plane(span=68, nose=14, tail=136, wing_y=70)
    p.wing(68, 56, 86, 62, 78, round_tip=7)
    for sx in (75 - 28, 75 + 28):
        p.body([(32, 5), (36, 8), (50, 9), (90, 8), (104, 3)], part=NAC, cx=sx)
    p.wing(30, 118, 132, 121, 131, round_tip=4, part=TAIL)
    p.body([(14, 5), (20, 8), (30, 9), (88, 9), (112, 6), (134, 4), (138, 2)])
    p.fin(75, 112, 140, width=3)
    for sx in (75 - 28, 75 + 28):
        p.cowl(sx, 34, 7, 4)
        p.prop(sx, 31, 16, spinner=3)
    p.glazing([(72, 14), (78, 14), (82, 22), (82, 27), (68, 27), (68, 22)])
    p.canopy(70, 38, 80, 58, frames=(46,))
    p.guns((14, 18), length=6)
    p.guns((46, 50), length=5)
    return p


TYPES = [corvane, grimsbane, thornleigh, vexmire, scaramond, ironclave,
         cindervale, tempestra, swiftmere, arbiteron, galeborn]
TYPE_NAMES = ["Corvane", "Grimsbane", "Thornleigh", "Vexmire", "Scaramond",
              "Ironclave", "Cindervale", "Tempestra", "Swiftmere", "Arbiteron",
              "Galeborn"]
SCHEME_NAMES = ["Slate Crows", "The Night Heron", "Orrin Airways",
                "Crown Flying Corps", "The Gilded Rovers",
                "Silver Screen Lancers", "Marlow Airworks", "Basilisk", "ZRKS",
                "Holy Covenant", "Nordwehr", "Backlot Guard",
                "Marquee Raiders", "Jitney"]

# picture number -> (type, scheme); the numbering is the game's own.
PICTURES = {
    1: (0, 0), 2: (0, 4), 3: (0, 11), 4: (0, 13),
    5: (1, 4), 6: (1, 9), 7: (1, 10),
    8: (2, 3), 9: (2, 4),
    10: (3, 2), 11: (3, 4), 12: (3, 6),
    13: (4, 0), 14: (4, 4), 15: (4, 7),
    16: (5, 4), 17: (5, 8),
    18: (6, 4), 19: (6, 5),
    20: (7, 1), 21: (7, 4), 22: (7, 6), 23: (7, 11),
    24: (8, 4), 25: (8, 6), 26: (8, 7),
    27: (9, 2), 28: (9, 3), 29: (9, 4), 30: (9, 12),
    31: (10, 0), 32: (10, 4), 33: (10, 9),
}


# ---------------------------------------------------------------------------
# Paint patterns. Each takes a pixel, its part and the plane and returns a
# marker. They are written in plane-relative terms so that one scheme looks
# alike on every type.

def seg_dist(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((px - ax) * vx + (py - ay) * vy) / float(vx * vx + vy * vy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * vx, py - ay - t * vy)


def poly_dist(x, y, pts):
    return min(seg_dist(x, y, *pts[i], *pts[i + 1]) for i in range(len(pts) - 1))


def scheme_slate_crows(x, y, part, p, ctx):
    # checkered wings, plain fuselage
    if part in WINGLIKE:
        cell = (x - p.cx + 3) // 7 + (y + 3) // 7
        return RED if cell % 2 == 0 else YELLOW
    return GREEN


def scheme_night_heron(x, y, part, p, ctx):
    # dark front, light back, bright tips and tail
    if part == TAIL or (part in (WING, LOWER) and abs(x - p.cx) > 0.74 * p.span):
        return YELLOW
    return GREEN if y < p.wing_y - 2 else RED


def scheme_orrin(x, y, part, p, ctx):
    # airline pinstripes running spanwise
    return (RED, YELLOW, GREEN)[(y // 5) % 3]


def scheme_crown(x, y, part, p, ctx):
    # sunburst from the wing root
    dx, dy = x - p.spine, y - p.wing_y
    if dx * dx + dy * dy <= 13 * 13:
        return GREEN
    a = math.atan2(dy, dx) + math.pi / 16
    return RED if int((a + math.pi) / (math.pi / 8)) % 2 == 0 else YELLOW


def scheme_gilded(x, y, part, p, ctx):
    # two-tone, split left and right, with a gold spine
    if abs(x - p.spine) <= 4 and part in (FUS, TAIL):
        return YELLOW
    if part in (WING, LOWER) and abs(y - p.wing_y) <= 2:
        return YELLOW
    return RED if x < p.cx else GREEN


def scheme_lancers(x, y, part, p, ctx):
    # diagonal bands
    t = (x - y) % 26
    return RED if t < 10 else YELLOW if t < 15 else GREEN


def scheme_marlow(x, y, part, p, ctx):
    # chevrons pointing at the nose
    t = int(y + 0.75 * abs(x - p.cx)) % 21
    return RED if t < 7 else YELLOW if t < 14 else GREEN


def scheme_basilisk(x, y, part, p, ctx):
    # scales: big red spots and small yellow ones on green
    gx, gy = (x - p.cx) % 14, y % 14
    if (gx - 7) ** 2 + (gy - 7) ** 2 <= 22:
        return RED
    hx, hy = (x - p.cx + 7) % 14, (y + 7) % 14
    if (hx - 7) ** 2 + (hy - 7) ** 2 <= 9:
        return YELLOW
    return GREEN


def scheme_zrks(x, y, part, p, ctx):
    # lightning bolts along the span and down the fuselage
    d = min(poly_dist(x, y, ctx["bolt_span"]), poly_dist(x, y, ctx["bolt_fus"]))
    if d <= 2.6:
        return YELLOW
    if d <= 4.6:
        return GREEN
    return RED


def scheme_covenant(x, y, part, p, ctx):
    # a red cross on gold, green trim round every edge
    if ctx["trim"][x, y]:
        return GREEN
    if abs(x - p.spine) <= 5 and part in (FUS, TAIL):
        return RED
    if part in (WING, LOWER, NAC) and abs(y - p.wing_y) <= 5:
        return RED
    return YELLOW


def scheme_nordwehr(x, y, part, p, ctx):
    # splinter camouflage: the same straight-edged patches on every type
    code = 0
    for i, (a, b, c) in enumerate(ctx["splinter"]):
        if a * (x - p.cx) + b * y > c:
            code |= 1 << i
    return (RED, GREEN, YELLOW)[(code * 7 + (code >> 3) * 5 + 1) % 3]


def scheme_backlot(x, y, part, p, ctx):
    # invasion stripes round the wings and the rear fuselage
    dx = abs(x - p.cx)
    if part in (WING, LOWER):
        a = ctx["fus_w"] + 6
        if a <= dx < a + 25:
            return RED if ((dx - a) // 5) % 2 == 0 else YELLOW
    if part in (FUS, NAC):
        y0 = p.wing_y + 0.45 * (p.tail - p.wing_y)
        if y0 <= y < y0 + 25:
            return RED if int((y - y0) // 5) % 2 == 0 else YELLOW
    return GREEN


def scheme_marquee(x, y, part, p, ctx):
    # tiger stripes
    dx = abs(x - p.cx)
    if part in WINGLIKE:
        t = dx + 5 * math.sin(y / 4.0)
    else:
        t = y + 4 * math.sin(dx / 2.5)
    t %= 15
    if t < 5:
        return RED
    if 8 <= t < 10:
        return GREEN
    return YELLOW


def scheme_jitney(x, y, part, p, ctx):
    # taxi livery: red nose and tail, a green band across the wing
    if y < p.nose + 0.16 * (p.tail - p.nose) or part == TAIL or \
            y > p.nose + 0.86 * (p.tail - p.nose):
        return RED
    if part in (WING, LOWER) and abs(y - p.wing_y) <= 3:
        return GREEN
    if part in (FUS, NAC) and p.wing_y + 16 <= y <= p.wing_y + 21:
        return GREEN
    return YELLOW


SCHEMES = [scheme_slate_crows, scheme_night_heron, scheme_orrin, scheme_crown,
           scheme_gilded, scheme_lancers, scheme_marlow, scheme_basilisk,
           scheme_zrks, scheme_covenant, scheme_nordwehr, scheme_backlot,
           scheme_marquee, scheme_jitney]


def pattern_context(p):
    ctx = {}
    mask = p.map.point(lambda v: 255 if v else 0)
    eroded = mask.filter(ImageFilter.MinFilter(7))
    trim = Image.new("L", (S, S), 0)
    trim.paste(255, (0, 0), mask)
    trim.paste(0, (0, 0), eroded)
    ctx["trim"] = trim.load()
    # fuselage half width at the wing root, for the invasion stripes
    pm = p.map.load()
    w = 0
    while p.cx + w < S and pm[p.cx + w, p.wing_y] == FUS:
        w += 1
    ctx["fus_w"] = w
    # lightning bolts: a zig-zag across the span, another down the spine
    span = []
    for i in range(-6, 7):
        span.append((p.cx + i * p.span / 6.0, p.wing_y + (4 if i % 2 else -4)))
    ctx["bolt_span"] = span
    fus = []
    n = 8
    for i in range(n + 1):
        y = p.nose + 6 + (p.tail - p.nose - 10) * i / n
        fus.append((p.spine + (3 if i % 2 else -3), y))
    ctx["bolt_fus"] = fus
    rnd = random.Random(1940)
    lines = []
    for _ in range(9):
        ang = rnd.uniform(0, math.pi)
        a, b = math.cos(ang), math.sin(ang)
        px, py = rnd.uniform(-60, 60), rnd.uniform(20, 130)
        lines.append((a, b, a * px + b * py))
    ctx["splinter"] = lines
    return ctx


def draw_scheme(type_no, scheme_no):
    p = TYPES[type_no]()
    img = Image.new("P", (S, S), BG)
    px = img.load()
    pm = p.map.load()
    # shadow first, offset down and to the right
    for y in range(S):
        for x in range(S):
            if pm[x, y] and x + 5 < S and y + 6 < S:
                px[x + 5, y + 6] = SHADOW
    ctx = pattern_context(p)
    pattern = SCHEMES[scheme_no]
    for y in range(S):
        for x in range(S):
            part = pm[x, y]
            if part:
                px[x, y] = pattern(x, y, part, p, ctx)
    # outline every part against its neighbours and the sky
    for y in range(S):
        for x in range(S):
            part = pm[x, y]
            if not part:
                continue
            for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                if not (0 <= nx < S and 0 <= ny < S) or pm[nx, ny] != part:
                    # the upper of two touching parts keeps its edge line;
                    # a lower-id part next to a higher one gets it too, so
                    # every seam is one pixel wide and drawn on one side only
                    if not (0 <= nx < S and 0 <= ny < S) or pm[nx, ny] == 0 \
                            or pm[nx, ny] < part or part == LOWER:
                        px[x, y] = INK
                        break
    if getattr(p, "shade_lower", False):
        # the upper wing's shadow falls on the lower wing just ahead of it
        for y in range(S):
            for x in range(S):
                if pm[x, y] == LOWER and px[x, y] != INK and \
                        any(pm[x, y + k] in (WING, FUS) for k in (1, 2, 3) if y + k < S):
                    px[x, y] = SHADE
    d = ImageDraw.Draw(img)
    for (x, y0, y1, w) in p.fins:
        d.rectangle((x - w // 2, y0, x - w // 2 + w - 1, y1), fill=METAL, outline=INK)
    for f in p.deco:
        f(d, img)
    return img


# ---------------------------------------------------------------------------
# Logos: 30 x 30 badges. They are never re-coloured, so any colour will do.

L = 30
LK, LW, LR, LB, LGOLD, LGR, LDG, LLG, LBR, LOR, LNAVY, LSKY, LDR, LPUR, \
    LDGR, LTAN = range(16)
LOGO_PALETTE = [
    (0, 0, 0), (255, 255, 255), (208, 24, 24), (32, 72, 184), (240, 196, 32),
    (40, 160, 56), (72, 72, 80), (176, 176, 184), (120, 72, 32),
    (240, 128, 24), (20, 28, 88), (120, 184, 232), (120, 12, 20),
    (112, 48, 144), (16, 80, 32), (216, 184, 128),
]

FONT = {
    "V": ["1...1", "1...1", "1...1", "1...1", ".1.1.", ".1.1.", "..1.."],
    "Z": ["11111", "....1", "...1.", "..1..", ".1...", "1....", "11111"],
    "R": ["1111.", "1...1", "1...1", "1111.", "1.1..", "1..1.", "1...1"],
    "7": ["11111", "....1", "...1.", "..1..", ".1...", ".1...", ".1..."],
    "1": ["..1..", ".11..", "..1..", "..1..", "..1..", "..1..", ".111."],
    "3": ["1111.", "....1", "....1", ".111.", "....1", "....1", "1111."],
}


def text(d, s, x, y, fill, scale=2):
    for ch in s:
        g = FONT[ch]
        for r, row in enumerate(g):
            for c, v in enumerate(row):
                if v == "1":
                    d.rectangle((x + c * scale, y + r * scale,
                                 x + c * scale + scale - 1, y + r * scale + scale - 1), fill=fill)
        x += 6 * scale


def star_pts(cx, cy, r1, r2, n=5, rot=-math.pi / 2):
    pts = []
    for i in range(2 * n):
        r = r1 if i % 2 == 0 else r2
        a = rot + math.pi * i / n
        pts.append((round(cx + r * math.cos(a)), round(cy + r * math.sin(a))))
    return pts


def disc(d, cx, cy, r, fill, outline=None):
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=fill, outline=outline)


def badge(d, kind, fill, border=LK):
    if kind == "circle":
        d.ellipse((0, 0, 29, 29), fill=border)
        d.ellipse((2, 2, 27, 27), fill=fill)
    elif kind == "square":
        d.rectangle((0, 0, 29, 29), fill=border)
        d.rectangle((2, 2, 27, 27), fill=fill)
    elif kind == "shield":
        pts = [(1, 1), (28, 1), (28, 14), (22, 23), (14, 29), (15, 29), (7, 23), (1, 14)]
        d.polygon(pts, fill=border)
        d.polygon([(3, 3), (26, 3), (26, 14), (21, 21), (14, 26), (15, 26), (8, 21), (3, 14)], fill=fill)
    elif kind == "diamond":
        d.polygon([(14, 0), (15, 0), (29, 14), (29, 15), (15, 29), (14, 29), (0, 15), (0, 14)], fill=border)
        d.polygon([(14, 3), (15, 3), (26, 14), (26, 15), (15, 26), (14, 26), (3, 15), (3, 14)], fill=fill)


def heart(d, cx, cy, r, fill):
    disc(d, cx - r // 2 - 1, cy - 1, r // 2 + 1, fill)
    disc(d, cx + r // 2, cy - 1, r // 2 + 1, fill)
    d.polygon([(cx - r - 1, cy), (cx + r + 1, cy), (cx, cy + r + 3)], fill=fill)


def spade(d, cx, cy, r, fill):
    d.polygon([(cx, cy - r - 3), (cx - r - 1, cy + 1), (cx + r + 1, cy + 1)], fill=fill)
    disc(d, cx - r // 2 - 1, cy + 1, r // 2 + 1, fill)
    disc(d, cx + r // 2, cy + 1, r // 2 + 1, fill)
    d.polygon([(cx, cy + 1), (cx - 3, cy + r + 3), (cx + 3, cy + r + 3)], fill=fill)


def logo_roundel(d):
    badge(d, "circle", LB)
    disc(d, 14.5, 14.5, 9, LW)
    disc(d, 14.5, 14.5, 5, LR)


def logo_star(d):
    badge(d, "circle", LNAVY, LW)
    d.polygon(star_pts(14.5, 15.5, 12, 5), fill=LW)


def logo_wings(d):
    badge(d, "square", LSKY, LNAVY)
    d.polygon([(13, 12), (3, 7), (4, 11), (3, 13), (5, 15), (5, 17), (13, 18)], fill=LGOLD)
    d.polygon([(16, 12), (26, 7), (25, 11), (26, 13), (24, 15), (24, 17), (16, 18)], fill=LGOLD)
    d.line((5, 13, 12, 14), fill=LBR)
    d.line((24, 13, 17, 14), fill=LBR)
    disc(d, 14.5, 15, 4, LR, LK)


def logo_eagle(d):
    badge(d, "circle", LSKY, LNAVY)
    d.polygon([(22, 25), (22, 12), (18, 6), (11, 6), (6, 10), (5, 14), (11, 15), (12, 22), (15, 26)], fill=LW)
    d.polygon([(6, 10), (1, 12), (3, 16), (5, 18), (6, 15), (9, 14)], fill=LGOLD)
    d.point((5, 17), fill=LK)
    d.rectangle((10, 9, 11, 10), fill=LK)
    d.line((12, 8, 8, 8), fill=LDG)
    d.polygon([(22, 12), (25, 18), (23, 26), (22, 25)], fill=LBR)


def logo_wolf(d):
    badge(d, "circle", LDGR, LK)
    d.polygon([(6, 4), (11, 10), (18, 10), (23, 4), (25, 14), (20, 20), (17, 26), (12, 26), (9, 20), (4, 14)], fill=LLG)
    d.polygon([(12, 18), (17, 18), (16, 26), (13, 26)], fill=LW)
    d.polygon([(8, 7), (10, 10), (8, 11)], fill=LDG)
    d.polygon([(21, 7), (19, 10), (21, 11)], fill=LDG)
    d.rectangle((9, 13, 11, 14), fill=LGOLD)
    d.rectangle((18, 13, 20, 14), fill=LGOLD)
    d.rectangle((13, 23, 16, 25), fill=LK)


def logo_cat(d):
    badge(d, "circle", LPUR, LK)
    d.ellipse((5, 8, 24, 25), fill=LK)
    d.polygon([(5, 14), (6, 3), (13, 9)], fill=LK)
    d.polygon([(24, 14), (23, 3), (16, 9)], fill=LK)
    d.ellipse((8, 13, 12, 17), fill=LGOLD)
    d.ellipse((17, 13, 21, 17), fill=LGOLD)
    d.line((10, 13, 10, 17), fill=LK)
    d.line((19, 13, 19, 17), fill=LK)
    d.polygon([(13, 19), (16, 19), (14, 21), (15, 21)], fill=LR)
    for y in (20, 22):
        d.line((2, y, 9, 21), fill=LW)
        d.line((27, y, 20, 21), fill=LW)


def logo_skull(d):
    badge(d, "square", LK, LR)
    d.ellipse((6, 4, 23, 20), fill=LW)
    d.rectangle((9, 17, 20, 25), fill=LW)
    d.ellipse((8, 10, 13, 15), fill=LK)
    d.ellipse((16, 10, 21, 15), fill=LK)
    d.polygon([(14, 16), (15, 16), (16, 19), (13, 19)], fill=LK)
    for x in (11, 14, 17):
        d.line((x, 21, x, 25), fill=LK)


def logo_letter_v(d):
    badge(d, "shield", LR, LK)
    text(d, "V", 9, 6, LW, 2)


def logo_letter_z(d):
    badge(d, "circle", LGOLD, LK)
    text(d, "Z", 10, 8, LK, 2)


def logo_chevrons(d):
    badge(d, "square", LNAVY, LGOLD)
    for y in (6, 13, 20):
        d.polygon([(4, y + 5), (14, y), (15, y), (25, y + 5), (25, y + 8), (15, y + 3), (14, y + 3), (4, y + 8)], fill=LGOLD)


def logo_crown(d):
    badge(d, "circle", LDR, LGOLD)
    d.polygon([(5, 20), (5, 8), (10, 14), (14, 6), (15, 6), (19, 14), (24, 8), (24, 20)], fill=LGOLD)
    d.rectangle((5, 21, 24, 23), fill=LGOLD)
    disc(d, 14.5, 17, 1.5, LR)
    disc(d, 9, 18, 1, LB)
    disc(d, 20, 18, 1, LB)
    for x, y in ((5, 7), (14, 5), (24, 7)):
        disc(d, x + 0.5, y, 1, LW)


def logo_bolt(d):
    badge(d, "circle", LK, LGOLD)
    d.polygon([(17, 3), (7, 17), (13, 17), (10, 27), (22, 11), (16, 11), (20, 3)], fill=LGOLD)


def logo_anchor(d):
    badge(d, "circle", LNAVY, LW)
    d.ellipse((12, 3, 17, 8), outline=LW, width=2)
    d.rectangle((13, 8, 16, 24), fill=LW)
    d.rectangle((8, 11, 21, 12), fill=LW)
    d.arc((5, 11, 24, 26), 20, 160, fill=LW, width=3)
    d.polygon([(4, 16), (8, 16), (6, 20)], fill=LW)
    d.polygon([(25, 16), (21, 16), (23, 20)], fill=LW)


def logo_heart(d):
    badge(d, "square", LW, LR)
    heart(d, 14.5, 12, 9, LR)


def logo_cross_shield(d):
    badge(d, "shield", LW, LK)
    d.rectangle((12, 4, 17, 25), fill=LR)
    d.rectangle((4, 10, 25, 15), fill=LR)


def logo_sun(d):
    badge(d, "circle", LSKY, LOR)
    d.polygon(star_pts(14.5, 14.5, 12, 7, n=12), fill=LOR)
    disc(d, 14.5, 14.5, 6, LGOLD)


def logo_moon(d):
    badge(d, "circle", LNAVY, LLG)
    disc(d, 13, 15, 10, LGOLD)
    disc(d, 17, 12, 9, LNAVY)
    d.polygon(star_pts(21, 19, 4, 2), fill=LW)


def logo_die(d):
    badge(d, "square", LDGR, LK)
    d.rectangle((5, 5, 24, 24), fill=LW, outline=LK)
    for x, y in ((9, 9), (20, 9), (14.5, 14.5), (9, 20), (20, 20)):
        disc(d, x, y, 2, LK)


def logo_spade(d):
    badge(d, "square", LW, LK)
    spade(d, 14.5, 13, 8, LK)


def logo_club(d):
    badge(d, "square", LW, LDGR)
    disc(d, 14.5, 8, 4.5, LK)
    disc(d, 9, 15, 4.5, LK)
    disc(d, 20, 15, 4.5, LK)
    d.polygon([(14, 12), (15, 12), (18, 25), (11, 25)], fill=LK)


def logo_diamond(d):
    badge(d, "square", LW, LR)
    d.polygon([(14, 3), (15, 3), (23, 14), (23, 15), (15, 26), (14, 26), (6, 15), (6, 14)], fill=LR)


def logo_arrow(d):
    badge(d, "circle", LGR, LK)
    d.line((7, 22, 19, 10), fill=LW, width=4)
    d.polygon([(12, 7), (23, 6), (22, 17)], fill=LW)
    d.line((5, 20, 9, 24), fill=LW, width=2)


def logo_swords(d):
    badge(d, "circle", LDR, LK)
    d.line((6, 6, 22, 22), fill=LLG, width=3)
    d.line((23, 6, 7, 22), fill=LLG, width=3)
    d.line((18, 24, 24, 18), fill=LGOLD, width=2)
    d.line((5, 18, 11, 24), fill=LGOLD, width=2)
    disc(d, 23, 24, 1.5, LGOLD)
    disc(d, 6, 24, 1.5, LGOLD)


def logo_propeller(d):
    badge(d, "circle", LSKY, LNAVY)
    d.polygon([(14, 13), (6, 3), (3, 5), (13, 16)], fill=LBR)
    d.polygon([(15, 16), (23, 26), (26, 24), (16, 13)], fill=LBR)
    d.line((4, 4, 6, 5), fill=LGOLD)
    d.line((25, 25, 23, 24), fill=LGOLD)
    disc(d, 14.5, 14.5, 3, LDG, LK)


def logo_bomb(d):
    badge(d, "circle", LOR, LDR)
    d.ellipse((9, 4, 20, 21), fill=LK)
    d.polygon([(11, 18), (18, 18), (17, 22), (12, 22)], fill=LK)
    d.rectangle((9, 22, 20, 25), fill=LDG, outline=LK)
    d.line((14, 22, 14, 25), fill=LK)
    d.rectangle((11, 8, 12, 12), fill=LLG)
    d.line((9, 12, 20, 12), fill=LDG)


def logo_crow(d):
    badge(d, "circle", LLG, LDG)
    d.ellipse((7, 11, 21, 21), fill=LK)
    disc(d, 20, 10, 4, LK)
    d.polygon([(23, 8), (28, 11), (23, 12)], fill=LGOLD)
    d.polygon([(8, 16), (2, 22), (4, 24), (11, 20)], fill=LK)
    d.polygon([(10, 14), (19, 15), (12, 19)], fill=LDG)
    d.point((21, 9), fill=LW)
    d.line((13, 21, 12, 25), fill=LGOLD)
    d.line((16, 21, 17, 25), fill=LGOLD)


def logo_snake(d):
    badge(d, "circle", LGOLD, LDGR)
    pts = [(3 + i, round(16 + 4 * math.sin(i / 3.2))) for i in range(0, 18)]
    d.line(pts, fill=LDGR, width=4)
    d.ellipse((18, 9, 25, 15), fill=LDGR)
    d.point((22, 11), fill=LR)
    d.line((25, 12, 28, 12), fill=LR)
    d.point((27, 11), fill=LR)
    d.point((27, 13), fill=LR)
    for i in range(2, 18, 3):
        d.point((3 + i, round(16 + 4 * math.sin(i / 3.2))), fill=LGR)


def logo_horseshoe(d):
    badge(d, "circle", LGR, LK)
    d.arc((6, 5, 23, 24), 0, 180, fill=LLG, width=4)
    d.rectangle((6, 7, 9, 15), fill=LLG)
    d.rectangle((20, 7, 23, 15), fill=LLG)
    d.rectangle((5, 6, 10, 7), fill=LLG)
    d.rectangle((19, 6, 24, 7), fill=LLG)
    for x, y in ((7, 10), (22, 10), (8, 18), (21, 18), (14, 22)):
        d.point((x, y), fill=LK)


def logo_key(d):
    badge(d, "circle", LPUR, LK)
    d.ellipse((4, 10, 13, 19), outline=LGOLD, width=3)
    d.rectangle((13, 13, 25, 16), fill=LGOLD)
    d.rectangle((20, 16, 21, 20), fill=LGOLD)
    d.rectangle((24, 16, 25, 21), fill=LGOLD)


def logo_flame(d):
    badge(d, "circle", LK, LR)
    d.polygon([(14, 3), (20, 10), (23, 17), (20, 24), (15, 27), (9, 24), (6, 18), (8, 12), (11, 14)], fill=LOR)
    d.polygon([(15, 11), (18, 17), (18, 22), (15, 25), (12, 23), (11, 19), (13, 18)], fill=LGOLD)


def logo_reticle(d):
    badge(d, "square", LK, LGR)
    d.ellipse((5, 5, 24, 24), outline=LGR)
    d.ellipse((10, 10, 19, 19), outline=LGR)
    d.line((14, 3, 14, 11), fill=LGR)
    d.line((14, 18, 14, 26), fill=LGR)
    d.line((3, 14, 11, 14), fill=LGR)
    d.line((18, 14, 26, 14), fill=LGR)
    d.point((14, 14), fill=LR)


def logo_hazard(d):
    badge(d, "square", LGOLD, LK)
    for k in range(-30, 30, 8):
        d.polygon([(k, 2), (k + 4, 2), (k + 4 + 26, 28), (k + 26, 28)], fill=LK)
    d.rectangle((0, 0, 29, 1), fill=LK)
    d.rectangle((0, 28, 29, 29), fill=LK)
    d.rectangle((0, 0, 1, 29), fill=LK)
    d.rectangle((28, 0, 29, 29), fill=LK)
    disc(d, 14.5, 14.5, 6, LR, LK)


def logo_seven(d):
    badge(d, "circle", LGOLD, LDR)
    text(d, "7", 10, 8, LDR, 2)


def logo_thirteen(d):
    badge(d, "circle", LK, LW)
    text(d, "13", 4, 8, LW, 2)


def logo_gear(d):
    badge(d, "square", LB, LNAVY)
    d.polygon(star_pts(14.5, 14.5, 12, 9, n=8, rot=0), fill=LLG)
    for i in range(8):
        a = math.pi * i / 4
        x, y = 14.5 + 11 * math.cos(a), 14.5 + 11 * math.sin(a)
        d.rectangle((round(x) - 1, round(y) - 1, round(x) + 1, round(y) + 1), fill=LLG)
    disc(d, 14.5, 14.5, 7, LLG)
    disc(d, 14.5, 14.5, 3, LB)


def logo_hourglass(d):
    badge(d, "circle", LTAN, LBR)
    d.rectangle((7, 4, 22, 6), fill=LBR)
    d.rectangle((7, 23, 22, 25), fill=LBR)
    d.polygon([(9, 7), (20, 7), (15, 15), (14, 15)], fill=LW, outline=LK)
    d.polygon([(14, 14), (15, 14), (20, 22), (9, 22)], fill=LW, outline=LK)
    d.polygon([(11, 22), (18, 22), (15, 17), (14, 17)], fill=LGOLD)
    d.polygon([(12, 9), (17, 9), (15, 12), (14, 12)], fill=LGOLD)


def logo_eye(d):
    badge(d, "circle", LNAVY, LGOLD)
    d.polygon([(3, 15), (9, 9), (14, 8), (15, 8), (20, 9), (26, 15), (20, 21), (15, 22), (14, 22), (9, 21)], fill=LW)
    disc(d, 14.5, 15, 5, LB)
    disc(d, 14.5, 15, 2, LK)
    d.point((13, 13), fill=LW)


def logo_mountain(d):
    badge(d, "square", LSKY, LDG)
    d.polygon([(2, 27), (11, 8), (16, 16), (20, 11), (27, 27)], fill=LDG)
    d.polygon([(11, 8), (8, 14), (10, 13), (12, 15), (14, 13)], fill=LW)
    d.polygon([(20, 11), (18, 14), (20, 14), (22, 15)], fill=LW)
    disc(d, 22, 6, 2, LGOLD)


def logo_pine(d):
    badge(d, "circle", LW, LDGR)
    for y, w in ((4, 4), (9, 6), (14, 9)):
        d.polygon([(14, y), (15, y), (15 + w, y + 8), (14 - w, y + 8)], fill=LDGR)
    d.rectangle((13, 22, 16, 26), fill=LBR)


def logo_tower(d):
    badge(d, "square", LSKY, LK)
    d.rectangle((9, 9, 20, 27), fill=LLG, outline=LDG)
    for x in (7, 12, 17, 21):
        d.rectangle((x, 5, x + 2, 9), fill=LLG, outline=LDG)
    d.rectangle((7, 8, 23, 10), fill=LLG)
    d.rectangle((13, 20, 16, 27), fill=LK)
    d.rectangle((14, 13, 15, 15), fill=LK)


def logo_shark(d):
    badge(d, "circle", LB, LNAVY)
    d.polygon([(8, 19), (17, 4), (16, 9), (20, 19)], fill=LDG)
    for y in (19, 23):
        for x in range(2, 28, 6):
            d.arc((x, y - 2, x + 6, y + 2), 180, 360, fill=LW)


def logo_bat(d):
    badge(d, "circle", LGOLD, LK)
    d.polygon([(2, 14), (8, 9), (12, 12), (13, 9), (14, 11), (15, 11), (16, 9), (17, 12), (21, 9), (27, 14),
               (24, 15), (22, 19), (19, 17), (15, 21), (14, 21), (10, 17), (7, 19), (5, 15)], fill=LK)


def logo_spider(d):
    badge(d, "circle", LW, LK)
    for i in range(4):
        y = 9 + i * 4
        d.line((14, 14, 4, y - 2), fill=LK)
        d.line((4, y - 2, 3, y + 2), fill=LK)
        d.line((15, 14, 25, y - 2), fill=LK)
        d.line((25, y - 2, 26, y + 2), fill=LK)
    d.ellipse((11, 12, 18, 22), fill=LK)
    disc(d, 14.5, 10, 3, LK)
    d.point((13, 9), fill=LR)
    d.point((16, 9), fill=LR)
    d.line((14, 2, 14, 7), fill=LDG)


def logo_reel(d):
    badge(d, "circle", LK, LLG)
    disc(d, 14.5, 14.5, 11, LLG)
    for i in range(5):
        a = -math.pi / 2 + 2 * math.pi * i / 5
        disc(d, 14.5 + 6.5 * math.cos(a), 14.5 + 6.5 * math.sin(a), 2.5, LK)
    disc(d, 14.5, 14.5, 1.5, LDG)


def logo_flag(d):
    badge(d, "square", LLG, LDG)
    d.rectangle((5, 4, 6, 26), fill=LBR)
    for r in range(4):
        for c in range(5):
            d.rectangle((7 + c * 4, 5 + r * 4, 10 + c * 4, 8 + r * 4),
                        fill=LK if (r + c) % 2 == 0 else LW)


def logo_trident(d):
    badge(d, "circle", LNAVY, LGOLD)
    d.rectangle((14, 8, 15, 27), fill=LGOLD)
    d.rectangle((7, 13, 22, 15), fill=LGOLD)
    d.rectangle((7, 7, 8, 14), fill=LGOLD)
    d.rectangle((21, 7, 22, 14), fill=LGOLD)
    d.polygon([(6, 7), (7.5, 3), (9, 7)], fill=LGOLD)
    d.polygon([(20, 7), (21.5, 3), (23, 7)], fill=LGOLD)
    d.polygon([(13, 8), (14.5, 2), (16, 8)], fill=LGOLD)


def logo_clover(d):
    badge(d, "circle", LW, LGR)
    for dx, dy in ((-4, -4), (4, -4), (-4, 4), (4, 4)):
        disc(d, 14.5 + dx, 13.5 + dy, 4.5, LGR)
    d.line((15, 15, 21, 26), fill=LDGR, width=2)


def logo_bull(d):
    badge(d, "circle", LR, LK)
    d.ellipse((8, 8, 21, 25), fill=LK)
    d.polygon([(9, 11), (3, 9), (2, 3), (6, 7), (10, 8)], fill=LW)
    d.polygon([(20, 11), (26, 9), (27, 3), (23, 7), (19, 8)], fill=LW)
    d.ellipse((10, 19, 19, 25), fill=LDG)
    d.point((12, 22), fill=LK)
    d.point((17, 22), fill=LK)
    d.point((11, 14), fill=LR)
    d.point((18, 14), fill=LR)


def logo_flower(d):
    badge(d, "circle", LGR, LDGR)
    for i in range(6):
        a = 2 * math.pi * i / 6
        disc(d, 14.5 + 7 * math.cos(a), 14.5 + 7 * math.sin(a), 4, LW)
    disc(d, 14.5, 14.5, 4, LGOLD)


def logo_letter_r(d):
    badge(d, "diamond", LB, LW)
    text(d, "R", 10, 8, LW, 2)


LOGOS = [logo_roundel, logo_star, logo_wings, logo_eagle, logo_wolf, logo_cat,
         logo_skull, logo_letter_v, logo_letter_z, logo_chevrons, logo_crown,
         logo_bolt, logo_anchor, logo_heart, logo_cross_shield, logo_sun,
         logo_moon, logo_die, logo_spade, logo_club, logo_diamond, logo_arrow,
         logo_swords, logo_propeller, logo_bomb, logo_crow, logo_snake,
         logo_horseshoe, logo_key, logo_flame, logo_reticle, logo_hazard,
         logo_seven, logo_thirteen, logo_gear, logo_hourglass, logo_eye,
         logo_mountain, logo_pine, logo_tower, logo_shark, logo_bat,
         logo_spider, logo_reel, logo_flag, logo_trident, logo_clover,
         logo_bull, logo_flower, logo_letter_r]
assert len(LOGOS) == 50


def draw_logo(i):
    img = Image.new("P", (L, L), 0)
    LOGOS[i](ImageDraw.Draw(img))
    return img


# ---------------------------------------------------------------------------
# Toolbar icons, 16 x 16 on transparency.

TB = {
    ".": (0, 0, 0, 0), "k": (0, 0, 0, 255), "w": (255, 255, 255, 255),
    "g": (192, 192, 192, 255), "d": (128, 128, 128, 255),
    "y": (240, 208, 96, 255), "o": (192, 144, 40, 255),
    "b": (40, 64, 160, 255), "n": (16, 24, 88, 255), "s": (200, 208, 224, 255),
}

ICON_NEW = [
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwwwwwwkwwk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwgwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kgggggggggdk..",
    "..kkkkkkkkkkkk..",
]
ICON_OPEN = [
    "................",
    "..........kkk...",
    ".........k...k.k",
    ".kkkk.........kk",
    "kyyyyk.......kkk",
    "kywwwykkkkk.....",
    "kwyyyyyyyyk.....",
    "kwyyykkkkkkkkkkk",
    "kwyykoooooooook.",
    "kwykoooooooook..",
    "kwkoooooooook...",
    "kkoooooooook....",
    "kkkkkkkkkkk.....",
    "................",
    "................",
    "................",
]
ICON_SAVE = [
    "kkkkkkkkkkkkkkk.",
    "kbbssssssssbbbbk",
    "kbbssssddssbbbbk",
    "kbbssssddssbbbbk",
    "kbbssssddssbbbbk",
    "kbbssssssssbbbbk",
    "kbbbbbbbbbbbbbbk",
    "kbbbbbbbbbbbbbbk",
    "kbbwwwwwwwwwwbbk",
    "kbbwkkkkkkkkwbbk",
    "kbbwwwwwwwwwwbbk",
    "kbbwkkkkkkkkwbbk",
    "kbbwwwwwwwwwwbbk",
    "kbnwwwwwwwwwwnbk",
    "knnnnnnnnnnnnnnk",
    "kkkkkkkkkkkkkkkk",
]


def draw_rows(rows):
    img = Image.new("RGBA", (16, 16))
    for y, row in enumerate(rows):
        assert len(row) == 16, row
        for x, c in enumerate(row):
            img.putpixel((x, y), TB[c])
    return img


# ---------------------------------------------------------------------------
# Program icon: a plane seen from above with a pencil across it, on a grey
# field. Drawn in a 32-unit design space and scaled; larger sizes add a few
# details the small ones have no room for.

ICON_PALETTE = [
    (192, 192, 192), (255, 255, 255), (128, 128, 128), (0, 0, 0),
    (40, 72, 168), (112, 152, 224), (120, 200, 232), (232, 200, 40),
    (232, 184, 128), (64, 64, 64), (224, 120, 136), (168, 168, 176),
    (200, 40, 40),
]
IF, IW, ID, IK, IBODY, ILIGHT, IGLASS, IPENCIL, IWOOD, ILEAD, IRUBBER, \
    IBAND, IRED = range(13)


def draw_icon(size):
    k = size / 32.0
    img = Image.new("P", (size, size), IF)
    img.putpalette(flat(ICON_PALETTE) + [0] * 3 * (16 - len(ICON_PALETTE)))
    d = ImageDraw.Draw(img)

    def P(pts):
        return [(round(x * k), round(y * k)) for x, y in pts]

    def poly(pts, fill, outline=None):
        d.polygon(P(pts), fill=fill, outline=outline)

    # bevelled field
    d.rectangle((0, 0, size - 1, size - 1), fill=IF)
    w = max(1, size // 32)
    d.rectangle((0, 0, size - 1, w - 1), fill=IW)
    d.rectangle((0, 0, w - 1, size - 1), fill=IW)
    d.rectangle((0, size - w, size - 1, size - 1), fill=ID)
    d.rectangle((size - w, 0, size - 1, size - 1), fill=ID)
    # plane: wing, tailplane, fuselage
    wing = [(3, 12), (15, 10), (17, 10), (29, 12), (29, 15), (17, 16), (15, 16), (3, 15)]
    tail = [(10, 25), (22, 25), (22, 28), (10, 28)]
    fus = [(16, 2), (18, 4), (18, 18), (17, 29), (15, 29), (14, 18), (14, 4)]
    for shape in (wing, tail, fus):
        poly(shape, IBODY, IK)
    if size >= 48:
        poly([(4, 12.5), (14, 11), (14, 12), (4, 13.5)], ILIGHT)
        poly([(28, 12.5), (18, 11), (18, 12), (28, 13.5)], ILIGHT)
        d.ellipse((round(4 * k), round(13 * k), round(5.5 * k), round(14.5 * k)), fill=IRED)
        d.ellipse((round(26.5 * k), round(13 * k), round(28 * k), round(14.5 * k)), fill=IRED)
    poly([(16, 6), (17, 8), (17, 12), (15, 12), (15, 8)], IGLASS, IK if size >= 32 else None)
    d.rectangle((round(11 * k), round(1.5 * k), round(21 * k), round(2.5 * k) if size >= 32 else round(1.5 * k) + 0), fill=ID)
    # pencil lying diagonally from top right to bottom left, tip at lower left
    pencil = [(28, 18), (31, 21), (17, 31), (14, 28)]
    poly(pencil, IPENCIL, IK)
    poly([(14, 28), (17, 31), (11.5, 32), (12, 30)], IWOOD, IK)
    poly([(12, 30), (13, 31.2), (11, 32), (11.3, 31)], ILEAD)
    poly([(28, 18), (31, 21), (29.5, 22.1), (26.5, 19.1)], IBAND, IK)
    if size >= 48:
        poly([(28.6, 17.6), (31.4, 20.6), (30.5, 21.3), (27.7, 18.3)], IRUBBER)
        d.line(P([(15.5, 29.4), (28.6, 19.8)]), fill=IW, width=max(1, size // 64))
    return img


ICON_SIZES = (16, 32, 48, 64, 128, 256)


# ---------------------------------------------------------------------------

def qrc(files):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '    <qresource prefix="/">']
    for f in files:
        lines.append("        <file>%s</file>" % f)
    lines += ["    </qresource>", "</RCC>", ""]
    return "\n".join(lines)


def marker_counts(img):
    hist = img.histogram()
    return [hist[m] for m in MARKERS]


def main(argv):
    sheet = "--sheet" in argv
    for sub in ("schemes", "logos", "toolbar", "icon"):
        os.makedirs(os.path.join(RES, sub), exist_ok=True)
    files = []
    schemes = {}
    for n in sorted(PICTURES):
        t, s = PICTURES[n]
        img = draw_scheme(t, s)
        counts = marker_counts(img)
        if min(counts) < 150:
            raise SystemExit("scheme%02d (%s, %s): marker areas %s too small"
                             % (n, TYPE_NAMES[t], SCHEME_NAMES[s], counts))
        name = "schemes/scheme%02d.gif" % n
        save_gif(img, os.path.join(RES, name), SCHEME_PALETTE)
        files.append(name)
        schemes[n] = img
    logos = []
    for i in range(len(LOGOS)):
        img = draw_logo(i)
        name = "logos/logo%02d.gif" % (i + 1)
        save_gif(img, os.path.join(RES, name), LOGO_PALETTE)
        files.append(name)
        logos.append(img)
    toolbar = []
    for stem, rows in (("new", ICON_NEW), ("open", ICON_OPEN), ("save", ICON_SAVE)):
        img = draw_rows(rows)
        name = "toolbar/%s.png" % stem
        img.save(os.path.join(RES, name), "PNG", optimize=False)
        files.append(name)
        toolbar.append(img)
    icons = {}
    for size in ICON_SIZES:
        img = draw_icon(size)
        name = "icon/vteditor-%d.png" % size
        # Kept as palette pictures: smaller, and quicker to decode for the
        # window icon, which takes all six sizes at every start.
        img.save(os.path.join(RES, name), "PNG", optimize=False)
        files.append(name)
        icons[size] = img.convert("RGB")
    icons[256].save(os.path.join(RES, "icon", "vteditor.ico"), "ICO",
                    sizes=[(16, 16), (32, 32), (48, 48), (256, 256)],
                    append_images=[icons[16], icons[32], icons[48]])
    with open(os.path.join(RES, "resources.qrc"), "w") as f:
        f.write(qrc(files))
    if sheet:
        contact_sheets(schemes, logos, toolbar, icons)


def contact_sheets(schemes, logos, toolbar, icons, out="/tmp/vteditor-sheets"):
    os.makedirs(out, exist_ok=True)

    def rgb(img, palette):
        c = img.copy()
        c.putpalette(flat(palette))
        return c.convert("RGB")

    # 1x: every scheme picture, logos and icons on one sheet
    cols = 11
    rows = (len(schemes) + cols - 1) // cols
    w = cols * (S + 4) + 4
    h = rows * (S + 4) + 4 + 2 * (L + 4) + 270
    sheet = Image.new("RGB", (w, h), (60, 60, 60))
    for i, n in enumerate(sorted(schemes)):
        sheet.paste(rgb(schemes[n], SCHEME_PALETTE), (4 + (i % cols) * (S + 4), 4 + (i // cols) * (S + 4)))
    y = 4 + rows * (S + 4)
    for i, img in enumerate(logos):
        sheet.paste(rgb(img, LOGO_PALETTE), (4 + (i % 25) * (L + 4), y + (i // 25) * (L + 4)))
    y += 2 * (L + 4)
    x = 4
    for img in toolbar:
        sheet.paste(img, (x, y), img)
        x += 24
    for size in ICON_SIZES:
        sheet.paste(icons[size], (x, y))
        x += size + 8
    sheet.save(os.path.join(out, "sheet-1x.png"))
    # 4x: six scheme pictures per sheet, then the logos
    nums = sorted(schemes)
    for k in range(0, len(nums), 6):
        part = nums[k:k + 6]
        sh = Image.new("RGB", (3 * 604 + 4, 2 * 604 + 4), (60, 60, 60))
        for i, n in enumerate(part):
            big = rgb(schemes[n], SCHEME_PALETTE).resize((600, 600), Image.NEAREST)
            sh.paste(big, (4 + (i % 3) * 604, 4 + (i // 3) * 604))
        sh.save(os.path.join(out, "sheet-4x-schemes-%02d.png" % (k // 6 + 1)))
    sh = Image.new("RGB", (10 * 124 + 4, 5 * 124 + 4), (60, 60, 60))
    for i, img in enumerate(logos):
        big = rgb(img, LOGO_PALETTE).resize((120, 120), Image.NEAREST)
        sh.paste(big, (4 + (i % 10) * 124, 4 + (i // 10) * 124))
    sh.save(os.path.join(out, "sheet-4x-logos.png"))
    sh = Image.new("RGBA", (3 * 68 + 4 + 2 * 132, 136), (60, 60, 60, 255))
    for i, img in enumerate(toolbar):
        sh.paste(img.resize((64, 64), Image.NEAREST), (4 + i * 68, 4), img.resize((64, 64), Image.NEAREST))
    sh.paste(icons[32].resize((128, 128), Image.NEAREST), (4 + 3 * 68, 4))
    sh.paste(icons[16].resize((64, 64), Image.NEAREST), (4 + 3 * 68 + 132, 4))
    sh.save(os.path.join(out, "sheet-4x-icons.png"))
    print("contact sheets in", out)


if __name__ == "__main__":
    main(sys.argv[1:])
