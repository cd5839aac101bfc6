// Workbooks made to cost time or memory, or to be read otherwise than a
// spreadsheet shows them: each is a sound number list with one thing
// spoiled, and each must be refused with its reason within the bounds a
// number list is read with, while the sound file of the same format reads.

#include "CoreApp.h"
#include "spreadsheet/Workbook.h"
#include "support/TestPaths.h"
#include "support/XlsxParts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using gsm::SheetBounds;
using gsm::Workbook;
namespace xlsx = gsm::test::xlsx;

const SheetBounds kListBounds = SheetBounds::ForLayout(1001, 8);
const SheetBounds kProfileBounds = SheetBounds::ForLayout(23, 3);

// The parts of a sound .xlsx number list, one of them replaced.
void SaveXlsx(const QString& path, const std::string& part, const std::string& text) {
    auto parts = xlsx::SoundParts();
    if (!part.empty())
        parts[part] = text;
    ASSERT_TRUE(xlsx::Save(path.toStdString(), parts));
}

void SaveSheet(const QString& path, const std::string& rows,
               const std::string& dimension = "A1:H1001") {
    SaveXlsx(path, xlsx::kSheetPart, xlsx::Sheet(dimension, xlsx::kListRows + rows));
}

const std::string kOdsNamespaces =
    R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
    R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")";

// A sound OpenDocument number list (its header row and one entry, padded to
// the sheet's end as Calc pads it), `rows` after them and `prologue` before
// the document element.
void SaveOds(const QString& path, const std::string& rows, const std::string& prologue = {}) {
    std::string header;
    for (const char* text : {"Serial", "Authorized number", "Start Date", "Start Time ", "End Date",
                             "End Time", "Always(V)", "Delete(V)"})
        header += std::string(R"(<table:table-cell office:value-type="string"><text:p>)") + text +
                  "</text:p></table:table-cell>";
    gsm::test::ZipBuilder zip;
    zip.Add("mimetype", "application/vnd.oasis.opendocument.spreadsheet", false);
    zip.Add("content.xml",
            R"(<?xml version="1.0" encoding="UTF-8"?>)" + prologue + "<office:document-content " +
                kOdsNamespaces +
                "><office:body><office:spreadsheet><table:table table:name=\"Numbers\">"
                "<table:table-row>" +
                header +
                R"(</table:table-row><table:table-row><table:table-cell office:value-type="float" )"
                R"(office:value="1"><text:p>1</text:p></table:table-cell></table:table-row>)" +
                rows +
                R"(<table:table-row table:number-rows-repeated="1048574"><table:table-cell )"
                R"(table:number-columns-repeated="1024"/></table:table-row>)"
                "</table:table></office:spreadsheet></office:body></office:document-content>");
    ASSERT_TRUE(zip.Save(path.toStdString()));
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString CalcXls() {
    return QDir(gsm::test::TestDataDir()).filePath(QStringLiteral("numberlist-calc.xls"));
}

// Calc's .xls with the DIMENSIONS record (BIFF8: rows in 32 bits, columns
// in 16) of its `sheet`th sheet made to declare `rows` × `columns`.
void SaveXlsDeclaring(const QString& path, int sheet, quint32 rows, quint16 columns) {
    QByteArray xls = ReadBytes(CalcXls());
    const QByteArray record = QByteArray::fromHex("00020e00");
    qsizetype at = -1;
    for (int i = 0; i <= sheet; ++i)
        at = xls.indexOf(record, at + 1);
    ASSERT_GE(at, 0);
    for (int i = 0; i < 4; ++i)
        xls[at + 8 + i] = char((rows >> (8 * i)) & 0xFF);
    xls[at + 14] = char(columns & 0xFF);
    xls[at + 15] = char(columns >> 8);
    WriteBytes(path, xls);
}

// Letters no deflate squeezes much: the size limits, not the ratio, must stop them.
std::string Scrambled(std::size_t count) {
    std::mt19937 random(7145);
    std::string text(count, 'a');
    for (char& c : text)
        c = char('a' + random() % 26);
    return text;
}

struct Hostile {
    const char* name;
    std::function<void(const QString& path)> make;
    const char* reason;
};

void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.name;
}

