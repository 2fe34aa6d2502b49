#!/usr/bin/env python3
"""Writes the program's artwork as SVG files into src/resources/art and src/resources/cursors.

Every picture is drawn here from a handful of shared shapes and one palette, so the toolbar,
the bricks, the canvas and the buttons look like one family. The highlight pictures of the
toolbar and the shredder frames are cut out of the same full drawing they are laid over, so
they line up with it to the pixel. Run it after changing a drawing and commit its output:
    python3 scripts/make-art.py
"""

import math
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART = os.path.join(ROOT, "src", "resources", "art")
CURSORS = os.path.join(ROOT, "src", "resources", "cursors")

FONT = "Liberation Sans"

# ---- palette ----
INK = "#24324D"
MUTED = "#6D7A93"
LINE = "#C5D3E8"
PAPER = "#F5F8FD"
WHITE = "#FFFFFF"
GLOW = "#FFC83D"
GLOW_SOFT = "#FFE9A8"

BLUE = "#2F7BE0"
TEAL = "#12A19B"
GREEN = "#35A95A"
VIOLET = "#7B5CD6"
CORAL = "#EC6548"
AMBER = "#EFA021"
SLATE = "#4B5A76"


def shade(colour, factor):
    """Lightens (factor > 0) or darkens (factor < 0) a #RRGGBB colour."""
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    if factor >= 0:
        r, g, b = (int(c + (255 - c) * factor) for c in (r, g, b))
    else:
        r, g, b = (int(c * (1 + factor)) for c in (r, g, b))
    return "#%02X%02X%02X" % (r, g, b)


