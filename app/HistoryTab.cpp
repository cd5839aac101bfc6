#include "HistoryTab.h"

#include "CodePage.h"
#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "HistoryCsv.h"
#include "HistoryGridDelegate.h"
#include "MessageBoxes.h"
#include "PageTabs.h"
#include "StringGrid.h"
#include "Unit1.h"

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

THistoryTab::THistoryTab(TForm1& form)
    : QObject(&form), m_form(form), m_cells(*form.strngrd4),
      m_reader(form.HistoryInf, *form.Link, m_cells, gsm::SystemCodePageInstance()) {
    m_form.ReceivePath->handlers.decodeHistoryPage = [this] { DecodeHistoryPage(); };
    StyleGrid();
    ConnectButtons();
}

void THistoryTab::ConnectButtons() {
    connect(m_form.btn19, &QPushButton::clicked, this, &THistoryTab::btn19Click);
    connect(m_form.btn20, &QPushButton::clicked, this, &THistoryTab::btn20Click);
    connect(m_form.btn18, &QPushButton::clicked, this, &THistoryTab::btn18Click);
    connect(m_form.btn2, &QPushButton::clicked, this, &THistoryTab::btn2Click);
}

// Fixed cells take the colour of caption text, which this style gives as its
// highlighted-text colour.
void THistoryTab::StyleGrid() {
    TStringGrid& grid = *m_form.strngrd4;
    const QColor fixed = grid.palette().color(QPalette::HighlightedText);
    const QColor lines = grid.palette().color(QPalette::Mid);
    grid.setItemDelegate(new THistoryGridDelegate(fixed, &grid));
    grid.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid.horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; border: none;"
                       " border-right: 1px solid %2; border-bottom: 1px solid %2; }")
            .arg(fixed.name(), lines.name()));
}

void THistoryTab::btn19Click() {
    m_reader.Start();
}

void THistoryTab::DecodeHistoryPage() {
    m_reader.DecodeHistoryPage(m_form.RecValidCom.Length);
}

void THistoryTab::btn20Click() {
    FilterHistory();
}

history::HistoryPeriod THistoryTab::PickedPeriod() const {
    return {DateOf(*m_form.dtp1), TimeOf(*m_form.dtp2), DateOf(*m_form.dtp3), TimeOf(*m_form.dtp4)};
}

void THistoryTab::FilterHistory() {
    const history::FilterOutcome outcome =
        history::FilterHistory(m_cells, PickedPeriod(), m_form.Link->status);
    switch (outcome.result) {
    case history::FilterResult::Filtered:
        return;
    case history::FilterResult::BadKey:
        ShowMessage(&m_form, QString::fromStdString(outcome.message));
        return;
    case history::FilterResult::TimeSelectionError:
    case history::FilterResult::NoCorrectRecords:
    case history::FilterResult::NoRecords:
        ShowTitledMessage(&m_form, QString::fromStdString(outcome.message));
        return;
    }
}

void THistoryTab::btn18Click() {
    ExportHistoryCsv();
}

QString THistoryTab::ExportHistoryCsv() {
    const QString name = TimestampedName(history::kCsvFilePrefix);
    std::string text;
    {
        // An export reports through a progress controller of its own.
        Tprogressbar_ctrl progress(*m_form.pb1);
        text = gsm::JoinCsvLines(
            history::HistoryCsvLines(m_cells, m_form.Link->status,
                                     [&progress](std::uint16_t p) { progress.SetProgress(p); }));
    }
    const QString folder = ConfigurationFolder();
    const QString path = QDir(folder).filePath(name);
    QString failure = QStringLiteral("The configuration folder cannot be created.");
    if (!folder.isEmpty() && WriteWholeFile(path, QByteArray::fromStdString(text), &failure)) {
        ShowFirstSaveNotice(*m_form.statusbar_ctrl, path);
        return path;
    }
    ShowMessage(&m_form, QString::fromLatin1(kFileCreateError).arg(path, failure));
    return {};
}

void THistoryTab::btn2Click() {
    history::ClearHistoryGrid(m_cells);
    m_form.pgc1->update();
}
