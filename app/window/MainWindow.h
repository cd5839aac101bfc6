#pragma once
// The main window: the port and login bar on top, the four sheets on the
// left-hand tabs, the status bar with the port indicator and progress bar at
// the bottom. The window builds its controls (MainWindowLayout.cpp) and
// assembles the parts that work them: the device on its port, the port bar,
// the device commands and the sheets. Controls keep their old names as their
// objectName; they are owned by the window through Qt's parent chain.

#include "app/window/MainWindowControls.h"
#include "app/window/Reporting.h"
#include "protocol/Link.h"
#include "serial/LinkTrace.h"
#include "serial/PortList.h"

#include <QMainWindow>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <memory>

namespace gsm {
class CodePage;
class DeviceClient;
class OperationGate;
} // namespace gsm

class BackedUpWrite;
class DeviceCommands;
class DevicePort;
class DeviceReporter;
class HistoryFiles;
class HistoryTab;
class ListDialog;
class NumberFiles;
class NumbersTab;
class PortController;
class ProfileFiles;
class ProgressDisplay;
class RememberedPlaces;
class SettingsGridEditor;
class SettingsTab;
class StatusBarSink;
class StatusDisplay;
class UndoLastSave;
struct HistorySheet;
struct NumbersSheet;
struct SettingsSheet;

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

class MainWindow : public QMainWindow, private MainWindowControls {
    Q_OBJECT

public:
    static constexpr int kStatusLifeMs = 3000;
    static constexpr int kReceiveTimeoutMs = gsm::kReceiveTimeoutMs;
    static constexpr quint32 kBaudRate = 115200;

    // `statusLifeMs`: how long a status text stays; tests shorten it.
    explicit MainWindow(QWidget* parent = nullptr, int statusLifeMs = kStatusLifeMs);
    ~MainWindow() override;

    // The parts, for tests and tools that drive the window. Asking for them
    // completes the window first.
    const MainWindowControls& Controls() const;
    gsm::DeviceClient& Client();
    DeviceReporter& Reporter() { return *m_reporter; }
    StatusDisplay& Status() { return *m_status; }
    ProgressDisplay& Progress() { return *m_progress; }
    gsm::OperationGate& Gate() { return *m_gate; }
    PortController& Port() { return *m_port; }
    SettingsTab& Settings() { return *m_settingsTab; }
    NumbersTab& Numbers();
    HistoryTab& History();
    ProfileFiles& Profiles() { return *m_profileFiles; }
    NumberFiles& NumberListFiles();
    HistoryFiles& HistoryExports();
    // The check box pictures of the number list, drawn with its sheet.
    const QPixmap& CheckedBox() const;
    const QPixmap& UncheckedBox() const;
    const QString& ShortDateFormat() const { return m_shortDateFormat; }
    // The code page the device's password is read in.
    void SetDeviceCodePage(const gsm::CodePage* codePage);
    // The small list dialog the hidden test button shows, built the first
    // time it is asked for.
    ListDialog& ListWindow();

    // The buttons that need a logged-in device, in the order they are
    // switched; "Undo last save" follows them.
    std::array<QPushButton*, kDeviceOperationCount> DeviceOperationButtons() const;
    void DisableDeviceOperations();
    void EnableDeviceOperations();

    // Builds what the first frame does not show: the number list, history
    // and help sheets with their parts. Runs once the first frame is on the
    // screen, or at once when one of those parts is asked for first; once.
    void CompleteWindow();
    bool Complete() const { return m_complete; }

    // Opens the window on a screen with this whole and free area: at the
    // layout's size where it fits, else within the area and resizable.
    void FitToScreen(const QRect& screen, const QRect& available);

    // Writes every frame to `path` as one JSON line. False, with the reason,
    // when the file cannot be opened.
    bool StartTrace(const QString& path, QString* failure);
    // How long a request waits for its reply; tests shorten it.
    void SetReceiveTimeout(int ms);

    // Bytes the serial port delivered.
    void onSerialDataReceived(SerialPort* sender, const char* buffer, quint16 bufferLength);
    // The status text's time is up: it goes, and the progress bar with it.
    void onStatusClearTimeout();

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

    // Controls, sheet by sheet (MainWindowLayout.cpp).
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
    void Initialise();
    void CentreOnScreen();
    void RestoreWindowPos();
    void CreateDevice();
    void CreateBackedUpWrites();
    void CreateSettingsSheet();
    void CreateNumberAndHistorySheets();
    void InitPickers();
    void PlaceIndicators();
    // Completes the window right after the first frame has been painted.
    void CompleteAfterFirstFrame();

    void onPageChanged(int index);
    void onStatusPanelDrawn(int index, const QRect& rect);
    void onNumbersWheel(int delta);
    void onShowListDialogClicked();
    // Before the window closes in the middle of a transfer. True to close.
    bool MayCloseDuringTransfer();

    QString m_shortDateFormat;
    QString m_longDateFormat;
    QPixmap m_uncheckedBox;
    QPixmap m_checkedBox;

    std::unique_ptr<PortList> m_portList;
    // The last port, the window's place and the dialogs' folders, between runs.
    std::unique_ptr<RememberedPlaces> m_remembered;
    std::unique_ptr<ProgressDisplay> m_progress;
    std::unique_ptr<StatusDisplay> m_status;
    // The status text as the codecs write it.
    std::unique_ptr<StatusBarSink> m_statusSink;
    // The frame trace; fed only while it writes somewhere, each line naming
    // the port open at the time.
    LinkTrace m_linkTrace;
    std::unique_ptr<PortTrace> m_portTrace;
    // Locks the device operations until a login succeeds and while a request
    // is outstanding.
    std::unique_ptr<gsm::OperationGate> m_gate;
    // The device on serialPort, with the receive countdown on receiveTimer.
    std::unique_ptr<DevicePort> m_device;
    // What the window shows of every device operation.
    std::unique_ptr<DeviceReporter> m_reporter;

    // Owned through the parent chain.
    PortController* m_port = nullptr;
    DeviceCommands* m_commands = nullptr;
    BackedUpWrite* m_backedUpWrite = nullptr;
    UndoLastSave* m_undoLastSave = nullptr;
    SettingsGridEditor* m_settingsEditor = nullptr;
    SettingsTab* m_settingsTab = nullptr;
    NumbersTab* m_numbersTab = nullptr;
    HistoryTab* m_historyTab = nullptr;
    ProfileFiles* m_profileFiles = nullptr;
    NumberFiles* m_numberFiles = nullptr;
    HistoryFiles* m_historyFiles = nullptr;
    std::unique_ptr<ListDialog> m_listDialog;
    bool m_complete = false;
    bool m_firstFrameSeen = false;
};
