// hostile: runs `gsmgate-cli numbers set FILE` or `settings set FILE` against
// workbooks made to cost time and memory or to be read otherwise than they
// show, one simulated device given as the port, and prints for each file the
// tool's exit status, wall time and peak memory (its own and its .xls
// reader's, from wait4) against the goals: exit 2 within 10 s and under
// 500 MB. The simulator must see no request at all.
//
//   hostile [path/to/gsmgate-cli [path/to/gsmgate-sim]]
//
// The programs are found as the arguments, $GSM_CLI_BIN and $GSM_SIM_BIN, or
// the ones built beside this program. The files are built in a temporary
// folder on each run; the largest expands to some 300 MB.

#include "Spawner.h"
#include "tests/support/SimProcess.h"
#include "tests/support/XlsxParts.h"

#include "support/ProgramPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace xlsx = gsm::test::xlsx;

constexpr int kGoalExit = 2;
constexpr double kGoalSeconds = 10.0;
constexpr double kGoalMegabytes = 500.0;

struct HostileFile {
    const char* what;
    const char* command; // "numbers" or "settings"
    std::function<bool(const std::string& path)> make;
};

// The sound number list with its sheet part made by `sheet`.
bool ListWithSheet(const std::string& path, gsm::test::ZipBuilder::Pieces sheet) {
    return xlsx::Save(path, xlsx::SoundParts(), {{xlsx::kSheetPart, std::move(sheet)}});
}

gsm::test::ZipBuilder::Pieces SheetRows(std::string body, std::uint64_t times) {
    const std::string sheet = xlsx::Sheet("A1:H1001", xlsx::kListRows + "\x01");
    const std::size_t at = sheet.find('\x01');
    return xlsx::Repeated(sheet.substr(0, at), std::move(body), times, sheet.substr(at + 1));
}

struct Edit {
    qsizetype offset; // from the start of the record
    const char* hex;
};

// Calc's .xls number list with its first (or `last`) `record` (a BIFF
// record's type and length, in hex) edited.
bool XlsWith(const std::string& path, const char* record, std::initializer_list<Edit> edits,
             bool last = false) {
    QFile source(QDir(gsm::test::TestDataDir()).filePath("numberlist-calc.xls"));
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QByteArray xls = source.readAll();
    const QByteArray head = QByteArray::fromHex(record);
    const qsizetype at = last ? xls.lastIndexOf(head) : xls.indexOf(head);
    if (at < 0)
        return false;
    for (const Edit& edit : edits) {
        const QByteArray bytes = QByteArray::fromHex(edit.hex);
        xls.replace(at + edit.offset, bytes.size(), bytes);
    }
    QFile out(QString::fromStdString(path));
    return out.open(QIODevice::WriteOnly) && out.write(xls) == xls.size();
}

