#include "Unit1.h"

#include "CheckBoxImages.h"
#include "GridCells.h"
#include "HelpPicture.h"
#include "HistoryGrid.h"
#include "HistoryTab.h"
#include "LocalTime.h"
#include "Login.h"
#include "MessageBoxes.h"
#include "NumberListExchange.h"
#include "NumbersTab.h"
#include "OperationTexts.h"
#include "PageControl.h"
#include "PortBox.h"
#include "PortOpenFailure.h"
#include "RememberedPlaces.h"
#include "SettingsGridEditor.h"
#include "SettingsTab.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "TComm.h"
#include "Tcustomstringgrid_basis.h"
#include "Tcustomstringgrid_his.h"
#include "Trecognitionserial.h"
#include "Unit7.h"
#include "WindowPlacement.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
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

#include <future>
#include <optional>

namespace {
constexpr int kIndicatorLeft = 15;
constexpr int kIndicatorTop = 2;
constexpr int kProgressWidthShortfall = 15;
} // namespace

TForm1::TForm1(QWidget* parent, int statusLifeMs) : QMainWindow(parent) {
    // Asking the system for its serial ports takes about as long as building
    // the window: both go on at once, and the list is in place before the
    // window is first shown.
    recognitionserial = std::make_unique<Trecognitionserial>();
    firstPortList = std::async(
        std::launch::async, [ports = recognitionserial.get()] { return ports->ListPortEntries(); });
    BuildWindow();
    tmr2->setInterval(statusLifeMs);
    tmr2->start();
    FormCreate();
}

TForm1::~TForm1() {
    ClosePortQuietly();
}

std::array<QPushButton*, kDeviceOperationCount> TForm1::DeviceOperationButtons() const {
    return {btn25, btn24, btn21, btn22, btn16, btn17, btn10, btn9, btn14, btn15,
            btn19, btn20, btn23, btn13, btn18, btn2,  btn3,  btn6, btn7,  btn11};
}

void TForm1::DisableDeviceOperations() {
    for (QPushButton* button : DeviceOperationButtons())
        button->setEnabled(false);
}

void TForm1::EnableDeviceOperations() {
    for (QPushButton* button : DeviceOperationButtons())
        button->setEnabled(true);
}

// ---------------------------------------------------------------- the sheets' views of the window

SettingsSheet TForm1::SettingsSheetOf() const {
    return {ts1, strngrd_write, {cbb1, cbb2, cbb4, cbb3, cbb10, cbb12}, btn21, btn22, btn16, btn17};
}

NumbersSheet TForm1::NumbersSheetOf() {
    return {this,
            pgc1,
            strngrd3,
            btn10,
            btn9,
            btn6,
            btn7,
            btn11,
            btn14,
            btn15,
            btn3,
            dtp_startdate,
            dtp_starttime,
            dtp_enddate,
            dtp_endtime,
            &UncheckedBoxImage,
            &CheckedBoxImage};
}

HistorySheet TForm1::HistorySheetOf() const {
    return {pgc1, strngrd4, btn19, btn20, btn18, btn13, btn2, btn5, dtp1, dtp2, dtp3, dtp4};
}

Reporting TForm1::ReportingOf() {
    return {this, statusbar_ctrl.get(), progressbar_ctrl.get(), pb1, StatusSink.get()};
}

// ---------------------------------------------------------------- start-up

void TForm1::FormCreate() {
    Remembered = std::make_unique<RememberedPlaces>();
    ApplyDateFormat();
    InstallSettingsGridHook();
    CentreOnScreen();
    RestoreWindowPos();
    LoadCheckBoxImages();
    // The protocol objects (frame receiver, validated command, number list,
    // history and settings transfers) are members and exist already.
    DisableDeviceOperations();
    // The single commands (check mode, history deletion, clock) are members too.
    progressbar_ctrl = std::make_unique<Tprogressbar_ctrl>(*pb1);
    pb1->setRange(0, 100);
    pb1->setValue(0);
    FillPortList();
    stat1->SetPanelText(0, QStringLiteral("COM Port:"));
    statusbar_ctrl = std::make_unique<Tstatusbar_ctrl>(*stat1, *tmr2, tmr2->interval());
    CreateDevicePort();
    CreateDeviceReporter();
    SelectHeaderCells();
    InitPickers();
    FillSettingsGrid();
    FillNumberGrid();
    FillHistoryGrid();
    historyTab = new HistoryTab(HistorySheetOf(), ReportingOf(), Client(), *Reporter, this);
    customstringgrid_basis = new Tcustomstringgrid_basis(SettingsSheetOf(), ReportingOf());
    NumberListFiles = new NumberListExchange(NumbersSheetOf(), ReportingOf(), this);
    customstringgrid_his = new Tcustomstringgrid_his(HistorySheetOf(), ReportingOf());

    // The help picture is drawn the first time its sheet shows: start-up
    // does not wait for a picture most sessions never look at.
    img4->installEventFilter(this);
    mmo1->setPlainText(SetupStepsText());
}

