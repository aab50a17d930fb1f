#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paints cells in LibreOffice Calc, as a student draws with the fill tool.

    calc_painted.py OUTDIR PROFILEDIR paint ROW...
    calc_painted.py OUTDIR PROFILEDIR codes PALETTE ROW...
    calc_painted.py OUTDIR PROFILEDIR letters PALETTE ROW...

paint: each ROW is the colours of one sheet row from A1 on, as hexadecimal RRGGBB
separated by commas, "-" for a cell left unpainted. codes: as a class template, each ROW
holds the codes 0-9 typed into the cells, and conditional formatting colours code n in the
n-th colour of PALETTE (ten RRGGBB separated by commas). letters: the same with the letters
A, B, C ... typed as text, letter n coloured in the n-th colour. Stores the sheet as
OUTDIR/painted.ods and OUTDIR/painted.xlsx. Exits non-zero on any failure.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from calc_edits import props, url, with_office  # noqa: E402


def paint(doc, sheet, rows):
    for y, row in enumerate(rows):
        for x, colour in enumerate(row.split(",")):
            if colour != "-":
                sheet.getCellByPosition(x, y).CellBackColor = int(colour, 16)


def codes(doc, sheet, arguments, letters=False):
    from com.sun.star.sheet.ConditionOperator import EQUAL
    palette, rows = arguments[0].split(","), arguments[1:]
    styles = doc.StyleFamilies.getByName("CellStyles")
    for code, colour in enumerate(palette):
        style = doc.createInstance("com.sun.star.style.CellStyle")
        styles.insertByName("Code%d" % code, style)
        style.CellBackColor = int(colour, 16)
    for y, row in enumerate(rows):
        for x, code in enumerate(row.split(",")):
            cell = sheet.getCellByPosition(x, y)
            if letters:
                cell.setString(chr(ord("A") + int(code)))
            else:
                cell.setValue(int(code))
    cells = sheet.getCellRangeByPosition(0, 0, len(rows[0].split(",")) - 1, len(rows) - 1)
    rules = cells.ConditionalFormat
    for code in range(len(palette)):
        value = '"%s"' % chr(ord("A") + code) if letters else str(code)
        rules.addNew(props(Operator=EQUAL, Formula1=value, StyleName="Code%d" % code))
    cells.ConditionalFormat = rules


def run(desktop, mode, arguments, outdir):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, props(Hidden=True))
    sheet = doc.Sheets.getByIndex(0)
    if mode == "paint":
        paint(doc, sheet, arguments)
    else:
        codes(doc, sheet, arguments, letters=mode == "letters")
    doc.storeToURL(url(os.path.join(outdir, "painted.ods")), props(FilterName="calc8"))
    doc.storeToURL(url(os.path.join(outdir, "painted.xlsx")), props(FilterName="Calc MS Excel 2007 XML"))
    doc.close(True)


def main():
    outdir, profile, mode = sys.argv[1:4]
    with_office(profile, lambda desktop: run(desktop, mode, sys.argv[4:], outdir))


if __name__ == "__main__":
    main()
