// Settings profiles through the window: "Export profile" and "Import profile"
// with their dialogs, files checked by openpyxl, and refused files that change
// nothing.

#include "ExchangeFixture.h"

#include "app/files/ConfigurationFolder.h"
#include "app/files/ProfileFiles.h"
#include "app/widgets/StatusBar.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsRecord.h"
#include "spreadsheet/Workbook.h"
#include "support/TestPaths.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProgressBar>
#include <QRegularExpression>

#include <cmath>

using namespace gsm::test;

namespace {

constexpr int kRows = 23, kCols = 3;

class ProfileExchange : public ExchangeFixture {
protected:
    StringGrid& Grid() { return *form->Controls().settingsGrid; }
    std::array<QComboBox*, 6> Lists() const {
        return {form->Controls().din1TypeList,        form->Controls().din2TypeList,
                form->Controls().armAfterPowerOnList, form->Controls().relayAuthorizationList,
                form->Controls().notifyRelayOnList,   form->Controls().notifyRelayOffList};
    }

    // Every Content and Description cell and every list set apart from the
    // start values, to values a save would take. Numbers differ between tags
    // of different lengths.
    void EditEverything(const QString& tag) {
        for (int r = 1; r < kRows; ++r) {
            const bool number = gsm::settings::MemberOfRow(r).number != nullptr;
            Grid().SetCells(
                1, r, number ? QString::number(tag.size() * 100 + r) : tag + QString::number(r));
            Grid().SetCells(2, r, tag + QStringLiteral(" note ") + QString::number(r));
        }
        Grid().SetCells(1, 1, QStringLiteral("0123"));
        Grid().SetCells(1, 2, QStringLiteral("+15555550100"));
        Grid().SetCells(1, 18, QStringLiteral("2015/03/05"));
        const std::array<int, 6> indexes = {0, 1, 0, 1, 3, 2};
        for (std::size_t i = 0; i < indexes.size(); ++i)
            Lists()[i]->setCurrentIndex(indexes[i]);
    }

    struct Snapshot {
        std::vector<QString> cells;
        std::vector<int> lists;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() {
        Snapshot s;
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                s.cells.push_back(Grid().Cells(c, r));
        for (QComboBox* list : Lists())
            s.lists.push_back(list->currentIndex());
        return s;
    }

    QString Exported(const QString& name) {
        const QString path = PathOf(name);
        Pick(path);
        Click(form->Controls().exportProfileButton);
        return path;
    }
    QString StatusText() const {
        return form->Controls().statusPanels->PanelText(kStatusPanelText);
    }
};

TEST_F(ProfileExchange, ExportWritesGridListsAndWidthsThatOpenpyxlReadsAsTexts) {
    EditEverything(QStringLiteral("v"));
    const QString path = Exported(QStringLiteral("profile.xlsx"));

    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].folder, ConfigurationFolder());
    EXPECT_TRUE(QDir(requests[0].folder).exists());
    EXPECT_EQ(requests[0].filter, QStringLiteral("EXCEL file|*.xlsx;*.xls|(*.*)|*.*"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^basicinf_R\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.xlsx$)"))
            .match(requests[0].proposedName)
            .hasMatch())
        << requests[0].proposedName.toStdString();
    EXPECT_EQ(StatusText(), QStringLiteral("Save profile"));
    EXPECT_FALSE(form->Controls().progressBar->isVisibleTo(form.get())); // 100 % takes the bar away

