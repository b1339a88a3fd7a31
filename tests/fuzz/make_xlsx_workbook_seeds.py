#!/usr/bin/env python3
"""Writes the seed corpus of the .xlsx reader's fuzz target. Each seed is a workbook in the
target's text form: its parts as plain text, each opened by a line "@@ <part name>" (the target
packs them into a stored zip). One seed stays a real container cut short, for the container
reader. Run from this folder: ./make_xlsx_workbook_seeds.py corpus/xlsx_workbook"""
import io
import os
import sys
import zipfile

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"


def workbook(sheets, shared=None, active=0, prefix="", charts=()):
    """sheets: (name, sheetData text); charts: positions among the tabs where a chart sheet
    stands (named "Chart<n>")."""
    p = prefix + ":" if prefix else ""
    ns = ' xmlns:%s="%s"' % (prefix, MAIN) if prefix else ' xmlns="%s"' % MAIN
    parts = {
        "[Content_Types].xml": '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="xml" ContentType="application/xml"/></Types>',
        "_rels/.rels": '<Relationships xmlns="%s"><Relationship Id="rId1" Type="%s/officeDocument" '
        'Target="xl/workbook.xml"/></Relationships>' % (PKG, REL),
    }
    tabs = list(sheets)
    for position in sorted(charts):
        tabs.insert(position, None)
    entries, rels = "", ""
    sheet_number = chart_number = 0
    for i, tab in enumerate(tabs, 1):
        if tab is None:
            chart_number += 1
            entries += '<%ssheet name="Chart%d" sheetId="%d" r:id="rId%d"/>' % (p, chart_number, i, i)
            rels += '<Relationship Id="rId%d" Type="%s/chartsheet" Target="chartsheets/sheet%d.xml"/>' % (
                i, REL, chart_number)
            parts["xl/chartsheets/sheet%d.xml" % chart_number] = (
                '<%schartsheet%s xmlns:r="%s"><%sdrawing r:id="rId1"/></%schartsheet>' % (p, ns, REL, p, p))
            continue
        sheet_number += 1
        name, data = tab
        entries += '<%ssheet name="%s" sheetId="%d" r:id="rId%d"/>' % (p, name, i, i)
        rels += '<Relationship Id="rId%d" Type="%s/worksheet" Target="/xl/worksheets/sheet%d.xml"/>' % (
            i, REL, sheet_number)
        parts["xl/worksheets/sheet%d.xml" % sheet_number] = "<%sworksheet%s><%ssheetData>%s</%ssheetData></%sworksheet>" % (
            p, ns, p, data, p, p)
    parts["xl/workbook.xml"] = ('<%sworkbook%s xmlns:r="%s"><%sbookViews><%sworkbookView activeTab="%d"/>'
                                "</%sbookViews><%ssheets>%s</%ssheets></%sworkbook>") % (
        p, ns, REL, p, p, active, p, p, entries, p, p)
    if shared is not None:
        rels += '<Relationship Id="rIdS" Type="%s/sharedStrings" Target="sharedStrings.xml"/>' % REL
        parts["xl/sharedStrings.xml"] = '<sst xmlns="%s">%s</sst>' % (MAIN, shared)
    parts["xl/_rels/workbook.xml.rels"] = '<Relationships xmlns="%s">%s</Relationships>' % (PKG, rels)
    return parts


def inline(ref, text):
    return '<c r="%s" t="inlineStr"><is><t>%s</t></is></c>' % (ref, text)


# A string item nested this deep: above what a spreadsheet program writes, below what a
# reader's stack could not take.
DEEP = 1000
# Rows of the large seed: it holds long strings and many cells, far past 4 KB.
LARGE_ROWS = 120

SEEDS = {
    "plain": workbook([("Sheet1", '<row r="1"><c r="A1"><v>16</v></c><c r="B1" t="s"><v>0</v></c></row>')],
                      "<si><t>N/A</t></si>"),
    "types": workbook([("Types", '<row r="2"><c r="B2" t="inlineStr"><is><t>in</t></is></c>'
                                 '<c r="C2" t="b"><v>1</v></c><c r="D2" t="e"><v>#N/A</v></c>'
                                 '<c r="E2" t="str"><f>1</f><v>x</v></c><c r="F2" s="1"/>'
                                 '<c r="G2" t="s"><v>1</v></c><c r="XFD1048576"><v>1e308</v></c></row>')],
                      '<si><r><t>&gt;1</t></r><r><t>6</t></r><rPh><t>p</t></rPh></si><si><t>b</t></si>'),
    "no_references": workbook([("A", '<row><c><v>1</v></c><c t="s"><v>0</v></c></row><row><c/></row>'),
                               ("B", '<row r="9"><c r="C9"><v>2</v></c></row><row r="3"><c r="A3"/></row>')],
                              "<si><t>x</t></si>", active=1),
    "prefixed": workbook([("P", '<x:row r="1"><x:c r="A1" t="s"><x:v>0</x:v></x:c></x:row>')],
                         "<si><t>p</t></si>", prefix="x"),
    "empty_sheets": workbook([("E1", ""), ("E2", ""), ("E3", "")], None, active=7),
    # A chart tab between two model sheets, the later one active.
    "chart_sheet": workbook([("M1", '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1"><v>4</v></c></row>'),
                             ("M2", '<row r="1"><c r="A1" t="s"><v>1</v></c><c r="B1"><v>8</v></c></row>')],
                            "<si><t>first</t></si><si><t>second</t></si>", active=2, charts=(1,)),
    "inline_strings": workbook([("Inline", '<row r="1">%s%s<c r="C1" t="inlineStr"><is><r><t>a</t></r>'
                                           '<r><rPr><b/></rPr><t xml:space="preserve"> b </t></r>'
                                           '<rPh sb="0" eb="1"><t>p</t></rPh></is></c>'
                                           '<c r="D1" t="inlineStr"/><c r="E1" t="inlineStr"><is/></c></row>'
                                           % (inline("A1", "one"), inline("B1", "&lt;&amp;&gt;")))]),
    "deep_string": workbook([("Deep", '<row r="1"><c r="A1" t="s"><v>0</v></c>'
                                      '<c r="B1" t="inlineStr"><is>%s<t>i</t>%s</is></c></row>'
                                      % ("<r>" * DEEP, "</r>" * DEEP))],
                            "<si>%s<t>d</t>%s</si>" % ("<r>" * DEEP, "</r>" * DEEP)),
    "large": workbook([("Large", "".join(
        '<row r="%d"><c r="A%d" t="s"><v>%d</v></c>%s<c r="C%d"><v>%d.5</v></c></row>'
        % (r, r, r % 2, inline("B%d" % r, "model %d " % r + "x" * 200), r, r) for r in range(1, LARGE_ROWS + 1)))],
        "<si><t>%s</t></si><si><t>%s</t></si>" % ("L" * 6000, "\u4e2d" * 2000)),
}


def text_form(parts):
    return "".join("@@ %s\n%s\n" % (name, content) for name, content in parts.items())


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "corpus/xlsx_workbook"
    os.makedirs(out, exist_ok=True)
    for name, parts in SEEDS.items():
        with open(os.path.join(out, name + ".txt"), "w", encoding="utf-8", newline="\n") as f:
            f.write(text_form(parts))
    # A real container cut short: its end is missing.
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as z:
        for part, text in SEEDS["plain"].items():
            info = zipfile.ZipInfo(part, date_time=(2020, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text)
    data = buffer.getvalue()
    with open(os.path.join(out, "cut.xlsx"), "wb") as f:
        f.write(data[: len(data) // 2])


if __name__ == "__main__":
    main()
