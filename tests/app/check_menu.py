#!/usr/bin/env python3
"""The owner-drawn notification-area menu in a screenshot, its first item
selected: the items' heights, width and colours as the menu class draws them.

    check_menu.py SHOT LEFT TOP RIGHT BOTTOM

LEFT TOP RIGHT BOTTOM: the popup menu's window on the screen. The check reads
the items left of their text (which starts 10 pixels in): the selected item is
a one-pixel outline around a gradient from RGB(0, 0, 255), green rising by 14
a row for 18 rows; the unselected item is filled RGB(0, 120, 153); each is 20
pixels high, 8 pixels a character wide ("显示界面   " has 7), and carries
white text. Prints "ok ..." or "fail ..." lines, then "items Y1 Y2": the
vertical centres of the two items on the screen.
"""
import subprocess
import sys

TEAL = (0, 120, 153)
GRADIENT_ROWS = 18
GREEN_STEP = 14
ITEM_HEIGHT = 20
WIDEST_ITEM = 8 * 7
TEXT_INSET = 10


def load(path):
    size = subprocess.run(["identify", "-format", "%w %h", path + "[0]"], check=True,
                          capture_output=True, text=True).stdout.split()
    width = int(size[0])
    rgb = subprocess.run(["convert", path + "[0]", "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    return lambda x, y: tuple(rgb[3 * (y * width + x):3 * (y * width + x) + 3])


def main():
    at = load(sys.argv[1])
    left, top, right, bottom = (int(v) for v in sys.argv[2:6])
    results = []

    def check(ok, text):
        results.append(("ok " if ok else "fail ") + text)
        return ok

    # The gradient's first pixel, leftmost: one pixel inside the selected item.
    start = next(((x, y) for y in range(top, bottom) for x in range(left, left + 12)
                  if at(x, y) == (0, 0, 255)), None)
    if not check(start is not None, "a selected item with a gradient from blue"):
        print("\n".join(results))
        return 1
    inner_left, first_row = start
    item_left = inner_left - 1
    x = inner_left + 2
    rows = [at(x, first_row + k) for k in range(GRADIENT_ROWS)]
    expected = [(0, GREEN_STEP * k, 255) for k in range(GRADIENT_ROWS)]
    check(rows == expected, f"the selected item's gradient, green 0 to {GREEN_STEP * (GRADIENT_ROWS - 1)}")
    outline_top, outline_bottom = at(x, first_row - 1), at(x, first_row + GRADIENT_ROWS)
    check(outline_top == outline_bottom and outline_top not in expected,
          f"a one-pixel outline above and below the gradient: the selected item is {ITEM_HEIGHT} high")

    second_top = first_row + GRADIENT_ROWS + 1
    teal_rows = 0
    while second_top + teal_rows < bottom and at(x, second_top + teal_rows) == TEAL:
        teal_rows += 1
    check(teal_rows == ITEM_HEIGHT, f"the unselected item is RGB{TEAL}, {teal_rows} rows (expected {ITEM_HEIGHT})")

    middle = second_top + ITEM_HEIGHT // 2
    teal_right = max((c for c in range(item_left, right) if at(c, middle) == TEAL), default=item_left)
    width = teal_right - item_left + 1
    check(width >= WIDEST_ITEM, f"the items are {width} wide (the widest measures {WIDEST_ITEM})")

    def has_white_text(row_top):
        return any(min(at(c, y)) >= 230 for y in range(row_top, row_top + ITEM_HEIGHT)
                   for c in range(item_left + TEXT_INSET, teal_right))
    check(has_white_text(first_row - 1), "white text on the selected item")
    check(has_white_text(second_top), "white text on the unselected item")

    print("\n".join(results))
    print(f"items {first_row - 1 + ITEM_HEIGHT // 2} {second_top + ITEM_HEIGHT // 2}")
    return 0 if all(r.startswith("ok") for r in results) else 1


if __name__ == "__main__":
    sys.exit(main())