    const QJsonObject dump = DumpWithOpenpyxl(path);
    const QJsonObject cells = CellsOf(dump);
    const std::map<QString, QString> listTexts = {
        {QStringLiteral("B4"), QStringLiteral("0:NC ")},
        {QStringLiteral("B5"), QStringLiteral("1:NO")},
        {QStringLiteral("B9"), QStringLiteral("0:Disarm")},
        {QStringLiteral("B10"), QStringLiteral("1:Only authorized numbers can control the relay")},
        {QStringLiteral("B12"), QStringLiteral("3:Admin & Caller Number")},
        {QStringLiteral("B13"), QStringLiteral("2:Caller Number")}};
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const QString name = CellName(c + 1, r + 1);
            const QJsonObject cell = cells.value(name).toObject();
            const auto list = listTexts.find(name);
            const QString expected = list != listTexts.end() ? list->second : Grid().Cells(c, r);
            EXPECT_EQ(cell.value(QStringLiteral("value")).toString(), expected)
                << name.toStdString();
            EXPECT_EQ(cell.value(QStringLiteral("type")).toString(), QStringLiteral("s"))
                << name.toStdString();
        }
    }
    EXPECT_EQ(cells.value(QStringLiteral("A1")).toObject().value(QStringLiteral("value")),
              QStringLiteral("Items"));
    const QJsonObject widths = dump.value(QStringLiteral("widths")).toObject();
    EXPECT_EQ(std::floor(widths.value(QStringLiteral("1")).toDouble()), 85);
    EXPECT_EQ(std::floor(widths.value(QStringLiteral("2")).toDouble()), 45);
    EXPECT_EQ(std::floor(widths.value(QStringLiteral("3")).toDouble()), 130);
}

TEST_F(ProfileExchange, ExportThenImportRestoresContentDescriptionsAndLists) {
    EditEverything(QStringLiteral("kept"));
    const Snapshot exported = Take();
    const QString path = Exported(QStringLiteral("basicinf_R2026-01-31_14-05-09"));
    EditEverything(QStringLiteral("changed"));
    for (QComboBox* list : Lists())
        list->setCurrentIndex(-1);

    Pick(path);
    Click(form->Controls().importProfileButton);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].mode, FileRequest::Mode::Open);
    EXPECT_EQ(requests[1].folder, ConfigurationFolder());
    EXPECT_EQ(requests[1].filter, QStringLiteral("EXCEL file|*.xls;*.xlsx;*.ods|(*.*)|*.*"));
    EXPECT_EQ(StatusText(), QStringLiteral("Load profile"));

    const Snapshot imported = Take();
    EXPECT_EQ(imported.lists, exported.lists);
    for (int r = 1; r < kRows; ++r) {
        EXPECT_EQ(Grid().Cells(2, r), exported.cells[std::size_t(r * kCols + 2)]) << r;
        if (!gsm::settings::ListAtRow(r)) {
            EXPECT_EQ(Grid().Cells(1, r), exported.cells[std::size_t(r * kCols + 1)]) << r;
        }
    }
    EXPECT_EQ(Grid().Cells(1, 12), QStringLiteral("2:Caller Number"));
}

// The same profile as openpyxl writes it and as LibreOffice Calc saved it in
// its own format (tests/data/README.md). Calc saved an earlier profile whose
// numeric rows held texts: its import must be refused, naming the first.
struct OtherProgramsFile {
    const char* test;
    const char* name;
    const char* refusal; // empty: imported
};

class ProfileFromOtherPrograms : public ProfileExchange,
                                 public ::testing::WithParamInterface<OtherProgramsFile> {};

