#include "HistoryTab.h"

#include "HistoryGridDelegate.h"
#include "app/files/ConfigurationFolder.h"
#include "app/files/ExchangeFiles.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MessageBoxes.h"
#include "files/HistoryFile.h"
#include "history/HistoryCsv.h"
#include "text/CodePage.h"

#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTimeEdit>

namespace history = gsm::history;

namespace {

history::CalendarDate DateOf(const QDateEdit& picker) {
    const QDate d = picker.date();
    return {d.year(), d.month(), d.day()};
}

history::ClockTime TimeOf(const QTimeEdit& picker) {
    const QTime t = picker.time();
    return {t.hour(), t.minute(), t.second()};
}

} // namespace

HistoryTab::HistoryTab(const HistorySheet& sheet, const Reporting& reporting,
                       gsm::DeviceClient& client, DeviceReporter& reporter, QObject* parent)
    : QObject(parent), m_sheet(sheet), m_reporting(reporting), m_client(client),
      m_reporter(reporter), m_cells(*sheet.historyGrid) {
    StyleGrid();
    ConnectButtons();
}

void HistoryTab::ConnectButtons() {
    connect(m_sheet.readHistoryButton, &QPushButton::clicked, this,
            &HistoryTab::onReadHistoryClicked);
    connect(m_sheet.filterButton, &QPushButton::clicked, this, &HistoryTab::onFilterClicked);
    connect(m_sheet.exportHistoryCsvButton, &QPushButton::clicked, this,
            &HistoryTab::onExportHistoryCsvClicked);
    connect(m_sheet.clearHistoryButton, &QPushButton::clicked, this,
            &HistoryTab::onClearHistoryClicked);
}

// Fixed cells take the colour of caption text, which this style gives as its
// highlighted-text colour.
void HistoryTab::StyleGrid() {
    StringGrid& grid = *m_sheet.historyGrid;
    const QColor fixed = grid.palette().color(QPalette::HighlightedText);
    const QColor lines = grid.palette().color(QPalette::Mid);
    grid.setItemDelegate(new HistoryGridDelegate(fixed, &grid));
    grid.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid.horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; border: none;"
                       " border-right: 1px solid %2; border-bottom: 1px solid %2; }")
            .arg(fixed.name(), lines.name()));
}

void HistoryTab::onReadHistoryClicked() {
    StartRead();
}

// The grid is not cleared first: each page overwrites its own rows, and the
// gaps are closed once the last page is in.
void HistoryTab::StartRead() {
    m_client.ReadArea(
        gsm::Area::History,
        {.read = [this](int page, const gsm::Page& bytes) { DecodeHistoryPage(page, bytes); }},
        [this](const gsm::OperationResult& result) {
            if (result.Ok())
                history::CompactHistoryGrid(m_cells);
            m_reporter.Ended(result);
        });
}

void HistoryTab::DecodeHistoryPage(int page, const gsm::Page& bytes) {
    m_reporter.PageAnswered(gsm::OperationKind::Read, gsm::Area::History, page);
    history::DecodePageIntoGrid(m_cells, static_cast<std::int32_t>(gsm::addr::HistoryPage(page)),
                                bytes, bytes.size(), gsm::SystemCodePageInstance());
}

void HistoryTab::onFilterClicked() {
    FilterHistory();
}

history::HistoryPeriod HistoryTab::PickedPeriod() const {
    return {DateOf(*m_sheet.historyStartDatePicker), TimeOf(*m_sheet.historyStartTimePicker),
            DateOf(*m_sheet.historyEndDatePicker), TimeOf(*m_sheet.historyEndTimePicker)};
}

void HistoryTab::FilterHistory() {
    const history::FilterOutcome outcome =
        history::FilterHistory(m_cells, PickedPeriod(), *m_reporting.sink);
    switch (outcome.result) {
    case history::FilterResult::Filtered:
        return;
    case history::FilterResult::BadKey:
        ShowMessage(m_reporting.window, QString::fromStdString(outcome.message));
        return;
    case history::FilterResult::TimeSelectionError:
    case history::FilterResult::NoCorrectRecords:
    case history::FilterResult::NoRecords:
        ShowTitledMessage(m_reporting.window, QString::fromStdString(outcome.message));
        return;
    }
}

void HistoryTab::onExportHistoryCsvClicked() {
    ExportHistoryCsv();
}

QString HistoryTab::ExportHistoryCsv() {
    const QString name = TimestampedName(history::kCsvFilePrefix);
    QByteArray text;
    {
        // An export reports through a progress controller of its own.
        ProgressDisplay progress(*m_reporting.progressBar);
        text = gsm::files::HistoryCsv(m_cells, *m_reporting.sink,
                                      [&progress](std::uint16_t p) { progress.SetProgress(p); });
    }
    return SaveInConfigurationFolder(m_reporting.window, *m_reporting.status, name, text);
}

void HistoryTab::onClearHistoryClicked() {
    history::ClearHistoryGrid(m_cells);
    m_sheet.pageControl->update();
}
