"""The shipped skin's layout: every element's rectangle, text and drawing kind.

One table per layout file. The generator draws the images from these tables
and writes the layout files from them, so a rectangle can never disagree
with the picture under it.
"""
from dataclasses import dataclass, field

WINDOW_W, WINDOW_H = 800, 600

# Visible outline of the main window (light outside it in main_mask.jpg).
WINDOW_OUTLINE = [(20, 0), (780, 0), (800, 20), (800, 572), (772, 600),
                  (28, 600), (0, 572), (0, 20)]

HEADER_BOTTOM = 64          # header band 0..63
SIDEBAR = (12, 72, 180, 544)  # left, top, right, bottom
CONTENT = (192, 72, 788, 544)
FOOTER_TOP = 550

MENU_W, MENU_ROW_H = 140, 26            # first-level popup: 10 rows
SUBMENU_W, SUBMENU_ROW_H = 170, 26      # second-level popup: 12 rows
WARNING_W, WARNING_H = 300, 132


@dataclass
class Element:
    index: int
    name: str                 # field 0 of the layout value; not read by the program
    x: int
    y: int
    w: int
    h: int
    text: str = ""
    kind: str = "unused"
    extra: dict = field(default_factory=dict)

    @property
    def rect(self):
        return (self.x, self.y, self.x + self.w, self.y + self.h)


def _table(size, entries):
    table = [Element(i, "unused", 0, 0, 0, 0) for i in range(size)]
    for e in entries:
        assert table[e.index].kind == "unused", f"element {e.index} twice"
        table[e.index] = e
    return table


# ---------------------------------------------------------------- main table
# Columns of the DPI value positions, left to right. The mouse's step 0 is its
# highest (3200), so it sits at the right end of the scale.
DPI_DISPLAY = {0: 3200, 1: 1200, 2: 1600, 3: 2000, 4: 2400}
DPI_COLUMN_OF_VALUE = {1: 0, 2: 1, 3: 2, 4: 3, 0: 4}
DPI_COLUMN_X = [410 + 88 * c for c in range(5)]   # centres
DPI_ROW_Y = [386 + 32 * k for k in range(4)]
DPI_POS_W, DPI_POS_H = 40, 26
LEVEL_COLOURS = [(40, 120, 255), (255, 105, 180), (235, 40, 40), (150, 60, 230)]
LEVEL_COLOUR_NAMES = ["蓝", "粉", "红", "紫"]

# Mouse illustration (top view) on the main page.
MOUSE_CX = 490
MOUSE_TOP, MOUSE_BOTTOM = 102, 300
MOUSE_PARTS = {   # mouse button -> rectangle of its run-button mark
    1: (426, 104, 54, 86),
    2: (500, 104, 54, 86),
    3: (482, 114, 16, 44),
    6: (482, 164, 16, 24),
    4: (413, 200, 14, 34),
    5: (413, 240, 14, 34),
}

SLOT_W, SLOT_H = 150, 32
SLOTS = {  # mouse button -> slot position (left column 1, 4, 5; right 2, 3, 6)
    1: (222, 118), 4: (222, 200), 5: (222, 244),
    2: (602, 118), 3: (602, 160), 6: (602, 202),
}