const Hostile kHostile[] = {
    {"StyledCellFlood",
     [](const QString& path) {
         // Rows of eight empty text-styled cells, on past the list's last row.
         std::string rows;
         for (int r = 3; r <= 3000; ++r)
             rows += "<row r=\"" + std::to_string(r) +
                     "\"><c s=\"1\"/><c s=\"1\"/><c s=\"1\"/><c s=\"1\"/><c s=\"1\"/><c s=\"1\"/>"
                     "<c s=\"1\"/><c s=\"1\"/></row>";
         SaveSheet(path, rows);
     },
     "cell A2003 lies outside A1:P2002, the most a file of this kind uses"},
    {"SameCellOverAndOver",
     [](const QString& path) {
         std::string cells;
         for (int i = 0; i < 40000; ++i)
             cells += "<c r=\"C3\" s=\"1\"/>";
         SaveSheet(path, "<row r=\"3\">" + cells + "</row>");
     },
     "it holds more than 32032 cells"},
    {"WideRow",
     [](const QString& path) { SaveSheet(path, R"(<row r="3"><c r="Q3"><v>1</v></c></row>)"); },
     "cell Q3 lies outside A1:P2002"},
    {"DeclaredExtent", [](const QString& path) { SaveSheet(path, {}, "A1:IV65536"); },
     "its sheet claims the range A1:IV65536, more than A1:P2002"},
    {"SharedStringCount",
     [](const QString& path) {
         std::string items;
         for (int i = 0; i < 100001; ++i)
             items += "<si/>";
         SaveXlsx(path, xlsx::kStringsPart, xlsx::SharedStrings(xlsx::kListStrings + items));
     },
     "it holds more than 100000 shared strings"},
    {"SharedStringCharacters",
     [](const QString& path) {
         std::string items;
         for (int i = 0; i < 130; ++i)
             items += "<si><t>" + Scrambled(32767) + "</t></si>";
         SaveXlsx(path, xlsx::kStringsPart, xlsx::SharedStrings(xlsx::kListStrings + items));
     },
     "its shared strings hold more than 4194304 characters"},
    {"LongInlineText",
     [](const QString& path) {
         SaveSheet(path, R"(<row r="3"><c r="B3" t="inlineStr"><is><t>)" + Scrambled(32768) +
                             "</t></is></c></row>");
     },
     "a cell holds more than 32767 characters"},
    {"Formula",
     [](const QString& path) {
         SaveSheet(path, R"(<row r="5"><c r="B5"><f>1234</f><v>7145</v></c></row>)");
     },
     "cell B5 holds a formula"},
    {"DoctypeInSheet",
     [](const QString& path) {
         SaveXlsx(
             path, xlsx::kSheetPart,
             R"(<?xml version="1.0"?><!DOCTYPE worksheet [<!ENTITY e "Serial">]>)" +
                 xlsx::Sheet("A1:H1001", xlsx::kListRows).substr(xlsx::kXmlDeclaration.size()));
     },
     "the part xl/worksheets/sheet1.xml declares a document type"},
    {"DoctypeInRelationships",
     [](const QString& path) {
         SaveXlsx(path, "_rels/.rels",
                  R"(<!DOCTYPE Relationships SYSTEM "file:///etc/passwd"><Relationships )"
                  R"(xmlns="http://schemas.openxmlformats.org/package/2006/relationships"/>)");
     },
     "the part _rels/.rels declares a document type"},
    {"DeepNesting",
     [](const QString& path) {
         const int depth = 100000; // under the size the expansion ratio is checked from
         std::string nested;
         for (int i = 0; i < depth; ++i)
             nested += "<x>";
         for (int i = 0; i < depth; ++i)
             nested += "</x>";
         SaveXlsx(path, xlsx::kSheetPart,
                  xlsx::Sheet("A1:H1001", xlsx::kListRows + "<row r=\"3\">" + nested + "</row>"));
     },
     "the part xl/worksheets/sheet1.xml nests its elements more than 32 deep"},
    {"ZipBomb",
     [](const QString& path) {
         auto parts = xlsx::SoundParts();
         const std::string sheet = parts[xlsx::kSheetPart];
         const std::size_t split = sheet.find("</sheetData>");
         ASSERT_TRUE(xlsx::Save(
             path.toStdString(), parts,
             {{xlsx::kSheetPart, xlsx::Repeated(sheet.substr(0, split), " ", 2 * 1024 * 1024,
                                                sheet.substr(split))}}));
     },
     "the part xl/worksheets/sheet1.xml expands more than 100 times its compressed size"},
    {"StatedSizeBeyondLimit",
     [](const QString& path) {
         gsm::test::ZipBuilder zip;
         for (const auto& [name, text] : xlsx::SoundParts()) {
             zip.Add(name, text);
             if (name == xlsx::kSheetPart)
                 zip.StateSize(100u * 1024 * 1024);
         }
         ASSERT_TRUE(zip.Save(path.toStdString()));
     },
     "the part xl/worksheets/sheet1.xml expands beyond 16 MiB"},
    {"StatedSizeBelowContent",
     [](const QString& path) {
         gsm::test::ZipBuilder zip;
         for (const auto& [name, text] : xlsx::SoundParts()) {
             zip.Add(name, text);
             if (name == xlsx::kSheetPart)
                 zip.StateSize(10);
         }
         ASSERT_TRUE(zip.Save(path.toStdString()));
     },
     "it is damaged"},
    {"OdsFormula",
     [](const QString& path) {
         SaveOds(path, R"(<table:table-row table:number-rows-repeated="2"/><table:table-row>)"
                       R"(<table:table-cell/><table:table-cell table:formula="of:=1+1" )"
                       R"(office:value-type="float" office:value="7145"><text:p>7145</text:p>)"
                       "</table:table-cell></table:table-row>");
     },
     "cell B5 holds a formula"},
    {"OdsRepeatBeyondColumns",
     [](const QString& path) {
         SaveOds(path, R"(<table:table-row><table:table-cell table:number-columns-repeated="20" )"
                       R"(office:value-type="string"><text:p>x</text:p></table:table-cell>)"
                       "</table:table-row>");
     },
     "cell Q3 lies outside A1:P2002"},
    {"OdsRepeatBeyondRows",
     [](const QString& path) {
         SaveOds(path, R"(<table:table-row table:number-rows-repeated="5000"><table:table-cell )"
                       R"(office:value-type="string"><text:p>x</text:p></table:table-cell>)"
                       "</table:table-row>");
     },
     "cell A2003 lies outside A1:P2002"},
    {"OdsDoctype",
     [](const QString& path) { SaveOds(path, {}, "<!DOCTYPE office:document-content>"); },
     "the part content.xml declares a document type"},
    {"XlsDeclaredExtent", [](const QString& path) { SaveXlsDeclaring(path, 0, 65536, 256); },
     "its sheet claims the range A1:IV65536, more than A1:P2002"},
    {"XlsCrashingTheLegacyReader",
     [](const QString& path) {
         // The sheet's last RK record claims 255 bytes instead of 10: the legacy
         // reader reads past the end of its stream and crashes, in its own process.
         QByteArray xls = ReadBytes(CalcXls());
         const qsizetype at = xls.lastIndexOf(QByteArray::fromHex("7e020a00"));
         ASSERT_GE(at, 0);
         xls[at + 2] = '\xff';
         WriteBytes(path, xls);
     },
     "the file cannot be read (its reader"},
    {"XlsSecondSheetDeclaresMillions",
     [](const QString& path) { SaveXlsDeclaring(path, 1, 60000, 200); },
     "it holds more than 250000 cells"},
};

class HostileWorkbookTest : public ::testing::TestWithParam<Hostile> {
protected:
    QTemporaryDir m_dir;
};

TEST_P(HostileWorkbookTest, IsRefusedWithItsReasonAndTheOpenWorkbookStays) {
    const QString path = m_dir.filePath(QStringLiteral("hostile"));
    GetParam().make(path);
    Workbook book;
    book.Add();
    book.SetCell(1, 1, QStringLiteral("kept"));

    EXPECT_FALSE(book.Open(path, kListBounds));
    const QString expected =
        QStringLiteral("Cannot open \"%1\": ").arg(QDir::toNativeSeparators(path));
    EXPECT_TRUE(book.LastError().startsWith(expected)) << book.LastError().toStdString();
    EXPECT_TRUE(book.LastError().contains(QString::fromLatin1(GetParam().reason)))
        << book.LastError().toStdString();
    EXPECT_FALSE(book.LastError().contains(QLatin1Char('\n')));
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("kept"));
}

