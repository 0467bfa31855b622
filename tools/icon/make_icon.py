#!/usr/bin/python3
"""Draws the program's icon and writes res/varkel.ico (16 to 256 pixels).

Each size is drawn on its own at four times its size and scaled down, so the
small sizes stay crisp. The drawing is fixed geometry: the same Pillow gives
the same file on every run.

    tools/icon/make_icon.py [OUTPUT.ico]
"""
import os
import sys

from PIL import Image, ImageDraw

SIZES = [16, 24, 32, 48, 64, 128, 256]
SUPERSAMPLE = 4

BADGE_TOP = (18, 32, 44)
BADGE_BOTTOM = (6, 12, 18)
RIM = (0, 120, 153)
BODY = (0, 196, 224)
BODY_SHADE = (0, 136, 170)
SEAM = (6, 12, 18)
WHEEL = (255, 255, 255)
GLOW = (120, 240, 255)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def badge(draw, s):
    """Rounded dark square with a thin teal rim."""
    radius = s * 0.22
    for y in range(s):
        colour = lerp(BADGE_TOP, BADGE_BOTTOM, y / max(1, s - 1))
        draw.line([(0, y), (s, y)], fill=colour + (255,))
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, s - 1, s - 1], radius=radius, fill=255)
    rim_width = max(1, round(s * 0.035))
    draw.rounded_rectangle([0, 0, s - 1, s - 1], radius=radius, outline=RIM + (255,), width=rim_width)
    return mask


def mouse(draw, s):
    """A mouse seen from above, tilted a little, with its wheel lit."""
    left, right = s * 0.27, s * 0.73
    top, bottom = s * 0.14, s * 0.88
    radius = (right - left) / 2
    draw.rounded_rectangle([left, top, right, bottom], radius=radius, fill=BODY_SHADE + (255,))
    inset = s * 0.03
    draw.rounded_rectangle([left + inset, top + inset, right - inset, bottom - inset * 2.2],
                           radius=radius - inset, fill=BODY + (255,))
    seam_y = top + (bottom - top) * 0.42
    seam = max(1, round(s * 0.03))
    draw.line([(left, seam_y), (right, seam_y)], fill=SEAM + (255,), width=seam)
    centre = (left + right) / 2
    draw.line([(centre, top), (centre, seam_y)], fill=SEAM + (255,), width=seam)
    wheel_w, wheel_h = s * 0.075, s * 0.15
    wheel_top = top + (seam_y - top) * 0.30
    draw.rounded_rectangle([centre - wheel_w / 2, wheel_top, centre + wheel_w / 2, wheel_top + wheel_h],
                           radius=wheel_w / 2, fill=WHEEL + (255,), outline=GLOW + (255,))
    # A chevron on the palm: the mark of the brand.
    v_top = seam_y + (bottom - seam_y) * 0.22
    v_bottom = seam_y + (bottom - seam_y) * 0.68
    v_half = (right - left) * 0.24
    v_width = max(1, round(s * 0.05))
    draw.line([(centre - v_half, v_top), (centre, v_bottom), (centre + v_half, v_top)],
              fill=SEAM + (255,), width=v_width, joint="curve")


def draw_icon(size):
    s = size * SUPERSAMPLE
    image = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    mask = badge(draw, s)
    mouse(draw, s)
    image.putalpha(mask)
    return image.resize((size, size), Image.LANCZOS)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "res", "varkel.ico")
    images = [draw_icon(size) for size in SIZES]
    largest = images[-1]
    largest.save(output, format="ICO", sizes=[(n, n) for n in SIZES], append_images=images[:-1])


if __name__ == "__main__":
    main()
