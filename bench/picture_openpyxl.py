#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The picture-shaped workbook written with openpyxl, the peer of tessarine-cli's
--layout picture: the same cells (row 1 "y", "colour", 0..W-1; three rows r, g, b per
picture row), the same three colour-scale rules over space-separated ranges, the same
column widths, row heights and frozen labels.

    picture_openpyxl.py IMAGE.ppm OUT.xlsx

The picture is read from a binary PPM (P6, 8 bits) so that no imaging library is needed.
"""

import sys

from openpyxl import Workbook
from openpyxl.formatting.rule import ColorScaleRule
from openpyxl.utils import get_column_letter


def read_ppm(path):
    data = open(path, "rb").read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    book = Workbook()
    sheet = book.active
    sheet.title = "Picture"
    sheet.append(["y", "colour"] + list(range(width)))
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        for channel, letter in enumerate("rgb"):
            sheet.append([y, letter] + list(row[channel::3]))
    last = get_column_letter(width + 2)
    for channel, top in enumerate(("FF0000", "00FF00", "0000FF")):
        ranges = " ".join("C%d:%s%d" % (r, last, r) for r in range(2 + channel, 2 + 3 * height, 3))
        sheet.conditional_formatting.add(ranges, ColorScaleRule(start_type="num", start_value=0, start_color="000000",
                                                                end_type="num", end_value=255, end_color=top))
    sheet.column_dimensions["A"].width = 5.57
    sheet.column_dimensions["B"].width = 7.57
    for c in range(3, width + 3):
        sheet.column_dimensions[get_column_letter(c)].width = 1.64453125
    for r in range(2, 2 + 3 * height):
        sheet.row_dimensions[r].height = 3
    sheet.freeze_panes = "C2"
    book.save(sys.argv[2])


if __name__ == "__main__":
    main()
