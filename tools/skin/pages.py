"""The three pages of the main window, the DPI knob, the popups and the
warning popup, each drawn in the looks the program copies from."""
from PIL import Image, ImageDraw

import draw as D
import layout as L
from mouse import MouseArt, MouseShape

LOOKS = ("normal", "over", "down")

MAIN_MOUSE = MouseArt(MouseShape(L.MOUSE_CX, 104, 196, 64, 20, 0.44), L.MOUSE_PARTS)


# ------------------------------------------------------------------ element looks
def _button_colours(look, primary=False):
    if primary:
        return {"normal": ((0, 100, 134), (0, 68, 92), D.ACCENT_MID),
                "over": ((0, 136, 178), (0, 96, 128), D.ACCENT),
                "down": ((0, 52, 72), (0, 38, 54), D.ACCENT)}[look]
    return {"normal": (D.PANEL_HI, D.PANEL, D.LINE),
            "over": ((20, 24, 31), (13, 15, 20), D.ACCENT),
            "down": (D.ACCENT_DARK, D.ACCENT_DEEP, D.ACCENT)}[look]


def _panel_button(cv, e, look, primary=False, r=4):
    x0, y0, x1, y1 = e.rect
    top, bottom, border = _button_colours(look, primary)
    cv.vgrad(x0, y0, x1, y1, top, bottom, r)
    cv.rrect(x0, y0, x1, y1, r, outline=border)
    cv.line([(x0 + r, y0 + 1.5), (x1 - r, y0 + 1.5)], D.mix(top, D.WHITE, 0.10), 1)
    if look == "down":
        cv.rect(x0 + 8, y1 - 3, x1 - 8, y1 - 2, fill=D.ACCENT)


def _led(cv, cx, cy, on, colour=D.ACCENT):
    if on:
        cv.glow((int(cx - 8), int(cy - 8), int(cx + 9), int(cy + 9)),
                lambda s: s.circle(cx, cy, 2.5, fill=255), colour, 2.2, 1.4)
        cv.circle(cx, cy, 2.5, fill=D.mix(colour, D.WHITE, 0.5))
    else:
        cv.circle(cx, cy, 2.5, fill=(52, 58, 70), outline=(70, 78, 94), width=0.7)


def _icon_glyph(cv, kind, cx, cy, colour):
    if kind == "minimize":
        cv.line([(cx - 6, cy + 4), (cx + 6, cy + 4)], colour, 1.6)
    elif kind == "hide":
        cv.line([(cx - 6, cy - 4), (cx, cy + 2), (cx + 6, cy - 4)], colour, 1.6)
        cv.line([(cx - 7, cy + 6), (cx + 7, cy + 6)], colour, 1.2)
    elif kind == "close":
        cv.line([(cx - 5, cy - 5), (cx + 5, cy + 5)], colour, 1.6)
        cv.line([(cx - 5, cy + 5), (cx + 5, cy - 5)], colour, 1.6)
    elif kind == "import":
        cv.line([(cx, cy - 6), (cx, cy + 3)], colour, 1.4)
        cv.line([(cx - 4, cy - 1), (cx, cy + 3), (cx + 4, cy - 1)], colour, 1.4)
        cv.line([(cx - 6, cy + 6), (cx + 6, cy + 6)], colour, 1.4)
    elif kind == "export":
        cv.line([(cx, cy + 3), (cx, cy - 6)], colour, 1.4)
        cv.line([(cx - 4, cy - 2), (cx, cy - 6), (cx + 4, cy - 2)], colour, 1.4)
        cv.line([(cx - 6, cy + 6), (cx + 6, cy + 6)], colour, 1.4)
    elif kind == "reset":
        pts = D.arc_points(cx, cy, 5.5, 5.5, -60, 240, 20)
        cv.line(pts, colour, 1.4)
        ex, ey = pts[-1]
        cv.line([(ex - 3.5, ey - 1), (ex, ey), (ex + 0.5, ey - 4)], colour, 1.4)


