#!/usr/bin/env python3
"""Which look each element of the main window shows in a screenshot.

    check_looks.py SHOT[,SHOT...] WINDOW_X WINDOW_Y SKIN_DIR CHECK...
    check_looks.py --centre SKIN_DIR TABLE INDEX     prints "X Y" of its centre
    check_looks.py --text SHOT WINDOW_X WINDOW_Y SKIN_DIR TABLE:INDEX:PICTURE
        prints "WIDTH HEIGHT PIXELS" of the text printed in that element
    check_looks.py --shape SHOT WINDOW_X WINDOW_Y SKIN_DIR
        checks that the window has the shape of the skin's main_mask.jpg

A CHECK is TABLE:INDEX:PICTURE, e.g. main:17:main_over.jpg: element INDEX of
the layout TABLE (main, colour, advanced) must show that skin picture. Every
pixel of the element's rectangle is compared with the page's three looks
(PICTURE and the two others of its page): a pixel where the looks agree says
nothing, a pixel near none of them is where a text was printed, and each
remaining pixel votes for the look it is nearest. The check passes when the
named look has at least 90% of the votes. A PICTURE that is no page's look
(the DPI knob, dpi_slider.jpg) is drawn from its own top-left corner at the
element's: it competes with the looks of the table's page. Prints one line
per check, "ok ..." or "fail ...". Pictures are decoded by ImageMagick.
With several screenshots (taken in a row: a blinking element), each CHECK
must hold in at least one of them.

--text finds the text pixels of an element (those near none of the looks of
PICTURE's page) and gives the size of the box around them: what a person
reads there, measured without a font. --shape needs a backdrop that differs
from the skin's edge (the journeys paint the screen's root grey): pixels the
mask leaves out must show the backdrop, and the window's own pixels along the
cut edges must not.
"""
import subprocess
import sys

TOLERANCE = 10  # per channel: decoders may round differently
DISTINCT = 30   # looks closer than this in every channel agree there
SHARE = 0.9

LAYOUT_FILES = {"main": "skin_main.ini", "colour": "skin_color.ini", "advanced": "skin_advance.ini"}
TABLE_PAGE = {"main": "main_normal.jpg", "colour": "color_normal_pink.jpg", "advanced": "advanced_normal.jpg"}
MASK = "main_mask.jpg"
MASK_THRESHOLD = 100  # a mask pixel lighter than this is outside the window
PAGE_LOOKS = [
    ("main_normal.jpg", "main_over.jpg", "main_down.jpg"),
    ("advanced_normal.jpg", "advanced_over.jpg", "advanced_down.jpg"),
    ("color_normal_pink.jpg", "color_over_red.jpg", "color_down_purple.jpg",
     "color_normal_gray.jpg", "color_over_blue.jpg"),
]


