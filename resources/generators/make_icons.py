#!/usr/bin/env python3
"""Writes the program icon and the hand pointer cursor from the artwork.

usage: make_icons.py ICON.ico CURSOR.cur
"""
import sys
from functools import lru_cache

import artwork
from icon_files import Image, cursor_file, icon_file

# (size, bits per pixel) of every image of the program icon.
ICON_IMAGES = [(256, 32), (128, 32), (48, 32), (32, 32), (16, 32),
               (48, 8), (32, 8), (16, 8),
               (48, 4), (32, 4), (16, 4),
               (32, 1)]

render = lru_cache(maxsize=None)(artwork.render)


def icon_image(size, bits):
    rows = render(size, 1 if bits == 1 else None)
    if bits == 32:
        return Image(size, size, 32, rows, artwork.transparency_mask(rows), as_png=size >= 128)
    pixels, palette, mask = artwork.monochrome(rows) if bits == 1 else artwork.palettised(rows, bits)
    return Image(size, size, bits, pixels, mask, palette)


def hand_cursor():
    pixels, mask = artwork.hand_pointer()
    return Image(32, 32, 1, pixels, mask, [(0, 0, 0), (255, 255, 255)])


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__.strip())
    icon_path, cursor_path = argv[1:]
    with open(icon_path, "wb") as out:
        out.write(icon_file([icon_image(size, bits) for size, bits in ICON_IMAGES]))
    with open(cursor_path, "wb") as out:
        out.write(cursor_file(hand_cursor(), artwork.HAND_HOTSPOT))


if __name__ == "__main__":
    main(sys.argv)