def paint_button(cv, e, look):
    _panel_button(cv, e, look)
    x0, y0, x1, y1 = e.rect
    cy = (y0 + y1) / 2
    if "icon" in e.extra:
        _icon_glyph(cv, e.extra["icon"], x0 + 20, cy, D.ACCENT if look != "normal" else D.LABEL)
    if "badge" in e.extra:
        _led(cv, x0 + 14, cy, look == "down")


def paint_primary(cv, e, look):
    _panel_button(cv, e, look, primary=True)


def paint_tab(cv, e, look):
    x0, y0, x1, y1 = e.rect
    if look == "over":
        cv.vgrad(x0, y0, x1, y1, (38, 44, 56), (26, 30, 38), 4)
        cv.rect(x0 + 6, y1 - 2, x1 - 6, y1, fill=D.ACCENT_MID)
    elif look == "down":
        cv.vgrad(x0, y0, x1, y1, (0, 66, 88), (12, 28, 36), 4)
        cv.glow((x0, y0, x1, y1), lambda s: s.rect(x0 + 10, y1 - 4, x1 - 10, y1, fill=255),
                D.ACCENT, 5, 0.9)
        cv.rect(x0 + 4, y1 - 3, x1 - 4, y1, fill=D.ACCENT)
    else:
        cv.rect(x0 + 10, y1 - 1, x1 - 10, y1, fill=D.LINE)


def paint_icon(cv, e, look):
    x0, y0, x1, y1 = e.rect
    close = e.extra["icon"] == "close"
    if look == "over":
        cv.rrect(x0, y0, x1, y1, 4, fill=(190, 38, 52) if close else (52, 60, 77))
    elif look == "down":
        cv.rrect(x0, y0, x1, y1, 4, fill=(130, 22, 34) if close else D.ACCENT_DARK,
                 outline=(255, 90, 100) if close else D.ACCENT)
    colour = D.LABEL if look == "normal" else D.WHITE
    _icon_glyph(cv, e.extra["icon"], (x0 + x1) / 2, (y0 + y1) / 2, colour)


def paint_status(cv, e, look):
    x0, y0, x1, y1 = e.rect
    fill, border = {"normal": ((11, 12, 16), D.LINE), "over": ((22, 27, 35), D.LINE_HI),
                    "down": ((0, 34, 46), D.ACCENT)}[look]
    cv.rrect(x0, y0, x1, y1, 4, fill=fill, outline=border)
    cy = (y0 + y1) / 2
    # activity trace at the left
    pts = [(x0 + 8, cy), (x0 + 12, cy), (x0 + 14, cy - 5), (x0 + 17, cy + 5),
           (x0 + 20, cy - 2), (x0 + 22, cy), (x0 + 27, cy)]
    cv.line(pts, D.ACCENT if look != "normal" else D.ACCENT_MID, 1.2)


def paint_slot(cv, e, look):
    x0, y0, x1, y1 = e.rect
    top, bottom, border = {
        "normal": ((31, 35, 44), (25, 28, 36), D.LINE),
        "over": ((16, 19, 25), (11, 13, 17), D.ACCENT),
        "down": (D.ACCENT_DARK, D.ACCENT_DEEP, D.ACCENT)}[look]
    cv.vgrad(x0, y0, x1, y1, top, bottom, 3)
    cv.rrect(x0, y0, x1, y1, 3, outline=border)
    cv.rect(x0 + 1, y0 + 5, x0 + 3, y1 - 5, fill=D.ACCENT if look != "normal" else D.ACCENT_MID)
    cx, cy = x1 - 13, (y0 + y1) / 2
    cv.line([(cx - 4, cy - 2), (cx, cy + 2), (cx + 4, cy - 2)],
            D.WHITE if look != "normal" else D.LABEL, 1.3)


def paint_label(cv, e, look):
    x0, y0, x1, y1 = e.rect
    if look == "over":
        cv.rrect(x0, y0, x1, y1, 3, fill=(28, 32, 40))
        cv.rect(x0 + 2, y1 - 1, x1 - 2, y1, fill=D.ACCENT_MID)
    elif look == "down":
        cv.rrect(x0, y0, x1, y1, 3, fill=(20, 36, 44))
        cv.rect(x0 + 2, y1 - 2, x1 - 2, y1, fill=D.ACCENT)


