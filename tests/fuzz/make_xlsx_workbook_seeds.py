#!/usr/bin/env python3
"""Writes the seed corpus of the .xlsx reader's fuzz target: tiny workbooks made here from
XML text. Run from this folder: ./make_xlsx_workbook_seeds.py corpus/xlsx_workbook"""
import os
import sys
import zipfile

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"


def workbook(sheets, shared=None, active=0, prefix=""):
    p = prefix + ":" if prefix else ""
    ns = ' xmlns:%s="%s"' % (prefix, MAIN) if prefix else ' xmlns="%s"' % MAIN
    parts = {
        "[Content_Types].xml": '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="xml" ContentType="application/xml"/></Types>',
        "_rels/.rels": '<Relationships xmlns="%s"><Relationship Id="rId1" Type="%s/officeDocument" '
        'Target="xl/workbook.xml"/></Relationships>' % (PKG, REL),
    }
    entries, rels = "", ""
    for i, (name, data) in enumerate(sheets, 1):
        entries += '<%ssheet name="%s" sheetId="%d" r:id="rId%d"/>' % (p, name, i, i)
        rels += '<Relationship Id="rId%d" Target="/xl/worksheets/sheet%d.xml"/>' % (i, i)
        parts["xl/worksheets/sheet%d.xml" % i] = "<%sworksheet%s><%ssheetData>%s</%ssheetData></%sworksheet>" % (
            p, ns, p, data, p, p)
    parts["xl/workbook.xml"] = ('<%sworkbook%s xmlns:r="%s"><%sbookViews><%sworkbookView activeTab="%d"/>'
                                "</%sbookViews><%ssheets>%s</%ssheets></%sworkbook>") % (
        p, ns, REL, p, p, active, p, p, entries, p, p)
    if shared is not None:
        rels += '<Relationship Id="rIdS" Target="sharedStrings.xml"/>'
        parts["xl/sharedStrings.xml"] = '<sst xmlns="%s">%s</sst>' % (MAIN, shared)
    parts["xl/_rels/workbook.xml.rels"] = '<Relationships xmlns="%s">%s</Relationships>' % (PKG, rels)
    return parts


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
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "corpus/xlsx_workbook"
    os.makedirs(out, exist_ok=True)
    for name, parts in SEEDS.items():
        path = os.path.join(out, name + ".xlsx")
        with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
            for part, text in parts.items():
                info = zipfile.ZipInfo(part, date_time=(2020, 1, 1, 0, 0, 0))
                info.compress_type = zipfile.ZIP_DEFLATED
                z.writestr(info, text)
    # A workbook cut short: the container's end is missing.
    with open(os.path.join(out, "plain.xlsx"), "rb") as f:
        data = f.read()
    with open(os.path.join(out, "cut.xlsx"), "wb") as f:
        f.write(data[: len(data) // 2])


if __name__ == "__main__":
    main()
