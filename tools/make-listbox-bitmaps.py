#!/usr/bin/env python3
# Draws the list-box editor's header button bitmaps: 16 x 15 pixels, 16
# colours, black ink on light grey, the two colours the editor maps to the
# system's button text and face colours when it loads them.
# Usage: tools/make-listbox-bitmaps.py res
import struct
import sys

WIDTH, HEIGHT = 16, 15
INK, FACE = 0, 7  # palette indices: black, light grey
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def blank():
    return [[FACE] * WIDTH for _ in range(HEIGHT)]


def fill(glyph, left, top, right, bottom):
    for y in range(top, bottom):
        for x in range(left, right):
            glyph[y][x] = INK


def frame(glyph, left, top, right, bottom):
    fill(glyph, left, top, right, top + 1)
    fill(glyph, left, bottom - 1, right, bottom)
    fill(glyph, left, top, left + 1, bottom)
    fill(glyph, right - 1, top, right, bottom)


def triangle(glyph, corners):
    def side(a, b, x, y):
        return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0])
    edges = list(zip(corners, corners[1:] + corners[:1]))
    for y in range(HEIGHT):
        for x in range(WIDTH):
            sides = [side(a, b, x + 0.5, y + 0.5) for a, b in edges]
            if all(s >= 0 for s in sides) or all(s <= 0 for s in sides):
                glyph[y][x] = INK


def new_item():
    glyph = blank()
    frame(glyph, 3, 2, 12, 13)
    for y in (5, 7, 9):
        fill(glyph, 5, y, 10, y + 1)
    return glyph


def delete_item():
    glyph = blank()
    for i in range(8):
        fill(glyph, 4 + i, 3 + i, 6 + i, 5 + i)
        fill(glyph, 11 - i, 3 + i, 13 - i, 5 + i)
    return glyph


def move_up():
    glyph = blank()
    triangle(glyph, [(8, 3), (13, 9), (3, 9)])
    return glyph


def move_down():
    glyph = blank()
    triangle(glyph, [(3, 5), (13, 5), (8, 11)])
    return glyph


def write_bmp(glyph, path):
    row_bytes = (WIDTH * 4 + 31) // 32 * 4
    pixels = b''
    for y in reversed(range(HEIGHT)):  # bottom-up
        row = bytearray(row_bytes)
        for x in range(WIDTH):
            row[x // 2] |= glyph[y][x] << (4 if x % 2 == 0 else 0)
        pixels += bytes(row)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 4, 0, len(pixels), 2835, 2835, len(PALETTE), 0)
    with open(path, 'wb') as out:
        out.write(header + info + palette + pixels)


if __name__ == '__main__':
    folder = sys.argv[1]
    for name, draw in [('ListBoxNew', new_item), ('ListBoxDelete', delete_item), ('ListBoxMoveUp', move_up),
                       ('ListBoxMoveDown', move_down)]:
        write_bmp(draw(), f'{folder}/{name}.bmp')
