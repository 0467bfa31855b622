"""The mouse illustration, top view: body, buttons, wheel, lights."""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter

import draw as D


class MouseShape:
    def __init__(self, cx, top, height, half_width, gap, split):
        self.cx, self.top, self.height = cx, top, height
        self.hw, self.gap, self.split = half_width, gap, split

    def half_width(self, t):
        f = 0.86 + 0.14 * math.sin(math.pi * min(1.0, t * 1.25))
        if t < 0.16:
            f *= math.sqrt(max(0.0, 1 - ((0.16 - t) / 0.16) ** 2))
        if t > 0.78:
            f *= math.sqrt(max(0.0, 1 - ((t - 0.78) / 0.22) ** 2))
        return self.hw * f

    def outline(self, n=90):
        left, right = [], []
        for i in range(n + 1):
            t = i / n
            y = self.top + t * self.height
            w = self.half_width(t)
            left.append((self.cx - w, y))
            right.append((self.cx + w, y))
        return left + right[::-1]

    @property
    def split_y(self):
        return self.top + self.split * self.height

    def y_at(self, t):
        return self.top + t * self.height


def _mask(cv, paint):
    m = Image.new("L", cv.img.size, 0)
    sub = D.Canvas.__new__(D.Canvas)
    sub.w, sub.h, sub.ox, sub.oy = cv.w, cv.h, cv.ox, cv.oy
    sub.img, sub.d = m, ImageDraw.Draw(m)
    paint(sub)
    return m


def _fill_through(cv, mask, colour):
    cv.img.paste(Image.new("RGB", cv.img.size, colour), (0, 0), mask)


def _grad_through(cv, mask, top_y, bottom_y, top, bottom):
    h = cv.img.size[1]
    col = Image.new("RGB", (1, h))
    y0, y1 = cv.s(top_y - cv.oy), cv.s(bottom_y - cv.oy)
    for i in range(h):
        t = min(1.0, max(0.0, (i - y0) / max(1, y1 - y0)))
        col.putpixel((0, i), D.mix(top, bottom, t))
    cv.img.paste(col.resize(cv.img.size), (0, 0), mask)


def _clip(cv, mask, rect):
    keep = Image.new("L", cv.img.size, 0)
    ImageDraw.Draw(keep).rectangle(cv.box(*rect), fill=255)
    return ImageChops.multiply(mask, keep)


