#!/usr/bin/env python3
# Draws the import dialog's images: "FOLDERS" (closed folder, open folder,
# file; 16 x 16 each), "CHKBOXS" (state images: none, unchecked, checked,
# partly checked) with pure red as the mask colour, and the overlay icon
# that marks a file already in the import folder.
# Usage: tools/make-import-images.py res
import struct
import sys

RED, BLACK, WHITE = (255, 0, 0), (0, 0, 0), (255, 255, 255)
YELLOW, DARK_YELLOW, GREY, GREEN = (255, 224, 96), (176, 144, 32), (128, 128, 128), (0, 160, 0)


def image(width):
    return [[RED] * width for _ in range(16)]


def rect(img, x0, y0, x1, y1, colour, fill=None):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            if edge:
                img[y][x] = colour
            elif fill is not None:
                img[y][x] = fill


def folder(img, ox, open_):
    rect(img, ox + 1, 3, ox + 6, 5, DARK_YELLOW, YELLOW)
    rect(img, ox + 1, 5, ox + 14, 13, DARK_YELLOW, YELLOW)
    if open_:
        for i in range(6):
            for x in range(ox + 3 + i // 2, ox + 15):
                img[8 + i][x] = YELLOW if x < ox + 14 else DARK_YELLOW
            img[8 + i][ox + 2 + i // 2] = DARK_YELLOW


def page(img, ox):
    rect(img, ox + 3, 1, ox + 12, 14, GREY, WHITE)
    for y in (4, 6, 8, 10):
        for x in range(ox + 5, ox + 11):
            img[y][x] = GREY


def box(img, ox, state):
    if state == 0:
        return
    rect(img, ox + 2, 2, ox + 13, 13, BLACK, WHITE)
    if state == 2:
        for i, (x, y) in enumerate([(4, 7), (5, 8), (6, 9), (7, 8), (8, 7), (9, 6), (10, 5), (11, 4)]):
            img[y][ox + x] = BLACK
            img[y + 1][ox + x] = BLACK
    elif state == 3:
        rect(img, ox + 5, 5, ox + 10, 10, GREY, GREY)


def write_bmp(path, img):
    width, height = len(img[0]), len(img)
    row = (width * 3 + 3) & ~3
    data = b"".join(bytes(sum(((b, g, r) for r, g, b in img[y]), ())) + b"\0" * (row - width * 3)
                    for y in reversed(range(height)))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    open(path, "wb").write(header + info + data)


def write_overlay_icon(path):
    # A green tick in the lower left corner; the rest is transparent.
    pixels = [[None] * 16 for _ in range(16)]
    for x, y in [(1, 12), (2, 13), (3, 14), (4, 13), (5, 12), (6, 11), (7, 10), (8, 9)]:
        for dy in (0, -1):
            pixels[y + dy][x] = GREEN
    colour = b"".join(bytes((c[2], c[1], c[0], 255)) if c else bytes(4)
                      for y in reversed(range(16)) for c in pixels[y])
    mask = b"".join(struct.pack(">I", sum(1 << (31 - x) for x in range(16) if not pixels[y][x]))
                    for y in reversed(range(16)))
    info = struct.pack("<IiiHHIIiiII", 40, 16, 32, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    body = info + colour + mask
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 16, 16, 0, 0, 1, 32, len(body), 22)
    open(path, "wb").write(header + body)


def main(folder_out):
    folders = image(48)
    folder(folders, 0, False)
    folder(folders, 16, True)
    page(folders, 32)
    write_bmp(folder_out + "/ImportFolders.bmp", folders)
    boxes = image(64)
    for state in range(4):
        box(boxes, state * 16, state)
    write_bmp(folder_out + "/ImportCheckBoxes.bmp", boxes)
    write_overlay_icon(folder_out + "/ImportExists.ico")


main(sys.argv[1] if len(sys.argv) > 1 else "res")