def paint_toggle(cv, e, look):
    _panel_button(cv, e, look)
    x0, y0, x1, y1 = e.rect
    _led(cv, x0 + 7, (y0 + y1) / 2, look == "down")


def paint_selector(cv, e, look):
    x0, y0, x1, y1 = e.rect
    r = (y1 - y0) / 2
    fill, border, text = {"normal": (D.PANEL, D.LINE, D.LABEL_HI),
                          "over": ((52, 60, 77), D.ACCENT_MID, D.WHITE),
                          "down": (D.ACCENT_DARK, D.ACCENT, D.WHITE)}[look]
    cv.rrect(x0, y0, x1, y1, r, fill=fill, outline=border)
    cv.text_center((x0 + x1) / 2, (y0 + y1) / 2, e.text, 13, text)


def paint_mark(cv, e, look):
    x0, y0, x1, y1 = e.rect
    if look == "down":
        cv.glow((x0, y0, x1, y1), lambda s: s.rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, fill=255),
                D.ACCENT, 2, 1.0)
        cv.rrect(x0 + 1, y0, x1 - 1, y1, 2, fill=(120, 230, 255))
    else:
        cv.rrect(x0 + 1, y0, x1 - 1, y1, 2, fill=D.ACCENT_MID if look == "over" else (44, 50, 62))


def paint_dot(cv, e, look):
    x0, y0, x1, y1 = e.rect
    c = e.extra["colour"]
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    if look == "normal":
        cv.circle(cx, cy, 5, fill=D.shade(c, 0.6), outline=D.LINE, width=1)
    elif look == "over":
        cv.circle(cx, cy, 6.5, fill=c, outline=D.WHITE, width=1.2)
    else:
        cv.glow((x0, y0, x1, y1), lambda s: s.circle(cx, cy, 6, fill=255), c, 2, 1.0)
        cv.circle(cx, cy, 5.5, fill=D.mix(c, D.WHITE, 0.4))


def dpi_track(cv, y):
    """The groove that runs under a DPI row; drawn the same in every look."""
    cy = y + L.DPI_POS_H / 2
    x0 = L.DPI_COLUMN_X[0] - L.DPI_POS_W / 2
    x1 = L.DPI_COLUMN_X[-1] + L.DPI_POS_W / 2
    cv.rrect(x0 + 8, cy - 2, x1 - 8, cy + 2, 2, fill=(12, 14, 18), outline=(40, 46, 58), width=0.7)


def paint_dpipos(cv, e, look):
    x0, y0, x1, y1 = e.rect
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    if look == "normal":
        cv.circle(cx, cy, 3.2, fill=(70, 78, 94))
    elif look == "over":
        cv.circle(cx, cy, 8, fill=(30, 40, 50), outline=D.ACCENT_MID, width=1.4)
        cv.circle(cx, cy, 3, fill=D.ACCENT)
    elif look == "down":
        cv.circle(cx, cy, 8, fill=D.ACCENT_DARK, outline=D.ACCENT, width=1.6)
        cv.circle(cx, cy, 4, fill=D.WHITE)
    elif look == "knob":
        cv.glow((x0, y0, x1, y1), lambda s: s.rrect(cx - 13, cy - 7, cx + 13, cy + 7, 7, fill=255),
                D.ACCENT, 3, 0.9)
        cv.vgrad(cx - 13, cy - 8, cx + 13, cy + 8, (120, 232, 255), (0, 150, 200), 8)
        cv.rrect(cx - 13, cy - 8, cx + 13, cy + 8, 8, outline=(200, 245, 255), width=1)
        for dx in (-4, 0, 4):
            cv.line([(cx + dx, cy - 4), (cx + dx, cy + 4)], (0, 70, 96), 1.2)


def paint_mousepart(cv, e, look):
    if look in ("over", "down"):
        MAIN_MOUSE.highlight(cv, e.extra["button"], look)


