// Every file the programs write, as bytes or as a workbook: the owner's
// alone whatever the umask, special files written in place, links written
// through, a full disk said in words, and backups never put over a file.
#include "files/FileWrite.h"
#include "files/PrivateFolder.h"
#include "spreadsheet/Workbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace gsm::files {
namespace {

const QByteArray kBytes = "7145,+8613800138000\r\n";

struct Writer {
    const char* name;
    std::function<bool(const QString& path, QString* failure, Existing existing)> write;
    // Whether what came out is what this writer writes.
    std::function<bool(const QByteArray& written)> wrote;
};

void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}

const Writer kWriters[] = {
    {"Bytes",
     [](const QString& path, QString* failure, Existing existing) {
         return WriteWholeFile(path, kBytes, failure, existing);
     },
     [](const QByteArray& written) { return written == kBytes; }},
    {"Workbook",
     [](const QString& path, QString* failure, Existing existing) {
         EXPECT_EQ(existing, Existing::Replace) << "the workbook always replaces";
         Workbook book;
         book.Add();
         book.SetCell(1, 1, QStringLiteral("7145"));
         if (book.SaveAs(path))
             return true;
         *failure = book.LastError();
         return false;
     },
     [](const QByteArray& written) { return written.startsWith("PK"); }},
};

class Umask {
public:
    explicit Umask(mode_t mask) : m_before(::umask(mask)) {}
    ~Umask() { ::umask(m_before); }

private:
    mode_t m_before;
};

struct stat Stat(const QString& path, bool followLinks = true) {
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    EXPECT_EQ(followLinks ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info), 0)
        << path.toStdString();
    return info;
}

mode_t Mode(const QString& path) {
    return Stat(path).st_mode & 07777;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WholeFile : public ::testing::TestWithParam<Writer> {
protected:
    bool Write(const QString& path, QString* failure, Existing existing = Existing::Replace) {
        return GetParam().write(path, failure, existing);
    }
    QTemporaryDir dir;
};

TEST_P(WholeFile, IsTheOwnersAloneWhateverTheUmaskNewOrReplaced) {
    for (const mode_t mask : {0000, 0022, 0077, 0277}) {
        SCOPED_TRACE(mask);
        const Umask umask(mask);
        const QString path = dir.filePath(QStringLiteral("new-%1").arg(mask));
        QString failure;
        ASSERT_TRUE(Write(path, &failure)) << failure.toStdString();
        EXPECT_EQ(Mode(path), 0600u);
        ::chmod(QFile::encodeName(path).constData(), 0644);
        ASSERT_TRUE(Write(path, &failure)) << failure.toStdString();
        EXPECT_EQ(Mode(path), 0600u) << "a replaced file is no longer readable by others";
        EXPECT_TRUE(GetParam().wrote(Contents(path)));
    }
    // Nothing is left beside the files.
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        4);
}

// A FIFO, a terminal or a device replaced by a regular file would stop being
// what it was; the data goes into it instead.
TEST_P(WholeFile, SpecialFilesAreWrittenInPlaceNeverReplaced) {
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QByteArray read;
    std::thread reader([&] {
        QFile end(fifo);
        if (end.open(QIODevice::ReadOnly))
            read = end.readAll();
    });
    QString failure;
    const bool written = Write(fifo, &failure);
    reader.join();
    EXPECT_TRUE(written) << failure.toStdString();
    EXPECT_TRUE(GetParam().wrote(read));
    EXPECT_TRUE(S_ISFIFO(Stat(fifo).st_mode));

    // A rename over a device succeeds for root alone: root writes to a null
    // device of its own, so a fault would not take the system's.
    QString null = QStringLiteral("/dev/null");
    if (::geteuid() == 0) {
        null = dir.filePath(QStringLiteral("null"));
        ASSERT_EQ(::mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    ASSERT_TRUE(Write(null, &failure)) << failure.toStdString();
    EXPECT_TRUE(S_ISCHR(Stat(null).st_mode));
    QStringList left{QStringLiteral("fifo")};
    if (::geteuid() == 0)
        left << QStringLiteral("null");
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name),
              left)
        << "no part file is left beside them";
}

TEST_P(WholeFile, ALinkIsWrittenThroughToItsTargetAndStaysALink) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
    const QString target = dir.filePath(QStringLiteral("real/profile"));
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    const QString link = dir.filePath(QStringLiteral("link"));
    const QString dangling = dir.filePath(QStringLiteral("dangling"));
    // Relative targets, read from the link's own folder.
    ASSERT_EQ(::symlink("real/profile", QFile::encodeName(link).constData()), 0);
    ASSERT_EQ(::symlink("real/new", QFile::encodeName(dangling).constData()), 0);
    for (const QString& path : {link, dangling}) {
        SCOPED_TRACE(path.toStdString());
        QString failure;
        ASSERT_TRUE(Write(path, &failure)) << failure.toStdString();
        EXPECT_TRUE(S_ISLNK(Stat(path, false).st_mode));
        EXPECT_TRUE(GetParam().wrote(Contents(path)));
        EXPECT_EQ(Mode(path), 0600u);
    }
    EXPECT_EQ(QFile::symLinkTarget(link), target);
}

TEST_P(WholeFile, AFullDiskIsSaidInWords) {
    QString failure;
    EXPECT_FALSE(Write(QStringLiteral("/dev/full"), &failure));
    EXPECT_TRUE(failure.contains(QStringLiteral("no space left on the device")))
        << failure.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writers, WholeFile, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WholeFileKept, ABackupNeverTakesThePlaceOfAFile) {
    QTemporaryDir dir;
    const QString taken = dir.filePath(QStringLiteral("taken.json"));
    const QString link = dir.filePath(QStringLiteral("link.json"));
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("first");
    file.close();
    ASSERT_TRUE(QFile::link(taken, link));
    for (const QString& path : {taken, link}) {
        QString failure;
        EXPECT_FALSE(WriteWholeFile(path, kBytes, &failure, Existing::Keep));
        EXPECT_EQ(failure, QStringLiteral("a file of that name exists already"));
    }
    EXPECT_EQ(Contents(taken), "first");
    QString failure;
    const QString fresh = dir.filePath(QStringLiteral("fresh.json"));
    EXPECT_TRUE(WriteWholeFile(fresh, kBytes, &failure, Existing::Keep)) << failure.toStdString();
    EXPECT_EQ(Contents(fresh), kBytes);
}

TEST(PrivateFolder, EveryFolderMadeIsTheOwnersAloneAndOnesThatExistStayAsTheyAre) {
    const Umask umask(0);
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    QString failure;
    ASSERT_TRUE(MakePrivateFolder(dir.filePath(QStringLiteral("a/b/c")), &failure))
        << failure.toStdString();
    for (const char* made : {"a", "a/b", "a/b/c"})
        EXPECT_EQ(Mode(dir.filePath(QString::fromLatin1(made))), 0700u) << made;
    EXPECT_EQ(Mode(dir.path()), 0755u);

    QFile file(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_FALSE(MakePrivateFolder(dir.filePath(QStringLiteral("plain/sub")), &failure));
    EXPECT_TRUE(failure.contains(QStringLiteral("not a folder"))) << failure.toStdString();
}

} // namespace
} // namespace gsm::files
