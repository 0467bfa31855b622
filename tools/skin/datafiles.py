"""The shipped text files: the four layout files, config.ini and the macro files."""
import layout as L

CRLF = "\r\n"


# ------------------------------------------------------------------ layout files
def element_value(e):
    assert "," not in e.text and "," not in e.name, e
    return f"{e.name},{e.x},{e.y},{e.w},{e.h},{e.text},"


def place_value(name, rect):
    x, y, w, h = rect
    return f"{name},{x},{y},{w},{h},,"


def ini_text(sections):
    lines = []
    for section, pairs in sections:
        lines.append(f"[{section}]")
        lines += [f"{k}={v}" for k, v in pairs]
    return CRLF.join(lines) + CRLF


def utf16_file(text):
    """UTF-16LE with a byte-order mark: the profile functions then keep it Unicode."""
    return b"\xff\xfe" + text.encode("utf-16-le")


def skin_layout_files():
    def buttonpos(table):
        return ("BUTTONPOS", [(e.index, element_value(e)) for e in table])

    advanced_places = {}
    for section, key, name, rect in L.PLACES:
        advanced_places.setdefault(section, []).append((key, place_value(name, rect)))
    return {
        "skin_main.ini": ini_text([
            buttonpos(L.MAIN),
            ("FUN_STRING", [(c, L.FUNCTION_NAMES[c]) for c in range(1, 55)]),
        ]),
        "skin_color.ini": ini_text([buttonpos(L.COLOUR)]),
        "skin_advance.ini": ini_text([buttonpos(L.ADVANCED)] + list(advanced_places.items())),
        "LBWarning.ini": ini_text([buttonpos(L.WARNING)]),
    }


# ------------------------------------------------------------------ config.ini
DEFAULT_PROFILE = dict(K=[1, 2, 3, 5, 4, 6], DPI_LEVEL=0, WHEEL_STATUS=0, MACRO_MODE2=0,
                       DPI_SET=[1, 2, 4, 0], DPI_SET_EN=[1, 1, 1, 1], LED_STATUS=0, DPI_SPEED=10)

# Factory profiles 2-5. Macro codes name slots of the shipped macro file.
RESET_PROFILES = {
    # FPS: DPI up/down on the side buttons, rapid fire on button 6 while held.
    2: dict(K=[1, 2, 3, 17, 18, 42], DPI_LEVEL=1, WHEEL_STATUS=0, MACRO_MODE2=1,
            DPI_SET=[1, 2, 3, 0], DPI_SET_EN=[1, 1, 1, 1], LED_STATUS=2, DPI_SPEED=10),
    # MOBA: skill combo on the front side button, three high DPI levels.
    3: dict(K=[1, 2, 3, 45, 4, 6], DPI_LEVEL=0, WHEEL_STATUS=0, MACRO_MODE2=0,
            DPI_SET=[2, 3, 4, 0], DPI_SET_EN=[1, 1, 1, 0], LED_STATUS=0, DPI_SPEED=10),
    # Office: copy, paste and undo on the thumb, two calm DPI levels, lights off.
    4: dict(K=[1, 2, 3, 32, 31, 34], DPI_LEVEL=0, WHEEL_STATUS=0, MACRO_MODE2=0,
            DPI_SET=[1, 2, 3, 4], DPI_SET_EN=[1, 1, 0, 0], LED_STATUS=3, DPI_SPEED=9),
    # Left-handed: primary and secondary swapped.
    5: dict(K=[2, 1, 3, 5, 4, 6], DPI_LEVEL=0, WHEEL_STATUS=0, MACRO_MODE2=0,
            DPI_SET=[1, 2, 4, 0], DPI_SET_EN=[1, 1, 1, 1], LED_STATUS=1, DPI_SPEED=10),
}


def profile_pairs(p):
    """The keys in the order the program writes a profile section."""
    pairs = [(f"K{b + 1}", p["K"][b]) for b in range(6)]
    pairs += [("DPI_LEVEL", p["DPI_LEVEL"]), ("WHEEL_STATUS", p["WHEEL_STATUS"]),
              ("MACRO_MODE2", p["MACRO_MODE2"])]
    for k in range(4):
        pairs += [(f"DPI_SET{k + 1}", p["DPI_SET"][k]), (f"DPI_SET_EN{k + 1}", p["DPI_SET_EN"][k])]
    pairs += [("LED_STATUS", p["LED_STATUS"]), ("DPI_SPEED", p["DPI_SPEED"])]
    return pairs


def config_ini():
    user = {1: DEFAULT_PROFILE, **RESET_PROFILES}
    sections = [("Init", [("CurConfig", 1)])]
    sections += [(f"Config{n}", profile_pairs(user[n])) for n in range(1, 6)]
    sections.append(("Config6", profile_pairs(DEFAULT_PROFILE)))
    sections += [(f"CfgReset{n}", profile_pairs(RESET_PROFILES[n])) for n in range(2, 6)]
    return ini_text(sections)


# ------------------------------------------------------------------ Macro.dat
LEFT_BUTTON, PRESS, RELEASE = 0xF0, 1, 2
VK_SPACE, VK_LCONTROL = 0x20, 0xA2


def key(vk, down_ms, up_ms):
    """A key (or mouse button) pressed and released: two steps."""
    return [(vk, PRESS, down_ms), (vk, RELEASE, up_ms)]


def chord(mod, vk, gap_ms):
    return [(mod, PRESS, 20), (vk, PRESS, 30), (vk, RELEASE, 20), (mod, RELEASE, gap_ms)]


MACROS = [
    # name, repeat mode, repeat count, steps (key, action, delay ms)
    ("双击左键", 0, 1, key(LEFT_BUTTON, 30, 60) + key(LEFT_BUTTON, 30, 20)),
    ("连发射击", 1, 10, key(LEFT_BUTTON, 25, 55)),
    ("复制粘贴", 0, 1, chord(VK_LCONTROL, ord("C"), 150) + chord(VK_LCONTROL, ord("V"), 20)),
    ("手雷连招", 0, 1, key(ord("G"), 40, 450) + key(LEFT_BUTTON, 60, 500) + key(ord("1"), 30, 20)),
    ("技能连招QWER", 0, 1, key(ord("Q"), 30, 80) + key(ord("W"), 30, 80)
     + key(ord("E"), 30, 80) + key(ord("R"), 30, 30)),
    ("蹲跳", 0, 1, [(VK_SPACE, PRESS, 30), (VK_LCONTROL, PRESS, 250),
                   (VK_SPACE, RELEASE, 10), (VK_LCONTROL, RELEASE, 20)]),
]


def macro_fields(name, repeat_mode, repeat_count, steps):
    units = name.encode("utf-16-le")
    assert len(units) // 2 <= 19, name
    assert len(steps) <= 255
    fields = list(units.ljust(40, b"\0"))
    fields += [repeat_mode, repeat_count & 0xFF, repeat_count >> 8, len(steps)]
    for k in range(255):
        vk, action, delay = steps[k] if k < len(steps) else (0, 0, 0)
        fields += [vk, action, delay & 0xFF, delay >> 8]
    assert len(fields) == 1064
    return fields


def macro_value(*macro):
    return "".join(f"{v:03d}" for v in macro_fields(*macro))


def macro_file():
    pairs = [("macroNum", len(MACROS))]
    pairs += [(i, macro_value(*m)) for i, m in enumerate(MACROS)]
    return ini_text([("Macros", pairs)])