def paint_hint(cv, e, look):
    x0, y0, x1, y1 = e.rect
    fill, border, icon = {"normal": ((22, 25, 32), D.LINE, D.LABEL),
                          "over": ((30, 38, 48), D.ACCENT_MID, D.ACCENT),
                          "down": (D.ACCENT_DEEP, D.ACCENT, D.WHITE)}[look]
    cv.rrect(x0, y0, x1, y1, 4, fill=fill, outline=border)
    cx, cy = x0 + 12, y0 + 12
    cv.circle(cx, cy, 6, outline=icon, width=1.2)
    cv.rect(cx - 0.6, cy - 1, cx + 0.8, cy + 3.5, fill=icon)
    cv.rect(cx - 0.6, cy - 3.6, cx + 0.8, cy - 2.2, fill=icon)


def paint_readout(cv, e, look):
    x0, y0, x1, y1 = e.rect
    border = {"normal": D.LINE, "over": D.LINE_HI, "down": D.ACCENT}[look]
    cv.rrect(x0, y0, x1, y1, 3, fill=(10, 11, 14), outline=border)
    tick = D.ACCENT_MID if look == "normal" else D.ACCENT
    for (ax, ay, bx, by) in ((x0 + 1, y0 + 6, x0 + 1, y0 + 1), (x0 + 1, y0 + 1, x0 + 6, y0 + 1),
                             (x1 - 2, y1 - 6, x1 - 2, y1 - 2), (x1 - 2, y1 - 2, x1 - 7, y1 - 2)):
        cv.line([(ax, ay), (bx, by)], tick, 1)


def paint_record(cv, e, look):
    x0, y0, x1, y1 = e.rect
    if look == "down":
        cv.vgrad(x0, y0, x1, y1, (66, 12, 18), (40, 7, 11), 4)
        cv.rrect(x0, y0, x1, y1, 4, outline=(255, 80, 90))
    else:
        _panel_button(cv, e, look)
    cx, cy = x0 + 18, (y0 + y1) / 2
    if look == "normal":
        cv.circle(cx, cy, 5, fill=(150, 34, 44))
    else:
        cv.glow((x0, y0, x0 + 40, y1), lambda s: s.circle(cx, cy, 5, fill=255), (255, 40, 50), 3, 1.2)
        cv.circle(cx, cy, 5, fill=(255, 70, 80) if look == "over" else (255, 150, 150))


def _mode_icon(cv, mode, cx, cy, colour):
    if mode == 0:      # slow breathing
        pts = [(cx - 9 + i, cy - 4 * __import__("math").sin(i / 18 * 6.283)) for i in range(19)]
        cv.line(pts, colour, 1.4)
    elif mode == 1:    # fast flashing
        cv.line([(cx - 9, cy + 4), (cx - 5, cy - 4), (cx - 1, cy + 4), (cx + 3, cy - 4),
                 (cx + 7, cy + 4), (cx + 9, cy)], colour, 1.4)
    elif mode == 2:    # steady
        cv.circle(cx, cy, 5, fill=colour)
    else:              # off
        cv.circle(cx, cy, 5.5, outline=colour, width=1.3)
        cv.line([(cx - 4, cy + 4), (cx + 4, cy - 4)], colour, 1.3)


def paint_mode(cv, e, look):
    _panel_button(cv, e, look)
    x0, y0, x1, y1 = e.rect
    colour = {"normal": D.LABEL, "over": D.ACCENT, "down": D.WHITE}[look]
    _mode_icon(cv, e.extra["mode"], x0 + 22, (y0 + y1) / 2, colour)


def paint_nothing(cv, e, look):
    pass


PAINTERS = {
    "button": paint_button, "primary": paint_primary, "tab": paint_tab, "icon": paint_icon,
    "status": paint_status, "slot": paint_slot, "label": paint_label, "toggle": paint_toggle,
    "selector": paint_selector, "mark": paint_mark, "dot": paint_dot, "dpipos": paint_dpipos,
    "mousepart": paint_mousepart, "hint": paint_hint, "readout": paint_readout,
    "record": paint_record, "mode": paint_mode, "preview": paint_nothing,
    "unused": paint_nothing,
}


