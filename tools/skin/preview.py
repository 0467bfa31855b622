"""Review pictures: the shipped files read back and composed the way the
program paints them (element copies from the look images, then the texts)."""
import os

from PIL import Image, ImageDraw, ImageFont

import datafiles
import layout as L

FONT = ImageFont.truetype("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 13)  # 10 pt at 96 dpi
YELLOW, WHITE, RED, BLACK = (255, 255, 0), (255, 255, 255), (255, 0, 0), (0, 0, 0)
DESKTOP = (58, 70, 84)
DPI_SHOWN = {0: 3200, 1: 1200, 2: 1600, 3: 2000, 4: 2400}


# ------------------------------------------------------------------ reading back
def read_ini(path):
    raw = open(path, "rb").read()
    text = raw[2:].decode("utf-16-le") if raw[:2] == b"\xff\xfe" else raw.decode("ascii")
    sections, current = {}, None
    for line in text.splitlines():
        if line.startswith("["):
            current = sections.setdefault(line.strip("[]"), {})
        elif "=" in line:
            k, v = line.split("=", 1)
            current[k] = v
    return sections


def table(path, size):
    values = read_ini(path)["BUTTONPOS"]
    out = []
    for i in range(size):
        f = values.get(str(i), ",,,,,,").split(",")
        out.append(((int(f[1] or 0), int(f[2] or 0), int(f[3] or 0), int(f[4] or 0)), f[5]))
    return out


class Skin:
    def __init__(self, folder):
        self.folder = folder
        main_ini = read_ini(os.path.join(folder, "skin_main.ini"))
        self.names = {int(k): v.split(",")[0] for k, v in main_ini["FUN_STRING"].items()}
        self.main = table(os.path.join(folder, "skin_main.ini"), 80)
        self.colour = table(os.path.join(folder, "skin_color.ini"), 12)
        self.advanced = table(os.path.join(folder, "skin_advance.ini"), 20)
        self.warning = table(os.path.join(folder, "LBWarning.ini"), 3)
        adv = read_ini(os.path.join(folder, "skin_advance.ini"))
        self.places = {}
        for section in ("EDIT", "MACRODISPLAY"):
            for k, v in adv[section].items():
                f = v.split(",")
                self.places[(section, int(k))] = tuple(int(n) for n in f[1:5])

    def image(self, name):
        return Image.open(os.path.join(self.folder, name)).convert("RGB")


# ------------------------------------------------------------------ painting
def copy(canvas, src, rect):
    (x, y, w, h) = rect
    if w > 0 and h > 0:
        canvas.paste(src.crop((x, y, x + w, y + h)), (x, y))


TEXT_HEIGHT = 15  # cell height of the 10-point font as GDI measures it under Wine


def text_size(s):
    return int(FONT.getlength(s)), TEXT_HEIGHT


def centred(d, rect, s, colour):
    if not s:
        return
    x, y, w, h = rect
    tw, th = text_size(s)
    d.text((x + int((w - tw) / 2), y + int((h - th) / 2)), s, font=FONT, fill=colour)


def left(d, rect, s, colour):
    if not s:
        return
    x, y, w, h = rect
    _, th = text_size(s)
    d.text((x + 5, y + int((h - th) / 2)), s, font=FONT, fill=colour)


class State:
    page = "main"
    main_hover = colour_hover = advanced_hover = 255
    pressed = False
    profile = 1
    buttons = [1, 2, 3, 5, 4, 6]
    dpi_level = 1
    dpi_set = [1, 2, 4, 0]
    dpi_enabled = [1, 1, 1, 0]
    wheel = 0
    driver_running = False
    run_button = 6
    blink = True
    recording = False
    dpi_speed = 10
    macro_mode = 0
    repeat_mode = 1
    presses = releases = 0
    led = 0
    preview_gray = False
    preview_colour = 0
    macro_names = [m[0] for m in datafiles.MACROS]

    def __init__(self, **kw):
        for k, v in kw.items():
            setattr(self, k, v)


PAGE_IMAGES = {
    "main": ("main_normal.jpg", "main_over.jpg", "main_down.jpg"),
    "advanced": ("advanced_normal.jpg", "advanced_over.jpg", "advanced_down.jpg"),
    "colour": ("color_normal_pink.jpg", "color_over_red.jpg", "color_down_purple.jpg"),
}


def function_name(skin, st, code):
    if 41 <= code <= 52:
        slot = code - 41
        return st.macro_names[slot] if slot < len(st.macro_names) else ""
    return skin.names.get(code, "") if 1 <= code <= 40 else ""


def paint(skin, st):
    normal, over, down = (skin.image(n) for n in PAGE_IMAGES[st.page])
    cv = normal.copy()
    table = {"main": skin.main, "advanced": skin.advanced, "colour": skin.colour}[st.page]
    hover = {"main": st.main_hover, "advanced": st.advanced_hover, "colour": st.colour_hover}[st.page]
    if hover != 255:
        copy(cv, down if st.pressed else over, table[hover][0])
    if st.page == "main":
        copy(cv, down, skin.main[65 + st.dpi_level][0])
        knob = skin.image("dpi_slider.jpg")
        for k in range(4):
            x, y, w, h = skin.main[45 + 5 * k + st.dpi_set[k]][0]
            cv.paste(knob.crop((0, 0, w, h)), (x, y))
            if st.dpi_enabled[k]:
                copy(cv, down, skin.main[27 + k][0])
        copy(cv, down, skin.main[32 if st.wheel == 0 else 33][0])
        if not st.driver_running:
            copy(cv, over if st.blink else down, skin.main[68 + st.run_button][0])
    elif st.page == "advanced":
        if st.recording:
            copy(cv, down, skin.advanced[4][0])
        copy(cv, down, skin.advanced[st.dpi_speed][0])
        if st.macro_mode:
            copy(cv, down, skin.advanced[7][0])
        if st.repeat_mode == 1:
            copy(cv, down, skin.advanced[6][0])
    else:
        copy(cv, down, skin.colour[st.led][0])
        rect = skin.colour[11][0]
        if st.preview_gray:
            copy(cv, skin.image("color_normal_gray.jpg"), rect)
        else:
            src = {0: skin.image("color_over_blue.jpg"), 1: None, 2: over, 3: down}[st.preview_colour]
            if src:
                copy(cv, src, rect)
    tab = {"main": 9, "advanced": 10, "colour": 11}[st.page]
    for i in range(17):
        if i == 3 + st.profile:
            copy(cv, down, skin.main[i][0])
        elif i == st.main_hover:
            copy(cv, down if st.pressed else over, skin.main[i][0])
        elif i == tab:
            copy(cv, down, skin.main[i][0])

    d = ImageDraw.Draw(cv)
    texts = {i: skin.main[i][1] for i in range(80)}
    if st.driver_running:
        texts[1] = "驱动运行中..."
    else:
        texts[1] = "配置完成，请点击鼠标第[" + (str(st.run_button) if st.blink else " ") + "]键运行驱动"
    adv_texts = {i: skin.advanced[i][1] for i in range(20)}
    adv_texts[4] = "停止" if st.recording else "录制"
    adv_texts[14] = f"↓{st.presses}"
    adv_texts[15] = f"↑{st.releases}"
    n = 28 if st.page == "colour" else 37
    for dd in range(n):
        if dd <= 16 or (st.page == "main" and 23 <= dd <= 36):
            centred(d, skin.main[dd][0], texts[dd], YELLOW if dd == 1 else WHITE)
        elif st.page == "main":
            b = dd - 16
            left(d, skin.main[dd][0], function_name(skin, st, st.buttons[b - 1]),
                 RED if dd == st.main_hover else WHITE)
        elif st.page == "advanced":
            e = dd - 17
            centred(d, skin.advanced[e][0], adv_texts[e], RED if e == st.advanced_hover else WHITE)
        else:
            e = dd - 17
            s = str(DPI_SHOWN.get(st.dpi_set[st.dpi_level], 1200)) if e == 9 else skin.colour[e][1]
            centred(d, skin.colour[e][0], s, WHITE)
    if st.page == "advanced":
        _controls(d, skin, st)
    return on_desktop(cv, skin.image("main_mask.jpg"))


def _controls(d, skin, st):
    """Stand-ins for the four child controls, in the platform's default colours."""
    for key, rect in skin.places.items():
        x, y, w, h = rect
        d.rectangle([x, y, x + w - 1, y + h - 1], fill=WHITE, outline=(122, 122, 122))
    x, y, w, h = skin.places[("MACRODISPLAY", 1)]
    for i, name in enumerate(st.macro_names):
        if i == len(st.macro_names) - 1:
            d.rectangle([x + 1, y + 1 + 16 * i, x + w - 2, y + 16 * (i + 1)], fill=(0, 120, 215))
        d.text((x + 3, y + 2 + 16 * i), name, font=FONT,
               fill=WHITE if i == len(st.macro_names) - 1 else BLACK)
    x, y, w, h = skin.places[("MACRODISPLAY", 2)]
    lines = ["[↓]SPACE", "    30ms", "[↓]LCONTROL", "    250ms", "[↑]SPACE", "    10ms", "[↑]LCONTROL"]
    for i, s in enumerate(lines):
        d.text((x + 3, y + 2 + 16 * i), s, font=FONT, fill=BLACK)
    x, y, w, h = skin.places[("EDIT", 4)]
    d.text((x + 3, y + 4), st.macro_names[-1], font=FONT, fill=BLACK)
    x, y, w, h = skin.places[("EDIT", 3)]
    d.text((x + 3, y + 4), "1", font=FONT, fill=(120, 120, 120))


def on_desktop(img, mask):
    """The window as the screen shows it: light mask pixels are holes."""
    out = Image.new("RGB", img.size, DESKTOP)
    visible = mask.convert("RGB").point(lambda v: 255 if v <= 100 else 0).convert("L")
    # a pixel is a hole only when all three channels exceed 100
    r, g, b = mask.convert("RGB").split()
    hole = Image.merge("RGB", (r, g, b)).point(lambda v: 255 if v > 100 else 0)
    hr, hg, hb = hole.split()
    from PIL import ImageChops
    holes = ImageChops.multiply(ImageChops.multiply(hr, hg), hb)
    visible = ImageChops.invert(holes)
    out.paste(img, (0, 0), visible)
    return out


# ------------------------------------------------------------------ popups
def paint_menu(skin, names, prefix, rows, row_h, width, hover, pressed=False):
    normal = skin.image(f"{prefix}_normal.jpg")
    cv = normal.copy()
    if hover != 255:
        src = skin.image(f"{prefix}_down.jpg" if pressed else f"{prefix}_over.jpg")
        cv.paste(src.crop((0, row_h * (hover - 1), width, row_h * hover)), (0, row_h * (hover - 1)))
    d = ImageDraw.Draw(cv)
    for i in range(1, rows + 1):
        s = names[i - 1]
        tw, th = text_size(s)
        d.text((int((width - tw) / 2), row_h * (i - 1) + int((row_h - th) / 2)), s, font=FONT,
               fill=RED if i == hover else WHITE)
    return cv.crop((0, 0, width, rows * row_h + 1))


def paint_warning(skin, hover):
    cv = skin.image("warning_normal.jpg")
    if hover in (1, 2):
        copy(cv, skin.image("warning_over.jpg"), skin.warning[hover - 1][0])
    d = ImageDraw.Draw(cv)
    for rect, s in skin.warning:
        centred(d, rect, s, RED)
    mask = Image.open(os.path.join(skin.folder, "warning_mask.bmp"))
    return on_desktop(cv, mask)


def popups_picture(skin):
    menu = Image.open(os.path.join(skin.folder, "menu_mask.jpg"))
    sub = Image.open(os.path.join(skin.folder, "advanced menu_mask.jpg"))
    w, h = menu.width, menu.height // 10
    w2, h2 = sub.width, sub.height // 12
    first = paint_menu(skin, [skin.names[c] for c in range(1, 11)], "menu", 10, h, w, 10)
    second = paint_menu(skin, [skin.names[c] for c in range(31, 41)], "advanced menu", 10, h2, w2,
                        4, pressed=True)
    macros = paint_menu(skin, [m[0] for m in datafiles.MACROS], "advanced menu",
                        len(datafiles.MACROS), h2, w2, 2)
    warn_plain = paint_warning(skin, 255)
    warn_over = paint_warning(skin, 1)
    pic = Image.new("RGB", (w + w2 + 40 + w2 + 40 + warn_plain.width, 12 * h + 60), DESKTOP)
    pic.paste(first, (20, 20 + h2))
    pic.paste(second, (20 + w, 20 + h2))          # row 10 opens beside the popup's top
    pic.paste(macros, (20 + w + w2 + 20, 20 + h2 + (9 - len(datafiles.MACROS)) * h))
    wx = 20 + w + 2 * w2 + 40
    pic.paste(warn_plain, (wx, 20))
    pic.paste(warn_over, (wx, 40 + warn_plain.height))
    return pic


def write_all(skin_folder, docs):
    skin = Skin(skin_folder)
    for name in ("main_normal", "main_over", "main_down", "advanced_normal", "advanced_over",
                 "advanced_down", "color_normal_pink", "color_over_red", "color_down_purple",
                 "color_normal_gray", "color_over_blue"):
        Image.open(os.path.join(skin_folder, name + ".jpg")).save(os.path.join(docs, name + ".png"))
    paint(skin, State(page="main", main_hover=18)).save(os.path.join(docs, "main_preview.png"))
    paint(skin, State(page="main", main_hover=58, pressed=True, buttons=[1, 2, 3, 41, 45, 6],
                      blink=False, profile=3)).save(os.path.join(docs, "main_preview_pressed.png"))
    paint(skin, State(page="advanced", advanced_hover=2, presses=2, releases=2, macro_mode=1,
                      dpi_speed=9)).save(os.path.join(docs, "advanced_preview.png"))
    paint(skin, State(page="advanced", advanced_hover=4, recording=True, pressed=True,
                      repeat_mode=0)).save(os.path.join(docs, "advanced_preview_recording.png"))
    paint(skin, State(page="colour", colour_hover=1, led=2, preview_colour=0)).save(
        os.path.join(docs, "colour_preview.png"))
    paint(skin, State(page="colour", led=3, preview_gray=True, main_hover=16, pressed=True)).save(
        os.path.join(docs, "colour_preview_gray.png"))
    popups_picture(skin).save(os.path.join(docs, "popups_preview.png"))
