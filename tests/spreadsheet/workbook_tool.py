#!/usr/bin/python3
"""Reads and writes workbooks independently of the program, for its tests.

  workbook_tool.py dump FILE          the first sheet as JSON: every cell's value,
                                      type and number format, and column widths
  workbook_tool.py openpyxl FILE      a workbook written by openpyxl (inline strings)
  workbook_tool.py shared FILE        a workbook put together part by part with
                                      shared strings, rich text and unusual part names
  workbook_tool.py damaged KIND FILE  the shared workbook with one fault
  workbook_tool.py profile FILE [CELL TEXT]...
                                      a settings profile written by openpyxl (inline
                                      strings), each CELL then set to TEXT as it stands:
                                      "_x0000_" reaches the file as that escape
  workbook_tool.py numberlist FILE    a number list written by openpyxl
  workbook_tool.py ods FILE           an OpenDocument spreadsheet put together by hand:
                                      repeated cells and rows, covered cells, every value type
  workbook_tool.py damaged-ods KIND FILE  that spreadsheet with one fault
"""

import datetime
import json
import sys
import zipfile

from openpyxl import Workbook, load_workbook


def dump(path):
    book = load_workbook(path)
    sheet = book.worksheets[0]
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None and cell.number_format == "General":
                continue
            value = cell.value
            if not isinstance(value, (str, int, float, bool, type(None))):
                value = str(value)
            cells[cell.coordinate] = {
                "value": value,
                "type": cell.data_type,
                "format": cell.number_format,
            }
    widths = {}
    for dimension in sheet.column_dimensions.values():
        if dimension.customWidth:
            for column in range(dimension.min, dimension.max + 1):
                widths[str(column)] = dimension.width
    print(json.dumps({"sheets": book.sheetnames, "cells": cells, "widths": widths}))


def write_openpyxl(path):
    book = Workbook()
    sheet = book.active
    sheet.title = "Numbers"
    sheet["A1"] = "Serial"
    sheet["B1"] = "Authorized number"
    sheet["A2"] = 12
    sheet["B2"] = 1.5
    sheet["C2"] = 0.1
    sheet["D2"] = 1e20
    sheet["E2"] = True
    sheet["F2"] = datetime.date(2015, 3, 6)
    sheet["F2"].number_format = "yyyy-mm-dd"
    sheet["G2"] = datetime.time(8, 30)
    sheet["G2"].number_format = "hh:mm"
    sheet["H2"] = "0123"
    sheet["I2"] = " Items"
    sheet["A3"] = "line 1\nline 2"
    sheet["C3"] = "\u4e2d\u6587"
    sheet["B4"] = -3
    sheet["C4"] = 1234567.125
    second = book.create_sheet("Second")
    second["A1"] = "not the first sheet"
    book.active = 1
    book.save(path)


def write_profile(path, overrides):
    book = Workbook()
    sheet = book.active
    sheet.append(["Items", "Content", "Description"])
    for row in range(1, 23):
        sheet.append([f"caption {row}", f"text {row}", f"description {row}"])
    sheet["B2"] = "0123"
    sheet["B3"] = "+15555550100"
    sheet["B4"] = "1:NO"
    sheet["B5"] = "0:NC "
    sheet["B9"] = "1:Arm"
    sheet["B10"] = "0:Allow all numbers to control the Relay"
    sheet["B11"] = 5  # a number, not a text
    sheet["B12"] = "2:Caller Number"
    sheet["B13"] = "3:Admin & Caller Number"
    for row in (8, 16, 17, 18):  # the other numeric settings, as texts
        sheet[f"B{row}"] = str(row - 1)
    sheet["B20"] = 5000
    for cell, text in zip(overrides[::2], overrides[1::2]):
        sheet[cell] = text
    book.save(path)