class MouseArt:
    """Draws one mouse. Part rectangles (final pixels) bound each button's
    highlight so that one button's light never reaches another's rectangle."""

    def __init__(self, shape, parts):
        self.m, self.parts = shape, parts

    def part_mask(self, cv, b):
        m = self.m
        body = _mask(cv, lambda s: s.poly(m.outline(), fill=255))
        if b in (1, 2):
            xs = (m.cx - m.hw - 2, m.cx - m.gap / 2) if b == 1 else (m.cx + m.gap / 2, m.cx + m.hw + 2)
            box = _mask(cv, lambda s: s.rect(xs[0], m.top, xs[1], m.split_y - 1, fill=255))
            return ImageChops.multiply(body, box)
        x, y, w, h = self.parts[b]
        if b == 3:
            return _mask(cv, lambda s: s.rrect(x + 2, y + 3, x + w - 2, y + h - 3, 5, fill=255))
        if b == 6:
            return _mask(cv, lambda s: s.rrect(x + 3, y + 3, x + w - 3, y + h - 3, 3, fill=255))
        # side buttons: pills on the left flank
        return _mask(cv, lambda s: s.rrect(x + 1, y + 1, x + w, y + h - 1, 4, fill=255))

    def draw_body(self, cv, led=None, led_on=True):
        m = self.m
        outline = m.outline()
        body = _mask(cv, lambda s: s.poly(outline, fill=255))
        if led is not None and led_on:
            # underglow around the body
            region = (int(m.cx - m.hw - 40), int(m.top - 30), int(m.cx + m.hw + 40),
                      int(m.top + m.height + 36))
            cv.glow(region, lambda s: s.poly(outline, fill=255), led, 14, 0.9)
        _grad_through(cv, body, m.top, m.top + m.height, (58, 64, 76), (30, 34, 42))
        # shell sheen down the left shoulder
        sheen = _mask(cv, lambda s: s.ellipse(m.cx - m.hw * 0.80, m.top + m.height * 0.10,
                                              m.cx - m.hw * 0.40, m.top + m.height * 0.85, fill=40))
        sheen = ImageChops.multiply(sheen.filter(ImageFilter.GaussianBlur(8 * D.SCALE)), body)
        cv.img.paste(Image.new("RGB", cv.img.size, (150, 160, 180)), (0, 0), sheen)
        # buttons: slightly lighter caps
        for b in (1, 2):
            pm = self.part_mask(cv, b)
            _grad_through(cv, pm, m.top, m.split_y, (70, 77, 92), (50, 56, 68))
        # seams
        sy = m.split_y
        cv.line([(m.cx - m.hw + 1, sy + 1), (m.cx - m.gap / 2, sy)], (16, 18, 22), 1.2)
        cv.line([(m.cx + m.gap / 2, sy), (m.cx + m.hw - 1, sy + 1)], (16, 18, 22), 1.2)
        channel = _mask(cv, lambda s: s.rect(m.cx - m.gap / 2, m.top, m.cx + m.gap / 2, sy, fill=255))
        _fill_through(cv, ImageChops.multiply(channel, body), (20, 22, 27))
        # wheel and DPI button
        wx, wy, ww, wh = self.parts[3]
        cv.rrect(wx + 2, wy + 3, wx + ww - 2, wy + wh - 3, 5, fill=(34, 38, 46), outline=(12, 13, 16))
        for i in range(7):
            yy = wy + 7 + i * (wh - 14) / 6
            cv.line([(wx + 4, yy), (wx + ww - 4, yy)], (64, 70, 84), 1)
        dx, dy, dw, dh = self.parts[6]
        cv.rrect(dx + 3, dy + 3, dx + dw - 3, dy + dh - 3, 3, fill=(46, 52, 62), outline=(12, 13, 16))
        # side buttons
        for b in (4, 5):
            x, y, w, h = self.parts[b]
            cv.rrect(x + 1, y + 1, x + w, y + h - 1, 4, fill=(48, 54, 64), outline=(14, 15, 19))
        # outline on top
        cv.poly(outline, outline=(88, 98, 116), width=1.2)
        # logo light on the palm
        ly = m.top + m.height * 0.70
        logo = [(m.cx - 10, ly - 7), (m.cx - 5, ly - 7), (m.cx, ly + 3), (m.cx + 5, ly - 7),
                (m.cx + 10, ly - 7), (m.cx + 2, ly + 8), (m.cx - 2, ly + 8)]
        if led is None:
            cv.poly(logo, fill=(80, 88, 104))
        elif led_on:
            cv.glow((int(m.cx - 30), int(ly - 26), int(m.cx + 30), int(ly + 26)),
                    lambda s: s.poly(logo, fill=255), led, 5, 1.3)
            cv.poly(logo, fill=D.mix(led, D.WHITE, 0.35))
        else:
            cv.poly(logo, fill=(70, 74, 82))
        if led is not None:
            # light strip along the rear edge and the wheel's light
            strip = [(m.cx - m.half_width(0.93) + 2, m.y_at(0.93)),
                     (m.cx + m.half_width(0.93) - 2, m.y_at(0.93))]
            col = D.mix(led, D.WHITE, 0.3) if led_on else (64, 68, 76)
            if led_on:
                cv.glow((int(m.cx - m.hw), int(m.y_at(0.8)), int(m.cx + m.hw), int(m.y_at(1.0) + 14)),
                        lambda s: s.line(strip, 255, 3), led, 4, 1.2)
            cv.line(strip, col, 2)
            if led_on:
                cv.glow((int(wx - 12), int(wy - 8), int(wx + ww + 12), int(wy + wh + 8)),
                        lambda s: s.rrect(wx + 2, wy + 3, wx + ww - 2, wy + wh - 3, 5, fill=255),
                        led, 4, 0.8)

    def highlight(self, cv, b, look):
        """Over: a dim blue cap; down: a lit cyan cap. Kept inside part rect b,
        and the body's outline stays on top."""
        x, y, w, h = self.parts[b]
        rect = (x, y, x + w, y + h)
        pm = _clip(cv, self.part_mask(cv, b), rect)
        if look == "over":
            _grad_through(cv, pm.point(lambda v: v * 170 // 255), y, y + h, (0, 92, 130), (0, 52, 76))
        else:
            _grad_through(cv, pm.point(lambda v: v * 225 // 255), y, y + h, (90, 230, 255),
                          (0, 140, 196))
            edge = _clip(cv, _mask(cv, lambda s: s.poly(self.m.outline(), outline=255, width=2.2)),
                         rect)
            _fill_through(cv, ImageChops.multiply(edge, pm), (200, 248, 255))
        line = _clip(cv, _mask(cv, lambda s: s.poly(self.m.outline(), outline=255, width=1.2)), rect)
        _fill_through(cv, line, (88, 98, 116) if look == "over" else (150, 235, 255))