class Image:
    def __init__(self, path):
        size = subprocess.run(["identify", "-format", "%w %h", path + "[0]"], check=True,
                              capture_output=True, text=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = subprocess.run(["convert", path + "[0]", "-depth", "8", "rgb:-"], check=True,
                                  capture_output=True).stdout

    def at(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = 3 * (y * self.width + x)
        return self.rgb[i:i + 3]


def elements(skin_dir, table):
    """{index: (x, y, width, height)} of a layout file (UTF-16)."""
    with open(f"{skin_dir}/{LAYOUT_FILES[table]}", encoding="utf-16") as f:
        text = f.read()
    found = {}
    section = ""
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("["):
            section = line
        elif section == "[BUTTONPOS]" and "=" in line:
            key, value = line.split("=", 1)
            fields = value.split(",")
            found[int(key)] = tuple(int(v) for v in fields[1:5])
    return found


def near(a, b, limit):
    return a is not None and b is not None and all(abs(p - q) <= limit for p, q in zip(a, b))


def page_of(picture):
    return next((p for p in PAGE_LOOKS if picture in p), None)


def looks_at(skin_dir, table, element, expected, cache):
    """{name: colour at (x, y)} functions of the pictures an element may show."""
    load = lambda name: cache.setdefault(name, Image(f"{skin_dir}/{name}"))
    page = page_of(expected)
    anchored = None
    if page is None:
        anchored = expected
        page = page_of(TABLE_PAGE[table])
    looks = {name: (lambda image: lambda x, y: image.at(x, y))(load(name)) for name in page}
    if anchored:
        x0, y0 = element[0], element[1]
        looks[anchored] = (lambda image: lambda x, y: image.at(x - x0, y - y0))(load(anchored))
    return looks


def check(shot, origin, skin_dir, wanted, cache):
    table, index, expected = wanted.split(":")
    element = elements(skin_dir, table)[int(index)]
    x0, y0, w, h = element
    looks = looks_at(skin_dir, table, element, expected, cache)
    votes = {name: 0 for name in looks}
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            colours = {name: at(x, y) for name, at in looks.items()}
            if all(near(colours[expected], c, DISTINCT) for c in colours.values()):
                continue
            seen = shot.at(origin[0] + x, origin[1] + y)
            nearest = min(colours, key=lambda n: max(abs(p - q) for p, q in zip(colours[n], seen)))
            if near(colours[nearest], seen, TOLERANCE):
                votes[nearest] += 1
    total = sum(votes.values())
    share = votes[expected] / total if total else 0.0
    verdict = "ok" if total >= 20 and share >= SHARE else "fail"
    detail = ", ".join(f"{n} {v}" for n, v in votes.items() if v)
    print(f"{verdict} {wanted}: {share:.0%} of {total} ({detail})")
    return verdict == "ok"


def text_box(shot, origin, skin_dir, wanted):
    """(width, height, pixels) of the box around an element's text pixels."""
    table, index, picture = wanted.split(":")
    element = elements(skin_dir, table)[int(index)]
    x0, y0, w, h = element
    looks = looks_at(skin_dir, table, element, picture, {})
    xs, ys = [], []
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            seen = shot.at(origin[0] + x, origin[1] + y)
            if seen is not None and not any(near(at(x, y), seen, TOLERANCE) for at in looks.values()):
                xs.append(x)
                ys.append(y)
    if not xs:
        return 0, 0, 0
    return max(xs) - min(xs) + 1, max(ys) - min(ys) + 1, len(xs)


def check_shape(shot, origin, skin_dir):
    """The pixels the mask leaves out show the backdrop; those beside them inside do not.

    Only pixels where the skin's looks differ from the backdrop tell; there
    must be enough of them."""
    mask = Image(f"{skin_dir}/{MASK}")
    looks = [Image(f"{skin_dir}/{name}") for name in PAGE_LOOKS[0]]
    backdrop = shot.at(shot.width - 1, shot.height - 1)
    outside = lambda x, y: sum(mask.at(x, y)) / 3 > MASK_THRESHOLD
    telling = lambda x, y: all(not near(look.at(x, y), backdrop, TOLERANCE) for look in looks)
    out_total = out_backdrop = edge_total = edge_backdrop = 0
    for y in range(mask.height):
        for x in range(mask.width):
            seen = shot.at(origin[0] + x, origin[1] + y)
            if seen is None or not telling(x, y):
                continue
            if outside(x, y):
                out_total += 1
                out_backdrop += near(seen, backdrop, TOLERANCE)
            elif any(0 <= x + dx < mask.width and 0 <= y + dy < mask.height and outside(x + dx, y + dy)
                     for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                edge_total += 1
                edge_backdrop += near(seen, backdrop, TOLERANCE)
    ok = (out_total >= 100 and out_backdrop >= 0.95 * out_total and edge_total >= 20
          and edge_backdrop <= 0.05 * edge_total)
    verdict = "ok" if ok else "fail"
    print(f"{verdict} shape: {out_backdrop} of {out_total} pixels outside show the backdrop "
          f"{backdrop and tuple(backdrop)}, {edge_backdrop} of {edge_total} inside the edge do")
    return ok


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--centre":
        x, y, w, h = elements(sys.argv[2], sys.argv[3])[int(sys.argv[4])]
        print(x + w // 2, y + h // 2)
        return 0
    if len(sys.argv) in (6, 7) and sys.argv[1] in ("--text", "--shape"):
        shot = Image(sys.argv[2])
        origin = (int(sys.argv[3]), int(sys.argv[4]))
        if sys.argv[1] == "--shape":
            return 0 if check_shape(shot, origin, sys.argv[5]) else 1
        print(*text_box(shot, origin, sys.argv[5], sys.argv[6]))
        return 0
    if len(sys.argv) < 6:
        print(__doc__, file=sys.stderr)
        return 2
    shots = [Image(path) for path in sys.argv[1].split(",")]
    origin = (int(sys.argv[2]), int(sys.argv[3]))
    skin_dir = sys.argv[4]
    cache = {}
    results = [any(check(shot, origin, skin_dir, wanted, cache) for shot in shots) for wanted in sys.argv[5:]]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