# ------------------------------------------------------------------ window chrome
def _logo(cv, x, y):
    cv.glow((x - 6, y - 6, x + 40, y + 40),
            lambda s: s.poly([(x, y), (x + 9, y), (x + 17, y + 22), (x + 25, y), (x + 34, y),
                              (x + 21, y + 32), (x + 13, y + 32)], fill=255), D.ACCENT, 3, 0.6)
    cv.poly([(x, y), (x + 9, y), (x + 17, y + 22), (x + 25, y), (x + 34, y),
             (x + 21, y + 32), (x + 13, y + 32)], fill=D.ACCENT)
    cv.poly([(x + 9, y), (x + 13, y), (x + 19, y + 17), (x + 17, y + 22)], fill=(160, 240, 255))
    cv.text(x + 44, y - 2, "VARKEL", 22, D.WHITE, D.FONT_BOLD)
    cv.text(x + 46, y + 24, "游戏鼠标控制中心", 11, D.LABEL)


def _panel(cv, x0, y0, x1, y1, r=6):
    cv.vgrad(x0, y0, x1, y1, (24, 27, 34), (19, 22, 27), r)
    cv.rrect(x0, y0, x1, y1, r, outline=D.LINE)


def _section_bar(cv, e):
    cv.rect(e.x - 8, e.y + 4, e.x - 5, e.y + e.h - 4, fill=D.ACCENT)


def chrome(cv):
    o = L.WINDOW_OUTLINE
    cv.poly(o, fill=D.BG)
    # header band
    cv.vgrad(0, 0, L.WINDOW_W, L.HEADER_BOTTOM, (34, 38, 47), (21, 24, 30))
    D.hatch(cv, 260, 2, 640, L.HEADER_BOTTOM - 2, (27, 31, 38), 7)
    cv.rect(8, L.HEADER_BOTTOM - 1, L.WINDOW_W - 8, L.HEADER_BOTTOM, fill=D.LINE)
    cv.glow((0, L.HEADER_BOTTOM - 10, 280, L.HEADER_BOTTOM + 10),
            lambda s: s.rect(24, L.HEADER_BOTTOM - 1, 250, L.HEADER_BOTTOM, fill=255),
            D.ACCENT, 3, 1.0)
    cv.rect(24, L.HEADER_BOTTOM - 1, 250, L.HEADER_BOTTOM, fill=D.ACCENT)
    _logo(cv, 26, 15)
    # footer band
    cv.vgrad(0, L.FOOTER_TOP, L.WINDOW_W, L.WINDOW_H, (22, 25, 31), (13, 15, 19))
    cv.rect(8, L.FOOTER_TOP, L.WINDOW_W - 8, L.FOOTER_TOP + 1, fill=D.LINE)
    # sidebar
    sx0, sy0, sx1, sy1 = L.SIDEBAR
    _panel(cv, sx0, sy0, sx1, sy1)
    cv.rect(16, 84, 19, 98, fill=D.ACCENT)
    cv.text(24, 82, "配置文件", 13, D.LABEL_HI)
    cv.rect(24, 346, 168, 347, fill=D.LINE)
    # device card at the bottom of the sidebar
    cv.rrect(24, 488, 168, 532, 4, fill=(15, 17, 21), outline=(38, 44, 54))
    mini = MouseShape(44, 494, 32, 11, 4, 0.42)
    cv.poly(mini.outline(), fill=(48, 54, 64), outline=D.LINE_HI, width=0.8)
    cv.line([(44, 495), (44, 507)], (20, 22, 27), 1)
    cv.text(64, 493, "Varkel", 13, D.LABEL_HI, D.FONT_BOLD)
    cv.text(64, 511, "USB 游戏鼠标", 11, D.LABEL)
    # outline: a hairline with lit chamfers
    cv.poly(o, outline=(58, 66, 80), width=1)
    for a, b in ((o[0], o[7]), (o[2], o[1]), (o[4], o[3]), (o[6], o[5])):
        cv.line([a, b], D.ACCENT_MID, 1.4)


