#pragma once
// A small .xlsx number list put together part by part, as a spreadsheet
// program writes one: its header row in shared strings, a text style (s="1"),
// and the sheet's extent in <dimension>. The hostile workbooks of the tests
// and of the hostile-file benchmark are this package with one part spoiled.

#include "ZipBuilder.h"

#include <cstdint>
#include <map>
#include <string>

namespace gsm::test::xlsx {

inline const std::string kSheetNamespace =
    R"(xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")";

inline const std::string kXmlDeclaration =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";

inline std::string Sheet(const std::string& dimension, const std::string& rows) {
    return kXmlDeclaration + "<worksheet " + kSheetNamespace + "><dimension ref=\"" + dimension +
           "\"/><sheetData>" + rows + "</sheetData></worksheet>";
}

// The header row (shared strings 0 to 7) and one entry, valid at all times.
inline const std::string kListRows =
    R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c>)"
    R"(<c r="C1" t="s"><v>2</v></c><c r="D1" t="s"><v>3</v></c><c r="E1" t="s"><v>4</v></c>)"
    R"(<c r="F1" t="s"><v>5</v></c><c r="G1" t="s"><v>6</v></c><c r="H1" t="s"><v>7</v></c></row>)"
    R"(<row r="2"><c r="A2"><v>1</v></c><c r="B2" t="inlineStr"><is><t>+15555550100</t></is></c>)"
    R"(<c r="G2" t="s"><v>8</v></c><c r="H2" t="s"><v>9</v></c></row>)";

inline std::string SharedStrings(const std::string& items) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><sst )" + kSheetNamespace +
           ">" + items + "</sst>";
}

inline const std::string kListStrings =
    "<si><t>Serial</t></si><si><t>Authorized number</t></si><si><t>Start Date</t></si>"
    "<si><t xml:space=\"preserve\">Start Time </t></si><si><t>End Date</t></si>"
    "<si><t>End Time</t></si><si><t>Always(V)</t></si><si><t>Delete(V)</t></si>"
    "<si><t>yes</t></si><si><t>no</t></si>";

// Part name → text of a sound package; the sheet is "xl/worksheets/sheet1.xml".
inline std::map<std::string, std::string> SoundParts() {
    const std::string relsType =
        "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return {
        {"[Content_Types].xml",
         R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
         R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
         R"(<Default Extension="xml" ContentType="application/xml"/></Types>)"},
        {"_rels/.rels",
         R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type=")" +
             relsType + R"(/officeDocument" Target="xl/workbook.xml"/></Relationships>)"},
        {"xl/workbook.xml",
         R"(<?xml version="1.0" encoding="UTF-8"?><workbook )" + kSheetNamespace + R"( xmlns:r=")" +
             relsType +
             R"("><sheets><sheet name="Numbers" sheetId="1" r:id="rId1"/></sheets></workbook>)"},
        {"xl/_rels/workbook.xml.rels",
         R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type=")" +
             relsType +
             R"(/worksheet" Target="worksheets/sheet1.xml"/>)"
             R"(<Relationship Id="rId2" Type=")" +
             relsType +
             R"(/sharedStrings" Target="sharedStrings.xml"/>)"
             R"(<Relationship Id="rId3" Type=")" +
             relsType + R"(/styles" Target="styles.xml"/></Relationships>)"},
        {"xl/styles.xml",
         R"(<?xml version="1.0" encoding="UTF-8"?><styleSheet )" + kSheetNamespace +
             R"(><cellXfs count="2"><xf numFmtId="0"/><xf numFmtId="49"/></cellXfs></styleSheet>)"},
        {"xl/sharedStrings.xml", SharedStrings(kListStrings)},
        {"xl/worksheets/sheet1.xml", Sheet("A1:H1001", kListRows)},
    };
}

inline const std::string kSheetPart = "xl/worksheets/sheet1.xml";
inline const std::string kStringsPart = "xl/sharedStrings.xml";

// The sound parts, with those in `generated` made by their generators
// instead (they may be far larger than memory should hold at once).
inline bool Save(const std::string& path, const std::map<std::string, std::string>& parts,
                 const std::map<std::string, ZipBuilder::Pieces>& generated = {}) {
    ZipBuilder zip;
    for (const auto& [name, text] : parts) {
        const auto made = generated.find(name);
        if (made == generated.end())
            zip.Add(name, text);
        else
            zip.AddPieces(name, made->second);
    }
    return zip.Save(path);
}

// `head`, then `body` `times` times, then `tail`, in pieces of some 64 KiB.
inline ZipBuilder::Pieces Repeated(std::string head, std::string body, std::uint64_t times,
                                   std::string tail) {
    return [head = std::move(head), body = std::move(body), tail = std::move(tail), times,
            given = std::uint64_t(0), stage = 0](std::string& piece) mutable {
        if (stage == 0) {
            piece = head;
            stage = 1;
            return true;
        }
        while (given < times && piece.size() < 64 * 1024) {
            piece += body;
            ++given;
        }
        if (given < times)
            return true;
        piece += tail;
        return false;
    };
}

} // namespace gsm::test::xlsx
