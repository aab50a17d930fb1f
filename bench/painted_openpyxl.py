#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A painted workbook as a hand would make it: SIDE x SIDE cells, each with a solid fill,
drawn from COLOURS distinct colours (a smooth pattern, so that neighbours differ).

    painted_openpyxl.py OUT.xlsx [SIDE] [COLOURS]
"""

import sys

from openpyxl import Workbook
from openpyxl.styles import PatternFill


def main():
    out = sys.argv[1]
    side = int(sys.argv[2]) if len(sys.argv) > 2 else 256
    colours = int(sys.argv[3]) if len(sys.argv) > 3 else 4096
    fills = [PatternFill("solid", fgColor="FF%06X" % ((i * 2654435761) & 0xFFFFFF)) for i in range(colours)]
    wb = Workbook()
    ws = wb.active
    ws.title = "Painted"
    for y in range(side):
        for x in range(side):
            ws.cell(y + 1, x + 1).fill = fills[(x * 31 + y * 17 + x * y) % colours]
    wb.save(out)


if __name__ == "__main__":
    main()