def finish_outside(cv):
    """Paint everything outside the window outline in the outside colour."""
    m = Image.new("L", cv.img.size, 255)
    ImageDraw.Draw(m).polygon(cv.pts(L.WINDOW_OUTLINE), fill=0)
    cv.img.paste(Image.new("RGB", cv.img.size, D.BG_OUT), (0, 0), m)


def draw_elements(cv, table, indices, look, override=None):
    for i in indices:
        e = table[i]
        kind_look = (override or {}).get(i, look)
        PAINTERS[e.kind](cv, e, kind_look)


# ------------------------------------------------------------------ pages
def _content_panel(cv):
    x0, y0, x1, y1 = L.CONTENT
    _panel(cv, x0, y0, x1, y1)
    D.hatch(cv, x1 - 160, y0 + 2, x1 - 2, y0 + 34, (27, 31, 38), 6)


def main_page(look, override=None):
    cv = D.Canvas(L.WINDOW_W, L.WINDOW_H)
    chrome(cv)
    _content_panel(cv)
    for i in (23, 24):
        _section_bar(cv, L.MAIN[i])
    # DPI grid: scale and grooves
    for v, col in L.DPI_COLUMN_OF_VALUE.items():
        cv.text_center(L.DPI_COLUMN_X[col], 370, str(L.DPI_DISPLAY[v]), 12, D.LABEL, D.FONT_SANS)
    for y in L.DPI_ROW_Y:
        dpi_track(cv, y)
    cv.rect(204, 381, 782, 382, fill=(36, 41, 51))
    # mouse and leader lines
    MAIN_MOUSE.draw_body(cv)
    draw_elements(cv, L.MAIN, [e.index for e in L.MAIN if e.kind != "unused"], look, override)
    _leaders(cv)  # over the lit buttons too: the same in every look
    finish_outside(cv)
    return cv.final()


def _leaders(cv):
    mx = L.MOUSE_PARTS
    ends = {1: (446, 134), 2: (534, 134), 3: (490, 122), 6: (490, 176),
            4: (420, 217), 5: (420, 257)}
    for b, (sx, sy) in L.SLOTS.items():
        left = sx < L.MOUSE_CX
        y = sy + L.SLOT_H / 2
        x = sx + L.SLOT_W if left else sx
        ex, ey = ends[b]
        knee = x + 16 if left else x - 16
        colour = (62, 72, 88)
        if b in (3, 6):
            pts = [(x, y), (knee, y), (ex + 14, ey), (ex + 3, ey)]
        else:
            pts = [(x, y), (knee, y), (ex, ey)]
        cv.line(pts, colour, 1)
        cv.circle(pts[-1][0], pts[-1][1], 1.8, fill=D.ACCENT_MID)
        # number badge beside the slot
        bx = sx - 9 if left else sx + L.SLOT_W + 9
        cv.circle(bx, y, 7, fill=(30, 34, 43), outline=D.LINE_HI, width=1)
        cv.text_center(bx, y, str(b), 11, D.LABEL_HI, D.FONT_BOLD)
    del mx


