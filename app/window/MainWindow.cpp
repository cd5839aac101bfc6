#include "app/window/MainWindow.h"

#include "app/files/HistoryFiles.h"
#include "app/files/NumberFiles.h"
#include "app/files/ProfileFiles.h"
#include "app/sheets/help/HelpPicture.h"
#include "app/sheets/history/HistoryTab.h"
#include "app/sheets/numbers/NumbersTab.h"
#include "app/sheets/settings/SettingsGridEditor.h"
#include "app/sheets/settings/SettingsSheet.h"
#include "app/sheets/settings/SettingsTab.h"
#include "app/widgets/CheckBoxImages.h"
#include "app/widgets/GridCells.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StatusDisplay.h"
#include "app/widgets/StringGrid.h"
#include "app/window/BackedUpWrite.h"
#include "app/window/DeviceCommands.h"
#include "app/window/DeviceReporter.h"
#include "app/window/LinkAdapters.h"
#include "app/window/ListDialog.h"
#include "app/window/MessageBoxes.h"
#include "app/window/PortController.h"
#include "app/window/RememberedPlaces.h"
#include "app/window/UndoLastSave.h"
#include "app/window/WindowPlacement.h"
#include "history/HistoryGrid.h"
#include "protocol/OperationGate.h"
#include "serial/DevicePort.h"
#include "serial/SerialPort.h"
#include "text/CodePage.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimeEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <future>
#include <optional>

namespace {
constexpr int kIndicatorLeft = 15;
constexpr int kIndicatorTop = 2;
constexpr int kProgressWidthShortfall = 15;
} // namespace

MainWindow::MainWindow(QWidget* parent, int statusLifeMs)
    : QMainWindow(parent), m_portList(std::make_unique<PortList>()) {
    BuildWindow();
    statusClearTimer->setInterval(statusLifeMs);
    statusClearTimer->start();
    Initialise();
}

MainWindow::~MainWindow() {
    if (m_port)
        m_port->CloseQuietly();
}

gsm::DeviceClient& MainWindow::Client() {
    return m_device->Client();
}

const MainWindowControls& MainWindow::Controls() const {
    // Asking for a control of a sheet not built yet builds it.
    const_cast<MainWindow*>(this)->CompleteWindow();
    return *this;
}

const QPixmap& MainWindow::CheckedBox() const {
    Controls();
    return m_checkedBox;
}

const QPixmap& MainWindow::UncheckedBox() const {
    Controls();
    return m_uncheckedBox;
}

NumbersTab& MainWindow::Numbers() {
    CompleteWindow();
    return *m_numbersTab;
}

HistoryTab& MainWindow::History() {
    CompleteWindow();
    return *m_historyTab;
}

NumberFiles& MainWindow::NumberListFiles() {
    CompleteWindow();
    return *m_numberFiles;
}

HistoryFiles& MainWindow::HistoryExports() {
    CompleteWindow();
    return *m_historyFiles;
}

void MainWindow::SetDeviceCodePage(const gsm::CodePage* codePage) {
    m_commands->SetCodePage(codePage);
}

std::array<QPushButton*, kDeviceOperationCount> MainWindow::DeviceOperationButtons() const {
    return {
        checkModeButton,        setClockButton,         readSettingsButton,     saveSettingsButton,
        importProfileButton,    exportProfileButton,    readNumbersButton,      saveNumbersButton,
        importNumbersButton,    exportNumbersXlsButton, readHistoryButton,      filterButton,
        deleteHistoryButton,    exportHistoryXlsButton, exportHistoryCsvButton, clearHistoryButton,
        exportNumbersCsvButton, allAlwaysButton,        deleteAllNumbersButton, clearNumbersButton};
}

// Buttons of a sheet not built yet take the state when they are built.
void MainWindow::DisableDeviceOperations() {
    for (QPushButton* button : DeviceOperationButtons())
        if (button)
            button->setEnabled(false);
    if (m_undoLastSave)
        m_undoLastSave->Action()->setEnabled(false);
}

void MainWindow::EnableDeviceOperations() {
    for (QPushButton* button : DeviceOperationButtons())
        if (button)
            button->setEnabled(true);
    if (m_undoLastSave)
        m_undoLastSave->Action()->setEnabled(true);
}