def write_numberlist(path):
    book = Workbook()
    sheet = book.active
    sheet.append(["Serial", "Authorized number", "Start Date", "Start Time ", "End Date",
                  "End Time", "Always(V)", "Delete(V)"])
    for serial in range(1, 1001):
        sheet.append([serial, None, None, None, None, None, "no", "no"])
    for column, value in zip("BCDEF", ["+15555550100", "2015/03/06", "08:30", "2016/12/31",
                                       "23:59"]):
        sheet[f"{column}2"] = value
    sheet["B3"] = 13800138000
    sheet["C3"] = datetime.date(2015, 3, 7)
    sheet["D3"] = datetime.time(8, 30)
    sheet["E3"] = datetime.date(2015, 12, 31)
    sheet["F3"] = datetime.time(23, 59)
    for cell in ("C3", "E3"):
        sheet[cell].number_format = "yyyy/mm/dd"
    for cell in ("D3", "F3"):
        sheet[cell].number_format = "hh:mm"
    sheet["B4"] = "0123"
    sheet["G4"] = "yes"
    sheet["B1001"] = "+1"
    sheet["G1001"] = "yes"
    sheet["H1001"] = "yes"
    book.save(path)


CONTENT_TYPES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
</Types>"""

ROOT_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="book/main.xml"/>
</Relationships>"""

# The first sheet in tab order is the second one in part order.
WORKBOOK = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"
          xmlns:rel="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<workbookPr date1904="1"/>
<sheets>
<sheet name="First" sheetId="2" rel:id="rIdB"/>
<sheet name="Other" sheetId="1" rel:id="rIdA"/>
</sheets>
</workbook>"""

WORKBOOK_RELS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rIdA" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="sheets/a.xml"/>
<Relationship Id="rIdB" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/book/sheets/b.xml"/>
<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="strings.xml"/>
<Relationship Id="rIdT" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="../styles/st.xml"/>
<Relationship Id="rIdX" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="http://example.invalid/" TargetMode="External"/>
</Relationships>"""

STRINGS = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="5" uniqueCount="5">
<si><t>Serial</t></si>
<si><r><rPr><b/></rPr><t>Author</t></r><r><t xml:space="preserve">ized number</t></r><rPh sb="0" eb="1"><t>furigana</t></rPh></si>
<si><t>a_x000D_b</t></si>
<si><t xml:space="preserve">  padded  </t></si>
<si><t>+15555550100</t></si>
</sst>"""

# xf 1: a date picture; 2: text "@"; 3: built-in h:mm; 4: a colour bracket
# holding a "d"; 5: a quoted "days"; 6: a date picture with seconds and AM/PM.
STYLES = """<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts count="4">
<numFmt numFmtId="164" formatCode="yyyy/mm/dd;@"/>
<numFmt numFmtId="165" formatCode="[Red]0.00"/>
<numFmt numFmtId="166" formatCode="0.0 &quot;days&quot;"/>
<numFmt numFmtId="167" formatCode="d-mmm-yy h:mm:ss AM/PM"/>
</numFmts>
<cellStyleXfs count="1"><xf numFmtId="14"/></cellStyleXfs>
<cellXfs count="7">
<xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="49"/><xf numFmtId="20"/>
<xf numFmtId="165"/><xf numFmtId="166"/><xf numFmtId="167"/>
</cellXfs>
</styleSheet>"""

SHEET_NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'

FIRST_SHEET = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<worksheet {SHEET_NS}>
<sheetData>
<row r="1"><c r="A1" t="s"><v>0</v></c><c t="s"><v>1</v></c><c t="s"><v>2</v></c><c t="s"><v>3</v></c><c t="s"><v>4</v></c></row>
<row><c s="1"><v>0</v></c><c s="3"><v>0.354166666666667</v></c><c s="4"><v>2.5</v></c><c s="5"><v>3</v></c><c t="str"><v>Serial</v></c><c t="e"><v>#DIV/0!</v></c><c t="b"><v>0</v></c><c s="2"/><c s="6"><v>4077.5</v></c></row>
<row r="5"><c r="C5"><v>42</v></c><c r="E5" t="inlineStr"><is><t>inline</t></is></c></row>
</sheetData>
</worksheet>"""

OTHER_SHEET = f"""<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<worksheet {SHEET_NS}><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>wrong sheet</t></is></c></row></sheetData></worksheet>"""


def shared_parts():
    return {
        "[Content_Types].xml": CONTENT_TYPES,
        "_rels/.rels": ROOT_RELS,
        "book/main.xml": WORKBOOK,
        "book/_rels/main.xml.rels": WORKBOOK_RELS,
        "book/strings.xml": STRINGS,
        "styles/st.xml": STYLES,
        "book/sheets/a.xml": OTHER_SHEET,
        "book/sheets/b.xml": FIRST_SHEET,
    }