INSTANTIATE_TEST_SUITE_P(Files, HostileWorkbookTest, ::testing::ValuesIn(kHostile),
                         [](const auto& info) { return std::string(info.param.name); });

struct Sound {
    const char* name;
    std::function<void(const QString& path)> make;
};

void PrintTo(const Sound& sound, std::ostream* out) {
    *out << sound.name;
}

// The file each hostile one was made from, and Calc's own .xls.
const Sound kSound[] = {
    {"Xlsx", [](const QString& path) { SaveXlsx(path, {}, {}); }},
    {"Ods", [](const QString& path) { SaveOds(path, {}); }},
    {"Xls", [](const QString& path) { ASSERT_TRUE(QFile::copy(CalcXls(), path)); }},
};

class SoundWorkbookTest : public ::testing::TestWithParam<Sound> {
protected:
    QTemporaryDir m_dir;
};

TEST_P(SoundWorkbookTest, ReadsWithinTheListBoundsButNotAProfiles) {
    const QString path = m_dir.filePath(QStringLiteral("sound"));
    GetParam().make(path);
    Workbook book;
    ASSERT_TRUE(book.Open(path, kListBounds)) << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Serial"));
    EXPECT_EQ(book.Text(1, 8), QStringLiteral("Delete(V)"));
    EXPECT_EQ(book.Value(2, 1), QStringLiteral("1"));
    EXPECT_FALSE(book.LastOpenOutsideBounds());

    // Eight columns are more than a profile's sheet holds: too large, not damaged.
    EXPECT_FALSE(book.Open(path, kProfileBounds));
    EXPECT_TRUE(book.LastOpenOutsideBounds()) << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Serial"));
}

INSTANTIATE_TEST_SUITE_P(Formats, SoundWorkbookTest, ::testing::ValuesIn(kSound),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
