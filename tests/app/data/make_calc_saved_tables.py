#!/usr/bin/env python3
"""Makes calc_saved_tables.xlsx, the importer's workbook saved by a real spreadsheet program.

A developer's tool, run by hand when the fixture is to be made again; the tests only read the
checked-in workbook. It writes the workbook as a flat OpenDocument spreadsheet and lets the
spreadsheet program installed on the machine (its headless converter, `soffice`) save it as
.xlsx, so that the fixture holds that program's own parts: shared strings, its styles and
column records, its view settings.

The content follows the rules of tests/app/spreadsheet_importer_noapp_test.cpp (SlotText,
CapabilityGrid, ModelGrid):
  sheets 1..6  the model lists of groups 0..5 (MODEL_ROWS rows each), sheet 4 hidden;
  sheet 7      the capability matrix, the active sheet when saved.

Usage: make_calc_saved_tables.py [output folder]   (default: this script's folder)
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from xml.sax.saxutils import escape

SERIES_TYPES = ["RV-Lite", "RV-Home", "RV-Office", "RV-Pro", "RV-Campus", "RV-Metropole"]
MORE_THAN = ["", "", ">16", "", ">48", ">80"]
MODEL_ROWS = [3, 2, 4, 1, 2, 3]
HIDDEN_SHEET = 3  # 0-based: the fourth sheet
CAPABILITY_SHEET = "Capability"


def slot_text(s, r, f):
    if r < 2 and s < 2:
        return "N/A"
    if MORE_THAN[s] and r >= 7 and f >= 3:
        return MORE_THAN[s]
    return str(4 * (s + 1) + r + f)


def capability_grid():
    grid = [[""] * 8 for _ in range(6 * 12)]
    for s in range(6):
        grid[12 * s][0] = SERIES_TYPES[s]
        for r in range(10):
            row = grid[12 * s + 1 + r]
            row[0] = "res %d" % r
            for f in range(6):
                row[1 + f] = slot_text(s, r, f)
            row[7] = "999"
    return grid


def model_grid(g, n):
    grid = [["#", "Model", "Code", "Channels", "Bays", "Mbps", "Picture", "Framed"]]
    for i in range(n):
        pic = "RV-%d_%d.png" % (g, i % 3)
        grid.append([str(i + 1), "M%d-%d" % (g, i), "QZ%d" % (100 * g + i), str(4 + i),
                     "2" if i % 2 else "1 bay", str(40 + g), pic, "" if i % 3 == 0 else "F" + pic])
    return grid


def is_number(text):
    try:
        float(text)
        return True
    except ValueError:
        return False


def cell(text):
    if text == "":
        return "<table:table-cell/>"
    if is_number(text):
        return ('<table:table-cell office:value-type="float" office:value="%s">'
                "<text:p>%s</text:p></table:table-cell>" % (text, text))
    return ('<table:table-cell office:value-type="string"><text:p>%s</text:p></table:table-cell>'
            % escape(text))


def table(name, grid, hidden):
    rows = "".join("<table:table-row>%s</table:table-row>" % "".join(cell(t) for t in row)
                   for row in grid)
    return ('<table:table table:name="%s" table:style-name="%s">'
            '<table:table-column table:number-columns-repeated="8"/>%s</table:table>'
            % (escape(name), "hidden" if hidden else "shown", rows))


def flat_document():
    tables = [table(SERIES_TYPES[g], model_grid(g, MODEL_ROWS[g]), g == HIDDEN_SHEET) for g in range(6)]
    tables.append(table(CAPABILITY_SHEET, capability_grid(), False))
    return """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<style:style style:name="shown" style:family="table"><style:table-properties table:display="true"/></style:style>
<style:style style:name="hidden" style:family="table"><style:table-properties table:display="false"/></style:style>
</office:automatic-styles>
<office:body><office:spreadsheet>%s</office:spreadsheet></office:body>
</office:document>
""" % "".join(tables)


def convert(source, out_dir, profile):
    subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to",
                    "xlsx", "--outdir", out_dir, source], check=True)
    return os.path.join(out_dir, os.path.splitext(os.path.basename(source))[0] + ".xlsx")


def with_active_tab(source, target, tab):
    """The workbook with its saved active tab set (the only change made by hand)."""
    with zipfile.ZipFile(source) as zin, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as zout:
        for item in zin.infolist():
            data = zin.read(item.filename)
            if item.filename == "xl/workbook.xml":
                data, n = re.subn(rb'activeTab="\d+"', b'activeTab="%d"' % tab, data)
                assert n == 1, "no active tab in the workbook part"
            zout.writestr(item, data)


def main():
    out_dir = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
    work = tempfile.mkdtemp(prefix="calc_saved_tables_")
    try:
        source = os.path.join(work, "calc_saved_tables.fods")
        with open(source, "w", encoding="utf-8") as f:
            f.write(flat_document())
        # A profile of its own, so that the converter neither reads nor changes the user's.
        profile = "file://" + os.path.join(work, "profile")
        first = convert(source, work, profile)
        # Without a window the converter drops the flat file's view settings, the active sheet
        # among them, but keeps a workbook's saved active tab: set it in the first result and
        # let the program read and save that workbook once more, so every part of the fixture
        # is its own.
        tabbed = os.path.join(work, "tabbed", "calc_saved_tables.xlsx")
        os.makedirs(os.path.dirname(tabbed))
        with_active_tab(first, tabbed, len(SERIES_TYPES))
        final_dir = os.path.join(work, "final")
        os.makedirs(final_dir)
        shutil.copyfile(convert(tabbed, final_dir, profile), os.path.join(out_dir, "calc_saved_tables.xlsx"))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
