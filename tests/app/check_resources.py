#!/usr/bin/env python3
"""Checks that the Windows program carries its resources and imports only
system libraries. Reads the exe with wrestool (icoutils) and objdump.

    check_resources.py EXE VERSION [WRESTOOL [OBJDUMP]]

VERSION is the project's version (four numbers), which the version block
must carry.
"""
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ET

WS_POPUP, WS_VISIBLE, WS_CAPTION, WS_SYSMENU = 0x80000000, 0x10000000, 0x00C00000, 0x00080000
WS_EX_APPWINDOW = 0x00040000
DS_SETFONT = 0x40
LANG_CHINESE_PRC = 2052
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "gdiplus.dll", "comctl32.dll", "comdlg32.dll",
    "shell32.dll", "advapi32.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll", "setupapi.dll",
    "hid.dll", "winmm.dll", "msvcrt.dll", "ucrtbase.dll", "imm32.dll", "uxtheme.dll",
}

failures = []
tools = {"wrestool": "wrestool", "objdump": "x86_64-w64-mingw32-objdump"}


def check(condition, text):
    if not condition:
        failures.append(text)
    return condition


def resource(exe, rtype, name, language=None):
    args = [tools["wrestool"], "-x", "--raw", f"--type={rtype}", f"--name={name}"]
    if language is not None:
        args.append(f"--language={language}")
    return subprocess.run(args + [exe], capture_output=True, check=False).stdout


def read_sz(data, offset):
    """A zero-terminated UTF-16 string or an ordinal (0xFFFF, id)."""
    if data[offset:offset + 2] == b"\xff\xff":
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while data[end:end + 2] != b"\x00\x00":
        end += 2
    return data[offset:end].decode("utf-16-le"), end + 2


def parse_menu(data):
    """Items of a menu template as (text, id) or (text, [sub-items])."""
    MF_POPUP, MF_END = 0x10, 0x80
    offset = 4  # version and header size

    def items():
        nonlocal offset
        result = []
        while True:
            flags = struct.unpack_from("<H", data, offset)[0]
            offset += 2
            if flags & MF_POPUP:
                text, offset = read_sz(data, offset)
                result.append((text, items()))
            else:
                command = struct.unpack_from("<H", data, offset)[0]
                text, offset = read_sz(data, offset + 2)
                result.append((text, command))
            if flags & MF_END:
                return result

    return items()


def parse_dialog(data):
    version, signature, _help, ex_style, style, items, _x, _y, cx, cy = struct.unpack_from("<HHIIIHhhhh", data)
    assert (version, signature) == (1, 0xFFFF), "not an extended dialog template"
    offset = 26
    _menu, offset = read_sz(data, offset)
    _class, offset = read_sz(data, offset)
    title, offset = read_sz(data, offset)
    font = None
    if style & DS_SETFONT:
        points = struct.unpack_from("<H", data, offset)[0]
        face, _ = read_sz(data, offset + 6)
        font = (points, face)
    return {"style": style, "ex_style": ex_style, "items": items, "size": (cx, cy), "title": title, "font": font}


def parse_version(data):
    """The fixed file and product versions and the string values."""
    fixed = data.index(struct.pack("<I", 0xFEEF04BD))
    _sig, _ver, file_ms, file_ls, prod_ms, prod_ls = struct.unpack_from("<6I", data, fixed)
    strings = {}

    def walk(offset, end):
        while offset < end:
            length, value_length, kind = struct.unpack_from("<HHH", data, offset)
            if length == 0:
                break
            key, cursor = read_sz(data, offset + 6)
            cursor = (cursor + 3) & ~3
            if kind == 1 and value_length:
                value = data[cursor:cursor + value_length * 2].decode("utf-16-le").rstrip("\0")
                strings[key] = value
                cursor = (cursor + value_length * 2 + 3) & ~3
            elif value_length:
                cursor = (cursor + value_length + 3) & ~3
            walk(cursor, offset + length)
            offset = (offset + length + 3) & ~3

    walk(0, len(data))
    version = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    return version(file_ms, file_ls), version(prod_ms, prod_ls), strings


def string_from_table(data, string_id):
    offset = 0
    for _ in range(string_id % 16):
        offset += 2 + 2 * struct.unpack_from("<H", data, offset)[0]
    length = struct.unpack_from("<H", data, offset)[0]
    return data[offset + 2:offset + 2 + 2 * length].decode("utf-16-le")


def mouse_buttons(first):
    ids = iter(range(first, first + 6))
    return [(side, [("按下  ", next(ids)), ("释放", next(ids))]) for side in ("左键   ", "右键", "中键")]


EVENT_LIST_MENU = [("MENU_CN", [
    ("选项前添加    ", mouse_buttons(32802)),
    ("选项后添加 ", mouse_buttons(32809)),
    ("修改延迟", 32780),
    ("删除此项", 32781),
])]
TRAY_MENU = [("Menu_Tray", [("显示界面   ", 32801), ("退出驱动", 32800)])]

# Template: size in dialog units, styles it must have, styles it must not have.
DIALOGS = {
    102: ((533, 395), WS_POPUP | WS_VISIBLE | WS_SYSMENU, WS_CAPTION),
    103: ((187, 417), WS_POPUP, WS_CAPTION | WS_VISIBLE),
    104: ((186, 268), WS_POPUP, WS_CAPTION | WS_VISIBLE),
    105: ((332, 200), WS_POPUP, WS_CAPTION | WS_VISIBLE),
}