const HostileFile kFiles[] = {
    {"styled-cell flood: 26 million empty cells", "numbers",
     [](const std::string& path) {
         std::string row = "<row>";
         for (int c = 0; c < 16384; ++c)
             row += "<c s=\"1\"/>";
         return ListWithSheet(path, SheetRows(row + "</row>", 1600));
     }},
    {"the same cell 20 million times", "numbers",
     [](const std::string& path) {
         return ListWithSheet(path,
                              SheetRows("<row r=\"3\"><c r=\"A3\" s=\"1\"/></row>", 20000000));
     }},
    {"cells A3:P2002 named again and again, 300,000", "numbers",
     [](const std::string& path) {
         // Every cell inside the list's bounds, and a file small enough and
         // varied enough to pass the zip limits: only the count of cells stops it.
         const std::string sheet = xlsx::Sheet("A1:H1001", xlsx::kListRows + "\x01");
         const std::size_t at = sheet.find('\x01');
         int given = 0;
         int stage = 0;
         return ListWithSheet(path, [&, given, stage](std::string& piece) mutable {
             if (stage++ == 0) {
                 piece = sheet.substr(0, at);
                 return true;
             }
             for (; given < 300000 && piece.size() < 64 * 1024; ++given) {
                 const int row = 3 + given / 16 % 2000;
                 const char column = char('A' + given % 16);
                 piece += "<row r=\"" + std::to_string(row) + "\"><c r=\"" + column +
                          std::to_string(row) + "\" s=\"1\"/></row>";
             }
             if (given < 300000)
                 return true;
             piece += sheet.substr(at + 1);
             return false;
         });
     }},
    {"shared strings: 30 million empty", "numbers",
     [](const std::string& path) {
         const std::string strings = xlsx::SharedStrings(xlsx::kListStrings + "\x01");
         const std::size_t at = strings.find('\x01');
         return xlsx::Save(
             path, xlsx::SoundParts(),
             {{xlsx::kStringsPart,
               xlsx::Repeated(strings.substr(0, at), "<si/>", 30000000, strings.substr(at + 1))}});
     }},
    {"dimension A1:IV65536 (.xlsx)", "numbers",
     [](const std::string& path) {
         auto parts = xlsx::SoundParts();
         parts[xlsx::kSheetPart] = xlsx::Sheet("A1:IV65536", xlsx::kListRows);
         return xlsx::Save(path, parts);
     }},
    {"dimension 65536 x 256 (.xls)", "numbers",
     [](const std::string& path) {
         // DIMENSIONS: the last row + 1 (32 bits) at 8, the last column + 1 at 14.
         return XlsWith(path, "00020e00", {{8, "00000100"}, {14, "0001"}});
     }},
    {".xls whose last RK record claims 255 bytes", "numbers",
     // The legacy reader reads past the end of its stream and crashes, in the reader process.
     [](const std::string& path) {
         return XlsWith(path, "7e020a00", {{2, "ff"}}, true);
     }},
    {"formula cell B5 (cached 7145)", "numbers",
     [](const std::string& path) {
         auto parts = xlsx::SoundParts();
         parts[xlsx::kSheetPart] = xlsx::Sheet(
             "A1:H1001",
             xlsx::kListRows + R"(<row r="5"><c r="B5"><f>1234</f><v>7145</v></c></row>)");
         return xlsx::Save(path, parts);
     }},
    {"DOCTYPE with nested entities", "settings",
     [](const std::string& path) {
         auto parts = xlsx::SoundParts();
         std::string doctype = "<!DOCTYPE worksheet [<!ENTITY a0 \"lol\">";
         for (int i = 1; i < 10; ++i)
             doctype += "<!ENTITY a" + std::to_string(i) + " \"" + [&] {
                 std::string refs;
                 for (int k = 0; k < 10; ++k)
                     refs += "&a" + std::to_string(i - 1) + ";";
                 return refs;
             }() + "\">";
         doctype += "]>";
         parts[xlsx::kSheetPart] =
             doctype +
             xlsx::Sheet("A1:H1001",
                         xlsx::kListRows +
                             R"(<row r="3"><c r="B3" t="inlineStr"><is><t>&a9;</t></is></c></row>)")
                 .substr(xlsx::kXmlDeclaration.size());
         return xlsx::Save(path, parts);
     }},
    {"sheet nested 200,000 deep", "settings",
     [](const std::string& path) {
         std::string deep;
         for (int i = 0; i < 200000; ++i)
             deep += "<x>";
         for (int i = 0; i < 200000; ++i)
             deep += "</x>";
         auto parts = xlsx::SoundParts();
         parts[xlsx::kSheetPart] =
             xlsx::Sheet("A1:H1001", xlsx::kListRows + "<row r=\"3\">" + deep + "</row>");
         return xlsx::Save(path, parts);
     }},
    {".ods: a filled row repeated a million times", "numbers",
     [](const std::string& path) {
         gsm::test::ZipBuilder zip;
         zip.Add("mimetype", "application/vnd.oasis.opendocument.spreadsheet", false);
         zip.Add(
             "content.xml",
             R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
             R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
             R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body>)"
             R"(<office:spreadsheet><table:table><table:table-row table:number-rows-repeated="1048576">)"
             R"(<table:table-cell table:number-columns-repeated="16384" office:value-type="string">)"
             R"(<text:p>Serial</text:p></table:table-cell></table:table-row></table:table>)"
             R"(</office:spreadsheet></office:body></office:document-content>)");
         return zip.Save(path);
     }},
    {"zip part expanding 300 MB of blanks", "numbers",
     [](const std::string& path) {
         return ListWithSheet(path, SheetRows(std::string(1024, ' '), 300 * 1024));
     }},
};

