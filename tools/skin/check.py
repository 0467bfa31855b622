#!/usr/bin/python3
"""Checks the shipped skin and data files as the program will read them.

  /usr/bin/python3 tools/skin/check.py [repository root]

Prints one line per fault and exits 1 if there is any. Reads the files in
skins/ the way the program does; the generator's tables serve as the intended
mask outlines and, for the text files, as what they must hold.
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the tree clean

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import layout as L  # noqa: E402
from preview import read_ini  # noqa: E402

FONT = ImageFont.truetype("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 13)

faults = []


def fault(msg):
    faults.append(msg)


# ------------------------------------------------------------------ helpers
def split_value(v):
    """Fields 0..6 of a layout value, for values with every field comma-ended."""
    parts = v.split(",")
    return parts[:6] + [",".join(parts[6:])]


def rect_of(fields):
    try:
        return tuple(int(f) for f in fields[1:5])
    except ValueError:
        return None


def text_width(s):
    return FONT.getlength(s)


def visible(mask, x, y):
    r, g, b = mask.getpixel((x, y))[:3]
    return not (r > 100 and g > 100 and b > 100)


def mean_diff(a, b, rect):
    x, y, w, h = rect
    box = (x, y, x + w, y + h)
    diff = ImageChops.difference(a.crop(box), b.crop(box)).convert("L")
    hist = diff.histogram()
    return sum(i * n for i, n in enumerate(hist)) / max(1, w * h)


def overlaps(a, b):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah


# ------------------------------------------------------------------ layout files
def check_layout_file(path, sizes):
    raw = open(path, "rb").read()
    name = os.path.basename(path)
    if raw[:2] != b"\xff\xfe":
        fault(f"{name}: no UTF-16LE byte-order mark")
        return {}
    text = raw[2:].decode("utf-16-le")
    if text.replace("\r\n", "").count("\n") or text.replace("\r\n", "").count("\r"):
        fault(f"{name}: line ends other than CRLF")
    sections = read_ini(path)
    for section, keys in sizes.items():
        values = sections.get(section, {})
        for k in keys:
            v = values.get(str(k))
            if v is None:
                fault(f"{name} [{section}] {k}: missing")
            elif len(v) > 259:
                fault(f"{name} [{section}] {k}: longer than 259 characters")
            elif section != "FUN_STRING" and v.count(",") != 6:
                fault(f"{name} [{section}] {k}: {v.count(',')} commas, not 6")
            elif section == "FUN_STRING" and ("," in v.rstrip(",") or not v.rstrip(",")):
                fault(f"{name} [FUN_STRING] {k}: empty or with a comma inside")
    return sections


def elements(sections, size):
    out = []
    for i in range(size):
        f = split_value(sections["BUTTONPOS"].get(str(i), ",,,,,,"))
        out.append((rect_of(f) or (0, 0, 0, 0), f[5]))
    return out


# ------------------------------------------------------------------ checks
USED_MAIN = list(range(0, 75))
MAIN_PAGE = list(range(0, 75))
COLOUR_PAGE_COLOUR = list(range(12))
ADV_PAGE_ADV = list(range(20))


def check_inside(name, rect, size, mask=None):
    x, y, w, h = rect
    W, H = size
    if w <= 0 or h <= 0:
        fault(f"{name}: empty rectangle")
        return
    if x < 0 or y < 0 or x + w > W or y + h > H:
        fault(f"{name}: {rect} reaches outside {W}x{H}")
        return
    if mask is not None:
        for px, py in ((x, y), (x + w - 1, y), (x, y + h - 1), (x + w - 1, y + h - 1)):
            if not visible(mask, px, py):
                fault(f"{name}: corner ({px},{py}) lies outside the window shape")


def check_no_overlap(page, named_rects):
    for i, (na, ra) in enumerate(named_rects):
        for nb, rb in named_rects[i + 1:]:
            if overlaps(ra, rb):
                fault(f"{page} page: {na} {ra} overlaps {nb} {rb}")


def check_texts_fit(page, items, slack=0):
    for name, rect, s in items:
        if s and text_width(s) > rect[2] - slack:
            fault(f"{page}: text '{s}' ({text_width(s):.0f}px) does not fit {name} ({rect[2]}px)")


def check_looks(page, imgs, named_rects, pairs, minimum=6.0):
    for name, rect in named_rects:
        for a, b in pairs:
            d = mean_diff(imgs[a], imgs[b], rect)
            if d < minimum:
                fault(f"{page}: {name} looks alike in {a} and {b} (mean difference {d:.1f})")


def check_same_outside(page, imgs, rects, margin=8, tolerance=24):
    """Away from element rectangles the looks of a page are the same picture."""
    base = imgs[0]
    W, H = base.size
    keep = Image.new("L", (W, H), 255)
    d = ImageDraw.Draw(keep)
    for x, y, w, h in rects:
        if w > 0 and h > 0:
            d.rectangle([x - margin, y - margin, x + w - 1 + margin, y + h - 1 + margin], fill=0)
    for other in imgs[1:]:
        diff = ImageChops.difference(base, other).convert("L")
        diff = ImageChops.multiply(diff, keep)
        if diff.getextrema()[1] > tolerance:
            bbox = diff.point(lambda v: 255 if v > tolerance else 0).getbbox()
            fault(f"{page}: looks differ outside element rectangles near {bbox}")


def check_mask(name, img, outline):
    want = Image.new("L", img.size, 255)
    ImageDraw.Draw(want).polygon(outline, fill=0)
    rgb = img.convert("RGB")
    r, g, b = (c.point(lambda v: 255 if v > 100 else 0) for c in rgb.split())
    light = ImageChops.multiply(ImageChops.multiply(r, g), b)
    wrong = ImageChops.difference(light, want).getbbox()
    if wrong:
        fault(f"{name}: decoded shape differs from the intended outline near {wrong}")


def check_images(skin, mask):
    img = {}
    for name in ("main_normal", "main_over", "main_down", "advanced_normal", "advanced_over",
                 "advanced_down", "color_normal_pink", "color_over_red", "color_down_purple",
                 "color_normal_gray", "color_over_blue"):
        img[name] = Image.open(os.path.join(skin, name + ".jpg")).convert("RGB")
        if img[name].size != mask.size:
            fault(f"{name}.jpg: {img[name].size}, the mask is {mask.size}")
    return img


def check_menu(skin, prefix, rows, names):
    m = Image.open(os.path.join(skin, f"{prefix}_mask.jpg"))
    w, h = m.width, m.height // rows
    if h <= 0:
        fault(f"{prefix}_mask.jpg: too small")
        return
    looks = {}
    for look in ("normal", "over", "down"):
        looks[look] = Image.open(os.path.join(skin, f"{prefix}_{look}.jpg")).convert("RGB")
        if looks[look].width < w or looks[look].height < rows * h + 1:
            fault(f"{prefix}_{look}.jpg: smaller than {w}x{rows * h + 1}")
            return
    for r in range(1, rows + 1):
        band = (0, h * (r - 1), w, h)
        check_looks(prefix, looks, [(f"row {r}", band)],
                    [("normal", "over"), ("normal", "down"), ("over", "down")])
    check_texts_fit(prefix, [(f"row for '{s}'", (0, 0, w, h), s) for s in names], slack=8)
    return w, h


def check_config(path, macro_count):
    raw = open(path, "rb").read()
    try:
        text = raw.decode("ascii")
    except UnicodeDecodeError:
        fault("config.ini: not ASCII")
        return
    if text.replace("\r\n", "").count("\n"):
        fault("config.ini: line ends other than CRLF")
    order = ["K1", "K2", "K3", "K4", "K5", "K6", "DPI_LEVEL", "WHEEL_STATUS", "MACRO_MODE2"]
    for k in range(1, 5):
        order += [f"DPI_SET{k}", f"DPI_SET_EN{k}"]
    order += ["LED_STATUS", "DPI_SPEED"]
    want_sections = (["Init"] + [f"Config{n}" for n in range(1, 7)]
                     + [f"CfgReset{n}" for n in range(2, 6)])
    got_sections = [line[1:-1] for line in text.split("\r\n") if line.startswith("[")]
    if got_sections != want_sections:
        fault(f"config.ini: sections {got_sections}")
    s = read_ini(path)
    if s.get("Init", {}).get("CurConfig") != "1":
        fault("config.ini: CurConfig is not 1")
    offered = set(range(1, 7)) | set(range(11, 19)) | set(range(21, 27)) | set(range(31, 41)) \
        | set(range(41, 41 + macro_count))
    for name in want_sections[1:]:
        sec = s.get(name, {})
        if list(sec) != order:
            fault(f"config.ini [{name}]: keys {list(sec)}")
            continue
        v = {k: int(x) for k, x in sec.items()}
        codes = [v[f"K{b}"] for b in range(1, 7)]
        if 1 not in codes:
            fault(f"config.ini [{name}]: no button holds code 1")
        for c in codes:
            if c not in offered:
                fault(f"config.ini [{name}]: code {c} cannot be chosen in the program")
        if not 0 <= v["DPI_LEVEL"] <= 3 or not v[f"DPI_SET_EN{v['DPI_LEVEL'] + 1}"]:
            fault(f"config.ini [{name}]: current DPI level not enabled")
        for k in range(1, 5):
            if not 0 <= v[f"DPI_SET{k}"] <= 4 or v[f"DPI_SET_EN{k}"] not in (0, 1):
                fault(f"config.ini [{name}]: DPI level {k} out of range")
        if v["LED_STATUS"] not in range(4) or v["DPI_SPEED"] not in (8, 9, 10) \
                or v["WHEEL_STATUS"] not in (0, 1) or v["MACRO_MODE2"] not in (0, 1):
            fault(f"config.ini [{name}]: value out of range")
    defaults = dict(zip(order, [1, 2, 3, 5, 4, 6, 0, 0, 0, 1, 1, 2, 1, 4, 1, 0, 1, 0, 10]))
    if {k: int(x) for k, x in s.get("Config1", {}).items()} != defaults:
        fault("config.ini [Config1]: not the built-in defaults")
    resets = [tuple(s.get(f"CfgReset{n}", {}).items()) for n in range(2, 6)]
    if len(set(resets)) != 4:
        fault("config.ini: the four factory profiles are not distinct")


def check_macros(path):
    raw = open(path, "rb").read()
    name = os.path.basename(path)
    try:
        text = raw.decode("ascii")
    except UnicodeDecodeError:
        fault(f"{name}: not ASCII")
        return 0
    if text.replace("\r\n", "").count("\n"):
        fault(f"{name}: line ends other than CRLF")
    sec = read_ini(path).get("Macros", {})
    n = int(sec.get("macroNum", "0"))
    if not 0 < n <= 12:
        fault(f"{name}: macroNum {n}")
        return 0
    for i in range(n):
        v = sec.get(str(i), "")
        if len(v) != 3192 or not v.isdigit():
            fault(f"{name} macro {i}: value of {len(v)} characters, not 3192 digits")
            continue
        f = [int(v[j:j + 3]) for j in range(0, 3192, 3)]
        if max(f) > 255:
            fault(f"{name} macro {i}: a field above 255")
        units = [f[2 * j] | f[2 * j + 1] << 8 for j in range(20)]
        length = units.index(0) if 0 in units else 20
        if length == 0 or length > 19:
            fault(f"{name} macro {i}: name of {length} units")
        count = f[43]
        if count == 0:
            fault(f"{name} macro {i}: no steps")
        if f[40] == 1 and (f[41] | f[42] << 8) == 0:
            fault(f"{name} macro {i}: repeats 0 times")
        held = {}
        for k in range(count):
            key, action, delay = f[44 + 4 * k], f[45 + 4 * k], f[46 + 4 * k] | f[47 + 4 * k] << 8
            if action not in (1, 2):
                fault(f"{name} macro {i} step {k}: action {action}")
            held[key] = held.get(key, 0) + (1 if action == 1 else -1)
            if delay > 5000:
                fault(f"{name} macro {i} step {k}: delay {delay} ms")
        if any(held.values()):
            fault(f"{name} macro {i}: leaves a key or button pressed")
    return n


def check_text_files_current(root):
    """The text files are what the generator writes: a hand edit would be
    lost at the next run, and an unregenerated change to the tables is caught."""
    import datafiles
    skin = os.path.join(root, "skins", "default")
    want = {os.path.join(skin, n): datafiles.utf16_file(t)
            for n, t in datafiles.skin_layout_files().items()}
    macros = datafiles.macro_file().encode("ascii")
    want[os.path.join(skin, "defMacro.dat")] = macros
    want[os.path.join(root, "skins", "Macro.dat")] = macros
    want[os.path.join(root, "skins", "config.ini")] = datafiles.config_ini().encode("ascii")
    for path, data in want.items():
        if open(path, "rb").read() != data:
            fault(f"{os.path.relpath(path, root)}: differs from what tools/skin/generate.py writes")


def main(root):
    skin = os.path.join(root, "skins", "default")
    mask = Image.open(os.path.join(skin, "main_mask.jpg")).convert("RGB")
    size = mask.size
    check_mask("main_mask.jpg", mask, L.WINDOW_OUTLINE)
    wmask = Image.open(os.path.join(skin, "warning_mask.bmp"))
    if wmask.format != "BMP" or wmask.mode != "RGB" or wmask.info.get("compression", 0) != 0:
        fault("warning_mask.bmp: not an uncompressed 24-bit BMP")
    from pages import WARNING_OUTLINE
    check_mask("warning_mask.bmp", wmask, WARNING_OUTLINE)

    main_s = check_layout_file(os.path.join(skin, "skin_main.ini"),
                               {"BUTTONPOS": range(80), "FUN_STRING": range(1, 55)})
    colour_s = check_layout_file(os.path.join(skin, "skin_color.ini"), {"BUTTONPOS": range(12)})
    adv_s = check_layout_file(os.path.join(skin, "skin_advance.ini"),
                              {"BUTTONPOS": range(20), "EDIT": (3, 4), "MACRODISPLAY": (1, 2)})
    warn_s = check_layout_file(os.path.join(skin, "LBWarning.ini"), {"BUTTONPOS": range(3)})
    main = elements(main_s, 80)
    colour = elements(colour_s, 12)
    adv = elements(adv_s, 20)
    warn = elements(warn_s, 3)
    places = {(sec, k): rect_of(split_value(adv_s[sec][str(k)])) for sec, k in
              (("EDIT", 3), ("EDIT", 4), ("MACRODISPLAY", 1), ("MACRODISPLAY", 2))}
    names = {int(k): v.rstrip(",") for k, v in main_s.get("FUN_STRING", {}).items()}

    for i in USED_MAIN:
        check_inside(f"main element {i}", main[i][0], size, mask)
    for i in range(12):
        check_inside(f"colour element {i}", colour[i][0], size, mask)
    for i in range(20):
        check_inside(f"advanced element {i}", adv[i][0], size, mask)
    for key, rect in places.items():
        check_inside(f"place {key}", rect, size, mask)

    common = [(f"main {i}", main[i][0]) for i in range(17)]
    check_no_overlap("main", [(f"main {i}", main[i][0]) for i in MAIN_PAGE])
    check_no_overlap("colour", common + [(f"colour {i}", colour[i][0]) for i in range(12)])
    check_no_overlap("advanced", common + [(f"advanced {i}", adv[i][0]) for i in range(20)]
                     + [(f"place {k}", r) for k, r in places.items()])

    # Texts the program prints, at its 10-point font.
    status = "配置完成，请点击鼠标第[6]键运行驱动"
    check_texts_fit("main", [(f"main {i}", main[i][0], main[i][1])
                             for i in list(range(17)) + list(range(23, 37))]
                    + [("status line", main[1][0], status)])
    slot_w = min(main[16 + b][0][2] for b in range(1, 7))
    from datafiles import MACROS
    slot_names = [names.get(c, "") for c in range(1, 41)] + [m[0] for m in MACROS]
    check_texts_fit("main", [("a button slot", (0, 0, slot_w, 0), s) for s in slot_names], slack=5 + 20)
    check_texts_fit("advanced", [(f"advanced {i}", adv[i][0], adv[i][1]) for i in range(20)]
                    + [("advanced 4", adv[4][0], "停止"), ("advanced 14", adv[14][0], "↓216")])
    check_texts_fit("colour", [(f"colour {i}", colour[i][0], colour[i][1]) for i in range(11)]
                    + [("colour 9", colour[9][0], "3200")])
    check_texts_fit("warning", [(f"warning {i}", warn[i][0], warn[i][1]) for i in range(3)])
    for c in list(range(1, 41)):
        if not names.get(c):
            fault(f"function {c} has no name")

    # Looks: what the program shows must be visibly different.
    img = check_images(skin, mask)
    main_imgs = {"normal": img["main_normal"], "over": img["main_over"], "down": img["main_down"]}
    every = [("normal", "over"), ("normal", "down"), ("over", "down")]
    hit_main = [(f"main {i}", main[i][0]) for i in range(65)]
    check_looks("main", main_imgs, hit_main, every, minimum=4.0)
    check_looks("main", main_imgs, [(f"main {i}", main[i][0]) for i in range(65, 75)], every)
    adv_imgs = {"normal": img["advanced_normal"], "over": img["advanced_over"],
                "down": img["advanced_down"]}
    check_looks("advanced", adv_imgs, common + [(f"advanced {i}", adv[i][0]) for i in range(12)],
                every, minimum=4.0)
    col_imgs = {"normal": img["color_normal_pink"], "over": img["color_over_red"],
                "down": img["color_down_purple"], "gray": img["color_normal_gray"],
                "blue": img["color_over_blue"]}
    check_looks("colour", col_imgs, common + [(f"colour {i}", colour[i][0]) for i in range(5)],
                every, minimum=4.0)
    preview_pairs = [(a, b) for i, a in enumerate(col_imgs) for b in list(col_imgs)[i + 1:]]
    check_looks("colour", col_imgs, [("LED preview", colour[11][0])], preview_pairs)
    knob = Image.open(os.path.join(skin, "dpi_slider.jpg"))
    for i in range(45, 65):
        if knob.width < main[i][0][2] or knob.height < main[i][0][3]:
            fault(f"dpi_slider.jpg: smaller than DPI position {i}")

    check_same_outside("main", list(main_imgs.values()), [r for r, _ in main])
    check_same_outside("advanced", list(adv_imgs.values()),
                       [r for r, _ in main[:17]] + [r for r, _ in adv])
    check_same_outside("colour", list(col_imgs.values()),
                       [r for r, _ in main[:17]] + [r for r, _ in colour])

    check_menu(skin, "menu", 10, [names.get(c, "") for c in range(1, 11)])
    sub_names = [names.get(c, "") for c in list(range(11, 19)) + list(range(21, 27))
                 + list(range(31, 41))] + [m[0] for m in MACROS]
    check_menu(skin, "advanced menu", 12, sub_names)

    wn = Image.open(os.path.join(skin, "warning_normal.jpg")).convert("RGB")
    wo = Image.open(os.path.join(skin, "warning_over.jpg")).convert("RGB")
    if wn.size != wmask.size or wo.size != wmask.size:
        fault("warning images: not the size of warning_mask.bmp")
    for i in range(3):
        check_inside(f"warning element {i}", warn[i][0], wmask.size, wmask.convert("RGB"))
    check_looks("warning", {"normal": wn, "over": wo},
                [(f"warning {i}", warn[i][0]) for i in range(2)], [("normal", "over")])
    check_no_overlap("warning", [(f"warning {i}", warn[i][0]) for i in range(3)])

    count = check_macros(os.path.join(root, "skins", "Macro.dat"))
    check_macros(os.path.join(skin, "defMacro.dat"))
    check_config(os.path.join(root, "skins", "config.ini"), count)

    check_text_files_current(root)

    for f in faults:
        print(f)
    print(f"{len(faults)} fault(s)" if faults else "shipped skin and data files: ok")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..")))