// ---------------------------------------------------------------- start-up

void MainWindow::Initialise() {
    m_remembered = std::make_unique<RememberedPlaces>();
    // The system has no per-user short-date setting to write; the program's
    // own formats are all that the grids and files rely on.
    m_shortDateFormat = QString::fromLatin1(kProgramDateFormat);
    m_longDateFormat = QString::fromLatin1(kProgramDateFormat);
    m_settingsEditor =
        new SettingsGridEditor(SettingsSheetOf(), gsm::SystemCodePageInstance(), this);
    CentreOnScreen();
    RestoreWindowPos();
    DisableDeviceOperations();
    m_progress = std::make_unique<ProgressDisplay>(*progressBar);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    statusPanels->SetPanelText(0, tr("COM Port:"));
    m_status = std::make_unique<StatusDisplay>(*statusPanels, *statusClearTimer,
                                               statusClearTimer->interval());
    CreateDevice();
    CreateSettingsSheet();
}

void MainWindow::CompleteWindow() {
    if (m_complete)
        return;
    m_complete = true;
    // Asking the system for its serial ports walks every terminal it has and
    // takes about as long as painting the first frame: the list is asked for
    // once that frame is up, while the rest of the window is built.
    std::future<QList<PortEntry>> ports = std::async(
        std::launch::async, [list = m_portList.get()] { return list->ListPortEntries(); });
    m_uncheckedBox = RenderCheckBoxImage(*style(), false);
    m_checkedBox = RenderCheckBoxImage(*style(), true);
    m_settingsEditor->PrepareDropDowns();
    BuildNumberSheet();
    BuildHistorySheet();
    BuildHelpSheet();
    CreateNumberAndHistorySheets();
    connect(deleteHistoryButton, &QPushButton::clicked, m_commands,
            &DeviceCommands::onDeleteHistoryClicked);
    InitPickers();
    // The new buttons take the state the others are in.
    if (readSettingsButton->isEnabled())
        EnableDeviceOperations();
    else
        DisableDeviceOperations();
    // The help picture is drawn the first time its sheet shows: start-up
    // does not wait for a picture most sessions never look at.
    helpPicture->installEventFilter(this);
    setupStepsMemo->setPlainText(SetupStepsText());
    m_port->FillPortList(ports.get());
}

// Whatever else was waiting for the first frame goes first: the window is
// completed on the pass of the event loop after the one that follows it.
void MainWindow::CompleteAfterFirstFrame() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            QMetaObject::invokeMethod(this, &MainWindow::CompleteWindow, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void MainWindow::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    FitToScreen(screen->geometry(), screen->availableGeometry());
}

void MainWindow::FitToScreen(const QRect& screen, const QRect& available) {
    const WindowFit fit = FitWindow(screen, available, QSize(kClientWidth, kClientHeight));
    if (fit.resizable) {
        setMinimumSize(kSmallestClient);
        setMaximumSize(kClientWidth, kClientHeight);
        resize(fit.client.size());
    } else {
        setFixedSize(fit.client.size());
    }
    move(fit.client.topLeft());
}

// Where the user left the window, as long as it is still whole on the screen.
void MainWindow::RestoreWindowPos() {
    const std::optional<QPoint> pos = m_remembered->WindowPos();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!pos || !screen)
        return;
    if (screen->availableGeometry().contains(QRect(*pos, size() + kWindowFrameAllowance)))
        move(*pos);
}

