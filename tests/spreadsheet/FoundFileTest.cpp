// Files that once broke a workbook reader, kept as the fuzz targets found
// them (tests/data/found/): each is refused with a reason, without a fault,
// and the workbook that was open stays as it was.

#include "CoreApp.h"
#include "spreadsheet/Workbook.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

class FoundFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FoundFileTest, IsRefusedAndTheOpenWorkbookStays) {
    const QString path =
        QDir(gsm::test::TestDataDir()).filePath(QStringLiteral("found/") + GetParam());
    ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    gsm::Workbook book;
    book.Add();
    book.SetCell(1, 1, QStringLiteral("Items"));

    EXPECT_FALSE(book.Open(path));
    EXPECT_TRUE(book.LastError().startsWith(QStringLiteral("Cannot open \"")))
        << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Items"));
}

// "xls-open-overread-1.xls" runs as xls_open_overread_1_xls.
std::string TestName(const ::testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Found, FoundFileTest,
                         ::testing::Values("xls-open-overread-1.xls", "xls-open-overread-2.xls",
                                           "xls-open-stack-overread.xls"),
                         TestName);

} // namespace
