#!/usr/bin/env python3
"""Writes the send stage's artwork as SVG files into src/resources/art: the web with its
magnifier and the frames that turn it, the flashing page and its flight into the web, the rotate
arrows, the name badges shown under the magnifier and the fireworks of the Upload Successful
dialog. It draws with the shapes and the palette of make-art.py, so these pictures belong to the
same family. Run it after changing a drawing and commit its output:
    python3 scripts/make-web-art.py
"""

import importlib.util
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("make_art", os.path.join(HERE, "make-art.py"))
art = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(art)

Svg, shade, icon, draw_mark = art.Svg, art.shade, art.icon, art.draw_mark
ART = art.ART
INK, MUTED, WHITE, GLOW, GLOW_SOFT = art.INK, art.MUTED, art.WHITE, art.GLOW, art.GLOW_SOFT
BLUE, TEAL, GREEN, VIOLET, CORAL, AMBER, SLATE = (art.BLUE, art.TEAL, art.GREEN, art.VIOLET, art.CORAL,
                                                  art.AMBER, art.SLATE)

W, H = 420, 210
CX, CY = 210, 105          # the middle of the web
SPOKES = 12
SYMMETRY = 60              # the web, sites and all, looks the same after a sixth of a turn
RINGS = (22, 42, 62, 82, 100)
LENS_X, LENS_Y, LENS_R = 210, 92, 44
ROTATE_LEFT, ROTATE_WIDTH = 72, 276
# Small pages hanging in the web: (spoke, ring) where each one sits. They repeat every other
# spoke, so that a turn by a sixth ends where it started and the next turn goes on smoothly.
SITES = [(i, 2 if i % 2 == 0 else 3) for i in range(SPOKES)]
SITE_COLOURS = [CORAL, TEAL] * (SPOKES // 2)


def polar(angle, r):
    a = math.radians(angle - 90)
    return CX + r * math.cos(a), CY + r * math.sin(a) * 0.98


def draw_background(svg):
    svg.rect(0, 0, W, H, fill=svg.gradient("#F8FBFF", "#DDEAFB"))
    svg.path("M0 178 C80 160 150 196 230 182 C310 168 370 176 420 164 V210 H0 Z", fill="#CFE0F7")
    svg.path("M0 196 C100 184 190 210 280 198 C350 190 400 194 420 190 V210 H0 Z", fill="#BBD3F2")


def draw_web(svg, turn):
    """The web turned clockwise by turn degrees."""
    glow = svg.radial("#FFFFFF", "#FFFFFF", 0.9, 0.0)
    svg.circle(CX, CY, 104, fill=glow)
    thread = "#7F93B5"
    for i in range(SPOKES):
        x, y = polar(turn + i * 360 / SPOKES, RINGS[-1] + 4)
        svg.path("M%g %g L%.2f %.2f" % (CX, CY, x, y), stroke=thread, sw=1.1)
    for r in RINGS:
        # Each thread between two spokes sags a little towards the middle, as silk does.
        d = ""
        for i in range(SPOKES + 1):
            a = turn + i * 360 / SPOKES
            x, y = polar(a, r)
            if i == 0:
                d += "M%.2f %.2f" % (x, y)
            else:
                mx, my = polar(a - 180 / SPOKES, r * 0.93)
                d += " Q%.2f %.2f %.2f %.2f" % (mx, my, x, y)
        svg.path(d, stroke=thread, sw=1 if r < RINGS[-1] else 1.4, extra='opacity="0.9"')
    for (spoke, ring), colour in zip(SITES, SITE_COLOURS):
        x, y = polar(turn + spoke * 360 / SPOKES, RINGS[ring])
        svg.rect(x - 7, y - 9, 14, 18, rx=2.5, fill=WHITE, stroke=shade(colour, -0.25), sw=1.2)
        svg.rect(x - 4.5, y - 6, 9, 3, rx=1.2, fill=colour)
        svg.path("M%.2f %.2f H%.2f M%.2f %.2f H%.2f" % (x - 4.5, y, x + 4.5, x - 4.5, y + 3.5, x + 2),
                 stroke=LINE_GREY, sw=1.2)


LINE_GREY = "#B8C6DC"


def draw_magnifier(svg):
    # The handle first, so the rim covers its end.
    ang = math.radians(45)
    x0, y0 = LENS_X + (LENS_R + 2) * math.cos(ang), LENS_Y + (LENS_R + 2) * math.sin(ang)
    x1, y1 = x0 + 40, y0 + 40
    svg.path("M%.2f %.2f L%.2f %.2f" % (x0 + 2, y0 + 3, x1 + 2, y1 + 3), stroke="#1D3B6E", sw=13,
             extra='opacity="0.18"')
    svg.path("M%.2f %.2f L%.2f %.2f" % (x0, y0, x1, y1), stroke=shade(SLATE, -0.25), sw=12)
    svg.path("M%.2f %.2f L%.2f %.2f" % (x0, y0, x1, y1), stroke=SLATE, sw=9)
    svg.path("M%.2f %.2f L%.2f %.2f" % (x0 + 14, y0 + 14, x1 - 2, y1 - 2), stroke="#8895AE", sw=2.5)
    svg.circle(LENS_X + 1.5, LENS_Y + 2.5, LENS_R + 4, fill="#1D3B6E", extra='opacity="0.15"')
    svg.circle(LENS_X, LENS_Y, LENS_R, fill="#EEF6FF", extra='opacity="0.88"')
    svg.circle(LENS_X, LENS_Y, LENS_R, stroke=shade(AMBER, -0.2), sw=6)
    svg.circle(LENS_X, LENS_Y, LENS_R, stroke=GLOW, sw=3)
    svg.path("M%g %g A%g %g 0 0 1 %g %g" % (LENS_X - 30, LENS_Y - 14, 32, 32, LENS_X - 10, LENS_Y - 32),
             stroke=WHITE, sw=4, extra='opacity="0.9"')


def web_pictures():
    svg = Svg(W, H)
    draw_background(svg)
    draw_web(svg, 0)
    draw_magnifier(svg)
    svg.write(ART, "Web_Back")
    # The turning middle of the web, cut out of the whole picture so that it lines up with it.
    for frame in range(1, 5):
        svg = Svg(ROTATE_WIDTH, H, view=(ROTATE_LEFT, 0, ROTATE_WIDTH, H))
        draw_background(svg)
        draw_web(svg, frame * SYMMETRY / 5)
        draw_magnifier(svg)
        svg.write(ART, "Web_Rotate%d" % frame)


# ---- the page that is sent ----

PAGE_W, PAGE_H = 56, 68


def draw_page(svg, flash):
    if flash:
        svg.rect(0, 0, PAGE_W, PAGE_H, rx=10, fill=svg.radial(GLOW, GLOW, 0.9, 0.0))
    x, y, w, h = 6, 4, 44, 58
    svg.rect(x + 1.5, y + 2.5, w, h, rx=4, fill="#1D3B6E", extra='opacity="0.2"')
    svg.path("M%g %g H%g L%g %g V%g Q%g %g %g %g H%g Q%g %g %g %g V%g Q%g %g %g %g Z"
             % (x + 4, y, x + w - 11, x + w, y + 11, y + h - 4, x + w, y + h, x + w - 4, y + h, x + 4,
                x, y + h, x, y + h - 4, y + 4, x, y, x + 4, y),
             fill=svg.gradient("#FFFFFF", "#E6EEFA"), stroke=GLOW if flash else INK, sw=2 if flash else 1.5)
    svg.path("M%g %g V%g Q%g %g %g %g H%g" % (x + w - 11, y, y + 8, x + w - 11, y + 11, x + w - 8, y + 11, x + w),
             fill="#CFDDF2", stroke=GLOW if flash else INK, sw=1.5)
    svg.rect(x + 5, y + 7, 22, 5, rx=2, fill=VIOLET)
    svg.rect(x + 5, y + 17, 34, 3, rx=1.5, fill=LINE_GREY)
    svg.rect(x + 5, y + 23, 30, 3, rx=1.5, fill=LINE_GREY)
    svg.rect(x + 5, y + 30, 16, 13, rx=2, fill=GREEN)
    svg.path("M%g %g L%g %g L%g %g" % (x + 7, y + 41, x + 12, y + 35, x + 19, y + 41), stroke=WHITE, sw=1.3)
    svg.rect(x + 24, y + 31, 15, 3, rx=1.5, fill=LINE_GREY)
    svg.rect(x + 24, y + 37, 11, 3, rx=1.5, fill=LINE_GREY)
    svg.rect(x + 5, y + 48, 24, 4, rx=2, fill=BLUE)
    if flash:
        for angle in (-60, -20, 20):
            a = math.radians(angle - 90)
            svg.path("M%.1f %.1f L%.1f %.1f" % (x + w + 2 + 3 * math.cos(a), y + 3 + 3 * math.sin(a),
                                                x + w + 2 + 7 * math.cos(a), y + 3 + 7 * math.sin(a)),
                     stroke=AMBER, sw=2)


# Where each frame of the flight is drawn in the web (as the program places them), and the page's
# size and turn in it: it lifts off, drops onto the web's outer threads and is drawn, smaller and
# smaller, into the middle, where the magnifier will show it.
FLIGHT = [  # (x, y), scale, tilt in degrees, horizontal squeeze (the page turns as it flies)
    ((294, 24), 1.00, -8, 1.0),
    ((309, 73), 0.82, -14, 0.7),
    ((306, 73), 0.72, -4, 0.35),
    ((305, 72), 0.62, 6, 0.7),
    ((287, 72), 0.52, 10, 1.0),
    ((271, 71), 0.44, 4, 0.8),
    ((268, 71), 0.36, -4, 0.5),
    ((247, 72), 0.28, -8, 0.8),
    ((206, 64), 0.2, 0, 1.0),
]


def flight_pictures():
    for index, ((px, py), scale, tilt, squeeze) in enumerate(FLIGHT):
        w, h = PAGE_W * scale, PAGE_H * scale
        size_w, size_h = math.ceil(w + 12), math.ceil(h + 12)
        svg = Svg(size_w, size_h)
        cx, cy = size_w / 2, size_h / 2
        if index == 0:
            # The page lifts off with a puff of motion lines below it.
            for dx in (-12, 0, 12):
                svg.path("M%g %g V%g" % (cx + dx, size_h - 2, size_h - 7), stroke=GLOW, sw=2)
        svg.group("translate(%g %g) rotate(%g) scale(%g %g) translate(%g %g)"
                  % (cx, cy, tilt, scale * squeeze, scale, -PAGE_W / 2, -PAGE_H / 2),
                  lambda: draw_page(svg, False))
        if index == len(FLIGHT) - 1:
            for angle in range(0, 360, 45):
                a = math.radians(angle)
                svg.path("M%.1f %.1f L%.1f %.1f" % (cx + 8 * math.cos(a), cy + 8 * math.sin(a),
                                                    cx + 11 * math.cos(a), cy + 11 * math.sin(a)),
                         stroke=AMBER, sw=1.5)
        svg.write(ART, "Web_Upload%d" % (index + 1))


def page_pictures():
    for name, flash in (("Web_Page", False), ("Web_PageFlash", True)):
        svg = Svg(PAGE_W, PAGE_H)
        draw_page(svg, flash)
        svg.write(ART, name)


# ---- the rotate arrows ----

def arrow_picture(name, left, down):
    svg = Svg(52, 34)
    dy = 1 if down else 0
    base = BLUE
    svg.rect(1.5, 2.5, 49, 30, rx=15, fill=shade(base, -0.35))
    top, bottom = (shade(base, -0.05), shade(base, 0.12)) if down else (shade(base, 0.3), shade(base, -0.08))
    svg.rect(1.5, 1.5 + dy, 49, 29, rx=14.5, fill=svg.gradient(top, bottom), stroke=shade(base, -0.3), sw=1)
    # A curved arrow over the top of the pill, turning the way the web will turn.
    cy = 17 + dy

    def draw():
        # Half a circle from the right over the top, and the head pointing down at its left end.
        svg.path("M34 %g A8 8 0 0 0 18 %g" % (cy + 2, cy + 2), stroke=WHITE, sw=2.8)
        svg.path("M13 %g L23 %g L18 %g Z" % (cy + 1, cy + 1, cy + 8), fill=WHITE, stroke=WHITE, sw=1.2)
    if left:
        draw()
    else:
        svg.group("translate(52 0) scale(-1 1)", draw)
    svg.write(ART, name)


# ---- name badges under the magnifier ----

BADGE_W, BADGE_H = 72, 44
BADGES = [  # resource name, first line, second line, colour, mark
    ("Web_Pellory", "Pellory", "Software", BLUE, "mark"),
    ("Web_Evend", "Evend", "", TEAL, "dot"),
    ("Web_Tucows", "Tucows", "", GREEN, "dot"),
    ("Web_ZDNet", "ZDNet", "", CORAL, "dot"),
    ("Web_Sun", "Sun", "Microsystems", AMBER, "sun"),
    ("Web_TechTalk", "TechTalk", "", VIOLET, "dot"),
    ("Web_LookSmart", "LookSmart", "", SLATE, "dot"),
]


def badge_picture(name, first, second, colour, mark):
    """A plain name badge in our own colours: the party's name and a simple shape of ours."""
    svg = Svg(BADGE_W, BADGE_H)
    svg.rect(1, 2, BADGE_W - 2, BADGE_H - 3, rx=9, fill="#1D3B6E", extra='opacity="0.18"')
    svg.rect(0.75, 0.75, BADGE_W - 1.5, BADGE_H - 3.5, rx=9, fill=svg.gradient(shade(colour, 0.25),
                                                                               shade(colour, -0.12)),
             stroke=shade(colour, -0.3), sw=1.2)
    if mark == "mark":
        draw_mark(svg, 6, 8, 16)
    elif mark == "sun":
        svg.circle(13, 16, 4.5, fill=WHITE)
        for angle in range(0, 360, 45):
            a = math.radians(angle)
            svg.path("M%.1f %.1f L%.1f %.1f" % (13 + 6.5 * math.cos(a), 16 + 6.5 * math.sin(a),
                                                13 + 9 * math.cos(a), 16 + 9 * math.sin(a)), stroke=WHITE, sw=1.3)
    else:
        svg.circle(13, 16, 6, fill=WHITE, extra='opacity="0.9"')
        svg.circle(13, 16, 2.6, fill=colour)
    size = 11.5 if len(first) <= 7 else 9.5
    if second:
        svg.text(25, 20, first, size, fill=WHITE)
        svg.text(BADGE_W / 2, 34.5, second, 9, fill=WHITE, weight="normal", anchor="middle")
    else:
        svg.text(25, 20, first, size, fill=WHITE)
        svg.path("M9 28 H%g" % (BADGE_W - 9), stroke=WHITE, sw=1, extra='opacity="0.5"')
        svg.text(BADGE_W / 2, 37.5, "visit the site", 7.5, fill=WHITE, weight="normal", anchor="middle",
                 extra='opacity="0.9"')
    svg.write(ART, name)


def your_page_picture():
    svg = Svg(BADGE_W, BADGE_H)
    svg.rect(1, 2, BADGE_W - 2, BADGE_H - 3, rx=9, fill="#1D3B6E", extra='opacity="0.18"')
    svg.rect(0.75, 0.75, BADGE_W - 1.5, BADGE_H - 3.5, rx=9, fill=svg.gradient("#FFFFFF", "#FFF2C6"),
             stroke=GLOW, sw=2)
    svg.group("translate(4 4) scale(0.5)", lambda: draw_page(svg, False))
    svg.text(36, 20, "Your", 11.5, fill=INK)
    svg.text(36, 34, "Page", 11.5, fill=shade(GREEN, -0.2))
    svg.write(ART, "Web_Your")


# ---- fireworks ----

FIRE_SIZE = 160
ROCKETS = [  # x, burst height, start frame, colour, rays
    (52, 52, 1, CORAL, 12),
    (112, 40, 3, GLOW, 14),
    (84, 88, 5, TEAL, 10),
    (130, 96, 7, VIOLET, 12),
]


def fire_picture(frame):
    svg = Svg(FIRE_SIZE, FIRE_SIZE)
    svg.rect(0, 0, FIRE_SIZE, FIRE_SIZE, rx=12, fill=svg.gradient("#0F1833", "#24407A"))
    for i, (sx, sy) in enumerate(((18, 20), (140, 30), (30, 120), (96, 16), (150, 120), (70, 140))):
        svg.circle(sx, sy, 1.1 if i % 2 else 0.8, fill=WHITE, extra='opacity="0.7"')
    svg.path("M0 148 Q40 138 80 146 T160 140 V160 H0 Z", fill="#0B1128")
    for x, burst_y, start, colour, rays in ROCKETS:
        age = frame - start
        if age < 0:
            continue
        if age == 0:
            # The rocket rising with its trail.
            y = burst_y + 40
            svg.path("M%g %g L%g %g" % (x, y + 30, x, y), stroke=GLOW_SOFT, sw=1.5, extra='opacity="0.7"')
            svg.circle(x, y, 2.5, fill=WHITE)
            continue
        if age > 4:
            continue
        radius = 8 + age * 9
        fade = 1.0 - (age - 1) * 0.22
        svg.circle(x, burst_y, radius * 0.5, fill=svg.radial(colour, colour, 0.5 * fade, 0.0))
        for r in range(rays):
            a = math.radians(r * 360 / rays + age * 4)
            inner = radius * 0.45
            x0, y0 = x + inner * math.cos(a), burst_y + inner * math.sin(a) + age * 1.5
            x1, y1 = x + radius * math.cos(a), burst_y + radius * math.sin(a) + age * 2.5
            svg.path("M%.1f %.1f L%.1f %.1f" % (x0, y0, x1, y1), stroke=colour, sw=2.2 - age * 0.3,
                     extra='opacity="%.2f"' % fade)
            svg.circle(x1, y1, 1.8, fill=WHITE, extra='opacity="%.2f"' % fade)
    svg.write(ART, "Fire%d" % frame)


def main():
    web_pictures()
    page_pictures()
    flight_pictures()
    for left, prefix in ((True, "Web_Left"), (False, "Web_Right")):
        arrow_picture(prefix + "Up", left, False)
        arrow_picture(prefix + "Dn", left, True)
    for badge in BADGES:
        badge_picture(*badge)
    your_page_picture()
    for frame in range(1, 12):
        fire_picture(frame)


if __name__ == "__main__":
    main()
