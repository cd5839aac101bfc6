// "Read data" and "Export.CSV" of the real window against the simulated
// device holding the busy scenario's 900 history records.

#include "support/QtTestApp.h"

#include "app/files/ConfigurationFolder.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MainWindow.h"
#include "protocol/Outcome.h"
#include "sim/HistoryCodec.h"
#include "sim/Scenario.h"
#include "support/ModalAnswer.h"
#include "support/WindowSession.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace gsm::test;

namespace {

constexpr int kReadTimeoutMs = 180000;
// Status texts must stay put while the test looks at them.
constexpr int kLongStatusLifeMs = 600000;
constexpr const char* kHistoryReadPrefix = "23 83 00 0";

// The grid texts the program shows for a record of the scenario.
QStringList RowOf(const gsm::sim::HistoryEntry& e) {
    QString from = QString::fromUtf8(gsm::sim::SourceName(e.source).data(),
                                     gsm::sim::SourceName(e.source).size());
    if (e.action == 4 || e.action == 5)
        from = QStringLiteral("DIN%1").arg(e.action - 3);
    if (e.action == 6 || e.action == 9)
        from = QStringLiteral("Power supply");
    const std::string_view action = gsm::sim::ActionName(e.action);
    return {e.recordNumber ? QString::number(*e.recordNumber) : QString(),
            QString::fromStdString(gsm::sim::DateText(e)),
            QString::fromStdString(gsm::sim::TimeText(e)),
            from,
            QString::fromUtf8(action.data(), static_cast<qsizetype>(action.size())),
            QString::fromStdString(e.executant),
            QString::fromStdString(e.content)};
}

QString CsvField(const QString& text) {
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    QString quoted = text;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

class HistoryEndToEnd : public ::testing::Test {
protected:
    void Start(const QStringList& simArgs = {}) {
        sim = std::make_unique<SimProcess>(QStringList{"--scenario", "busy"} + simArgs);
        ASSERT_TRUE(sim->Running()) << "gsmgate-sim did not start (GSM_SIM_BIN)";
        form = std::make_unique<MainWindow>(nullptr, kLongStatusLifeMs);
        form->show();
        session = std::make_unique<WindowSession>(*form, *sim, answers);
        ASSERT_TRUE(session->OpenAndLogIn());
        ASSERT_TRUE(WaitFor([&] { return form->Controls().readHistoryButton->isEnabled(); }, 5000));
    }

    std::vector<LoggedFrame> HistoryRequests() const {
        std::vector<LoggedFrame> reads;
        for (const auto& f : sim->Requests())
            if (f.command == 0x83 && f.address >= 0x10000)
                reads.push_back(f);
        return reads;
    }
    QString Cell(int col, int row) const { return form->Controls().historyGrid->Cells(col, row); }
    QString StatusText() const {
        return form->Controls().statusPanels->PanelText(kStatusPanelText);
    }
    bool Settled() const {
        return !form->Controls().receiveTimer->isActive() &&
               form->Controls().readHistoryButton->isEnabled();
    }
    // The last history read has ended this way.
    bool ReadEnded(gsm::Outcome outcome) const {
        const auto& last = form->Reporter().LastResult();
        return last && last->kind == gsm::OperationKind::Read && last->area == gsm::Area::History &&
               last->outcome == outcome;
    }

    ModalAnswer answers;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowSession> session;
};

TEST_F(HistoryEndToEnd, ReadDataBringsTheValidRecordsInDeviceOrderAndExportsThem) {
    Start();
    const auto kept = gsm::sim::KeptHistoryEntries(gsm::sim::Scenario::Busy().memory);
    ASSERT_EQ(kept.size(), 898u) << "busy scenario: 900 records, one unnumbered, one in 2080";

    form->Controls().readHistoryButton->click();
    ASSERT_TRUE(WaitFor([&] { return ReadEnded(gsm::Outcome::Ok) && Settled(); }, kReadTimeoutMs));

    // What the status panel shows, not only what was written to it, once
    // the window has taken it with the next frame.
    const auto* shown = form->Controls().statusPanels->findChild<QLabel*>("stat1_panel2");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(WaitFor([&] { return shown->text() == "Reading historical data:500/500"; }, 5000))
        << shown->text().toStdString();

    const auto reads = HistoryRequests();
    ASSERT_EQ(reads.size(), 500u);
    for (std::size_t p = 0; p < reads.size(); ++p)
        ASSERT_EQ(reads[p].address, 0x10000u + p * 0x100u) << p;
    EXPECT_EQ(answers.SeenBoxes().size(), 1u) << "only the login box";

    for (std::size_t i = 0; i < kept.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        QStringList shown;
        for (int c = 1; c <= 7; ++c)
            shown << Cell(c, row);
        ASSERT_EQ(shown, RowOf(kept[i].entry)) << "row " << row << ", slot " << kept[i].slot;
    }
    for (int row = static_cast<int>(kept.size()) + 1; row <= 1000; ++row)
        for (int c = 1; c <= 7; ++c)
            ASSERT_EQ(Cell(c, row), "") << c << "," << row;

    const QDir folder(ConfigurationFolder());
    const QSet<QString> before(folder.entryList({"hisinf_CSV*"}, QDir::Files).begin(),
                               folder.entryList({"hisinf_CSV*"}, QDir::Files).end());
    form->Controls().exportHistoryCsvButton->click();
    QStringList written;
    for (const QString& name : folder.entryList({"hisinf_CSV*"}, QDir::Files))
        if (!before.contains(name))
            written << name;
    // An export in the same second as an earlier one overwrites it.
    if (written.isEmpty())
        written = folder.entryList({"hisinf_CSV*"}, QDir::Files, QDir::Time).mid(0, 1);
    ASSERT_EQ(written.size(), 1);
    QFile file(folder.filePath(written.front()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expected;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        QStringList fields{QString::number(i + 1)};
        for (const QString& text : RowOf(kept[i].entry))
            fields << CsvField(text);
        expected += (fields.join(',') + ",,\r\n").toUtf8();
    }
    EXPECT_EQ(file.readAll(), expected);
    file.remove();
    EXPECT_EQ(StatusText(), "Export.csv:897/1000");
}

TEST_F(HistoryEndToEnd, CorruptReplyOnPage250StopsTheReadAndSaysWhere) {
    // Request 1 is the login, so page 250 is request 251.
    Start({"--fault", "corrupt@251"});
    answers.Queue(ModalAnswer::Ok());
    form->Controls().readHistoryButton->click();
    ASSERT_TRUE(answers.WaitUntilAnswered(kReadTimeoutMs));
    EXPECT_EQ(answers.SeenBoxes().back().text, "Invalid data");
    ASSERT_TRUE(WaitFor([&] { return Settled(); }, kReadTimeoutMs));
    EXPECT_EQ(HistoryRequests().size(), 250u);
    EXPECT_TRUE(ReadEnded(gsm::Outcome::InvalidData));
    // The half-filled grid says so until the next read.
    EXPECT_EQ(form->Status().Notice(), "Read stopped at page 250 of 500");
    form->onStatusClearTimeout();
    EXPECT_EQ(StatusText(), "Read stopped at page 250 of 500");
    // Pages 1 to 249 were decoded in place and not compacted.
    const auto all = gsm::sim::HistoryEntries(gsm::sim::Scenario::Busy().memory);
    for (const auto& slot : all) {
        if (slot.slot > 498)
            break;
        ASSERT_EQ(Cell(1, slot.slot), RowOf(slot.entry).front()) << slot.slot;
    }
    EXPECT_EQ(Cell(1, 499), "");
}

} // namespace
