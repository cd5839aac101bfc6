#pragma once
// The main window: the port and login bar on top, the four sheets on the
// left-hand tabs, the status bar with the port indicator and progress bar at
// the bottom. Controls keep the names the rest of the program knows them by;
// they are owned by the window through Qt's parent chain.

#include "CodePage.h"
#include "Controllers.h"
#include "DevicePort.h"
#include "DeviceReporter.h"
#include "Form1Ui.h"
#include "HistoryTab.h"
#include "LinkAdapters.h"
#include "LinkTrace.h"
#include "NumbersTab.h"
#include "OperationGate.h"
#include "PortBox.h"
#include "Reporting.h"
#include "SettingsSheet.h"

#include <QMainWindow>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <future>
#include <memory>

class RememberedPlaces;
class TForm7;
class HistoryTab;
class NumbersTab;
class NumberListExchange;
class Tcustomstringgrid_basis;
class Tcustomstringgrid_his;
class SettingsGridEditor;
class SettingsTab;
class Trecognitionserial;

inline constexpr const char* kMainCaption =
    "Trelmo GSM Gate Opener PC Configuration Software V 1.7.2";
inline constexpr int kClientWidth = 1150;
inline constexpr int kClientHeight = 670;
// The least a resizable window shrinks to: the top bar's controls and the
// tabs stay whole.
inline constexpr QSize kSmallestClient{600, 400};
// The program's own date format, for short and long dates alike.
inline constexpr const char* kProgramDateFormat = "yyyy/MM/dd";
inline constexpr int kDeviceOperationCount = 20;

class TForm1 : public QMainWindow, private Form1Ui {
    Q_OBJECT

public:
    // The controls, for tests and tools that drive the window.
    const Form1Ui& Ui() const { return *this; }

    static constexpr int kStatusLifeMs = 3000;
    static constexpr int kReceiveTimeoutMs = gsm::kReceiveTimeoutMs;
    static constexpr quint32 kBaudRate = 115200;

    // `statusLifeMs`: how long a status text stays; tests shorten it.
    explicit TForm1(QWidget* parent = nullptr, int statusLifeMs = kStatusLifeMs);
    ~TForm1() override;

    // ---- kept for the program's life
    QString ShortDateFormat;
    QString LongDateFormat;
    QPixmap UncheckedBoxImage;
    QPixmap CheckedBoxImage;

    std::unique_ptr<Trecognitionserial> recognitionserial;
    std::future<QList<PortEntry>> firstPortList;
    // The last port, the window's place and the dialogs' folders, between runs.
    std::unique_ptr<RememberedPlaces> Remembered;
    std::unique_ptr<Tprogressbar_ctrl> progressbar_ctrl;
    std::unique_ptr<Tstatusbar_ctrl> statusbar_ctrl;

    // The status text as the codecs write it.
    std::unique_ptr<StatusBarSink> StatusSink;
    // The frame trace; fed only while it writes somewhere, each line naming
    // the port open at the time.
    LinkTrace linkTrace;
    PortTrace portTrace{linkTrace, [this] { return PortName(); }};

    // Locks the device operations until a login succeeds and while a request
    // is outstanding.
    std::unique_ptr<gsm::OperationGate> operationGate;
    // The code page of the device's texts; the password reply is read in it.
    const gsm::CodePage* DeviceCodePage = &gsm::SystemCodePageInstance();
    // The device on cm1, with the receive countdown on tmr1.
    std::unique_ptr<DevicePort> Device;
    // What the window shows of every device operation.
    std::unique_ptr<DeviceReporter> Reporter;
    gsm::DeviceClient& Client() { return Device->Client(); }
    // The history sheet's read, filter and export; owned through the parent chain.
    HistoryTab* historyTab = nullptr;
    // The settings sheet's editing rules, and its read and save; owned through the parent chain.
    SettingsGridEditor* settingsGridEditor = nullptr;
    SettingsTab* settingsTab = nullptr;
    // The number list sheet's editing, read and save; owned through the parent chain.
    NumbersTab* numbersTab = nullptr;
    // The spreadsheet and CSV files of the three sheets; owned through the parent chain.
    Tcustomstringgrid_basis* customstringgrid_basis = nullptr;
    NumberListExchange* NumberListFiles = nullptr;
    Tcustomstringgrid_his* customstringgrid_his = nullptr;

    TForm7* Form7 = nullptr;

    // Number of clicks on btn8 so far: even means the next click opens.
    qint32 PortButtonClicks = 0;

    // The buttons that need a logged-in device, in the order they are switched.
    std::array<QPushButton*, kDeviceOperationCount> DeviceOperationButtons() const;
    void DisableDeviceOperations();
    void EnableDeviceOperations();

    void FormCreate();
    // Opens the window on a screen with this whole and free area: at the
    // layout's size where it fits, else within the area and resizable.
    void FitToScreen(const QRect& screen, const QRect& available);
    void FormShow();
    void pgc1Change(int index);
    void stat1DrawPanel(int index, const QRect& rect);
    void scrlbx1MouseWheel(int delta);
    void tmr2Timer();
    void btn8Click();
    void btn27Click();

    // Writes every frame to `path` as one JSON line. False, with the reason,
    // when the file cannot be opened.
    bool StartTrace(const QString& path, QString* failure);
    // How long a request waits for its reply; tests shorten it.
    void SetReceiveTimeout(int ms);

    void cm1ReceiveData(TComm* sender, const char* buffer, quint16 bufferLength);
    void cm1RequestHangup(TComm* sender);
    void btn1Click();
    void btn23Click();
    void btn24Click();
    void btn25Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What each sheet and file exchange gets of the window.
    SettingsSheet SettingsSheetOf() const;
    NumbersSheet NumbersSheetOf();
    HistorySheet HistorySheetOf() const;
    Reporting ReportingOf();

    // Controls, sheet by sheet.
    void BuildWindow();
    void BuildTopBar(QWidget* client);
    void BuildPageControl(QWidget* client);
    void BuildSettingsSheet();
    void BuildNumberSheet();
    void BuildHistorySheet();
    void BuildHelpSheet();
    void BuildStatusBar(QWidget* client);
    void BuildComponents();
    void StackClientArea(QWidget* client);

    // Start-up steps.
    void ApplyDateFormat();
    void InstallSettingsGridHook();
    void CentreOnScreen();
    void LoadCheckBoxImages();
    void CreateDevicePort();
    void CreateDeviceReporter();
    void ConnectDeviceHandlers();
    void FillPortList();
    void RefreshPortList();
    void RestoreWindowPos();
    void SelectHeaderCells();
    void InitPickers();
    void FillSettingsGrid();
    void FillNumberGrid();
    void FillHistoryGrid();

    void SendCommand(const gsm::SingleCommand& command);
    bool OpenPortOrExplain();
    QString PortName() const;
    void ClosePortQuietly();
    // The port went away underneath: closed, shown closed, logged out, told once.
    void LinkLost();
    void ShowPortClosed();
    // Before the window closes in the middle of a transfer. True to close.
    bool MayCloseDuringTransfer();
    void ShowPortIndicator(bool open);
};