// The system has no per-user short-date setting to write; the program's own
// formats are all that the grids and files rely on.
void TForm1::ApplyDateFormat() {
    ShortDateFormat = QString::fromLatin1(kProgramDateFormat);
    LongDateFormat = QString::fromLatin1(kProgramDateFormat);
}

// The settings grid's own message handling is installed here by the
// settings grid code.
void TForm1::InstallSettingsGridHook() {
    settingsGridEditor =
        new SettingsGridEditor(SettingsSheetOf(), gsm::SystemCodePageInstance(), this);
}

void TForm1::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    FitToScreen(screen->geometry(), screen->availableGeometry());
}

void TForm1::FitToScreen(const QRect& screen, const QRect& available) {
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
void TForm1::RestoreWindowPos() {
    const std::optional<QPoint> pos = Remembered->WindowPos();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!pos || !screen)
        return;
    if (screen->availableGeometry().contains(QRect(*pos, size() + kWindowFrameAllowance)))
        move(*pos);
}

void TForm1::LoadCheckBoxImages() {
    UncheckedBoxImage = RenderCheckBoxImage(*style(), false);
    CheckedBoxImage = RenderCheckBoxImage(*style(), true);
}

void TForm1::CreateDevicePort() {
    StatusSink = std::make_unique<StatusBarSink>(*statusbar_ctrl);
    Device = std::make_unique<DevicePort>(*cm1, *tmr1);
    Device->SetHangUpHandler([this] { cm1RequestHangup(cm1); });
    if (linkTrace.Active())
        Client().Exchange().SetTrace(&portTrace);
}

void TForm1::CreateDeviceReporter() {
    operationGate = std::make_unique<gsm::OperationGate>([this](bool enabled) {
        if (enabled)
            EnableDeviceOperations();
        else
            DisableDeviceOperations();
        // A login sent while another request waits would be refused.
        btn1->setEnabled(!operationGate->Outstanding());
    });
    Reporter = std::make_unique<DeviceReporter>(
        ReporterHooks{this, statusbar_ctrl.get(), progressbar_ctrl.get(),
                      [this] { stat1->SetPanelText(kStatusPanelText, statusbar_ctrl->Notice()); },
                      [this] { return cm1->PortOpen(); }, [this] { LinkLost(); }},
        *operationGate);
    Client().SetObserver(Reporter.get());
    ConnectDeviceHandlers();
}

void TForm1::ConnectDeviceHandlers() {
    cm1->OnReceiveData = [this](TComm* sender, const char* buffer, quint16 length) {
        cm1ReceiveData(sender, buffer, length);
    };
    connect(btn1, &QPushButton::clicked, this, &TForm1::btn1Click);
    connect(btn23, &QPushButton::clicked, this, &TForm1::btn23Click);
    connect(btn24, &QPushButton::clicked, this, &TForm1::btn24Click);
    connect(btn25, &QPushButton::clicked, this, &TForm1::btn25Click);
}

// The first port is selected, or the one last opened when it is listed.
void TForm1::FillPortList() {
    cbb9->SetPorts(firstPortList.valid() ? firstPortList.get()
                                         : recognitionserial->ListPortEntries());
    if (cbb9->count() > 0)
        cbb9->setCurrentIndex(0);
    cbb9->SelectPort(Remembered->LastPort());
    connect(cbb9, &PortBox::popupAboutToShow, this, &TForm1::RefreshPortList);
}

// A port plugged in after start-up is listed the next time the list opens.
void TForm1::RefreshPortList() {
    cbb9->SetPorts(recognitionserial->ListPortEntries());
}