TEST_P(ProfileFromOtherPrograms, ImportsOrRefusesAsASaveWould) {
    QString path = QString::fromLatin1(GetParam().name);
    if (path.endsWith(QStringLiteral(".xlsx")))
        RunWorkbookTool({QStringLiteral("profile"), path = PathOf(path)});
    else
        path = QDir(TestDataDir()).filePath(path);
    const Snapshot before = Take();
    const QString refusal = QString::fromUtf8(GetParam().refusal);
    Pick(path);
    Click(form->Controls().importProfileButton, refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty()) {
        EXPECT_EQ(LastMessage(), refusal);
        EXPECT_TRUE(Take() == before);
        return;
    }
    EXPECT_EQ(Grid().Cells(1, 1), QStringLiteral("0123"));
    EXPECT_EQ(Grid().Cells(1, 2), QStringLiteral("+15555550100"));
    EXPECT_EQ(Grid().Cells(1, 10), QStringLiteral("5"));
    EXPECT_EQ(Grid().Cells(1, 17), QStringLiteral("17"));
    EXPECT_EQ(Grid().Cells(1, 19), QStringLiteral("5000"));
    EXPECT_EQ(Grid().Cells(2, 22), QStringLiteral("description 22"));
    EXPECT_EQ(Grid().Cells(0, 22), QStringLiteral("22.GPRS Password")); // captions are not read
    EXPECT_EQ(form->Controls().din1TypeList->currentIndex(), 1);
    EXPECT_EQ(form->Controls().din2TypeList->currentIndex(), 0);
    EXPECT_EQ(form->Controls().notifyRelayOnList->currentIndex(), 2);
    EXPECT_EQ(form->Controls().notifyRelayOffList->currentIndex(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ProfileFromOtherPrograms,
    ::testing::Values(OtherProgramsFile{"Openpyxl", "openpyxl.xlsx", ""},
                      OtherProgramsFile{"Calc", "profile-calc.ods",
                                        "'text 7' is not a valid integer value\nSetting: 7.Auto "
                                        "Arm after authorized number call-in(0~999)"}),
    [](const auto& info) { return std::string(info.param.test); });

TEST_F(ProfileExchange, RefusedFilesChangeNothing) {
    EditEverything(QStringLiteral("good"));
    const QString good = Exported(QStringLiteral("good.xlsx"));
    EditEverything(QStringLiteral("current"));
    const Snapshot before = Take();

    const auto variant = [&](const QString& name, int row, int col, const QString& text) {
        gsm::Workbook book;
        EXPECT_TRUE(book.Open(good));
        book.SetCell(row, col, text);
        const QString path = PathOf(name);
        EXPECT_TRUE(book.SaveAs(path));
        return path;
    };
    const QString notWorkbook = PathOf(QStringLiteral("notes.xlsx"));
    QFile notes(notWorkbook);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Items,Content\r\n");
    notes.close();

    std::vector<std::pair<QString, QString>> cases = {
        {variant(QStringLiteral("blank.xlsx"), 1, 1, QStringLiteral(" Items")),
         QStringLiteral("Wrong format of the setting profile")},
        {variant(QStringLiteral("empty.xlsx"), 1, 1, QString()),
         QStringLiteral("Wrong format of the setting profile")},
        {variant(QStringLiteral("list.xlsx"), 13, 2, QStringLiteral("x")),
         QStringLiteral("'x' is not a valid integer value")},
        {notWorkbook, QStringLiteral("Cannot open \"%1\": it is not a spreadsheet workbook "
                                     "(.xlsx, .ods or .xls).")
                          .arg(QDir::toNativeSeparators(notWorkbook))},
    };
    // Number lists, wider than a profile's sheet: told by their A1 all the same.
    for (const QString& name :
         {QStringLiteral("numberlist-calc.xlsx"), QStringLiteral("numberlist-calc.xls")}) {
        const QString list = PathOf(name);
        ASSERT_TRUE(QFile::copy(QDir(gsm::test::TestDataDir()).filePath(name), list));
        cases.emplace_back(list, QStringLiteral("\"%1\" is a number list (A1 \"Serial\"), not a "
                                                "settings profile (A1 \"Items\").")
                                     .arg(QDir::toNativeSeparators(list)));
    }
    for (const auto& [path, message] : cases) {
        answers.Queue(ModalAnswer::Ok());
        Pick(path);
        form->Controls().importProfileButton->click();
        EXPECT_EQ(LastMessage(), message);
        EXPECT_TRUE(answers.SeenBoxes().back().title.isEmpty());
        EXPECT_TRUE(Take() == before) << path.toStdString();
    }
}

// Values the window's editors never produce, each in a profile that is
// otherwise good: the import refuses the file naming the setting and the
// value, and the grid and the lists stay as they were.
struct HostileCell {
    const char* test;
    int row;
    const char* text;        // the Content cell as the file holds it
    const char* shown;       // how the refusal shows the value
    bool openpyxl = false;   // written by openpyxl as an inline string, escapes as they stand
    bool jsonNumber = false; // a JSON profile whose cell is the number `text`, not a string
};

void PrintTo(const HostileCell& hostile, std::ostream* out) {
    *out << hostile.test;
}

class ProfileImportRefusesHostileValues : public ProfileExchange,
                                          public ::testing::WithParamInterface<HostileCell> {};

TEST_P(ProfileImportRefusesHostileValues, NamesTheSettingAndChangesNothing) {
    const HostileCell& hostile = GetParam();
    const QString path = PathOf(QStringLiteral("hostile.xlsx"));
    if (hostile.openpyxl) {
        RunWorkbookTool({QStringLiteral("profile"), path, CellName(2, hostile.row + 1),
                         QString::fromUtf8(hostile.text)});
    } else if (hostile.jsonNumber) {
        // The command-line tool's profile format: the same sheet as JSON.
        EditEverything(QStringLiteral("good"));
        gsm::Workbook book;
        ASSERT_TRUE(book.Open(Exported(QStringLiteral("good.xlsx"))));
        QJsonArray rows;
        for (int r = 1; r <= kRows; ++r) {
            QJsonArray cells;
            for (int c = 1; c <= 3; ++c)
                cells.append(r == hostile.row + 1 && c == 2
                                 ? QJsonValue(QString::fromUtf8(hostile.text).toInt())
                                 : QJsonValue(book.Value(r, c)));
            rows.append(cells);
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            QJsonDocument(
                QJsonObject{{"format", "gsmgate settings profile"}, {"version", 1}, {"rows", rows}})
                .toJson());
    } else {
        // The workbook writer keeps texts as shared strings and writes a
        // control character as its "_x001B_" escape.
        EditEverything(QStringLiteral("good"));
        gsm::Workbook book;
        ASSERT_TRUE(book.Open(Exported(QStringLiteral("good.xlsx"))));
        book.SetCell(hostile.row + 1, 2, QString::fromUtf8(hostile.text));
        ASSERT_TRUE(book.SaveAs(path)) << book.LastError().toStdString();
    }
    EditEverything(QStringLiteral("current"));
    const Snapshot before = Take();

    Pick(path);
    Click(form->Controls().importProfileButton, 1);
    EXPECT_TRUE(LastMessage().contains(QString::fromUtf8(hostile.shown)))
        << LastMessage().toStdString();
    EXPECT_TRUE(LastMessage().endsWith(QStringLiteral("\nSetting: ") +
                                       gsm::settings::RowInfo(hostile.row).caption))
        << LastMessage().toStdString();
    EXPECT_TRUE(Take() == before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileImportRefusesHostileValues,
    ::testing::Values(HostileCell{"SimNumberWords", 2, "call me maybe", "'call me maybe'"},
                      HostileCell{"ListCell9", 3, "9:bogus", "9 is not an item"},
                      HostileCell{"EscInSharedString", 5, "Door\x1Bopen", "U+001B"},
                      HostileCell{"NulInInlineString", 5, "Door_x0000_open", "U+0000", true},
                      HostileCell{"AutoArm1000", 7, "1000", "'1000'"},
                      HostileCell{"NumberNotTextInJson", 10, "30", "column 2 is not text", false,
                                  true}),
    [](const auto& info) { return std::string(info.param.test); });

TEST_F(ProfileExchange, ExportThatCannotBeWrittenIsReportedNotPassedOver) {
    const QString path = PathOf(QStringLiteral("no such folder/profile.xlsx"));
    Pick(path);
    Click(form->Controls().exportProfileButton, 1);
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Cannot save")))
        << LastMessage().toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ProfileExchange, CancelledDialogsWriteAndChangeNothing) {
    const Snapshot before = Take();
    EXPECT_TRUE(form->Profiles().ExportProfile().isEmpty());
    EXPECT_FALSE(form->Profiles().ImportProfile());
    EXPECT_EQ(requests.size(), 2u);
    EXPECT_TRUE(answers.SeenBoxes().empty());
    EXPECT_TRUE(Take() == before);
}

} // namespace
