#!/usr/bin/python3
"""Writes the JPEG test pictures in this folder: 16 x 16 blocks of flat colour
(so every decoder agrees inside them) in the sampling and coding variants the
decoder meets. Needs Pillow (Debian python3-pil)."""
import os

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
COLOURS = [(220, 30, 40), (30, 200, 60), (40, 60, 210), (250, 250, 250),
           (0, 0, 0), (128, 128, 128), (200, 180, 20), (20, 180, 200)]


def blocks(w, h):
    im = Image.new('RGB', (w, h))
    px = im.load()
    for y in range(h):
        for x in range(w):
            px[x, y] = COLOURS[(x // 16) % 4 + 4 * ((y // 16) % 2)]
    return im


def path(name):
    return os.path.join(HERE, name)


im = blocks(64, 32)
im.save(path('blocks-420.jpg'), quality=95, subsampling=2)
im.save(path('blocks-422.jpg'), quality=95, subsampling=1)
im.save(path('blocks-444.jpg'), quality=95, subsampling=0)
im.convert('L').save(path('blocks-grey.jpg'), quality=95)
im.save(path('blocks-progressive.jpg'), quality=95, progressive=True)
blocks(37, 23).save(path('blocks-odd.jpg'), quality=95, subsampling=2)