// No data cell shows as selected until the user picks one.
void TForm1::SelectHeaderCells() {
    strngrd3->SelectCell(1, 0);
    strngrd_write->SelectCell(1, 0);
}

void TForm1::InitPickers() {
    const QDateTime now = QDateTime::currentDateTime();
    dtp3->setDate(now.date());
    dtp4->setTime(now.time());
    dtp_enddate->setDate(now.date());
    dtp_endtime->setTime(now.time());
    for (QWidget* picker :
         {static_cast<QWidget*>(dtp_startdate), static_cast<QWidget*>(dtp_starttime),
          static_cast<QWidget*>(dtp_enddate), static_cast<QWidget*>(dtp_endtime)})
        picker->lower();
}

// Captions, descriptions and start values of the settings rows are written
// here by the settings catalogue.
void TForm1::FillSettingsGrid() {
    settingsTab = new SettingsTab(
        SettingsSheetOf(), Client(), *Reporter,
        [this](const QString& text) { stat1->SetPanelText(kStatusPanelText, text); },
        gsm::SystemCodePageInstance(), this);
    settingsTab->FillSettingsGrid();
}

// Headers of the number list and the "no" marks of every row are written
// here by the number grid.
void TForm1::FillNumberGrid() {
    numbersTab = new NumbersTab(NumbersSheetOf(), Client(), *Reporter, this);
    numbersTab->FillNumberGrid();
}

void TForm1::FillHistoryGrid() {
    GridCells cells(*strngrd4);
    gsm::history::InitHistoryGrid(cells);
    strngrd4->setColumnWidth(1, 0);
}

void TForm1::FormShow() {
    const QRect panel = stat1->PanelRect(1);
    const QPoint at(panel.left() + kIndicatorLeft, panel.top() + kIndicatorTop);
    img1->move(at);
    img2->move(at);
    ShowPortIndicator(false);
}

// ---------------------------------------------------------------- window handlers

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Restoring from the task bar is not a new show.
    if (!event->spontaneous())
        FormShow();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!MayCloseDuringTransfer()) {
        event->ignore();
        return;
    }
    Remembered->SetWindowPos(pos());
    ClosePortQuietly();
    QMainWindow::closeEvent(event);
}

bool TForm1::MayCloseDuringTransfer() {
    if (!Device || !Client().Busy())
        return true;
    if (!ConfirmStop(this, QString::fromUtf8(kStopTransferQuestion)))
        return false;
    // The answer may have come while the question was open.
    Client().Cancel();
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == img4) {
        if (event->type() == QEvent::Show && img4->pixmap().isNull())
            img4->setPixmap(QPixmap::fromImage(DrawHelpPicture()));
        return false;
    }
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int delta = wheel->angleDelta().y();
        if (delta != 0)
            scrlbx1MouseWheel(delta);
        // Over the grid the step above is the whole scroll.
        return watched == strngrd3->viewport();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::pgc1Change(int index) {
    for (int i = 0; i < pgc1->count(); ++i)
        pgc1->widget(i)->setProperty("Highlighted", i == index);
}

void TForm1::stat1DrawPanel(int index, const QRect& rect) {
    if (index != 3)
        return;
    pb1->setGeometry(rect.left(), rect.top(), rect.width() - kProgressWidthShortfall,
                     rect.height());
}

void TForm1::scrlbx1MouseWheel(int delta) {
    strngrd3->verticalScrollBar()->triggerAction(delta < 0 ? QAbstractSlider::SliderSingleStepAdd
                                                           : QAbstractSlider::SliderSingleStepSub);
}

// The timer is still running while the text is cleared, so clearing does
// not start a new countdown.
void TForm1::tmr2Timer() {
    statusbar_ctrl->ShowStatus(QString());
    progressbar_ctrl->SetProgress(100);
    tmr2->stop();
}

void TForm1::btn27Click() {
    if (Form7)
        Form7->show();
}

// ---------------------------------------------------------------- port

