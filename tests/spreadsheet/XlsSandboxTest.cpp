// Legacy .xls files are read by a process of their own. Whatever that
// process does (crash, flood its output, hang, answer nonsense), the program
// refuses the file as unreadable and carries on; and whatever it answers is
// checked field by field before a cell is taken from it.

#include "spreadsheet/XlsSandbox.h"
#include "CoreApp.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/XlsStream.h"
#include "spreadsheet/XlsStreamParser.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using gsm::SheetBounds;
using gsm::Workbook;
namespace xlsstream = gsm::xlsstream;

const SheetBounds kListBounds = SheetBounds::ForLayout(1001, 8);

// Sets an environment variable for the life of the guard.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

QString CalcXls() {
    return QDir(gsm::test::TestDataDir()).filePath(QStringLiteral("numberlist-calc.xls"));
}

// A stand-in reader: a shell script run as the reader would be.
struct Stand {
    const char* name;
    const char* script;
    const char* says;
};

void PrintTo(const Stand& stand, std::ostream* out) {
    *out << stand.name;
}

const Stand kStands[] = {
    {"Crashes", "kill -SEGV $$", "its reader crashed, signal 11"},
    {"FloodsItsOutput", "exec yes GSMXLS1", "its reader wrote more than 8 MiB"},
    {"Hangs", "exec sleep 60", "its reader took more than 1 s"},
    {"SpinsOnTheProcessor", "while :; do :; done", "cannot be read (its reader"},
    {"AnswersNonsense", "printf 'GSMXLS1\\nc'", "its reader's answer is malformed"},
    {"FailsQuietly", "exit 3", "its reader failed, status 3"},
};

