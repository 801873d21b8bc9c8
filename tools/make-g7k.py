#!/usr/bin/env python3
"""Writes instrument data files (".g7k") with realistic headers.

    tools/make-g7k.py FOLDER [COUNT]

Writes COUNT files (default 4) of each kind into FOLDER's SP, RES, IP and
LOG sub-folders (the instrument's data folders), of the record versions
the instrument has written over the years, so the instrument simulator
offers them for import and conversion projects read their headers.
"""
import os
import struct
import sys

# Data type codes by folder: 1 SP, 2 resistivity, 3 IP, 4 logging.
KINDS = (("SP", 1), ("RES", 2), ("IP", 3), ("LOG", 4))
VERSIONS = (5, 7, 13, 14, 15, 16)
RAW_2000 = 3124166400  # 2000-01-01 00:00:00 on the instrument's clock


def table_offset(v):
    if v == 15:
        return 440
    if v >= 14:
        return 442
    if v >= 8:
        return 422
    return 320 if v >= 6 else 308


def header(v, data_type, system, array, serial, kind, raw_time, channels,
           records, blocks, entries, ref=(0.0, 0.0, 0.0, 0.0, 0.0)):
    b = bytearray(max(table_offset(v), 442))
    struct.pack_into("<H", b, 0, v)
    if v >= 6:
        b[2:14] = ("%07d %d" % (serial, kind)).encode().ljust(12, b"\0")
    t = 14 if v >= 6 else 2
    struct.pack_into("<IH", b, t, raw_time, data_type)
    struct.pack_into("<H", b, 229 if v >= 6 else 217, system)
    a = 371 if v >= 8 else (269 if v >= 6 else 257)
    if v >= 8:
        struct.pack_into("<h", b, a, array)
    if v >= 14:
        struct.pack_into("<5f", b, a + 2 + 49, *ref)
    b = b[:table_offset(v)]
    if v >= 4:
        b += struct.pack("<H", blocks)
        for _ in range(blocks):
            b += bytes(80) + struct.pack("<H", entries) + bytes(12 * entries)
    b += struct.pack("<H", channels)
    if v != 15:
        b += bytes(2)
    b += struct.pack("<I", records)
    return bytes(b)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 4
    n = 0
    for sub, data_type in KINDS:
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
        for i in range(count):
            v = VERSIONS[(n + i) % len(VERSIONS)]
            channels = 1 + (i % 4)
            records = 40 + 17 * i
            data = header(v, data_type, 1 + i % 2, i % 12, 1234567, i % 2,
                          RAW_2000 + 86400 * (100 + 7 * n) + 3600 * i,
                          channels, records, 1 + i % 2, 3,
                          (100.0 + i, 200.0, 12.5, 45.0, 0.5))
            data += bytes(channels * records * 8)
            name = "%s%03d.G7K" % (sub[0], i + 1)
            with open(os.path.join(folder, sub, name), "wb") as f:
                f.write(data)
            n += 1
    print("%d data files written under %s" % (n, folder))


if __name__ == "__main__":
    main()