void TForm1::btn8Click() {
    cm1->SetCommName(cbb9->currentText().trimmed());
    if (PortButtonClicks % 2 == 0) {
        if (!OpenPortOrExplain()) {
            btn8->setText(QStringLiteral("Open"));
            return;
        }
        ++PortButtonClicks;
        Remembered->SetLastPort(cm1->CommName());
        btn8->setText(QStringLiteral("Close"));
        ShowPortIndicator(true);
    } else {
        ++PortButtonClicks;
        btn8->setText(QStringLiteral("Open"));
        // A transfer cannot outlive its port: it ends here, not at a timeout.
        cm1->ClosePort();
        Client().LinkLost();
        ShowPortIndicator(false);
    }
}

// Every way an open can fail ends with the port closed and the reason in
// front of the user.
bool TForm1::OpenPortOrExplain() {
    const PortOpening opening = OpenDevicePort(*cm1);
    if (opening.opened)
        return true;
    ClosePortQuietly();
    ShowMessage(this, QString::fromUtf8(kPortErrorText),
                PortOpenFailureDetails(opening.failure, opening.reason, opening.permissionDenied));
    return false;
}

QString TForm1::PortName() const {
    return cm1->CommName();
}

void TForm1::ClosePortQuietly() {
    if (cm1 && cm1->PortOpen())
        cm1->ClosePort();
    if (Device)
        Client().LinkLost();
}

void TForm1::LinkLost() {
    // A hang-up and a failed write may both report the same loss.
    if (!cm1->PortOpen())
        return;
    // Closed first: the transfer that ends here sees a port that is gone.
    cm1->ClosePort();
    Client().LinkLost();
    ShowPortClosed();
    // The device may have been swapped or reset: it must be logged in to again.
    operationGate->SetLoggedIn(false);
    ShowMessage(this, QString::fromUtf8(gsm::message::kDeviceDisconnected));
}

void TForm1::ShowPortClosed() {
    // An even count makes the next click open the port.
    if (PortButtonClicks % 2 != 0)
        ++PortButtonClicks;
    btn8->setText(QStringLiteral("Open"));
    ShowPortIndicator(false);
}

// The square behind is hidden as well as covered, so a screen reader only
// finds the one that is seen.
void TForm1::ShowPortIndicator(bool open) {
    QLabel* front = open ? img2 : img1;
    QLabel* behind = open ? img1 : img2;
    front->show();
    front->raise();
    behind->hide();
}

// ---------------------------------------------------------------- device exchanges

void TForm1::cm1ReceiveData(TComm*, const char* buffer, quint16 bufferLength) {
    Device->TakeBytes(buffer, bufferLength);
}

void TForm1::cm1RequestHangup(TComm*) {
    LinkLost();
}

void TForm1::SetReceiveTimeout(int ms) {
    Client().Exchange().SetTimeoutMs(ms);
    tmr1->setInterval(ms);
}

bool TForm1::StartTrace(const QString& path, QString* failure) {
    if (!linkTrace.OpenFile(path, failure))
        return false;
    Client().Exchange().SetTrace(&portTrace);
    return true;
}

void TForm1::btn1Click() {
    Client().LogIn([this](const gsm::OperationResult& result, const gsm::Page& firstPage) {
        if (result.Ok()) {
            Reporter->ShowStatus(gsm::status::kReadingBasicSetting);
            const std::string device =
                gsm::DevicePassword(firstPage, [this](std::span<const std::uint8_t> bytes) {
                    return DeviceCodePage->Decode(std::string_view(
                        reinterpret_cast<const char*>(bytes.data()), bytes.size()));
                });
            // The box, unchanged: a blank typed after the password is part of it.
            const bool match = gsm::PasswordsMatch(edt3->text().toStdString(), device);
            Reporter->ShowMessage(match ? gsm::message::kPasswordConfirmed
                                        : gsm::message::kPasswordError);
            operationGate->SetLoggedIn(match);
        }
        Reporter->Ended(result);
    });
}

void TForm1::btn23Click() {
    if (ConfirmWarning(this, QString::fromUtf8(gsm::message::kDeleteHistoryWarning)))
        SendCommand(gsm::SingleCommand::DeleteHistory());
}

void TForm1::btn24Click() {
    SendCommand(gsm::SingleCommand::SetClock(gsm::LocalNow()));
}

void TForm1::btn25Click() {
    SendCommand(gsm::SingleCommand::CheckMode());
}

void TForm1::SendCommand(const gsm::SingleCommand& command) {
    Client().SendCommand(command,
                         [this](const gsm::OperationResult& result) { Reporter->Ended(result); });
}