def _main_entries():
    E = Element
    out = [
        E(0, "save", 560, 556, 100, 30, "保存配置", "button"),
        E(1, "status", 24, 556, 520, 30, "欢迎使用", "status"),
        E(2, "close", 756, 18, 28, 24, "", "icon", {"icon": "close"}),
        E(3, "apply", 668, 556, 104, 30, "应用", "primary"),
        E(12, "minimize", 692, 18, 28, 24, "", "icon", {"icon": "minimize"}),
        E(13, "hide", 724, 18, 28, 24, "", "icon", {"icon": "hide"}),
        E(9, "tab_main", 300, 18, 104, 34, "按键设置", "tab"),
        E(10, "tab_advanced", 410, 18, 104, 34, "高级设置", "tab"),
        E(11, "tab_colour", 520, 18, 104, 34, "灯光效果", "tab"),
        E(14, "import", 24, 364, 144, 32, "导入配置", "button", {"icon": "import"}),
        E(15, "export", 24, 404, 144, 32, "导出配置", "button", {"icon": "export"}),
        E(16, "defaults", 24, 444, 144, 32, "恢复默认", "button", {"icon": "reset"}),
    ]
    for n in range(1, 6):
        out.append(E(3 + n, f"profile{n}", 24, 112 + 46 * (n - 1), 144, 36,
                     f"配置{n}", "button", {"badge": str(n)}))
    for b, (x, y) in SLOTS.items():
        out.append(E(16 + b, f"slot{b}", x, y, SLOT_W, SLOT_H, f"按键{b}", "slot",
                     {"button": b}))
    out += [
        E(23, "title_buttons", 206, 80, 80, 22, "按键分配", "label"),
        E(24, "title_dpi", 206, 330, 80, 22, "DPI设置", "label"),
        E(25, "title_wheel", 602, 258, 64, 26, "滚轮方向", "label"),
        E(26, "head_level", 216, 360, 70, 20, "档位", "label"),
        E(31, "head_switch", 296, 360, 56, 20, "开关", "label"),
        E(34, "hint_slots", 206, 286, 170, 22, "点击功能框以更换功能", "label"),
        E(35, "hint_apply", 206, 518, 180, 20, "更改后点击应用写入鼠标", "label"),
        E(36, "hint_dpi", 420, 518, 330, 20, "鼠标上的DPI键在已开启的档位间切换", "label"),
        E(32, "wheel0", 670, 258, 50, 26, "正向", "toggle"),
        E(33, "wheel1", 724, 258, 50, 26, "反向", "toggle"),
    ]
    for k in range(4):
        y = DPI_ROW_Y[k]
        out.append(E(65 + k, f"level_mark{k + 1}", 204, y + 3, 6, 20, "当前档位", "mark"))
        out.append(E(41 + k, f"level_select{k + 1}", 216, y, 70, 26, f"档位{k + 1}",
                     "selector"))
        out.append(E(27 + k, f"level_switch{k + 1}", 296, y, 56, 26, "开启", "toggle"))
        out.append(E(37 + k, f"level_colour{k + 1}", 360, y + 5, 16, 16,
                     LEVEL_COLOUR_NAMES[k], "dot", {"colour": LEVEL_COLOURS[k]}))
        for v in range(5):
            cx = DPI_COLUMN_X[DPI_COLUMN_OF_VALUE[v]]
            out.append(E(45 + 5 * k + v, f"dpi{k + 1}_{DPI_DISPLAY[v]}",
                         cx - DPI_POS_W // 2, y, DPI_POS_W, DPI_POS_H,
                         str(DPI_DISPLAY[v]), "dpipos"))
    for b, (x, y, w, h) in MOUSE_PARTS.items():
        out.append(E(68 + b, f"mouse_button{b}", x, y, w, h, str(b), "mousepart",
                     {"button": b}))
    return out


MAIN = _table(80, _main_entries())

# Elements of the main table drawn on every page.
COMMON = range(0, 17)

# ---------------------------------------------------------------- colour table
PREVIEW_RECT = (452, 108, 324, 286)


def _colour_entries():
    E = Element
    modes = ["呼吸循环", "快速闪烁", "DPI常亮", "关闭灯光"]
    out = [E(i, f"led_mode{i}", 216, 112 + 46 * i, 196, 38, modes[i], "mode", {"mode": i})
           for i in range(4)]
    out += [
        E(4, "hint", 216, 300, 196, 34, "应用后灯光设置才会生效", "hint"),
        E(5, "title_mode", 206, 80, 80, 22, "灯光模式", "label"),
        E(6, "title_preview", 452, 80, 80, 22, "灯光预览", "label"),
        E(7, "dpi_label", 476, 410, 120, 30, "当前档位DPI", "label"),
        E(8, "title_legend", 206, 352, 80, 22, "档位颜色", "label"),
        E(9, "dpi_value", 600, 410, 120, 30, "1200", "readout"),
        E(10, "preview_note", 452, 456, 324, 22, "预览按已应用的灯光模式和DPI档位显示", "label"),
        E(11, "preview", *PREVIEW_RECT, "灯光预览", "preview"),
    ]
    return out


COLOUR = _table(12, _colour_entries())

# Legend swatches under "档位颜色" and notes on the modes (drawn only).
LEGEND_ORIGIN = (216, 384)
MODE_NOTES_ORIGIN = (216, 448)
MODE_NOTES = ["呼吸循环：四种颜色轮流亮起", "快速闪烁：同上，节奏更快",
              "DPI常亮：当前档位的颜色", "关闭灯光：灯不亮"]