def colour_page(look, preview):
    cv = D.Canvas(L.WINDOW_W, L.WINDOW_H)
    chrome(cv)
    _content_panel(cv)
    for i in (5, 6, 8):
        _section_bar(cv, L.COLOUR[i])
    # legend: the colour of each DPI level
    lx, ly = L.LEGEND_ORIGIN
    for k in range(4):
        x = lx + (k % 2) * 100
        y = ly + (k // 2) * 28
        cv.circle(x + 8, y + 10, 6, fill=L.LEVEL_COLOURS[k], outline=D.LINE_HI, width=1)
        cv.text(x + 20, y + 3, f"档位{k + 1} {L.LEVEL_COLOUR_NAMES[k]}", 12, D.LABEL)
    nx, ny = L.MODE_NOTES_ORIGIN
    cv.rrect(nx, ny, nx + 196, ny + 84, 4, fill=(20, 23, 29), outline=(36, 41, 51))
    for i, note in enumerate(L.MODE_NOTES):
        cv.text(nx + 10, ny + 8 + 18 * i, note, 12, D.LABEL)
    # preview frame
    x, y, w, h = L.PREVIEW_RECT
    cv.rrect(x - 3, y - 3, x + w + 3, y + h + 3, 6, outline=D.LINE)
    draw_elements(cv, L.COLOUR, [e.index for e in L.COLOUR if e.kind != "unused"], look)
    draw_elements(cv, L.MAIN, L.COMMON, look)
    _preview(cv, preview)
    finish_outside(cv)
    return cv.final()


PREVIEW_LOOKS = {  # image role -> LED colour, None for an unlit LED
    "pink": L.LEVEL_COLOURS[1], "red": L.LEVEL_COLOURS[2], "purple": L.LEVEL_COLOURS[3],
    "blue": L.LEVEL_COLOURS[0], "gray": None,
}


def _preview(cv, role):
    x, y, w, h = L.PREVIEW_RECT
    colour = PREVIEW_LOOKS[role]
    cv.vgrad(x, y, x + w, y + h, (12, 13, 17), (18, 20, 25), 4)
    D.hatch(cv, x + 1, y + 1, x + w - 1, y + h - 1, (22, 24, 30), 8)
    if colour:
        cv.glow((x, y, x + w, y + h), lambda s: s.ellipse(x + 50, y + 30, x + w - 50, y + h - 20,
                                                          fill=255), colour, 34, 0.5)
    shape = MouseShape(x + w / 2, y + 34, 222, 72, 22, 0.44)
    parts = {3: (x + w / 2 - 8, y + 46, 16, 46), 6: (x + w / 2 - 8, y + 98, 16, 24),
             4: (x + w / 2 - 86, y + 140, 14, 34), 5: (x + w / 2 - 86, y + 180, 14, 34)}
    MouseArt(shape, {**parts, 1: None, 2: None}).draw_body(cv, led=colour or (60, 60, 60),
                                                           led_on=colour is not None)


def advanced_page(look):
    cv = D.Canvas(L.WINDOW_W, L.WINDOW_H)
    chrome(cv)
    _content_panel(cv)
    for i in (12, 13, 18, 19):
        _section_bar(cv, L.ADVANCED[i])
    cv.rect(389, 84, 390, 530, fill=(36, 41, 51))
    cv.rect(607, 84, 608, 530, fill=(36, 41, 51))
    cv.rect(616, 226, 776, 227, fill=(36, 41, 51))
    # frames around the child controls (the controls cover the inside)
    for _, _, _, (x, y, w, h) in L.PLACES:
        cv.rrect(x - 2, y - 2, x + w + 2, y + h + 2, 3, fill=(10, 11, 14), outline=D.LINE_HI)
    draw_elements(cv, L.ADVANCED, [e.index for e in L.ADVANCED if e.kind != "unused"], look)
    draw_elements(cv, L.MAIN, L.COMMON, look)
    finish_outside(cv)
    return cv.final()


def dpi_knob():
    """The knob, over the groove exactly as a DPI position shows it."""
    e = L.MAIN[45]
    img = main_page("normal", override={45: "knob"})
    return img.crop((e.x, e.y, e.x + e.w, e.y + e.h))


# ------------------------------------------------------------------ popups
def menu_image(width, row_h, rows, look, arrows=()):
    h = rows * row_h + 1
    cv = D.Canvas(width, h, fill=(22, 25, 31))
    cv.vgrad(0, 0, width, h, (30, 34, 42), (22, 25, 31))
    for r in range(1, rows + 1):
        y0, y1 = (r - 1) * row_h, r * row_h
        if look == "over":
            cv.rect(1, y0, width - 1, y1, fill=(10, 12, 16))
            cv.rect(1, y0, width - 1, y0 + 1, fill=D.ACCENT_MID)
            cv.rect(1, y1 - 1, width - 1, y1, fill=D.ACCENT_MID)
            cv.rect(1, y0 + 3, 4, y1 - 3, fill=D.ACCENT)
        elif look == "down":
            cv.vgrad(1, y0, width - 1, y1, D.ACCENT_DARK, D.ACCENT_DEEP)
            cv.rect(1, y0 + 3, 4, y1 - 3, fill=D.ACCENT)
        if r > 1:
            cv.rect(8, y0, width - 8, y0 + 1, fill=(40, 46, 58) if r - 1 != 6 or not arrows
                    else D.LINE_HI)
        if r in arrows:
            cx, cy = width - 14, (y0 + y1) / 2
            cv.line([(cx - 2, cy - 4), (cx + 2, cy), (cx - 2, cy + 4)],
                    D.WHITE if look != "normal" else D.LABEL, 1.4)
    cv.rect(0, 0, width, h, outline=D.LINE_HI)
    cv.rect(0, 0, 2, h, fill=D.ACCENT_MID)
    return cv.final()


def menu_images():
    return {look: menu_image(L.MENU_W, L.MENU_ROW_H, 10, look, L.GROUP_ROWS) for look in LOOKS}


def submenu_images():
    return {look: menu_image(L.SUBMENU_W, L.SUBMENU_ROW_H, 12, look) for look in LOOKS}


WARNING_OUTLINE = [(12, 0), (L.WARNING_W - 4, 0), (L.WARNING_W, 4), (L.WARNING_W, L.WARNING_H - 12),
                   (L.WARNING_W - 12, L.WARNING_H), (4, L.WARNING_H), (0, L.WARNING_H - 4), (0, 12)]
AMBER = (255, 176, 0)


def warning_image(look):
    cv = D.Canvas(L.WARNING_W, L.WARNING_H)
    cv.poly(WARNING_OUTLINE, fill=(24, 27, 33))
    cv.vgrad(0, 0, L.WARNING_W, 32, (40, 44, 54), (26, 29, 36))
    cv.rect(10, 31, L.WARNING_W - 10, 32, fill=(60, 50, 30))
    cv.rect(14, 31, 110, 32, fill=AMBER)
    # warning sign and title
    tx, ty = 16, 8
    cv.poly([(tx + 8, ty), (tx + 16, ty + 15), (tx, ty + 15)], fill=AMBER)
    cv.rect(tx + 7.3, ty + 5, tx + 8.7, ty + 10.5, fill=(24, 27, 33))
    cv.rect(tx + 7.3, ty + 12, tx + 8.7, ty + 13.4, fill=(24, 27, 33))
    cv.text(tx + 24, ty - 1, "操作确认", 13, D.LABEL_HI)
    for e in L.WARNING[:2]:
        x0, y0, x1, y1 = e.rect
        if look == "over":
            cv.vgrad(x0, y0, x1, y1, (244, 247, 251), (218, 223, 231), 4)
            cv.rrect(x0, y0, x1, y1, 4, outline=AMBER, width=2)
        else:
            cv.vgrad(x0, y0, x1, y1, (196, 202, 211), (170, 176, 187), 4)
            cv.rrect(x0, y0, x1, y1, 4, outline=(110, 118, 132))
    cv.poly(WARNING_OUTLINE, outline=(70, 78, 94), width=1)
    cv.line([WARNING_OUTLINE[7], WARNING_OUTLINE[0]], AMBER, 1.4)
    cv.line([WARNING_OUTLINE[3], WARNING_OUTLINE[4]], AMBER, 1.4)
    return cv.final()


def warning_mask():
    img = Image.new("RGB", (L.WARNING_W, L.WARNING_H), (255, 255, 255))
    ImageDraw.Draw(img).polygon(WARNING_OUTLINE, fill=(0, 0, 0))
    return img


def main_mask():
    img = Image.new("RGB", (L.WINDOW_W, L.WINDOW_H), (255, 255, 255))
    ImageDraw.Draw(img).polygon(L.WINDOW_OUTLINE, fill=(0, 0, 0))
    return img
