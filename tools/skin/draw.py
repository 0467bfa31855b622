"""Drawing helpers: a supersampled canvas addressed in final pixels, the
palette and the fonts."""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SCALE = 3  # drawn at 3x, reduced by whole-block averages: no spill across pixels

FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

# Palette: graphite body, cyan accent.
BG_OUT = (8, 9, 12)
BG = (17, 19, 24)
BG2 = (22, 25, 31)
PANEL = (27, 31, 39)
PANEL_HI = (36, 41, 51)
LINE = (50, 57, 70)
LINE_HI = (78, 88, 106)
ACCENT = (0, 200, 255)
ACCENT_MID = (0, 130, 170)
ACCENT_DARK = (0, 52, 72)
ACCENT_DEEP = (0, 32, 46)
LABEL = (128, 138, 154)
LABEL_HI = (200, 208, 220)
WHITE = (255, 255, 255)
RED = (230, 50, 60)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(c, f):
    return tuple(max(0, min(255, int(round(v * f)))) for v in c)


_fonts = {}


def font(path, px):
    key = (path, px)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(path, px * SCALE)
    return _fonts[key]


class Canvas:
    """An RGB picture of w x h final pixels, drawn at SCALE."""

    def __init__(self, w, h, fill=BG_OUT, mode="RGB", origin=(0, 0)):
        self.w, self.h = w, h
        self.ox, self.oy = origin
        self.img = Image.new(mode, (w * SCALE, h * SCALE), fill)
        self.d = ImageDraw.Draw(self.img)

    # -- coordinates
    @staticmethod
    def s(v):
        return int(round(v * SCALE))

    def box(self, x0, y0, x1, y1):
        """Final-pixel box, right and bottom edges outside."""
        x0, x1, y0, y1 = x0 - self.ox, x1 - self.ox, y0 - self.oy, y1 - self.oy
        return [self.s(x0), self.s(y0), self.s(x1) - 1, self.s(y1) - 1]

    def pts(self, points):
        return [(self.s(x - self.ox), self.s(y - self.oy)) for x, y in points]

    # -- shapes
    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        self.d.rectangle(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                         width=self.s(width) if outline else 0)

    def rrect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=1):
        self.d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=self.s(r), fill=fill,
                                 outline=outline, width=self.s(width) if outline else 0)

    def vgrad(self, x0, y0, x1, y1, top, bottom, r=0):
        """Vertical gradient inside a (rounded) box."""
        bx = self.box(x0, y0, x1, y1)
        w, h = bx[2] - bx[0] + 1, bx[3] - bx[1] + 1
        if w <= 0 or h <= 0:
            return
        grad = Image.new("RGB", (1, h))
        for i in range(h):
            grad.putpixel((0, i), mix(top, bottom, i / max(1, h - 1)))
        grad = grad.resize((w, h))
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=self.s(r), fill=255)
        self.img.paste(grad, (bx[0], bx[1]), mask)

    def poly(self, points, fill=None, outline=None, width=1):
        self.d.polygon(self.pts(points), fill=fill)
        if outline:
            p = self.pts(points)
            self.d.line(p + [p[0]], fill=outline, width=self.s(width), joint="curve")

    def line(self, points, fill, width=1):
        self.d.line(self.pts(points), fill=fill, width=max(1, self.s(width)), joint="curve")

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        self.d.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                       width=self.s(width) if outline else 0)

    def circle(self, cx, cy, r, fill=None, outline=None, width=1):
        self.ellipse(cx - r, cy - r, cx + r, cy + r, fill=fill, outline=outline, width=width)

    def glow(self, region, paint, colour, radius, strength=1.0):
        """Soft light added inside region (final-pixel box; nothing outside it
        changes): paint(mask_canvas) draws the light's shape in white."""
        x0, y0, x1, y1 = region
        m = Canvas(x1 - x0, y1 - y0, fill=0, mode="L", origin=(x0, y0))
        paint(m)
        mask = m.img.filter(ImageFilter.GaussianBlur(radius * SCALE))
        if strength != 1.0:
            mask = mask.point(lambda v: min(255, int(v * strength)))
        bx = self.box(x0, y0, x1, y1)
        area = self.img.crop((bx[0], bx[1], bx[2] + 1, bx[3] + 1))
        light = ImageChops.multiply(Image.new("RGB", area.size, colour),
                                    Image.merge("RGB", [mask] * 3))
        self.img.paste(ImageChops.add(area, light), (bx[0], bx[1]))

    # -- text (baked labels only; the program prints the element texts)
    def text(self, x, y, s, px=13, fill=LABEL, path=FONT_CJK, anchor="la"):
        self.d.text((self.s(x - self.ox), self.s(y - self.oy)), s, font=font(path, px), fill=fill, anchor=anchor)

    def text_center(self, cx, cy, s, px=13, fill=LABEL, path=FONT_CJK):
        self.d.text((self.s(cx - self.ox), self.s(cy - self.oy)), s, font=font(path, px), fill=fill, anchor="mm")

    # -- result
    def final(self):
        return self.img.resize((self.w, self.h), Image.BOX)


def hatch(cv, x0, y0, x1, y1, colour, step=6):
    """Fine diagonal texture inside a box."""
    for k in range(int(x0 - (y1 - y0)), int(x1), step):
        a = (max(x0, k), y0 + max(0, x0 - k))
        b = (min(x1, k + (y1 - y0)), y0 + min(y1 - y0, x1 - k))
        if a[0] < b[0]:
            cv.line([a, b], colour, 0.34)


def arc_points(cx, cy, rx, ry, a0, a1, n=24):
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]
