#!/usr/bin/env python3
"""Which look each element of the main window shows in a screenshot.

    check_looks.py SHOT WINDOW_X WINDOW_Y SKIN_DIR CHECK...
    check_looks.py --centre SKIN_DIR TABLE INDEX     prints "X Y" of its centre

A CHECK is TABLE:INDEX:PICTURE, e.g. main:17:main_over.jpg: element INDEX of
the layout TABLE (main, colour, advanced) must show that skin picture. Every
pixel of the element's rectangle is compared with the page's three looks
(PICTURE and the two others of its page): a pixel where the looks agree says
nothing, a pixel near none of them is where a text was printed, and each
remaining pixel votes for the look it is nearest. The check passes when the
named look has at least 90% of the votes. Prints one line per check, "ok ..."
or "fail ...". Pictures are decoded by ImageMagick.
"""
import subprocess
import sys

TOLERANCE = 10  # per channel: decoders may round differently
DISTINCT = 30   # looks closer than this in every channel agree there
SHARE = 0.9

LAYOUT_FILES = {"main": "skin_main.ini", "colour": "skin_color.ini", "advanced": "skin_advance.ini"}
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


def check(shot, origin, skin_dir, spec, cache):
    table, index, expected = spec.split(":")
    x0, y0, w, h = elements(skin_dir, table)[int(index)]
    page = next(p for p in PAGE_LOOKS if expected in p)
    looks = {name: cache.setdefault(name, Image(f"{skin_dir}/{name}")) for name in page}
    votes = {name: 0 for name in looks}
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            colours = {name: image.at(x, y) for name, image in looks.items()}
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
    print(f"{verdict} {spec}: {share:.0%} of {total} ({detail})")
    return verdict == "ok"


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--centre":
        x, y, w, h = elements(sys.argv[2], sys.argv[3])[int(sys.argv[4])]
        print(x + w // 2, y + h // 2)
        return 0
    if len(sys.argv) < 6:
        print(__doc__, file=sys.stderr)
        return 2
    shot = Image(sys.argv[1])
    origin = (int(sys.argv[2]), int(sys.argv[3]))
    skin_dir = sys.argv[4]
    cache = {}
    results = [check(shot, origin, skin_dir, spec, cache) for spec in sys.argv[5:]]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
