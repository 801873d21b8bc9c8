#!/usr/bin/env python3
"""Checks the PDFs that chart_print_test printed through the file printer:
one file per printed chart, one page in the orientation asked for, the
header's text, and ink where the layout puts the header and the chart."""
import datetime
import glob
import os
import re
import subprocess
import sys
import tempfile


def fail(message):
    print("FAIL: " + message)
    return 1


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    width, height = int(fields.group(1)), int(fields.group(2))
    return width, height, data[fields.end():]


def band(width, pixels, top, bottom):
    """Counts dark and green pixels in the rows [top, bottom)."""
    dark = green = 0
    for i in range(top * width, bottom * width):
        r, g, b = pixels[3 * i], pixels[3 * i + 1], pixels[3 * i + 2]
        if r < 96 and g < 96 and b < 96:
            dark += 1
        elif g > 120 and r < 80 and b < 80:
            green += 1
    return dark, green


def check(folder, title, landscape):
    files = glob.glob(os.path.join(folder, title + ".ORG-*.pdf"))
    if len(files) != 1:
        return fail("%s: %d printed files in %s" % (title, len(files), folder))
    pdf = files[0]
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    pages = re.search(r"^Pages:\s+(\d+)", info, re.M)
    if not pages or pages.group(1) != "1":
        return fail("%s: expected one page\n%s" % (pdf, info))

    text = subprocess.run(["pdftotext", "-layout", pdf, "-"],
                          capture_output=True, text=True).stdout
    # The PostScript driver's Latin-1 encoding names '-' "hyphen" (0xAD).
    text = text.replace("\u00ad", "-")
    stamp = re.search(r"-(\d{4}-\d{2}-\d{2})-\d{6}\.pdf$", pdf).group(1)
    for expected in ("Protocol:", title, "Address File:", "LINE.ADR",
                     "Array Type:", "Wenner", "Date:", stamp, "= ORG Section"):
        if expected not in text:
            return fail("%s: the header lacks %r:\n%s" % (pdf, expected, text))

    # Labels and values keep apart however wide the printer's font is.
    for label, value in (("Address File:", "LINE.ADR"), ("Max no. of items:", "ORG=")):
        if not re.search(re.escape(label) + r"\s+" + re.escape(value), text):
            return fail("%s: %r runs into its value:\n%s" % (pdf, label, text))

    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run(["pdftoppm", "-r", "40", "-singlefile", pdf,
                        os.path.join(scratch, "page")], check=True)
        width, height, pixels = read_ppm(os.path.join(scratch, "page.ppm"))
    if (width > height) != landscape:
        return fail("%s: page is %dx%d" % (pdf, width, height))
    top = height // 4
    header_dark, header_green = band(width, pixels, 0, top)
    chart_dark, chart_green = band(width, pixels, top, height)
    print("%s: %dx%d, header %d dark %d green, chart %d dark %d green"
          % (os.path.basename(pdf), width, height, header_dark, header_green,
             chart_dark, chart_green))
    if header_dark < 200 or header_green < 5:
        return fail("%s: the header band is nearly blank" % pdf)
    if chart_dark + chart_green < 200:
        return fail("%s: no chart below the header" % pdf)
    return 0


def main():
    folder = sys.argv[1]
    failures = check(folder, "PORTRAIT", False) + check(folder, "LANDSCAPE", True)
    for title in ("CANCELLED", "PREVIEW", "NOPRINTER"):
        if glob.glob(os.path.join(folder, title + ".ORG-*.pdf")):
            failures += fail("%s printed although nothing was to be" % title)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
