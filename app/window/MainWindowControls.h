#pragma once
// The main window's controls, as the layout code creates them. The window
// keeps them to itself; tests and tools reach them through MainWindow::Controls().

class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimeEdit;
class QTimer;
class QWidget;
class PageControl;
class PortBox;
class StatusBar;
class StringGrid;
class SerialPort;

struct MainWindowControls {
    // ---- top bar
    QFrame* topBar = nullptr;
    QLabel* portLabel = nullptr;
    PortBox* portBox = nullptr;
    QPushButton* portButton = nullptr;
    QLabel* passwordLabel = nullptr;
    QLineEdit* passwordBox = nullptr;
    QPushButton* loginButton = nullptr;
    QPushButton* setClockButton = nullptr;  // hidden: set the device clock
    QPushButton* checkModeButton = nullptr; // hidden: check mode
    QPushButton* testButton4 = nullptr;     // hidden test buttons
    QPushButton* testButton12 = nullptr;
    QPushButton* showListDialogButton = nullptr; // hidden: shows Form7
    QPushButton* testButton28 = nullptr;
    QLineEdit* hiddenEdit = nullptr; // hidden

    // ---- tabs
    PageControl* pageControl = nullptr;
    QWidget* settingsPage = nullptr;
    QWidget* numbersPage = nullptr;
    QWidget* historyPage = nullptr;
    QWidget* helpPage = nullptr;

    // ---- basic settings
    QFrame* settingsButtonPanel = nullptr;
    QPushButton* readSettingsButton = nullptr;
    QPushButton* saveSettingsButton = nullptr;
    QPushButton* importProfileButton = nullptr;
    QPushButton* exportProfileButton = nullptr;
    StringGrid* settingsGrid = nullptr;
    QComboBox* din1TypeList = nullptr;
    QComboBox* din2TypeList = nullptr;
    QComboBox* armAfterPowerOnList = nullptr;
    QComboBox* relayAuthorizationList = nullptr;
    QComboBox* notifyRelayOnList = nullptr;
    QComboBox* notifyRelayOffList = nullptr;

    // ---- number list
    QScrollArea* numbersScrollBox = nullptr;
    QFrame* numbersButtonPanel = nullptr;
    QPushButton* readNumbersButton = nullptr;
    QPushButton* saveNumbersButton = nullptr;
    QPushButton* importNumbersButton = nullptr;
    QPushButton* exportNumbersXlsButton = nullptr;
    QPushButton* exportNumbersCsvButton = nullptr;
    QPushButton* allAlwaysButton = nullptr;
    QPushButton* deleteAllNumbersButton = nullptr;
    QPushButton* clearNumbersButton = nullptr; // hidden
    StringGrid* numbersGrid = nullptr;
    QFrame* numbersGridPanel = nullptr;
    QDateEdit* startDatePicker = nullptr;
    QTimeEdit* startTimePicker = nullptr;
    QDateEdit* endDatePicker = nullptr;
    QTimeEdit* endTimePicker = nullptr;

    // ---- history
    QScrollArea* historyScrollBox = nullptr;
    QFrame* historyButtonPanel = nullptr;
    QPushButton* readHistoryButton = nullptr;
    QLabel* historyFromLabel = nullptr;
    QDateEdit* historyStartDatePicker = nullptr;
    QTimeEdit* historyStartTimePicker = nullptr;
    QLabel* historyToLabel = nullptr;
    QDateEdit* historyEndDatePicker = nullptr;
    QTimeEdit* historyEndTimePicker = nullptr;
    QPushButton* filterButton = nullptr;
    QFrame* historyExportPanel = nullptr;
    QPushButton* exportHistoryCsvButton = nullptr;
    QPushButton* exportHistoryXlsButton = nullptr;
    QPushButton* deleteHistoryButton = nullptr;
    QPushButton* clearHistoryButton = nullptr; // hidden
    QPushButton* loadHistoryButton = nullptr;  // hidden
    QFrame* historyGridPanel = nullptr;
    QScrollArea* historyGridScrollBox = nullptr;
    StringGrid* historyGrid = nullptr;

    // ---- help
    QFrame* helpPanel = nullptr;
    QLabel* helpPicture = nullptr;
    QPlainTextEdit* setupStepsMemo = nullptr; // hidden

    // ---- status bar
    StatusBar* statusPanels = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* portClosedIndicator = nullptr; // red: port closed
    QLabel* portOpenIndicator = nullptr;   // green: port open

    QTimer* receiveTimer = nullptr;     // receive timeout
    QTimer* statusClearTimer = nullptr; // clears the status text
    SerialPort* serialPort = nullptr;
};