// The device on its port, the port bar and the commands, and what the window
// shows of every exchange.
void MainWindow::CreateDevice() {
    m_statusSink = std::make_unique<StatusBarSink>(*m_status);
    m_device = std::make_unique<DevicePort>(*serialPort, *receiveTimer);
    m_gate = std::make_unique<gsm::OperationGate>([this](bool enabled) {
        if (enabled)
            EnableDeviceOperations();
        else
            DisableDeviceOperations();
        // A login sent while another request waits would be refused.
        loginButton->setEnabled(!m_gate->Outstanding());
    });
    m_port = new PortController(
        this, {portBox, portButton, portClosedIndicator, portOpenIndicator, serialPort}, *m_device,
        *m_gate, *m_remembered, *m_portList, this);
    m_port->ShowLastPort();
    m_device->SetHangUpHandler([this] { m_port->onLinkLost(); });
    m_portTrace = std::make_unique<PortTrace>(m_linkTrace, [this] { return m_port->PortName(); });
    if (m_linkTrace.Active())
        Client().Exchange().SetTrace(m_portTrace.get());
    m_reporter = std::make_unique<DeviceReporter>(
        ReporterHooks{this, m_status.get(), m_progress.get(),
                      [this] { statusPanels->SetPanelText(kStatusPanelText, m_status->Notice()); },
                      [this] { return m_port->PortOpen(); }, [this] { m_port->onLinkLost(); }},
        *m_gate);
    Client().SetObserver(m_reporter.get());
    serialPort->OnReceiveData = [this](SerialPort* sender, const char* buffer, quint16 length) {
        onSerialDataReceived(sender, buffer, length);
    };
    m_commands = new DeviceCommands(this, passwordBox, Client(), *m_reporter, *m_gate, this);
    connect(loginButton, &QPushButton::clicked, m_commands, &DeviceCommands::onLoginClicked);
    connect(setClockButton, &QPushButton::clicked, m_commands, &DeviceCommands::onSetClockClicked);
    connect(checkModeButton, &QPushButton::clicked, m_commands,
            &DeviceCommands::onCheckModeClicked);
    CreateBackedUpWrites();
}

// The saves of both sheets and the undo of the last one, whose shortcut
// works anywhere in the window.
void MainWindow::CreateBackedUpWrites() {
    const auto portName = [this] { return m_port->PortName(); };
    m_backedUpWrite = new BackedUpWrite(this, Client(), *m_reporter, *m_status, portName,
                                        gsm::SystemCodePageInstance(), this);
    m_undoLastSave = new UndoLastSave(
        this, *m_backedUpWrite, portName,
        [this](gsm::Area area, const gsm::Pages& pages) {
            if (area == gsm::Area::Settings)
                m_settingsTab->ShowDevicePages(pages);
            else
                Numbers().ShowDevicePages(pages);
        },
        this);
    m_undoLastSave->Action()->setEnabled(readSettingsButton->isEnabled());
    addAction(m_undoLastSave->Action());
}

// The settings sheet, which the first frame shows, with its start texts and
// its profile files.
void MainWindow::CreateSettingsSheet() {
    m_settingsTab = new SettingsTab(
        SettingsSheetOf(), Client(), *m_reporter, *m_backedUpWrite,
        [this](const QString& text) { statusPanels->SetPanelText(kStatusPanelText, text); },
        gsm::SystemCodePageInstance(), this);
    m_settingsTab->FillSettingsGrid();
    // No data cell shows as selected until the user picks one.
    settingsGrid->SelectCell(1, 0);
    m_undoLastSave->OfferIn(*settingsGrid);
    m_profileFiles = new ProfileFiles(SettingsSheetOf(), ReportingOf());
}

void MainWindow::CreateNumberAndHistorySheets() {
    m_numbersTab = new NumbersTab(NumbersSheetOf(), Client(), *m_reporter, *m_backedUpWrite, this);
    m_numbersTab->FillNumberGrid();
    numbersGrid->SelectCell(1, 0);
    m_undoLastSave->OfferIn(*numbersGrid);
    GridCells historyCells(*historyGrid);
    gsm::history::InitHistoryGrid(historyCells);
    historyGrid->setColumnWidth(1, 0);
    m_historyTab = new HistoryTab(HistorySheetOf(), ReportingOf(), Client(), *m_reporter, this);
    m_numberFiles = new NumberFiles(NumbersSheetOf(), ReportingOf(), this);
    m_historyFiles = new HistoryFiles(HistorySheetOf(), ReportingOf());
}

void MainWindow::InitPickers() {
    const QDateTime now = QDateTime::currentDateTime();
    historyEndDatePicker->setDate(now.date());
    historyEndTimePicker->setTime(now.time());
    endDatePicker->setDate(now.date());
    endTimePicker->setTime(now.time());
    for (QWidget* picker :
         {static_cast<QWidget*>(startDatePicker), static_cast<QWidget*>(startTimePicker),
          static_cast<QWidget*>(endDatePicker), static_cast<QWidget*>(endTimePicker)})
        picker->lower();
}