class Svg:
    """Collects the elements of one picture; gradients get unique ids per picture."""

    def __init__(self, width, height, view=None):
        self.width, self.height = width, height
        self.view = view or (0, 0, width, height)
        self.defs = []
        self.body = []
        self.ids = 0

    def gradient(self, top, bottom, horizontal=False):
        self.ids += 1
        gid = "g%d" % self.ids
        x2, y2 = ("1", "0") if horizontal else ("0", "1")
        self.defs.append(
            '<linearGradient id="%s" x1="0" y1="0" x2="%s" y2="%s">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
            % (gid, x2, y2, top, bottom))
        return "url(#%s)" % gid

    def radial(self, inner, outer, inner_opacity=1.0, outer_opacity=0.0):
        self.ids += 1
        gid = "r%d" % self.ids
        self.defs.append(
            '<radialGradient id="%s" cx="0.5" cy="0.5" r="0.5">'
            '<stop offset="0" stop-color="%s" stop-opacity="%s"/>'
            '<stop offset="1" stop-color="%s" stop-opacity="%s"/></radialGradient>'
            % (gid, inner, inner_opacity, outer, outer_opacity))
        return "url(#%s)" % gid

    def add(self, element):
        self.body.append(element)

    def rect(self, x, y, w, h, rx=0, fill="none", stroke="none", sw=1, extra=""):
        self.add('<rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s" stroke="%s" '
                 'stroke-width="%g" %s/>' % (x, y, w, h, rx, fill, stroke, sw, extra))

    def circle(self, cx, cy, r, fill="none", stroke="none", sw=1, extra=""):
        self.add('<circle cx="%g" cy="%g" r="%g" fill="%s" stroke="%s" stroke-width="%g" %s/>'
                 % (cx, cy, r, fill, stroke, sw, extra))

    def path(self, d, fill="none", stroke="none", sw=1, extra=""):
        self.add('<path d="%s" fill="%s" stroke="%s" stroke-width="%g" stroke-linecap="round" '
                 'stroke-linejoin="round" %s/>' % (d, fill, stroke, sw, extra))

    def text(self, x, y, content, size, fill=INK, weight="bold", anchor="start", extra=""):
        self.add('<text x="%g" y="%g" font-family="%s" font-size="%g" font-weight="%s" '
                 'fill="%s" text-anchor="%s" %s>%s</text>'
                 % (x, y, FONT, size, weight, fill, anchor, extra, content))

    def group(self, transform, draw):
        self.add('<g transform="%s">' % transform)
        draw()
        self.add('</g>')

    def write(self, folder, name):
        vx, vy, vw, vh = self.view
        text = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="%g %g %g %g">\n'
                % (self.width, self.height, vx, vy, vw, vh))
        if self.defs:
            text += "<defs>\n" + "\n".join(self.defs) + "\n</defs>\n"
        text += "\n".join(self.body) + "\n</svg>\n"
        with open(os.path.join(folder, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(text)


# ---- icons: white line drawings centred on (cx, cy), s is the icon's half size ----

def icon(svg, kind, cx, cy, s, colour=WHITE, sw=None):
    sw = sw or max(1.2, s * 0.22)
    p = lambda d: svg.path(d, stroke=colour, sw=sw)
    if kind == "para":
        for i, w in enumerate((2.0, 2.0, 1.3)):
            y = cy - s * 0.6 + i * s * 0.6
            p("M%g %g H%g" % (cx - s, y, cx - s + w * s))
    elif kind == "link":
        w, h = s * 1.1, s * 0.8
        svg.rect(cx - s * 1.05, cy - h / 2 - s * 0.15, w, h, rx=h / 2, stroke=colour, sw=sw)
        svg.rect(cx - s * 0.05, cy - h / 2 + s * 0.15, w, h, rx=h / 2, stroke=colour, sw=sw)
    elif kind == "image":
        svg.rect(cx - s, cy - s * 0.8, 2 * s, 1.6 * s, rx=s * 0.25, stroke=colour, sw=sw)
        p("M%g %g L%g %g L%g %g L%g %g L%g %g" % (cx - s * 0.75, cy + s * 0.55, cx - s * 0.2, cy - s * 0.1,
                                                  cx + s * 0.15, cy + s * 0.3, cx + s * 0.4, cy + s * 0.05,
                                                  cx + s * 0.75, cy + s * 0.55))
        svg.circle(cx + s * 0.4, cy - s * 0.35, s * 0.16, fill=colour)
    elif kind == "heading":
        p("M%g %g V%g M%g %g V%g M%g %g H%g" % (cx - s * 0.7, cy - s, cy + s, cx + s * 0.7, cy - s, cy + s,
                                                cx - s * 0.7, cy, cx + s * 0.7))
    elif kind == "email":
        svg.rect(cx - s, cy - s * 0.7, 2 * s, 1.4 * s, rx=s * 0.2, stroke=colour, sw=sw)
        p("M%g %g L%g %g L%g %g" % (cx - s * 0.85, cy - s * 0.5, cx, cy + s * 0.15, cx + s * 0.85, cy - s * 0.5))
    elif kind == "line":
        p("M%g %g H%g" % (cx - s, cy, cx + s))
        p("M%g %g V%g M%g %g V%g" % (cx - s, cy - s * 0.45, cy + s * 0.45, cx + s, cy - s * 0.45, cy + s * 0.45))
    elif kind == "choose":
        # A fan of pages: the gallery of templates and saved pages to pick from.
        svg.rect(cx - s * 1.0, cy - s * 0.75, s * 1.15, s * 1.5, rx=s * 0.2, stroke=colour, sw=sw,
                 extra='transform="rotate(-14 %g %g)"' % (cx - s * 0.4, cy))
        svg.rect(cx - s * 0.35, cy - s * 0.95, s * 1.3, s * 1.75, rx=s * 0.22, fill=colour, stroke=colour, sw=sw)
        for i in range(3):
            y = cy - s * 0.5 + i * s * 0.45
            svg.path("M%g %g H%g" % (cx - s * 0.1, y, cx + s * (0.75 if i < 2 else 0.4)),
                     stroke=shade(BLUE, -0.1), sw=sw * 0.8)
    elif kind == "build":
        for i in range(3):
            y = cy - s * 0.85 + i * s * 0.62
            x = cx - s + (i % 2) * s * 0.3
            svg.rect(x, y, s * 1.7, s * 0.46, rx=s * 0.12, fill=colour if i == 2 else "none",
                     stroke=colour, sw=sw * 0.85)
    elif kind == "preview":
        p("M%g %g Q%g %g %g %g Q%g %g %g %g Z" % (cx - s * 1.05, cy, cx, cy - s * 1.15, cx + s * 1.05, cy,
                                                 cx, cy + s * 1.15, cx - s * 1.05, cy))
        svg.circle(cx, cy, s * 0.38, fill=colour)
    elif kind == "send":
        p("M%g %g L%g %g L%g %g L%g %g Z" % (cx - s, cy - s * 0.05, cx + s, cy - s * 0.85, cx + s * 0.25,
                                            cy + s * 0.95, cx - s * 0.05, cy + s * 0.2))
        p("M%g %g L%g %g" % (cx - s * 0.05, cy + s * 0.2, cx + s, cy - s * 0.85))
    elif kind == "export":
        p("M%g %g V%g H%g V%g" % (cx - s, cy - s * 0.2, cy + s, cx + s, cy - s * 0.2))
        p("M%g %g V%g M%g %g L%g %g L%g %g" % (cx, cy - s, cy + s * 0.35, cx - s * 0.45, cy - s * 0.1,
                                               cx, cy + s * 0.35, cx + s * 0.45, cy - s * 0.1))
    elif kind == "check":
        p("M%g %g L%g %g L%g %g" % (cx - s * 0.7, cy, cx - s * 0.15, cy + s * 0.55, cx + s * 0.75, cy - s * 0.55))
    elif kind == "exit":
        p("M%g %g H%g V%g H%g" % (cx + s * 0.1, cy - s, cx - s * 0.8, cy + s, cx + s * 0.1))
        p("M%g %g H%g M%g %g L%g %g L%g %g" % (cx - s * 0.25, cy, cx + s, cx + s * 0.55, cy - s * 0.45,
                                               cx + s, cy, cx + s * 0.55, cy + s * 0.45))
    elif kind == "max":
        for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
            x, y = cx + dx * s, cy + dy * s
            p("M%g %g L%g %g M%g %g H%g M%g %g V%g" % (x, y, cx + dx * s * 0.35, cy + dy * s * 0.35,
                                                       x, y, x - dx * s * 0.5, x, y, y - dy * s * 0.5))
    elif kind == "min":
        for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
            x, y = cx + dx * s * 0.2, cy + dy * s * 0.2
            p("M%g %g L%g %g M%g %g H%g M%g %g V%g" % (x, y, cx + dx * s, cy + dy * s,
                                                       x, y, x + dx * s * 0.5, x, y, y + dy * s * 0.5))


# ---- the toolbar ----

STAGES = [  # centre, colour, icon, label
    (73, BLUE, "choose", "Choose"),
    (188, GREEN, "build", "Build"),
    (315, AMBER, "preview", "Preview"),
    (439, CORAL, "send", "Send"),
]
LIGHT_X = 551
HIGHLIGHTS = [(0, 146), (103, 170), (230, 170), (354, 170), (481, 140)]  # left, width


def draw_toolbar(svg, highlight=None, pro=False):
    svg.rect(0, 0, 620, 96, fill=svg.gradient("#FBFDFF", "#DCE9FA"))
    svg.rect(0.5, 0.5, 619, 95, rx=0, stroke="#B9CBE6", sw=1)
    svg.path("M0 94.5 H620", stroke="#A9BEDD", sw=1)
    # The road the four stages lie on, ending at the upload light.
    svg.path("M%g 38 H%g" % (STAGES[0][0], LIGHT_X), stroke="#C9D8EE", sw=6)
    svg.path("M%g 38 H%g" % (STAGES[0][0], LIGHT_X), stroke=WHITE, sw=2, extra='stroke-dasharray="6 6"')
    if highlight is not None:
        left, width = HIGHLIGHTS[highlight]
        svg.rect(left + 7, 4, width - 14, 87, rx=20, fill=GLOW_SOFT, extra='opacity="0.55"')
        svg.rect(left + 10, 7, width - 20, 81, rx=17, fill=svg.gradient("#FFFFFF", "#FFF6DA"),
                 stroke=GLOW, sw=2.5)
    for index, (cx, colour, kind, label) in enumerate(STAGES):
        lit = highlight == index
        if pro and index == 3:
            kind, label = "export", "Export"
        if lit:
            svg.circle(cx, 38, 29, fill=svg.radial(GLOW, GLOW, 0.9, 0.0))
        svg.circle(cx, 39.5, 24, fill=shade(colour, -0.35), extra='opacity="0.35"')
        svg.circle(cx, 38, 24, fill=svg.gradient(shade(colour, 0.25), shade(colour, -0.1)),
                   stroke=WHITE if lit else shade(colour, -0.25), sw=2.5 if lit else 1)
        icon(svg, kind, cx, 38, 11)
        svg.circle(cx + 18, 19, 9, fill=WHITE, stroke=colour, sw=1.5)
        svg.text(cx + 18, 23.5, str(index + 1), 12, fill=shade(colour, -0.2), anchor="middle")
        svg.text(cx, 82, label, 15, fill=shade(colour, -0.3) if lit else INK, anchor="middle")
    lit = highlight == 4
    if lit:
        svg.circle(LIGHT_X, 38, 30, fill=svg.radial("#7CF0A5", "#7CF0A5", 0.9, 0.0))
    svg.circle(LIGHT_X, 38, 20, fill="#9AA8BD" if not lit else shade(GREEN, -0.3))
    svg.circle(LIGHT_X, 38, 18, fill=svg.gradient("#E4EAF2", "#BAC6D6") if not lit
               else svg.gradient("#8DF0AF", "#2EBF63"))
    svg.path("M%g 30 A13 13 0 0 1 %g 26" % (LIGHT_X - 12, LIGHT_X - 2), stroke=WHITE, sw=2.5,
             extra='opacity="0.7"')
    icon(svg, "check", LIGHT_X, 39, 9, colour=WHITE if lit else "#F7F9FC", sw=3)
    svg.text(LIGHT_X, 82, "Uploaded", 15, fill=shade(GREEN, -0.3) if lit else MUTED, anchor="middle")


def toolbar_pictures():
    for prefix, pro in (("", False), ("ZV4", True)):
        svg = Svg(620, 96)
        draw_toolbar(svg, pro=pro)
        svg.write(ART, prefix + "Toolbar")
        for index, (left, width) in enumerate(HIGHLIGHTS):
            svg = Svg(width, 96, view=(left, 0, width, 96))
            draw_toolbar(svg, highlight=index, pro=pro)
            svg.write(ART, "%sToolbutt%d" % (prefix, index + 1))


# ---- bricks and panel titles ----

BRICKS = [  # resource name, colour, icon, brick label, panel title
    ("Para", BLUE, "para", "Paragraph", "Paragraph"),
    ("Link", TEAL, "link", "Link", "Link"),
    ("Image", GREEN, "image", "Image", "Image"),
    ("Heading", VIOLET, "heading", "Heading", "Heading"),
    ("Email", CORAL, "email", "E-mail", "E-mail Link"),
    ("Line", AMBER, "line", "Line", "Horizontal Line"),
]


def draw_brick(svg, colour, kind, label, highlighted):
    # Both forms cover exactly the same rounded outline, because the program draws one over
    # the other on the same picture when a block is selected and deselected.
    if highlighted:
        svg.rect(0, 0, 95, 22, rx=7, fill=GLOW)
        svg.rect(2, 2, 91, 18, rx=5.5, fill=svg.gradient(shade(colour, 0.35), shade(colour, 0.05)))
        svg.rect(2.5, 2.5, 90, 17, rx=5, stroke=WHITE, sw=1, extra='opacity="0.8"')
    else:
        svg.rect(0, 0, 95, 22, rx=7, fill=shade(colour, -0.3))
        svg.rect(1, 1, 93, 20, rx=6, fill=svg.gradient(shade(colour, 0.2), shade(colour, -0.12)))
        svg.path("M6 1.8 H89", stroke=WHITE, sw=1, extra='opacity="0.45"')
    svg.circle(12, 11, 7.5, fill=WHITE, extra='opacity="0.22"')
    icon(svg, kind, 12, 11, 4.6, sw=1.5)
    svg.text(24, 15.5, label, 11.5, fill=WHITE)


def draw_title(svg, colour, kind, title):
    svg.rect(0.5, 0.5, 289, 29, rx=9, fill=svg.gradient(shade(colour, 0.15), shade(colour, -0.1), True),
             stroke=shade(colour, -0.25), sw=1)
    svg.circle(16, 15, 11, fill=WHITE)
    icon(svg, kind, 16, 15, 6, colour=colour, sw=1.8)
    svg.text(34, 20.5, title, 15, fill=WHITE)
    for i in range(3):  # a quiet row of dots that says "this panel belongs to that block"
        svg.circle(258 + i * 10, 15, 2.5, fill=WHITE, extra='opacity="%g"' % (0.35 + i * 0.2))


def brick_pictures():
    for name, colour, kind, label, title in BRICKS:
        for suffix, highlighted in (("", False), ("_H", True)):
            svg = Svg(95, 22)
            draw_brick(svg, colour, kind, label, highlighted)
            svg.write(ART, name + suffix)
        svg = Svg(290, 30)
        draw_title(svg, colour, kind, title)
        svg.write(ART, name + "_T")


# ---- the build-stage canvas and the shredder ----

CANVAS_TOP, CANVAS_BOTTOM = "#F7FAFE", "#E9F0FA"


def draw_shredder_body(svg, x, y):
    """The shredder as it sits on the canvas: its picture is 96 x 24 with its top-left at (x, y)."""
    svg.rect(x + 14, y + 6, 80, 18, rx=6, fill=svg.gradient("#66768F", "#3B475C"))
    svg.rect(x + 14.5, y + 6.5, 79, 17, rx=5.5, stroke="#2A3345", sw=1)
    svg.rect(x + 22, y + 2, 64, 7, rx=3, fill="#1E2533")
    svg.path("M%g %g H%g" % (x + 25, y + 5.5, x + 83), stroke="#59657A", sw=1.2,
             extra='stroke-dasharray="2 2"')
    for i in range(5):
        svg.path("M%g %g l4 -4" % (x + 30 + i * 6, y + 21), stroke=GLOW, sw=2)
    svg.circle(x + 84, y + 16, 2.6, fill="#FF6B5A", stroke="#B23A2C", sw=0.8)


def draw_gear(svg, cx, cy, r, angle):
    teeth = []
    for i in range(8):
        a = math.radians(angle + i * 45)
        teeth.append("M%g %g L%g %g" % (cx + math.cos(a) * r * 0.5, cy + math.sin(a) * r * 0.5,
                                        cx + math.cos(a) * r, cy + math.sin(a) * r))
    svg.path(" ".join(teeth), stroke="#D9E1EC", sw=1.6)
    svg.circle(cx, cy, r * 0.55, fill="#3B475C", stroke="#D9E1EC", sw=1.2)


def canvas_picture():
    svg = Svg(300, 272)
    svg.rect(0, 0, 300, 272, fill=svg.gradient(CANVAS_TOP, CANVAS_BOTTOM))
    # Home places of the six toolbox bricks, seen while a brick is away.
    for i in range(6):
        svg.rect(1.5, 0.5 + 22 * i, 94, 21, rx=6, fill="#EEF3FA", stroke=LINE, sw=1,
                 extra='stroke-dasharray="3 2"')
    # A friendly arrow: blocks go from the toolbox to the page.
    svg.path("M108 42 C130 20 160 20 182 40", stroke=BLUE, sw=2.5, extra='stroke-dasharray="5 4" opacity="0.7"')
    svg.path("M175 31 L184 42 L171 44", stroke=BLUE, sw=2.5, extra='opacity="0.7"')
    # The page: a sheet of paper holding eight block slots and the row below them.
    svg.rect(191.5, 0.5, 108, 271, rx=6, fill="#DDE6F2")
    svg.rect(190.5, -0.5, 108, 271, rx=6, fill=WHITE, stroke=LINE, sw=1)
    for i in range(8):
        svg.rect(199.5, 0.5 + 31 * i, 94, 21, rx=6, fill="#F6F9FD", stroke="#D3DEEE", sw=1,
                 extra='stroke-dasharray="4 3"')
        svg.text(246.5, 15 + 31 * i, str(i + 1), 10, fill="#C3D0E3", anchor="middle")
    svg.path("M238 254 l8.5 6 l8.5 -6", stroke="#C3D0E3", sw=2)
    svg.write(ART, "Page_Back")

    back = Svg(96, 24)
    draw_shredder_body(back, 0, 0)
    back.write(ART, "Page_BuzzBack")

    # Frames: a brick sinks into the mouth while the gear turns and shreds fly off. They are
    # drawn in canvas coordinates and cut out where the frame picture sits (7, 237, 78 x 34),
    # over the shredder picture at (-10, 247). The canvas picture itself lies one pixel below
    # the toolbox's origin, so these are the toolbox positions (7, 238) and (-10, 248) less one.
    for frame in range(8):
        svg = Svg(78, 34, view=(7, 237, 78, 34))
        # The frames replace each other on one picture, so each is opaque: it repeats the
        # canvas background exactly (the same gradient over the whole canvas, cut out).
        svg.rect(0, 0, 300, 272, fill=svg.gradient(CANVAS_TOP, CANVAS_BOTTOM))
        sink = min(frame, 5) * 2.6
        if frame < 6:
            h = max(2.0, 12 - sink)
            svg.rect(26, 239 + sink, 50, h, rx=3, fill=svg.gradient(shade(BLUE, 0.3), BLUE))
            svg.path("M30 %g H%g" % (242 + sink, 30 + 38 - frame * 5), stroke=WHITE, sw=1.2,
                     extra='opacity="0.7"')
        draw_shredder_body(svg, -10, 247)
        draw_gear(svg, 64, 263, 6, frame * 22.5)
        if frame >= 2:
            for i in range(5):
                t = (frame - 2) / 5.0
                x = 30 + i * 10 + (i - 2) * t * 6
                y = 245 - t * 8 - (i % 2) * 3
                svg.path("M%g %g l%g %g" % (x, y, 1.5 - (i % 3), -3.5), stroke=[BLUE, AMBER, GREEN, CORAL, VIOLET][i],
                         sw=1.8, extra='opacity="%g"' % max(0.0, 1 - t * 0.8))
        svg.write(ART, "Page_Buzz%d" % (frame + 1))


# ---- buttons of the bottom bar, the logo ----

def pill_button(name, width, height, colour, kind, label, state):
    svg = Svg(width, height)
    down = state == "down"
    disabled = state == "disabled"
    base = "#B7C1D1" if disabled else colour
    dy = 1 if down else 0
    # The pressed and released forms cover the same area (the released one's shadow is where
    # the pressed one sits), so drawing one over the other leaves nothing of the first behind.
    svg.rect(1.5, 2.5, width - 3, height - 3, rx=(height - 4) / 2 if label else 9,
             fill=shade(base, -0.35))
    top, bottom = (shade(base, -0.05), shade(base, 0.12)) if down else (shade(base, 0.3), shade(base, -0.08))
    rx = (height - 4) / 2 if label else 9
    svg.rect(1.5, 1.5 + dy, width - 3, height - 4, rx=rx, fill=svg.gradient(top, bottom),
             stroke=shade(base, -0.3), sw=1)
    colour_fg = "#F4F6FA" if disabled else WHITE
    if label:
        icon(svg, kind, 19, height / 2 - 0.5 + dy, 6.5, colour=colour_fg, sw=2)
        svg.text(33, height / 2 + 4.5 + dy, label, 14, fill=colour_fg)
    else:
        icon(svg, kind, width / 2, height / 2 - 0.5 + dy, 7.5, colour=colour_fg, sw=2)
    svg.write(ART, name)


def logo_picture():
    svg = Svg(180, 40)
    draw_mark(svg, 4, 4, 32)
    svg.text(44, 19, "Zorvin", 17, fill=INK)
    svg.text(44, 35, "Express", 15, fill=BLUE)
    svg.write(ART, "Logo")

    svg = Svg(150, 36)
    svg.rect(0.5, 0.5, 149, 35, rx=10, fill=svg.gradient(shade(AMBER, 0.25), shade(AMBER, -0.08)),
             stroke=shade(AMBER, -0.3), sw=1)
    icon(svg, "preview", 22, 18, 9)
    svg.text(40, 23.5, "Preview", 16, fill=WHITE)
    svg.write(ART, "Preview")


def draw_mark(svg, x, y, size):
    """The program's mark: a page with stacked coloured blocks on a blue tile."""
    k = size / 32.0
    svg.rect(x, y, size, size, rx=8 * k, fill=svg.gradient(shade(BLUE, 0.25), shade(BLUE, -0.2)))
    svg.rect(x + 7 * k, y + 5 * k, 18 * k, 22 * k, rx=3 * k, fill=WHITE)
    for i, c in enumerate((CORAL, GREEN, AMBER)):
        svg.rect(x + 10 * k, y + (9 + i * 5.5) * k, (12 - (i % 2) * 4) * k, 3.5 * k, rx=1.5 * k, fill=c)


# ---- splash, about, icon ----

def blocks_illustration(svg, x, y, scale):
    """A browser window on which blocks of every kind form a page."""
    def draw():
        svg.rect(4, 8, 152, 124, rx=14, fill="#1D3B6E", extra='opacity="0.15"')
        svg.rect(0, 0, 152, 124, rx=14, fill=WHITE, stroke="#C4D3EA", sw=1.5)
        svg.path("M0 26 H152", stroke="#DCE5F2", sw=1.5)
        for i, c in enumerate((CORAL, AMBER, GREEN)):
            svg.circle(14 + i * 12, 13, 4, fill=c)
        svg.rect(52, 8, 88, 10, rx=5, fill="#EEF3FA")
        rows = [(VIOLET, "heading", 96), (BLUE, "para", 124), (GREEN, "image", 84), (TEAL, "link", 70)]
        for i, (c, kind, w) in enumerate(rows):
            yy = 34 + i * 21
            svg.rect(14, yy, w, 16, rx=5, fill=svg.gradient(shade(c, 0.2), shade(c, -0.08)))
            icon(svg, kind, 23, yy + 8, 3.8, sw=1.4)
    svg.group("translate(%g %g) scale(%g)" % (x, y, scale), draw)


def splash_pictures():
    svg = Svg(200, 200)
    svg.rect(0, 0, 200, 200, rx=24, fill=svg.gradient("#EAF3FF", "#CFE2FB"))
    svg.circle(160, 40, 26, fill=svg.radial(GLOW, GLOW, 1.0, 0.0))
    svg.circle(160, 40, 13, fill=GLOW)
    blocks_illustration(svg, 22, 46, 1.0)
    # A brick on its way into the page, held by an invisible hand.
    svg.group("translate(112 150) rotate(-8)", lambda: (
        svg.rect(0, 0, 70, 17, rx=5, fill=svg.gradient(shade(CORAL, 0.2), CORAL), stroke=shade(CORAL, -0.3), sw=1),
        icon(svg, "email", 10, 8.5, 4, sw=1.4),
        svg.text(20, 12.5, "E-mail", 9.5, fill=WHITE)))
    svg.write(ART, "Splash")

    back = Svg(464, 283)
    back.rect(0, 0, 464, 283, fill=back.gradient("#F8FBFF", "#DDEAFB"))
    back.path("M0 228 C90 200 170 262 270 236 C350 215 410 222 464 208 V283 H0 Z", fill="#CFE0F7")
    back.path("M0 252 C110 232 200 280 300 262 C380 248 430 250 464 242 V283 H0 Z", fill="#BBD3F2")
    back.rect(24.5, 24.5, 213, 213, rx=26, fill=WHITE, stroke="#C4D3EA", sw=1)
    for i, c in enumerate((BLUE, TEAL, GREEN, VIOLET, CORAL, AMBER)):
        back.rect(270 + i * 29, 262 - (i % 2) * 6, 24, 8, rx=4, fill=c, extra='opacity="0.85"')
    back.write(ART, "SPLASH_BACK")

    about = Svg(350, 150)
    about.rect(0, 0, 350, 150, rx=16, fill=about.gradient("#F3F8FF", "#D8E7FB"))
    draw_mark(about, 20, 20, 56)
    about.text(90, 50, "Zorvin Express", 28, fill=INK)
    about.text(91, 72, "Web pages made of friendly blocks", 13, fill=MUTED, weight="normal")
    for i, (name, colour, kind, label, _) in enumerate(BRICKS):
        about.group("translate(%g %g) scale(0.92)" % (20 + (i % 3) * 108, 92 + (i // 3) * 26),
                    lambda colour=colour, kind=kind, label=label: draw_brick(about, colour, kind, label, False))
    about.write(ART, "About")

    app = Svg(256, 256, view=(0, 0, 32, 32))
    draw_mark(app, 0, 0, 32)
    app.write(ART, "MainIcon")


# ---- the mascot ----

def draw_mascot(svg, pose=0):
    """A little walking web page with a friendly face, facing right; 64 x 59. Pose 0 is the
    stride, pose 1 the passing step between two strides: legs together under the body, the body
    lifted a pixel and the arms swung the other way, so that alternating them reads as walking."""
    # Legs and shoes first, so the body overlaps their tops.
    if pose == 0:
        svg.path("M26 46 L22 55 M38 46 L43 54", stroke=INK, sw=3.2)
        svg.rect(15, 52.5, 10, 5, rx=2.5, fill=CORAL)
        svg.rect(39, 51.5, 10, 5, rx=2.5, fill=CORAL)
    else:
        svg.path("M27 45 L29 55 M37 45 L36 53", stroke=INK, sw=3.2)
        svg.rect(23, 52.5, 10, 5, rx=2.5, fill=CORAL)
        svg.rect(32, 50.5, 10, 5, rx=2.5, fill=CORAL)
    lift = 0 if pose == 0 else -1

    def body():
        # The arm behind waves on the stride and swings down on the passing step.
        if pose == 0:
            svg.path("M17 30 Q9 26 8 18", stroke=INK, sw=3)
            svg.circle(8, 17, 3, fill=WHITE, stroke=INK, sw=1.5)
        else:
            svg.path("M17 30 Q10 33 9 39", stroke=INK, sw=3)
            svg.circle(9, 40, 3, fill=WHITE, stroke=INK, sw=1.5)
        # The page with its folded corner.
        svg.path("M14 8 Q14 4 18 4 H40 L50 14 V44 Q50 48 46 48 H18 Q14 48 14 44 Z",
                 fill=svg.gradient("#FFFFFF", "#E3ECF9"), stroke=INK, sw=2)
        svg.path("M40 4 V11 Q40 14 43 14 H50", fill="#CFDDF2", stroke=INK, sw=2)
        # Blocks on the page, like the ones the user builds with.
        svg.rect(19, 10, 16, 4, rx=2, fill=VIOLET)
        svg.rect(19, 37, 24, 4, rx=2, fill=BLUE)
        svg.rect(19, 42.5, 14, 3, rx=1.5, fill=GREEN)
        # Face, looking the way it walks.
        for x in (28, 39):
            svg.circle(x, 23, 4, fill=WHITE, stroke=INK, sw=1.5)
            svg.circle(x + 1.3, 23.5, 2, fill=INK)
        svg.circle(24.5, 30, 2.4, fill="#FFB4A6", extra='opacity="0.8"')
        svg.circle(43.5, 30, 2.4, fill="#FFB4A6", extra='opacity="0.8"')
        svg.path("M30 30 Q34.5 34.5 39 30", stroke=INK, sw=1.8)
        # The arm in front swings down on the stride and forward on the passing step.
        if pose == 0:
            svg.path("M49 31 Q57 33 58 40", stroke=INK, sw=3)
            svg.circle(58, 41, 3, fill=WHITE, stroke=INK, sw=1.5)
        else:
            svg.path("M49 31 Q56 28 58 21", stroke=INK, sw=3)
            svg.circle(58, 20, 3, fill=WHITE, stroke=INK, sw=1.5)

    if lift:
        svg.group("translate(0 %d)" % lift, body)
    else:
        body()


def mascot_pictures():
    # Facing right and facing left, each in its two walking poses.
    for pose, suffix in ((0, ""), (1, "Walk")):
        svg = Svg(64, 59)
        draw_mascot(svg, pose)
        svg.write(ART, "Mascot" + suffix)
        svg = Svg(64, 59)
        svg.group("translate(64 0) scale(-1 1)", lambda: draw_mascot(svg, pose))
        svg.write(ART, "MascotB" + suffix)


# ---- cursors ----

def hand_cursor(name, shapes):
    """Draws a hand from rounded rectangles: a dark outline under a white fill, so that the
    overlapping parts merge into one silhouette."""
    svg = Svg(32, 32)
    for sw, fill, stroke in ((3.2, INK, INK), (0, WHITE, "none")):
        for (x, y, w, h, rx, rot) in shapes:
            extra = 'transform="rotate(%g %g %g)"' % (rot, x + w / 2, y + h / 2) if rot else ""
            svg.rect(x, y, w, h, rx=rx, fill=fill, stroke=stroke, sw=sw, extra=extra)
    return svg


def cursor_pictures():
    # Pointing hand: hot spot at the tip of the index finger (10, 2).
    svg = hand_cursor("Cursor_Hand", [
        (8, 2, 5, 16, 2.5, 0),
        (12.5, 10, 4.5, 9, 2.2, 0), (16.5, 11, 4.5, 8, 2.2, 0), (20.5, 12, 4.2, 7.5, 2.1, 0),
        (8, 15, 16.7, 13, 5, 0), (4, 14, 4.5, 9, 2.2, -35)])
    svg.path("M13 18.5 V16 M17 18.5 V16.5 M21 18.5 V17", stroke="#9AA6BA", sw=1)
    svg.write(CURSORS, "Cursor_Hand")

    # Open hand, fingers spread: hot spot in the palm (16, 16).
    svg = hand_cursor("Hand_Open", [
        (7, 5, 4.3, 13, 2.1, -10), (12, 2.5, 4.3, 14, 2.1, 0), (17, 3, 4.3, 14, 2.1, 0),
        (21.8, 6, 4, 12, 2, 10), (8.5, 13, 16, 14, 5.5, 0), (3, 13, 4.3, 10, 2.1, -40)])
    svg.path("M12 17 V12 M16.6 17 V11 M21.4 17 V12", stroke="#9AA6BA", sw=1)
    svg.write(CURSORS, "Hand_Open")

    # Closed hand, holding a block: hot spot in the palm (16, 16).
    svg = hand_cursor("Hand_Closed", [
        (8, 9, 4.4, 7, 2.2, 0), (12.4, 8, 4.4, 8, 2.2, 0), (16.8, 8, 4.4, 8, 2.2, 0),
        (21.2, 9, 4, 7, 2, 0), (7.5, 12, 18, 14, 5.5, 0), (4.5, 14, 4.5, 7, 2.2, -30)])
    svg.path("M12.4 13.5 V11.5 M16.8 13.5 V11 M21.2 13.5 V11.5", stroke="#9AA6BA", sw=1)
    svg.write(CURSORS, "Hand_Closed")


def main():
    os.makedirs(ART, exist_ok=True)
    os.makedirs(CURSORS, exist_ok=True)
    toolbar_pictures()
    brick_pictures()
    canvas_picture()
    for state, suffix in (("up", "_Up"), ("down", "_Dn")):
        pill_button("Exit" + suffix, 84, 36, CORAL, "exit", "Exit", state)
        pill_button("Max" + suffix, 36, 36, BLUE, "max", None, state)
        pill_button("Min" + suffix, 36, 36, BLUE, "min", None, state)
    pill_button("Max_Dis", 36, 36, BLUE, "max", None, "disabled")
    logo_picture()
    splash_pictures()
    mascot_pictures()
    cursor_pictures()


if __name__ == "__main__":
    main()