def write_parts(path, parts):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as package:
        for name, text in parts.items():
            package.writestr(name, text)


def damaged_parts(kind):
    parts = shared_parts()
    if kind == "missing-string":
        parts["book/sheets/b.xml"] = FIRST_SHEET.replace("<v>4</v>", "<v>99</v>")
    elif kind == "bad-xml":
        parts["book/sheets/b.xml"] = FIRST_SHEET.replace("</row>", "</rowx>", 1)
    elif kind == "bad-number":
        parts["book/sheets/b.xml"] = FIRST_SHEET.replace("<v>42</v>", "<v>4x2</v>")
    elif kind == "bad-reference":
        parts["book/sheets/b.xml"] = FIRST_SHEET.replace('r="C5"', 'r="ZZZZ5"')
    elif kind == "long-reference":
        parts["book/sheets/b.xml"] = FIRST_SHEET.replace('r="C5"', 'r="' + "A" * 30 + '5"')
    elif kind == "no-sheet-part":
        del parts["book/sheets/b.xml"]
    elif kind == "no-workbook":
        del parts["book/main.xml"]
    else:
        raise SystemExit(f"unknown fault {kind}")
    return parts


ODS_NS = " ".join([
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"',
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"',
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"',
])

ODS_MIMETYPE = "application/vnd.oasis.opendocument.spreadsheet"


def ods_cell(text, value_type="string", repeat=1, **values):
    attributes = f' office:value-type="{value_type}"'
    for name, value in values.items():
        attributes += f' office:{name.replace("_", "-")}="{value}"'
    if repeat != 1:
        attributes += f' table:number-columns-repeated="{repeat}"'
    return f"<table:table-cell{attributes}><text:p>{text}</text:p></table:table-cell>"


def ods_empty(repeat=1):
    return f'<table:table-cell table:number-columns-repeated="{repeat}"/>'


def ods_row(cells, repeat=1):
    attribute = f' table:number-rows-repeated="{repeat}"' if repeat != 1 else ""
    return f"<table:table-row{attribute}>{''.join(cells)}</table:table-row>"


# The first table in document order is the first sheet. Rows 1-2 are header
# rows; rows 3-4 are one row repeated; row 5 lies in a row group; B6:C6 are
# merged, so C6 is covered (and its hidden content is not shown).
ODS_ROWS = [
    "<table:table-header-rows>",
    ods_row([ods_cell("Serial"), ods_cell("Authorized  number"), ods_empty(2),
             ods_cell("x", repeat=3), ods_empty(16377)]),
    ods_row([ods_cell("1", "float", value="1"), ods_cell("12.50%", "percentage", value="0.125"),
             ods_cell("TRUE", "boolean", boolean_value="true"),
             ods_cell("07.03.15", "date", date_value="2015-03-07"),
             ods_cell("08:30:15", "time", time_value="PT08H30M15S"),
             ods_cell("8:30 AM", "time", time_value="PT08H30M00S"),
             ods_cell("1,234.50 €", "currency", value="1234.5", currency="EUR")]),
    "</table:table-header-rows>",
    ods_row([ods_cell("same"), ods_empty(3), ods_cell("again")], repeat=2),
    "<table:table-row-group>",
    ods_row(['<table:table-cell office:value-type="string"><text:p>line <text:span>one</text:span>'
             '<text:s text:c="2"/>end</text:p><text:p>line two<text:tab/>tab</text:p>'
             '<office:annotation><text:p>a note</text:p></office:annotation></table:table-cell>',
             ods_cell("shown", "string", string_value="stored"),
             '<table:table-cell office:value-type="float" office:value="13800138000"/>']),
    "</table:table-row-group>",
    ods_row([ods_empty(), '<table:table-cell table:number-columns-spanned="2"><text:p>merged</text:p>'
             '</table:table-cell>',
             '<table:covered-table-cell office:value-type="string"><text:p>hidden</text:p>'
             '</table:covered-table-cell>', ods_cell("after")]),
    ods_row([ods_empty(16384)], repeat=1048569),
    ods_row([ods_empty(16384)]),
]