void MainWindow::PlaceIndicators() {
    const QRect panel = statusPanels->PanelRect(1);
    const QPoint at(panel.left() + kIndicatorLeft, panel.top() + kIndicatorTop);
    portClosedIndicator->move(at);
    portOpenIndicator->move(at);
    m_port->ShowIndicator(false);
}

// ---------------------------------------------------------------- window handlers

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring from the task bar is not a new show.
    if (event->spontaneous())
        return;
    PlaceIndicators();
    // The status bar places the progress bar when it paints its last panel;
    // placed now, the first paint does not move it and leave it to be painted
    // again with the next expose.
    onStatusPanelDrawn(3, statusPanels->PanelRect(3));
    m_settingsEditor->ShowListsOfVisibleCells();
    if (!m_complete && !m_firstFrameSeen)
        QCoreApplication::instance()->installEventFilter(this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!MayCloseDuringTransfer()) {
        event->ignore();
        return;
    }
    m_remembered->SetWindowPos(pos());
    m_port->CloseQuietly();
    QMainWindow::closeEvent(event);
}

bool MainWindow::MayCloseDuringTransfer() {
    if (!Client().Busy())
        return true;
    if (!ConfirmStop(this, QCoreApplication::translate("MessageBoxes", kStopTransferQuestion)))
        return false;
    // The answer may have come while the question was open.
    Client().Cancel();
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A layout of the settings grid scheduled after the show would run inside
    // the first paint, hide a scroll bar and leave the grid to be painted
    // again with the next expose: it runs before that paint instead.
    if (!m_firstFrameSeen && event->type() == QEvent::Expose &&
        watched == static_cast<QObject*>(windowHandle()))
        settingsGrid->LayOutPendingItems();
    if (!m_firstFrameSeen && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        m_firstFrameSeen = true;
        QCoreApplication::instance()->removeEventFilter(this);
        CompleteAfterFirstFrame();
        return false;
    }
    if (!m_complete)
        return QMainWindow::eventFilter(watched, event);
    if (watched == helpPicture) {
        if (event->type() == QEvent::Show && helpPicture->pixmap().isNull())
            helpPicture->setPixmap(QPixmap::fromImage(DrawHelpPicture()));
        return false;
    }
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int delta = wheel->angleDelta().y();
        if (delta != 0)
            onNumbersWheel(delta);
        // Over the grid the step above is the whole scroll.
        return watched == numbersGrid->viewport();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::onPageChanged(int index) {
    for (int i = 0; i < pageControl->count(); ++i)
        pageControl->widget(i)->setProperty("Highlighted", i == index);
}

void MainWindow::onStatusPanelDrawn(int index, const QRect& rect) {
    if (index != 3)
        return;
    progressBar->setGeometry(rect.left(), rect.top(), rect.width() - kProgressWidthShortfall,
                             rect.height());
}

void MainWindow::onNumbersWheel(int delta) {
    numbersGrid->verticalScrollBar()->triggerAction(
        delta < 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
}

// The timer is still running while the text is cleared, so clearing does
// not start a new countdown.
void MainWindow::onStatusClearTimeout() {
    m_status->ShowStatus(QString());
    m_progress->SetProgress(100);
    statusClearTimer->stop();
}

ListDialog& MainWindow::ListWindow() {
    if (!m_listDialog)
        m_listDialog = std::make_unique<ListDialog>();
    return *m_listDialog;
}

void MainWindow::onShowListDialogClicked() {
    ListWindow().show();
}

// ---------------------------------------------------------------- device link

void MainWindow::onSerialDataReceived(SerialPort*, const char* buffer, quint16 bufferLength) {
    m_device->TakeBytes(buffer, bufferLength);
}

void MainWindow::SetReceiveTimeout(int ms) {
    Client().Exchange().SetTimeoutMs(ms);
    receiveTimer->setInterval(ms);
}

bool MainWindow::StartTrace(const QString& path, QString* failure) {
    if (!m_linkTrace.OpenFile(path, failure))
        return false;
    Client().Exchange().SetTrace(m_portTrace.get());
    return true;
}