def main(exe, expected_version):
    listing = subprocess.run([tools["wrestool"], "-l", exe], capture_output=True, text=True, check=False).stdout

    group = resource(exe, 14, 159)
    if check(len(group) >= 6, "no icon group 159"):
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = sorted(group[6 + 14 * i] or 256 for i in range(count))
        check(sizes[0] <= 16 and sizes[-1] == 256, f"icon 159 sizes {sizes}, want 16 to 256")

    for template, (size, wanted, unwanted) in DIALOGS.items():
        data = resource(exe, 5, template)
        if not check(data, f"no dialog template {template}"):
            continue
        dialog = parse_dialog(data)
        check(dialog["size"] == size, f"dialog {template} is {dialog['size']}, want {size}")
        check(dialog["style"] & wanted == wanted, f"dialog {template} style {dialog['style']:#x} lacks {wanted:#x}")
        check(dialog["style"] & unwanted == 0, f"dialog {template} style {dialog['style']:#x} has {unwanted:#x}")
        check(dialog["items"] == 0, f"dialog {template} has controls")
        check(dialog["font"] == (8, "MS Shell Dlg"), f"dialog {template} font {dialog['font']}")
    main_window = resource(exe, 5, 102)
    if main_window:
        check(parse_dialog(main_window)["ex_style"] & WS_EX_APPWINDOW, "dialog 102 is not in the taskbar")
        check(parse_dialog(main_window)["title"] != "Varkel游戏鼠",
              "dialog 102 carries the title a second copy looks for before start-up sets it")
    about = resource(exe, 5, 100)
    check(about and parse_dialog(about)["items"] >= 1, "no About box 100 with its OK button")

    check(re.search(rf"--type=4 --name=154 --language={LANG_CHINESE_PRC}\b", listing),
          "menu 154 is not in Chinese (PRC)")
    for menu_id, expected in ((154, EVENT_LIST_MENU), (157, TRAY_MENU)):
        data = resource(exe, 4, menu_id)
        if check(data, f"no menu {menu_id}"):
            got = parse_menu(data)
            check(got == expected, f"menu {menu_id} is {got}")

    table = resource(exe, 6, 101 // 16 + 1)
    check(table and string_from_table(table, 101) == "&About ZUL_Tavrin...", "string 101")

    version = resource(exe, 16, 1)
    if check(version, "no version block"):
        file_version, product_version, strings = parse_version(version)
        numbers = tuple(int(n) for n in expected_version.split("."))
        check(file_version == numbers and product_version == numbers,
              f"versions {file_version} {product_version}, not {expected_version}")
        for key in ("FileVersion", "ProductVersion"):
            check(strings.get(key) == expected_version, f"{key} is {strings.get(key)!r}")
        for key in ("FileDescription", "ProductName"):
            check(strings.get(key) == "Varkel游戏鼠", f"{key} is {strings.get(key)!r}")

    manifest = resource(exe, 24, 1)
    if check(manifest, "no manifest (resource 1 of type 24)"):
        root = ET.fromstring(manifest)
        by_tag = lambda tag: [e for e in root.iter() if e.tag.endswith("}" + tag)]
        levels = [(e.get("level"), e.get("uiAccess")) for e in by_tag("requestedExecutionLevel")]
        check(levels == [("requireAdministrator", "false")], f"execution level {levels}")
        identities = [(e.get("name"), e.get("version")) for e in by_tag("assemblyIdentity")]
        check(("Microsoft.Windows.Common-Controls", "6.0.0.0") in identities, f"dependencies {identities}")
        check([e.text for e in by_tag("dpiAware")] == ["true"], "not DPI-aware")

    dump = subprocess.run([tools["objdump"], "-p", exe], capture_output=True, text=True,
                          check=False).stdout
    dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
    check(dlls, "no imports found")
    check(dlls <= SYSTEM_DLLS, f"imports beyond the system: {sorted(dlls - SYSTEM_DLLS)}")
    # The real mouse link: the HID search and the feature reports.
    for function in ("SetupDiGetClassDevsW", "SetupDiEnumDeviceInterfaces",
                     "SetupDiGetDeviceInterfaceDetailW", "HidD_GetHidGuid", "HidD_GetAttributes",
                     "HidD_GetPreparsedData", "HidP_GetCaps", "HidD_SetFeature"):
        check(re.search(rf"\b{function}\b", dump), f"{function} is not imported")
    # Asked for at run time: older Windows lacks it, and the exe must still start there.
    check(not re.search(r"\bSetProcessInformation\b", dump), "SetProcessInformation is imported")
    with open(exe, "rb") as f:
        check(b"SetProcessInformation\0" in f.read(), "SetProcessInformation is never looked up")

    for failure in failures:
        print("fail:", failure)
    if not failures:
        print("ok")
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    if len(sys.argv) > 3:
        tools["wrestool"] = sys.argv[3]
    if len(sys.argv) > 4:
        tools["objdump"] = sys.argv[4]
    sys.exit(main(sys.argv[1], sys.argv[2]))