def ods_content(rows, extra_tables=True):
    other = ('<table:table table:name="Other">' + ods_row([ods_cell("wrong sheet")]) +
             "</table:table>") if extra_tables else ""
    return (f'<?xml version="1.0" encoding="UTF-8"?><office:document-content {ODS_NS}>'
            "<office:body><office:spreadsheet>"
            '<table:table table:name="First"><table:table-column table:number-columns-repeated="16384"/>'
            + "".join(rows) + "</table:table>" + other +
            "</office:spreadsheet></office:body></office:document-content>")


ODS_MANIFEST = f"""<?xml version="1.0" encoding="UTF-8"?>
<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">
<manifest:file-entry manifest:full-path="/" manifest:media-type="{ODS_MIMETYPE}"/>
<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>
</manifest:manifest>"""


def write_ods(path, content, mimetype=ODS_MIMETYPE):
    with zipfile.ZipFile(path, "w") as package:
        package.writestr("mimetype", mimetype, zipfile.ZIP_STORED)
        package.writestr("META-INF/manifest.xml", ODS_MANIFEST, zipfile.ZIP_DEFLATED)
        if content is not None:
            package.writestr("content.xml", content, zipfile.ZIP_DEFLATED)


def write_damaged_ods(kind, path):
    one_row = ods_row([ods_cell("Serial")])
    if kind == "ods-no-content":
        write_ods(path, None)
    elif kind == "ods-bad-xml":
        write_ods(path, ods_content(ODS_ROWS).replace("</table:table-row>", "</table:row>", 1))
    elif kind == "ods-no-table":
        write_ods(path, ods_content([]).replace("table:table", "table:tablex"))
    elif kind == "ods-huge-repeat":
        # 16384 filled cells in each of a million rows.
        write_ods(path, ods_content([ods_row([ods_cell("x", repeat=16384)], repeat=1048576)]))
    elif kind == "ods-bad-repeat":
        write_ods(path, ods_content([one_row, ods_row([ods_cell("x")], repeat=0)]))
    elif kind == "ods-endless-repeat":
        write_ods(path, ods_content([ods_row([ods_empty(99999999999999999999)])]))
    elif kind == "ods-outside":
        write_ods(path, ods_content([ods_row([ods_empty(16384), ods_cell("x")])]))
    elif kind == "ods-rows-outside":
        write_ods(path, ods_content([ods_row([ods_empty()], repeat=1048576),
                                     ods_row([ods_cell("x")])]))
    elif kind == "ods-long-spaces":
        write_ods(path, ods_content([ods_row(['<table:table-cell office:value-type="string">'
                                              '<text:p><text:s text:c="1000000000"/></text:p>'
                                              '</table:table-cell>'])]))
    elif kind == "ods-bad-date":
        write_ods(path, ods_content([ods_row([ods_cell("x", "date", date_value="2015-13-45")])]))
    elif kind == "ods-bad-time":
        write_ods(path, ods_content([ods_row([ods_cell("x", "time", time_value="8:30")])]))
    elif kind == "ods-deep-spans":
        deep = "<text:span>" * 100000 + "x" + "</text:span>" * 100000
        write_ods(path, ods_content([ods_row([f"<table:table-cell><text:p>{deep}</text:p>"
                                              "</table:table-cell>"])]))
    elif kind == "ods-deep-groups":
        deep = "<table:table-row-group>" * 100000 + ods_row([ods_cell("x")])
        write_ods(path, ods_content([deep + "</table:table-row-group>" * 100000]))
    elif kind == "ods-text-document":
        write_ods(path, ods_content(ODS_ROWS), "application/vnd.oasis.opendocument.text")
    elif kind == "ods-bad-number":
        write_ods(path, ods_content([ods_row([ods_cell("x", "float", value="4x2")])]))
    else:
        raise SystemExit(f"unknown fault {kind}")


def main(argv):
    if argv[1] == "dump":
        dump(argv[2])
    elif argv[1] == "openpyxl":
        write_openpyxl(argv[2])
    elif argv[1] == "shared":
        write_parts(argv[2], shared_parts())
    elif argv[1] == "profile":
        write_profile(argv[2], argv[3:])
    elif argv[1] == "numberlist":
        write_numberlist(argv[2])
    elif argv[1] == "damaged":
        write_parts(argv[3], damaged_parts(argv[2]))
    elif argv[1] == "ods":
        write_ods(argv[2], ods_content(ODS_ROWS))
    elif argv[1] == "damaged-ods":
        write_damaged_ods(argv[2], argv[3])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