# ---------------------------------------------------------------- advanced table
MACRO_LIST = (210, 108, 170, 300)     # x, y, w, h
EVENT_LIST = (396, 140, 204, 268)
NAME_BOX = (444, 108, 156, 24)
REPEAT_BOX = (700, 110, 76, 24)


def _advanced_entries():
    E = Element
    return [
        E(0, "macro_import", 210, 456, 82, 30, "导入宏", "button"),
        E(1, "macro_export", 298, 456, 82, 30, "导出宏", "button"),
        E(2, "macro_add", 210, 418, 82, 30, "新建宏", "button"),
        E(3, "macro_delete", 298, 418, 82, 30, "删除宏", "button"),
        E(4, "record", 396, 456, 204, 30, "录制", "record"),
        E(5, "save_settings", 616, 184, 160, 30, "保存设置", "button"),
        E(6, "repeat_switch", 616, 146, 160, 30, "循环播放", "toggle"),
        E(7, "macro_mode", 616, 266, 160, 30, "按住时循环播放", "toggle"),
        E(8, "speed_slow", 616, 346, 50, 30, "慢", "toggle"),
        E(9, "speed_mid", 671, 346, 50, 30, "中", "toggle"),
        E(10, "speed_fast", 726, 346, 50, 30, "快", "toggle"),
        E(11, "hint", 616, 394, 160, 54, "右键步骤可插入和删除", "hint"),
        E(12, "title_macros", 206, 80, 80, 22, "宏列表", "label"),
        E(13, "title_steps", 404, 80, 80, 22, "宏步骤", "label"),
        E(14, "count_down", 396, 418, 98, 30, "↓0", "readout"),
        E(15, "count_up", 502, 418, 98, 30, "↑0", "readout"),
        E(16, "label_name", 396, 108, 44, 24, "名称", "label"),
        E(17, "label_repeat", 616, 110, 80, 24, "重复次数", "label"),
        E(18, "title_speed", 624, 316, 80, 22, "指针速度", "label"),
        E(19, "title_play", 624, 236, 80, 22, "播放方式", "label"),
    ]


ADVANCED = _table(20, _advanced_entries())

# Places of the child controls: (section, key, name, rect).
PLACES = [
    ("EDIT", 3, "repeat_box", REPEAT_BOX),
    ("EDIT", 4, "name_box", NAME_BOX),
    ("MACRODISPLAY", 1, "macro_list", MACRO_LIST),
    ("MACRODISPLAY", 2, "event_list", EVENT_LIST),
]

# ---------------------------------------------------------------- warning popup
WARNING = _table(3, [
    Element(0, "go_on", 36, 86, 104, 30, "继续更改", "wbutton"),
    Element(1, "stop", 160, 86, 104, 30, "取消", "wbutton"),
    Element(2, "message", 12, 40, 276, 30, "这是唯一的左键，确定要更改吗？", "message"),
])

# ---------------------------------------------------------------- function names
FUNCTION_NAMES = {
    1: "左键", 2: "右键", 3: "中键", 4: "后退", 5: "前进", 6: "DPI循环",
    7: "鼠标功能", 8: "多媒体", 9: "宏", 10: "快捷功能",
    11: "左键双击", 12: "左键连发", 13: "滚轮向上", 14: "滚轮向下",
    15: "滚轮向左", 16: "滚轮向右", 17: "DPI+", 18: "DPI-",
    19: "取色键", 20: "禁用",
    21: "播放/暂停", 22: "上一曲", 23: "下一曲", 24: "音量+", 25: "音量-", 26: "静音",
    27: "保留1", 28: "保留2", 29: "保留3", 30: "保留4",
    31: "复制", 32: "粘贴", 33: "全选", 34: "撤销", 35: "关闭窗口",
    36: "我的电脑", 37: "锁定电脑", 38: "计算器", 39: "命令提示符", 40: "切换配置",
    **{41 + i: f"宏{i + 1}" for i in range(12)},
    53: "未定义", 54: "未定义",
}
GROUP_ROWS = (7, 8, 9, 10)

# Which elements of each table the program hit-tests, and on which page.
HIT_MAIN_ON_MAIN = range(0, 65)
HIT_COLOUR = range(0, 5)
HIT_ADVANCED = range(0, 12)
