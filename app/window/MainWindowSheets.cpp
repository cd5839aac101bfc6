// The window as each sheet and the reporting see it: the controls they work
// with, gathered from the window's own.

#include "app/sheets/history/HistoryTab.h"
#include "app/sheets/numbers/NumbersTab.h"
#include "app/sheets/settings/SettingsSheet.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"
#include "app/widgets/StringGrid.h"
#include "app/window/LinkAdapters.h"
#include "app/window/MainWindow.h"

#include <QDateEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimeEdit>

SettingsSheet MainWindow::SettingsSheetOf() const {
    return {settingsPage,
            settingsGrid,
            {din1TypeList, din2TypeList, armAfterPowerOnList, relayAuthorizationList,
             notifyRelayOnList, notifyRelayOffList},
            readSettingsButton,
            saveSettingsButton,
            importProfileButton,
            exportProfileButton};
}

NumbersSheet MainWindow::NumbersSheetOf() {
    return {this,
            pageControl,
            numbersGrid,
            readNumbersButton,
            saveNumbersButton,
            allAlwaysButton,
            deleteAllNumbersButton,
            clearNumbersButton,
            importNumbersButton,
            exportNumbersXlsButton,
            exportNumbersCsvButton,
            startDatePicker,
            startTimePicker,
            endDatePicker,
            endTimePicker,
            &m_uncheckedBox,
            &m_checkedBox};
}

HistorySheet MainWindow::HistorySheetOf() const {
    return {pageControl,
            historyGrid,
            readHistoryButton,
            filterButton,
            exportHistoryCsvButton,
            exportHistoryXlsButton,
            clearHistoryButton,
            loadHistoryButton,
            historyStartDatePicker,
            historyStartTimePicker,
            historyEndDatePicker,
            historyEndTimePicker};
}

Reporting MainWindow::ReportingOf() {
    return {this, m_status.get(), m_progress.get(), progressBar, m_statusSink.get()};
}
