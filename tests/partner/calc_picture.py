#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Renders and edits a picture-shaped workbook in LibreOffice Calc.

    calc_picture.py BOOK.xlsx X Y OUTDIR PROFILEDIR

Runs a headless Calc with its own profile in PROFILEDIR. Exports BOOK.xlsx as it is to
OUTDIR/render.pdf, then sets the r cell of pixel (X, Y) to 0, as a student types it, and
stores the edited workbook as OUTDIR/edited.xlsx and edited.ods, and as CSV in English
(edited.csv) and with German settings (edited-de.csv, ";"). Exits non-zero on any failure.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from calc_edits import CSV_FILTER, props, url, with_office  # noqa: E402

STORES = [
    ("edited.xlsx", "Calc MS Excel 2007 XML", None),
    ("edited.ods", "calc8", None),
    ("edited.csv", CSV_FILTER, "44,34,76,1"),
    ("edited-de.csv", CSV_FILTER, "59,34,76,1,,1031,false,true,true,false,false"),
]


def run(desktop, book, x, y, outdir):
    doc = desktop.loadComponentFromURL(url(book), "_blank", 0, props(Hidden=True))
    doc.storeToURL(url(os.path.join(outdir, "render.pdf")), props(FilterName="calc_pdf_Export"))
    sheet = doc.Sheets.getByIndex(0)
    # Labels take row 1 and columns A, B; the r row of picture row y is sheet row 2 + 3y.
    sheet.getCellByPosition(2 + x, 1 + 3 * y).setValue(0)
    for name, filter_name, options in STORES:
        values = {"FilterName": filter_name}
        if options:
            values["FilterOptions"] = options
        doc.storeToURL(url(os.path.join(outdir, name)), props(**values))
    doc.close(True)


def main():
    book, x, y, outdir, profile = sys.argv[1:6]
    with_office(profile, lambda desktop: run(desktop, book, int(x), int(y), outdir))


if __name__ == "__main__":
    main()
