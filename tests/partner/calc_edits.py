#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Edits a pixel sheet in LibreOffice Calc the way a user would, and exports it.

    calc_edits.py SHEET.csv OUTDIR PROFILEDIR

Runs a headless Calc with its own profile in PROFILEDIR. Opens SHEET.csv, multiplies
column r by 1.5, clears data rows 5 to 7, adds a remark and a total row below the data
and a note column left of it, saves that as OUTDIR/edited.xlsx, then opens the xlsx
again and exports it as CSV three ways: default.csv (Calc's default settings),
options.csv (the filter options "44,34,76,1") and german.csv (";" with German number
formats). Then it opens SHEET.csv again, names its sheet "Picture", inserts a notes
sheet before it, multiplies r by ten and shows r with thousands separators, g as a
percentage and b as dollars, saves that as OUTDIR/formats.xlsx and exports that as CSV
as shown, in English (formats.csv) and with German formats (formats-german.csv). Exits
non-zero on any failure.
"""

import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.lang import Locale

CSV_FILTER = "Text - txt - csv (StarCalc)"
EXPORTS = [
    ("default.csv", "44,34,76,1,,0,false,true,true,false,false", False),
    ("options.csv", "44,34,76,1", False),
    ("german.csv", "59,34,76,1,,1031,false,true,true,false,false", True),
]
CLEARED_ROWS = (5, 7)  # sheet rows, 0-based, header at 0


def props(**values):
    result = []
    for name, value in values.items():
        p = PropertyValue()
        p.Name = name
        p.Value = value
        result.append(p)
    return tuple(result)


def url(path):
    return uno.systemPathToFileUrl(os.path.abspath(path))


def connect(pipe, office):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.time() + 90
    while True:
        try:
            return resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
        except Exception:
            if time.time() > deadline or office.poll() is not None:
                raise
            time.sleep(0.5)


def edit(sheet):
    cursor = sheet.createCursor()
    cursor.gotoEndOfUsedArea(False)
    last = cursor.RangeAddress.EndRow
    for row in range(1, last + 1):
        cell = sheet.getCellByPosition(2, row)  # r
        cell.Value = cell.Value * 1.5
    everything = 1023  # com.sun.star.sheet.CellFlags: values, text, formulas, formats...
    sheet.getCellRangeByPosition(0, CLEARED_ROWS[0], 4, CLEARED_ROWS[1]).clearContents(everything)
    sheet.getCellByPosition(0, last + 1).String = "Task 1: halve the red"
    sheet.getCellByPosition(0, last + 2).String = "Total"
    sheet.getCellByPosition(2, last + 2).Formula = "=SUM(C2:C%d)" % (last + 1)
    sheet.Columns.insertByIndex(0, 1)
    sheet.getCellByPosition(0, 0).String = "note"
    sheet.getCellByPosition(0, 1).String = 'red; bright, "hot"'
    sheet.getCellByPosition(0, 2).String = "line one\n5,5 apples"
    sheet.getCellByPosition(0, 3).String = "x,y;\tr"


def german_numbers(doc):
    number = uno.getConstantByName("com.sun.star.util.NumberFormat.NUMBER")
    key = doc.NumberFormats.getStandardFormat(number, Locale("de", "DE", ""))
    sheet = doc.Sheets.getByIndex(0)
    cursor = sheet.createCursor()
    cursor.gotoEndOfUsedArea(False)
    end = cursor.RangeAddress
    sheet.getCellRangeByPosition(0, 0, end.EndColumn, end.EndRow).NumberFormat = key


FORMATS = {  # column: (English format, German format)
    2: ("#,##0", "#.##0"),
    3: ("0%", "0 %"),
    4: ("[$$-409]#,##0.00", "#.##0,00 [$€-407]"),
}
# Token 9 saves the cells as shown; token 12 names the sheet to export (from 1): the
# picture, behind the notes.
AS_SHOWN = "44,34,76,1,,0,false,true,true,false,false,2"
GERMAN_AS_SHOWN = "59,34,76,1,,1031,false,true,true,false,false,2"


def set_formats(doc, sheet, german):
    locale = Locale("de", "DE", "") if german else Locale("en", "US", "")
    cursor = sheet.createCursor()
    cursor.gotoEndOfUsedArea(False)
    last = cursor.RangeAddress.EndRow
    for column, codes in FORMATS.items():
        code = codes[1] if german else codes[0]
        key = doc.NumberFormats.queryKey(code, locale, False)
        if key < 0:
            key = doc.NumberFormats.addNew(code, locale)
        sheet.getCellRangeByPosition(column, 1, column, last).NumberFormat = key


def run_formats(desktop, source, outdir):
    doc = desktop.loadComponentFromURL(url(source), "_blank", 0,
                                       props(FilterName=CSV_FILTER, FilterOptions="44,34,76,1", Hidden=True))
    picture = doc.Sheets.getByIndex(0)
    picture.Name = "Picture"
    cursor = picture.createCursor()
    cursor.gotoEndOfUsedArea(False)
    for row in range(1, cursor.RangeAddress.EndRow + 1):
        cell = picture.getCellByPosition(2, row)
        cell.Value = cell.Value * 10
    set_formats(doc, picture, False)
    doc.Sheets.insertNewByName("Notes", 0)
    doc.Sheets.getByName("Notes").getCellByPosition(0, 0).String = "Task 1: make the sky blue"
    doc.CurrentController.setActiveSheet(picture)
    xlsx = os.path.join(outdir, "formats.xlsx")
    doc.storeToURL(url(xlsx), props(FilterName="Calc MS Excel 2007 XML"))
    doc.close(True)
    for name, options, german in (("formats.csv", AS_SHOWN, False), ("formats-german.csv", GERMAN_AS_SHOWN, True)):
        doc = desktop.loadComponentFromURL(url(xlsx), "_blank", 0, props(Hidden=True))
        picture = doc.Sheets.getByName("Picture")
        if german:
            set_formats(doc, picture, True)
        doc.CurrentController.setActiveSheet(picture)
        target = os.path.join(outdir, name)
        doc.storeToURL(url(target), props(FilterName=CSV_FILTER, FilterOptions=options))
        doc.close(True)
        # A named sheet's export carries the sheet's name in its file name.
        named = target[:-len(".csv")] + "-Picture.csv"
        if not os.path.exists(target) and os.path.exists(named):
            os.rename(named, target)


def run(desktop, source, outdir):
    hidden = props(Hidden=True)
    doc = desktop.loadComponentFromURL(url(source), "_blank", 0,
                                       props(FilterName=CSV_FILTER, FilterOptions="44,34,76,1", Hidden=True))
    edit(doc.Sheets.getByIndex(0))
    xlsx = os.path.join(outdir, "edited.xlsx")
    doc.storeToURL(url(xlsx), props(FilterName="Calc MS Excel 2007 XML"))
    doc.close(True)
    for name, options, german in EXPORTS:
        doc = desktop.loadComponentFromURL(url(xlsx), "_blank", 0, hidden)
        if german:
            german_numbers(doc)
        doc.storeToURL(url(os.path.join(outdir, name)), props(FilterName=CSV_FILTER, FilterOptions=options))
        doc.close(True)


def with_office(profile, work):
    """Starts a headless Calc with its own profile, calls work(desktop) and stops Calc."""
    pipe = "tessarine_calc_%d" % os.getpid()
    office = subprocess.Popen(["soffice", "--headless", "--invisible", "--nologo", "--norestore", "--nodefault",
                               "-env:UserInstallation=" + url(profile), "--accept=pipe,name=%s;urp;" % pipe],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    desktop = None
    try:
        context = connect(pipe, office)
        desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        work(desktop)
    finally:
        try:
            if desktop is not None:
                desktop.terminate()
        except Exception:
            pass  # the office goes away while answering
        try:
            office.wait(timeout=30)
        except subprocess.TimeoutExpired:
            office.kill()


def main():
    source, outdir, profile = sys.argv[1:4]

    def work(desktop):
        run(desktop, source, outdir)
        run_formats(desktop, source, outdir)

    with_office(profile, work)


if __name__ == "__main__":
    main()
