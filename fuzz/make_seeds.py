#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

    make_seeds.py SEED_FILES_DIR

SEED_FILES_DIR holds what fuzz_seed_files wrote (the program's own backup and
profile files); scripts/fuzz seeds runs both. Workbooks are seeded twice: as
files, for the zip and compound containers, and spelled out part by part (see
FuzzSupport.h), so that mutations reach the XML inside instead of breaking a
CRC. Each corpus holds a few sound inputs and a few that are nearly sound.
"""

import json
import pathlib
import shutil
import sys
import zipfile

HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parent / "tests" / "data"
CORPUS = HERE / "corpus"

PARTS_MARKER = b"parts\n"


def spelled_out(parts):
    return PARTS_MARKER + b"\0".join(name.encode() + b"\n" + content for name, content in parts)


def parts_of(path, wanted):
    with zipfile.ZipFile(path) as z:
        return [(name, z.read(name)) for name in wanted if name in z.namelist()]


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data if isinstance(data, bytes) else data.encode())


# ------------------------------------------------------------------ exchange
# One byte picks the event (see ExchangeFuzz.cpp): 00 send (command, address,
# shape), 01 line bytes (count - 1, bytes), 02 a frame (target, shape, ...),
# 03 timeout, 04 link lost, 05 cancel, 06 port, 07 timeout length.

EXCHANGE = {
    "read-settings-page": "00 00 00 00  02 00 00",
    "read-both-settings-pages": "00 00 00 04  02 00 00  00 04 00  02 00 00",
    "write-acknowledged": "00 01 00 03  02 00 02",
    "no-reply": "00 00 00 00  03 00",
    "reply-cut-short": "00 00 00 00  02 00 30 05  03 00",
    "bad-checksum-then-retry": "00 00 00 00  02 00 08  00 00 00 00  02 00 00",
    "late-reply": "00 00 01 00  03 00  00 00 05 00  02 01 00  02 00 00",
    "port-closed-and-lost": "06 01  00 00 00 00  06 00  00 00 00 00  04 01",
    "delete-history-bytes": "00 04 00 00  01 09 23 85 00 00 00 00 00 01 01 85",
    "busy": "00 00 00 00  00 00 04 00  05",
    "oversized-header": "00 00 00 00  02 00 07 00",
    "wrong-page": "00 00 01 00  02 02 00",
    "garbage-then-lost": "01 02 00 ff 41  00 00 00 00  01 03 23 83 00 00  04 00",
}

for name, script in EXCHANGE.items():
    write("exchange", name, bytes.fromhex(script))

# ------------------------------------------------------------------ xlsx
RELS = b"""<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
</Relationships>"""
WORKBOOK = b"""<?xml version="1.0" encoding="UTF-8"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<workbookPr date1904="0"/><sheets><sheet name="Numbers" sheetId="1" r:id="rId1"/></sheets></workbook>"""
WORKBOOK_RELS = b"""<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>
<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="../xl/./styles.xml"/>
</Relationships>"""
SHARED = b"""<?xml version="1.0" encoding="UTF-8"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="3" uniqueCount="3">
<si><t>Serial</t></si><si><r><t>Authorized </t></r><r><t>number</t></r><rPh><t>x</t></rPh></si><si><t>_x000D_line</t></si></sst>"""
STYLES = b"""<?xml version="1.0" encoding="UTF-8"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts count="2"><numFmt numFmtId="164" formatCode="yyyy/mm/dd"/><numFmt numFmtId="165" formatCode="hh:mm:ss"/></numFmts>
<cellXfs count="5"><xf numFmtId="0"/><xf numFmtId="49"/><xf numFmtId="164"/><xf numFmtId="165"/><xf numFmtId="22"/></cellXfs>
</styleSheet>"""
SHEET = b"""<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c t="s"><v>2</v></c></row>
<row r="2"><c r="A2"><v>1</v></c><c r="B2" t="inlineStr" s="1"><is><t>+15555550100</t></is></c><c r="C2" s="2"><v>42069</v></c><c r="D2" s="3"><v>0.354166666666667</v></c><c r="E2" s="4"><v>42735.5</v></c></row>
<row><c r="A3"><v>-0.25</v></c><c r="B3" t="b"><v>1</v></c><c r="C3" t="e"><v>#N/A</v></c><c r="D3" t="str"><f>A1</f><v>Serial</v></c><c r="E3" t="d"><v>2015-03-07T08:30:00</v></c><c r="H3" s="1"/></row>
<row r="1000"><c r="H1000"><v>1E+300</v></c></row>
</sheetData></worksheet>"""
XLSX_PARTS = [
    ("_rels/.rels", RELS),
    ("xl/workbook.xml", WORKBOOK),
    ("xl/_rels/workbook.xml.rels", WORKBOOK_RELS),
    ("xl/sharedStrings.xml", SHARED),
    ("xl/styles.xml", STYLES),
    ("xl/worksheets/sheet1.xml", SHEET),
]
XLSX_READ = [name for name, _ in XLSX_PARTS]


def replaced(parts, name, old, new):
    return [(n, c.replace(old, new) if n == name else c) for n, c in parts]


write("xlsx", "typed-cells", spelled_out(XLSX_PARTS))
write("xlsx", "calc-numberlist", spelled_out(parts_of(DATA / "numberlist-calc.xlsx", XLSX_READ)))
write("xlsx", "calc-numberlist.xlsx", (DATA / "numberlist-calc.xlsx").read_bytes())
write("xlsx", "no-workbook-rels", spelled_out([p for p in XLSX_PARTS if p[0] != "_rels/.rels"]))
write("xlsx", "reference-outside",
      spelled_out(replaced(XLSX_PARTS, "xl/worksheets/sheet1.xml", b'r="H1000"', b'r="XFE1048577"')))
write("xlsx", "missing-shared-string",
      spelled_out(replaced(XLSX_PARTS, "xl/worksheets/sheet1.xml", b"<v>2</v>", b"<v>3</v>")))
write("xlsx", "unclosed-row",
      spelled_out(replaced(XLSX_PARTS, "xl/worksheets/sheet1.xml", b"</row>\n<row r=\"2\">", b"")))

# ------------------------------------------------------------------ ods
MIMETYPE = ("mimetype", b"application/vnd.oasis.opendocument.spreadsheet")
CONTENT = b"""<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet>
<table:table table:name="Numbers">
<table:table-header-rows><table:table-row><table:table-cell office:value-type="string"><text:p>Serial</text:p></table:table-cell><table:table-cell><text:p>Start<text:s text:c="2"/>Time<text:tab/>x<text:line-break/>y</text:p><text:p><text:span>two<text:span> deep</text:span></text:span></text:p><office:annotation><text:p>note</text:p></office:annotation></table:table-cell></table:table-row></table:table-header-rows>
<table:table-row-group><table:table-row><table:table-cell office:value-type="float" office:value="1"><text:p>1</text:p></table:table-cell><table:table-cell office:value-type="date" office:date-value="2015-03-07"><text:p>2015/03/07</text:p></table:table-cell><table:table-cell office:value-type="time" office:time-value="PT08H30M00S"><text:p>08:30</text:p></table:table-cell><table:covered-table-cell table:number-columns-repeated="2"/><table:table-cell office:value-type="boolean" office:boolean-value="true"><text:p>TRUE</text:p></table:table-cell></table:table-row></table:table-row-group>
<table:table-row table:number-rows-repeated="3"><table:table-cell table:number-columns-repeated="2" office:value-type="percentage" office:value="0.5"><text:p>50%</text:p></table:table-cell><table:table-cell office:value-type="string" office:string-value="0123"><text:p>123</text:p></table:table-cell><table:table-cell office:value-type="currency" office:value="-1.5"><text:p>-1.50</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>
</table:table><table:table table:name="Other"><table:table-row><table:table-cell><text:p>second sheet</text:p></table:table-cell></table:table-row></table:table>
</office:spreadsheet></office:body></office:document-content>"""
ODS_PARTS = [MIMETYPE, ("content.xml", CONTENT)]

write("ods", "typed-cells", spelled_out(ODS_PARTS))
write("ods", "calc-numberlist", spelled_out(parts_of(DATA / "numberlist-calc.ods", ["mimetype", "content.xml"])))
write("ods", "calc-numberlist.ods", (DATA / "numberlist-calc.ods").read_bytes())
write("ods", "repeat-beyond-sheet",
      spelled_out(replaced(ODS_PARTS, "content.xml", b'rows-repeated="3"', b'rows-repeated="1048577"')))
write("ods", "bad-date",
      spelled_out(replaced(ODS_PARTS, "content.xml", b'date-value="2015-03-07"', b'date-value="2015-13-07"')))
write("ods", "no-table", spelled_out([MIMETYPE, ("content.xml", CONTENT.split(b"<table:table ")[0])]))

# ------------------------------------------------------------------ xls
XLS = (DATA / "numberlist-calc.xls").read_bytes()
write("xls", "calc-numberlist.xls", XLS)
write("xls", "truncated.xls", XLS[: len(XLS) // 2])
# The first directory entry (sector 1 + directory start) with a name length
# past its 64-byte field.
directory_sector = int.from_bytes(XLS[48:52], "little")
entry = 512 * (directory_sector + 1)
long_name = bytearray(XLS)
long_name[entry + 64 : entry + 66] = (200).to_bytes(2, "little")
write("xls", "long-entry-name.xls", bytes(long_name))

# ------------------------------------------------------------------ backup and profile
made = pathlib.Path(sys.argv[1])


def compact(path):
    return json.dumps(json.loads(path.read_text()), separators=(",", ":"))


settings_backup = json.loads((made / "backup-settings.json").read_text())
write("backup", "settings.json", compact(made / "backup-settings.json"))
write("backup", "settings-numbers.json", compact(made / "backup-settings-numbers.json"))
write("backup", "automatic.json", compact(made / "backup-automatic.json"))


def backup_variant(name, change):
    doc = json.loads(json.dumps(settings_backup))
    change(doc)
    write("backup", name, json.dumps(doc, separators=(",", ":")))


backup_variant("version-2.json", lambda d: d.update(version=2))
backup_variant("pages-swapped.json", lambda d: d["areas"]["settings"].reverse())
backup_variant("crc-off.json", lambda d: d["areas"]["settings"][1].update(crc32="00000000"))
backup_variant("short-page.json", lambda d: d["areas"]["settings"][0].update(hex="3731"))
backup_variant("no-areas.json", lambda d: d.update(areas={}))
backup_variant("history-one-page.json", lambda d: d["areas"].update(history=d["areas"]["settings"][:1]))

profile = json.loads((made / "profile.json").read_text())
write("profile", "profile.json", json.dumps(profile, separators=(",", ":")))
write("profile", "profile.xlsx", (made / "profile.xlsx").read_bytes())
write("profile", "profile-parts", spelled_out(parts_of(made / "profile.xlsx", XLSX_READ)))
write("profile", "calc-profile", spelled_out(parts_of(DATA / "profile-calc.ods", ["mimetype", "content.xml"])))
number_cell = json.loads(json.dumps(profile))
number_cell["rows"][10][1] = 30
write("profile", "number-cell.json", json.dumps(number_cell, separators=(",", ":")))
wrong_a1 = json.loads(json.dumps(profile))
wrong_a1["rows"][0][0] = "Item"
write("profile", "wrong-a1.json", json.dumps(wrong_a1, separators=(",", ":")))
bad_list = json.loads(json.dumps(profile))
bad_list["rows"][3][1] = "9:NC"
write("profile", "bad-list.json", json.dumps(bad_list, separators=(",", ":")))

configuration = (made / "configuration.yaml").read_text()
write("config", "configuration.yaml", configuration)
HEAD = "format: gsmgate configuration\nversion: 1\n"
write("config", "small.yaml", HEAD + """settings:
  din1_type: NC
  server_port: 8080
  gprs_apn: "cmnet"
numbers:
  - {slot: 1, number: "+8613800138000", always: true}
  - {slot: 2, erased: true}
  - {slot: 9, number: "0123", from: "2026-01-01 08:00", until: "2026-12-31 18:00"}
""")
write("config", "flow.yaml", HEAD + 'settings: {password: "0000", din2_type: 0, notify_when_relay_on: "admin number"}\n')
write("config", "version-2.yaml", configuration.replace("version: 1", "version: 2"))
write("config", "slot-twice.yaml", HEAD + "numbers:\n  - {slot: 3, erased: true}\n  - {slot: 3, erased: true}\n")
write("config", "anchors.yaml", HEAD + "settings: &s\n  gprs_apn: &a \"x\"\n  gprs_user_name: *a\nnumbers: []\n")