// The first line the tool wrote to stderr.
std::string FirstLine(const QString& path) {
    QFile err(path);
    return err.open(QIODevice::ReadOnly) ? err.readLine().trimmed().toStdString() : std::string();
}

// "gsmgate-cli: FILE refused, nothing sent: Cannot open "FILE": REASON." → REASON
std::string Reason(const std::string& said) {
    const std::size_t at = said.rfind("\": ");
    return at == std::string::npos ? said : said.substr(at + 3);
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Spawner spawner; // before anything else takes memory
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString cli = bench::ProgramPath(args, 1, "GSM_CLI_BIN", GSM_CLI_BUILT_PATH);
    if (qEnvironmentVariableIsEmpty("GSM_SIM_BIN"))
        qputenv("GSM_SIM_BIN",
                bench::ProgramPath(args, 2, "GSM_SIM_BIN", GSM_SIM_BUILT_PATH).toLocal8Bit());
    QTemporaryDir dir;
    gsm::test::SimProcess sim({"--scenario", "busy"});
    if (!sim.Running()) {
        std::fprintf(stderr, "hostile: the simulator did not start\n");
        return 1;
    }

    std::printf("gsmgate-cli against hostile workbooks, one simulated device as the port\n");
    std::printf("goal per file: exit %d within %.0f s and under %.0f MB (the tool and its .xls "
                "reader, peak resident)\n\n",
                kGoalExit, kGoalSeconds, kGoalMegabytes);
    std::printf("%-42s %-9s %8s %5s %9s %10s %8s  %s\n", "file", "command", "size KB", "exit",
                "wall (s)", "peak (MB)", "verdict", "reason");
    int missed = 0;
    for (const HostileFile& file : kFiles) {
        const QString path = dir.filePath(QStringLiteral("hostile-%1").arg(&file - kFiles));
        if (!file.make(path.toStdString())) {
            std::printf("%-42s could not be written\n", file.what);
            ++missed;
            continue;
        }
        const QString errPath = dir.filePath("stderr");
        const bench::Spawner::Result o =
            spawner.Run({cli.toStdString(), file.command, "set", path.toStdString(), "--port",
                         sim.PtyPath().toStdString(), "--no-backup"},
                        errPath.toStdString());
        const bool met =
            o.exitCode == kGoalExit && o.seconds < kGoalSeconds && o.megabytes < kGoalMegabytes;
        missed += met ? 0 : 1;
        std::printf("%-42s %-9s %8.0f %5d %9.2f %10.1f %8s  %s\n", file.what,
                    (std::string(file.command) + " set").c_str(), QFile(path).size() / 1024.0,
                    o.exitCode, o.seconds, o.megabytes, met ? "met" : "MISSED",
                    Reason(FirstLine(errPath)).c_str());
        std::fflush(stdout);
    }
    sim.Stop();
    const std::size_t requests = sim.Requests().size();
    std::printf("\nrequests the simulator saw: %zu (goal 0): %s\n", requests,
                requests == 0 ? "met" : "MISSED");
    std::printf("files within their goals: %d of %d\n", int(std::size(kFiles)) - missed,
                int(std::size(kFiles)));
    return missed == 0 && requests == 0 ? 0 : 1;
}