class XlsReaderStandIn : public ::testing::TestWithParam<Stand> {
protected:
    QString Script(const QString& body) {
        const QString path = m_dir.filePath(QStringLiteral("reader.sh"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body.toUtf8() + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_P(XlsReaderStandIn, ItsFileIsRefusedAsUnreadable) {
    const ScopedVariable reader(gsm::kXlsReaderVariable,
                                QFile::encodeName(Script(QString::fromLatin1(GetParam().script))));
    const ScopedVariable seconds(gsm::kXlsSecondsVariable, "1");
    Workbook book;
    book.Add();
    book.SetCell(1, 1, QStringLiteral("kept"));

    EXPECT_FALSE(book.Open(CalcXls(), kListBounds));
    EXPECT_TRUE(
        book.LastError().startsWith(QStringLiteral("Cannot open \"%1\": the file cannot be read (")
                                        .arg(QDir::toNativeSeparators(CalcXls()))))
        << book.LastError().toStdString();
    EXPECT_TRUE(book.LastError().contains(QString::fromLatin1(GetParam().says)))
        << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("kept"));
}

INSTANTIATE_TEST_SUITE_P(Readers, XlsReaderStandIn, ::testing::ValuesIn(kStands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(XlsReaderStandIn, WithoutAReaderTheFileIsUnreadable) {
    const ScopedVariable reader(gsm::kXlsReaderVariable, "/nonexistent/gsmgate-xls-reader");
    Workbook book;
    EXPECT_FALSE(book.Open(CalcXls(), kListBounds));
    EXPECT_TRUE(book.LastError().contains(QStringLiteral("the file cannot be read")))
        << book.LastError().toStdString();
}

// The limits are the reader's own before it runs: the stand-in answers them
// in cell A1 (address space in KiB, processor seconds, core and file sizes).
TEST_F(XlsReaderStandIn, RunsUnderItsLimits) {
    const ScopedVariable reader(
        gsm::kXlsReaderVariable,
        QFile::encodeName(Script(QStringLiteral(
            R"sh(t="$(ulimit -v) $(ulimit -t) $(ulimit -c) $(ulimit -f)")sh"
            "\n"
            R"sh(n=$(printf '\\%03o' ${#t}))sh"
            "\n"
            R"sh(printf "GSMXLS1\nc\001\000\000\000\001\000\000\000\003${n}\000\000\000%se\001\000\000\000" "$t")sh"))));
    Workbook book;
    ASSERT_TRUE(book.Open(CalcXls(), kListBounds)) << book.LastError().toStdString();
#if defined(__SANITIZE_ADDRESS__)
    // A sanitized reader is held by its allocator's limits instead.
    const QString addressSpace = QStringLiteral("unlimited");
#else
    const QString addressSpace = QString::number(gsm::limits::kXlsAddressSpaceBytes / 1024);
#endif
    EXPECT_EQ(book.Text(1, 1),
              QStringLiteral("%1 %2 0 0").arg(addressSpace).arg(gsm::limits::kXlsCpuSeconds));
}

// Answers as a reader might give them, each with what it must come to.
struct Answer {
    const char* name;
    std::function<std::string()> bytes;
    const char* says; // empty: read, with A1 "Serial" and B2 "1.5"
};

void PrintTo(const Answer& answer, std::ostream* out) {
    *out << answer.name;
}

std::string Written(const std::function<void(xlsstream::Writer&)>& write) {
    std::string out;
    xlsstream::Writer writer(out);
    write(writer);
    return out;
}

std::string Sound() {
    return Written([](xlsstream::Writer& w) {
        w.Text(1, 1, xlsstream::CellKind::Text, "Serial");
        w.Number(2, 2, 1.5);
        w.End();
    });
}

// A sound answer with `count` bytes at `at` replaced by `with`.
std::string Spoiled(std::size_t at, std::size_t count, std::string_view with) {
    return Sound().replace(at, count, with);
}

// Sound(): magic 0-7; cell A1 8-31 (kind at 17, length 18-21, text 22-27);
// cell B2 28-45; end 46-50.
const Answer kAnswers[] = {
    {"Sound", Sound, ""},
    {"WrongMagic", [] { return Spoiled(0, 1, "X"); }, "malformed"},
    {"CutShort", [] { return Sound().substr(0, 40); }, "malformed"},
    {"NoEnd", [] { return Sound().substr(0, 46); }, "malformed"},
    {"BytesAfterTheEnd", [] { return Sound() + "c"; }, "malformed"},
    {"EndMiscounts", [] { return Spoiled(47, 1, "\x03"); }, "malformed"},
    {"UnknownRecord", [] { return Spoiled(28, 1, "z"); }, "malformed"},
    {"UnknownCellKind", [] { return Spoiled(17, 1, "\x09"); }, "malformed"},
    {"TextLongerThanTheAnswer", [] { return Spoiled(18, 4, std::string("\xff\xff\x00\x00", 4)); },
     "malformed"},
    {"InvalidUtf8", [] { return Spoiled(22, 1, "\xc3"); }, "malformed"},
    {"RowZero",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Integer(0, 1, 5);
             w.End();
         });
     },
     "malformed"},
    {"CellsOutOfOrder",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Integer(2, 1, 5);
             w.Integer(1, 1, 5);
             w.End();
         });
     },
     "malformed"},
    {"SameCellTwice",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Integer(1, 1, 5);
             w.Integer(1, 1, 6);
             w.End();
         });
     },
     "malformed"},
    {"NotANumber",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Number(1, 1, std::numeric_limits<double>::quiet_NaN());
             w.End();
         });
     },
     "malformed"},
    {"CellOutsideTheBounds",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Integer(1, 17, 5);
             w.End();
         });
     },
     "cell Q1 lies outside A1:P2002"},
    {"RefusedWithAKnownReason",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Refuse(xlsstream::Refusal::Protected);
             w.End();
         });
     },
     "it is protected by a password"},
    {"RefusedWithAnUnknownReason",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Refuse(xlsstream::Refusal(99));
             w.End();
         });
     },
     "malformed"},
    {"ExtentClaimedTooLargeThatFits",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Refuse(xlsstream::Refusal::Extent, 5, 8);
             w.End();
         });
     },
     "malformed"},
    {"RefusalAfterCells",
     [] {
         return Written([](xlsstream::Writer& w) {
             w.Integer(1, 1, 5);
             w.Refuse(xlsstream::Refusal::Charset);
             w.End();
         });
     },
     "character set"},
};

class XlsAnswerTest : public ::testing::TestWithParam<Answer> {};

TEST_P(XlsAnswerTest, IsTakenOnlyWhenWellFormed) {
    const std::string bytes = GetParam().bytes();
    const gsm::SheetRead read =
        gsm::ParseXlsAnswer(QByteArray(bytes.data(), qsizetype(bytes.size())), kListBounds);
    const QString says = QString::fromLatin1(GetParam().says);
    if (says.isEmpty()) {
        ASSERT_TRUE(read.sheet) << read.error.toStdString();
        EXPECT_EQ(read.sheet->Find(1, 1)->value, QStringLiteral("Serial"));
        EXPECT_EQ(read.sheet->Find(2, 2)->value, QStringLiteral("1.5"));
        return;
    }
    EXPECT_FALSE(read.sheet);
    EXPECT_TRUE(read.error.contains(says)) << read.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Answers, XlsAnswerTest, ::testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
