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
    QFrame* topBar;
    QLabel* portLabel;
    PortBox* portBox;
    QPushButton* portButton;
    QLabel* passwordLabel;
    QLineEdit* passwordBox;
    QPushButton* loginButton;
    QPushButton* setClockButton;  // hidden: set the device clock
    QPushButton* checkModeButton; // hidden: check mode
    QPushButton* testButton4;     // hidden test buttons
    QPushButton* testButton12;
    QPushButton* showListDialogButton; // hidden: shows Form7
    QPushButton* testButton28;
    QLineEdit* hiddenEdit; // hidden

    // ---- tabs
    PageControl* pageControl;
    QWidget* settingsPage;
    QWidget* numbersPage;
    QWidget* historyPage;
    QWidget* helpPage;

    // ---- basic settings
    QFrame* settingsButtonPanel;
    QPushButton* readSettingsButton;
    QPushButton* saveSettingsButton;
    QPushButton* importProfileButton;
    QPushButton* exportProfileButton;
    StringGrid* settingsGrid;
    QComboBox* din1TypeList;
    QComboBox* din2TypeList;
    QComboBox* armAfterPowerOnList;
    QComboBox* relayAuthorizationList;
    QComboBox* notifyRelayOnList;
    QComboBox* notifyRelayOffList;

    // ---- number list
    QScrollArea* numbersScrollBox;
    QFrame* numbersButtonPanel;
    QPushButton* readNumbersButton;
    QPushButton* saveNumbersButton;
    QPushButton* importNumbersButton;
    QPushButton* exportNumbersXlsButton;
    QPushButton* exportNumbersCsvButton;
    QPushButton* allAlwaysButton;
    QPushButton* deleteAllNumbersButton;
    QPushButton* clearNumbersButton; // hidden
    StringGrid* numbersGrid;
    QFrame* numbersGridPanel;
    QDateEdit* startDatePicker;
    QTimeEdit* startTimePicker;
    QDateEdit* endDatePicker;
    QTimeEdit* endTimePicker;

    // ---- history
    QScrollArea* historyScrollBox;
    QFrame* historyButtonPanel;
    QPushButton* readHistoryButton;
    QLabel* historyFromLabel;
    QDateEdit* historyStartDatePicker;
    QTimeEdit* historyStartTimePicker;
    QLabel* historyToLabel;
    QDateEdit* historyEndDatePicker;
    QTimeEdit* historyEndTimePicker;
    QPushButton* filterButton;
    QFrame* historyExportPanel;
    QPushButton* exportHistoryCsvButton;
    QPushButton* exportHistoryXlsButton;
    QPushButton* deleteHistoryButton;
    QPushButton* clearHistoryButton; // hidden
    QPushButton* loadHistoryButton;  // hidden
    QFrame* historyGridPanel;
    QScrollArea* historyGridScrollBox;
    StringGrid* historyGrid;

    // ---- help
    QFrame* helpPanel;
    QLabel* helpPicture;
    QPlainTextEdit* setupStepsMemo; // hidden

    // ---- status bar
    StatusBar* statusPanels;
    QProgressBar* progressBar;
    QLabel* portClosedIndicator; // red: port closed
    QLabel* portOpenIndicator;   // green: port open

    QTimer* receiveTimer;     // receive timeout
    QTimer* statusClearTimer; // clears the status text
    SerialPort* serialPort;
};
