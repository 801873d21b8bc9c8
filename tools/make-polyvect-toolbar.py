#!/usr/bin/env python3
"""Writes res/ToolBarPolyvect.bmp, the "Polyvect Tools" image strip, from the
images the "Vika Tools" strip already has for the same commands."""
import struct
import sys

# Image index in ToolBarVika.bmp for each Polyvect button, in button order:
# manage, edit protocol (the Vika protocol editor's image), edit geometry,
# create geometry, view log, compile.
PICKS = [0, 7, 9, 3, 10, 11]
CX, CY = 16, 15


def main(folder):
    data = open(f"{folder}/ToolBarVika.bmp", "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bpp = struct.unpack_from("<H", data, 28)[0]
    assert bpp == 4 and height == CY
    stride = ((width * 4 + 31) // 32) * 4
    rows = [data[offset + r * stride: offset + (r + 1) * stride] for r in range(height)]

    def pixel(row, x):
        b = row[x // 2]
        return (b >> 4) if x % 2 == 0 else (b & 15)

    new_width = CX * len(PICKS)
    new_stride = ((new_width * 4 + 31) // 32) * 4
    out_rows = []
    for row in rows:
        pixels = [pixel(row, pick * CX + x) for pick in PICKS for x in range(CX)]
        packed = bytes((pixels[i] << 4) | pixels[i + 1] for i in range(0, len(pixels), 2))
        out_rows.append(packed + b"\0" * (new_stride - len(packed)))
    image = b"".join(out_rows)
    palette = data[14 + 40:offset]
    info = struct.pack("<IiiHHIIiiII", 40, new_width, CY, 1, 4, 0, len(image), 0, 0, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(palette) + len(image), 0, 0,
                         14 + len(info) + len(palette))
    open(f"{folder}/ToolBarPolyvect.bmp", "wb").write(header + info + palette + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res")
