#!/usr/bin/python3
"""Writes the shipped skin and data files into the repository:

  skins/default/   the skin folder: images, layout files, defMacro.dat
  skins/config.ini, skins/Macro.dat   the files beside the executable
  docs/skin/       review pictures

Needs python3 with Pillow (Debian: python3-pil) and the fonts
fonts-wqy-microhei and fonts-dejavu-core. Run from anywhere:
  /usr/bin/python3 tools/skin/generate.py
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the tree clean

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import datafiles  # noqa: E402
import layout as L  # noqa: E402
import pages  # noqa: E402
import preview  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SKIN = os.path.join(ROOT, "skins", "default")
DOCS = os.path.join(ROOT, "docs", "skin")


def save_jpeg(img, name, quality=95):
    # 4:4:4 keeps thin lines and the element edges sharp
    img.save(os.path.join(SKIN, name), "JPEG", quality=quality, subsampling=0)


def write_bytes(path, data):
    with open(path, "wb") as f:
        f.write(data)


def compose(normal, full_look, rects):
    """The normal picture with each element rectangle taken from full_look:
    the looks of a page then differ only inside element rectangles."""
    out = normal.copy()
    for x0, y0, x1, y1 in rects:
        if x1 > x0 and y1 > y0:
            out.paste(full_look.crop((x0, y0, x1, y1)), (x0, y0))
    return out


def page_rects(tables):
    return [e.rect for table, indices in tables for e in (table[i] for i in indices)
            if e.kind != "unused"]


MAIN_TABLES = [(L.MAIN, range(0, 80))]
COLOUR_TABLES = [(L.MAIN, L.COMMON), (L.COLOUR, range(12))]
ADVANCED_TABLES = [(L.MAIN, L.COMMON), (L.ADVANCED, range(20))]


def build_images():
    images = {}
    normal = pages.main_page("normal")
    rects = page_rects(MAIN_TABLES)
    images["main_normal.jpg"] = normal
    for look in ("over", "down"):
        images[f"main_{look}.jpg"] = compose(normal, pages.main_page(look), rects)

    normal = pages.advanced_page("normal")
    rects = page_rects(ADVANCED_TABLES)
    images["advanced_normal.jpg"] = normal
    for look in ("over", "down"):
        images[f"advanced_{look}.jpg"] = compose(normal, pages.advanced_page(look), rects)

    normal = pages.colour_page("normal", "pink")
    rects = page_rects(COLOUR_TABLES)
    images["color_normal_pink.jpg"] = normal
    images["color_over_red.jpg"] = compose(normal, pages.colour_page("over", "red"), rects)
    images["color_down_purple.jpg"] = compose(normal, pages.colour_page("down", "purple"), rects)
    preview_rect = [L.COLOUR[11].rect]
    images["color_normal_gray.jpg"] = compose(normal, pages.colour_page("normal", "gray"),
                                              preview_rect)
    images["color_over_blue.jpg"] = compose(normal, pages.colour_page("normal", "blue"),
                                            preview_rect)

    images["dpi_slider.jpg"] = pages.dpi_knob()
    for look, img in pages.menu_images().items():
        images[f"menu_{look}.jpg"] = img
    for look, img in pages.submenu_images().items():
        images[f"advanced menu_{look}.jpg"] = img
    images["warning_normal.jpg"] = pages.warning_image("normal")
    images["warning_over.jpg"] = compose(images["warning_normal.jpg"], pages.warning_image("over"),
                                         [e.rect for e in L.WARNING[:2]])
    return images


def main():
    os.makedirs(SKIN, exist_ok=True)
    os.makedirs(DOCS, exist_ok=True)
    images = build_images()
    for name, img in images.items():
        save_jpeg(img, name)
    # Masks: pure black and white at full quality, so no artefact crosses the
    # threshold of 100.
    from PIL import Image
    save_jpeg(pages.main_mask(), "main_mask.jpg", quality=100)
    black = (0, 0, 0)
    save_jpeg(Image.new("RGB", images["menu_normal.jpg"].size, black), "menu_mask.jpg", 100)
    save_jpeg(Image.new("RGB", images["advanced menu_normal.jpg"].size, black),
              "advanced menu_mask.jpg", 100)
    pages.warning_mask().save(os.path.join(SKIN, "warning_mask.bmp"), "BMP")

    for name, text in datafiles.skin_layout_files().items():
        write_bytes(os.path.join(SKIN, name), datafiles.utf16_file(text))
    macros = datafiles.macro_file().encode("ascii")
    write_bytes(os.path.join(SKIN, "defMacro.dat"), macros)
    write_bytes(os.path.join(ROOT, "skins", "Macro.dat"), macros)
    write_bytes(os.path.join(ROOT, "skins", "config.ini"), datafiles.config_ini().encode("ascii"))

    preview.write_all(SKIN, DOCS)
    print(f"wrote {SKIN} and {DOCS}")


if __name__ == "__main__":
    main()
