#!/usr/bin/env python3
# Draws the list-box editor's header button bitmaps (16 x 15, 16 colours:
# light grey face and black ink, which the editor maps to the system colours).
# Usage: tools/make-listbox-bitmaps.py res
import struct, sys
W, H = 16, 15
def blank(): return [[7]*W for _ in range(H)]
def rect(g, l, t, r, b):
    for y in range(t, b):
        for x in range(l, r): g[y][x] = 0
def frame(g, l, t, r, b):
    for x in range(l, r): g[t][x] = 0; g[b-1][x] = 0
    for y in range(t, b): g[y][l] = 0; g[y][r-1] = 0
def tri(g, pts):
    (x1,y1),(x2,y2),(x3,y3) = pts
    def side(ax,ay,bx,by,px,py): return (bx-ax)*(py-ay)-(by-ay)*(px-ax)
    for y in range(H):
        for x in range(W):
            px, py = x+0.5, y+0.5
            d = [side(x1,y1,x2,y2,px,py), side(x2,y2,x3,y3,px,py), side(x3,y3,x1,y1,px,py)]
            if all(v >= 0 for v in d) or all(v <= 0 for v in d): g[y][x] = 0
def new():
    g = blank(); frame(g, 3, 2, 12, 13); rect(g, 5, 5, 10, 6); rect(g, 5, 7, 10, 8); rect(g, 5, 9, 10, 10); return g
def delete():
    g = blank()
    for i in range(8):
        rect(g, 4+i, 3+i, 6+i, 5+i); rect(g, 11-i, 3+i, 13-i, 5+i)
    return g
def up():
    g = blank(); tri(g, [(8,3),(13,9),(3,9)]); return g
def down():
    g = blank(); tri(g, [(3,5),(13,5),(8,11)]); return g
vga = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(192,192,192),
       (128,128,128),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
def bmp(g, path):
    rowbytes = ((W*4+31)//32)*4
    pixels = b''
    for y in reversed(range(H)):
        row = bytearray(rowbytes)
        for x in range(W):
            if x % 2 == 0: row[x//2] |= g[y][x] << 4
            else: row[x//2] |= g[y][x]
        pixels += bytes(row)
    palette = b''.join(struct.pack('<BBBB', b, gg, r, 0) for (r, gg, b) in vga)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, W, H, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    open(path, 'wb').write(header + info + palette + pixels)
out = sys.argv[1]
for name, f in [('ListBoxNew', new), ('ListBoxDelete', delete), ('ListBoxMoveUp', up), ('ListBoxMoveDown', down)]:
    bmp(f(), f'{out}/{name}.bmp')

