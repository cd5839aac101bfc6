// The window's controls: names, captions, places and sizes.

#include "MainWindow.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/PortBox.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "serial/SerialPort.h"

#include "app/sheets/help/HelpPicture.h"
#include "l10n/Language.h"
#include "l10n/Shown.h"
#include "settings/SettingsCatalogue.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kTopBarHeight = 36;
constexpr int kStatusBarHeight = 24;
constexpr int kFormFontPixels = 11;
constexpr int kLabelFontPixels = 12;
constexpr int kButtonPanelWidth = 100;
constexpr int kSpacerWidth = 22;
constexpr int kHistoryTopPanelHeight = 47;
constexpr int kEditHeight = 21;
constexpr int kPickerHeight = 22;
constexpr int kPanelMargin = 8;
constexpr int kHistoryGridLeft = -7;
constexpr QSize kSideButton{85, 30};
constexpr QSize kSettingsButton{85, 31};
// The history filter's times, as the history grid shows them.
constexpr const char* kPickerTimeFormat = "hh:mm:ss";

// The labels stand in gaps sized for a narrower face than the usual sans.
QFont LabelFont(const QFont& formFont) {
    QFont font = formFont;
    font.setPixelSize(kLabelFontPixels);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry, bool visible = true) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // No accessible name of its own: a screen reader reads the caption shown,
    // also after it changes ("Open"/"Close").
    button->setGeometry(geometry);
    button->setVisible(visible);
    return button;
}

QPushButton* MakeHiddenButton(QWidget* parent, const char* name, const QString& caption, int left) {
    return MakeButton(parent, name, caption, QRect(left, 4, 75, 25), false);
}

QFrame* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(LabelFont(parent->font()));
    label->adjustSize();
    label->move(at);
    return label;
}

// A panel is at least as tall as its visible buttons, so a scroll box
// around it scrolls rather than cutting them off.
int BottomOfShownButtons(const QWidget& panel) {
    int bottom = 0;
    for (const QPushButton* button : panel.findChildren<QPushButton*>())
        if (!button->isHidden())
            bottom = std::max(bottom, button->geometry().bottom());
    return bottom + kPanelMargin;
}

QScrollArea* MakeScrollBox(QWidget* parent, const char* name) {
    auto* box = new QScrollArea(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFrameShape(QFrame::NoFrame);
    box->setWidgetResizable(true);
    return box;
}

QDateEdit* MakeDatePicker(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setAccessibleName(accessibleName);
    // The program's own date format, the one every date it writes has.
    picker->setDisplayFormat(QString::fromLatin1(kProgramDateFormat));
    picker->setCalendarPopup(true);
    return picker;
}

QTimeEdit* MakeTimePicker(QWidget* parent, const char* name, const QString& accessibleName,
                          const char* format) {
    auto* picker = new QTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setAccessibleName(accessibleName);
    picker->setDisplayFormat(QString::fromLatin1(format));
    return picker;
}

QComboBox* MakeChoiceList(QWidget* parent, const gsm::settings::ChoiceList& choices,
                          const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(choices.name));
    list->setAccessibleName(accessibleName);
    // Shown in the user's language; the item's data keeps the English text,
    // which the grid cell and the profile files take.
    for (const char* item : choices.items)
        list->addItem(gsm::l10n::Shown("Settings", item), QString::fromUtf8(item));
    list->setCurrentIndex(-1);
    list->hide();
    return list;
}

QWidget* ScrollBoxContent(QScrollArea* box) {
    auto* content = new QWidget;
    content->setObjectName(box->objectName() + QStringLiteral("_content"));
    box->setWidget(content);
    return content;
}

QHBoxLayout* TightRow(QWidget* owner) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    return row;
}

} // namespace

void MainWindow::BuildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kMainCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont formFont = font();
    formFont.setPixelSize(kFormFontPixels);
    setFont(formFont);
    setFixedSize(kClientWidth, kClientHeight);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    BuildTopBar(client);
    BuildPageControl(client);
    BuildSettingsSheet();
    // The number list, history and help sheets are built after the first
    // frame (CompleteWindow): it shows none of them.
    BuildStatusBar(client);
    BuildComponents();
    StackClientArea(client);
}

// Top bar and status bar keep their heights; the tabs take what is left,
// so a window smaller than the layout shrinks the sheets, whose grids and
// scroll boxes scroll.
void MainWindow::StackClientArea(QWidget* client) {
    topBar->setFixedHeight(kTopBarHeight);
    statusPanels->setFixedHeight(kStatusBarHeight);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(topBar);
    column->addWidget(pageControl, 1);
    column->addWidget(statusPanels);
}

void MainWindow::BuildTopBar(QWidget* client) {
    topBar = MakePanel(client, "pnl4");
    topBar->setGeometry(0, 0, kClientWidth, kTopBarHeight);

    portLabel = MakeLabel(topBar, "lbl3", tr("COM Port:"), {28, 13});
    portBox = new PortBox(topBar);
    portBox->setObjectName(QStringLiteral("cbb9"));
    portBox->setEditable(true);
    portBox->setInsertPolicy(QComboBox::NoInsert);
    portBox->setAccessibleName(tr("COM Port"));
    portBox->setGeometry(85, 9, 89, kEditHeight);
    portLabel->setBuddy(portBox);
    //: Button: opens the serial port (it reads "Close" while the port is open)
    portButton = MakeButton(topBar, "btn8", tr("Open"), {197, 4, 90, 30});

    passwordLabel = MakeLabel(topBar, "lbl4", tr("Password:"), {319, 12});
    passwordBox = new QLineEdit(QStringLiteral("7145"), topBar);
    passwordBox->setObjectName(QStringLiteral("edt3"));
    passwordBox->setAccessibleName(tr("Password"));
    passwordBox->setGeometry(373, 9, 93, kEditHeight);
    passwordLabel->setBuddy(passwordBox);
    loginButton = MakeButton(topBar, "btn1", tr("Log in"), {485, 4, 90, 30});

    setClockButton = MakeHiddenButton(topBar, "btn24", QStringLiteral("同步时间"), 600);
    checkModeButton = MakeHiddenButton(topBar, "btn25", QStringLiteral("HEX设置模式"), 680);
    testButton4 = MakeHiddenButton(topBar, "btn4", QStringLiteral("btn4"), 760);
    testButton12 = MakeHiddenButton(topBar, "btn12", QStringLiteral("btn12"), 840);
    showListDialogButton = MakeHiddenButton(topBar, "btn27", QStringLiteral("btn27"), 920);
    testButton28 = MakeHiddenButton(topBar, "btn28", QStringLiteral("btn28"), 1000);
    hiddenEdit = new QLineEdit(topBar);
    hiddenEdit->setObjectName(QStringLiteral("edt1"));
    hiddenEdit->setGeometry(1060, 9, 80, kEditHeight);
    hiddenEdit->hide();
}

void MainWindow::BuildPageControl(QWidget* client) {
    pageControl = new PageControl(client);
    pageControl->setObjectName(QStringLiteral("pgc1"));
    pageControl->setGeometry(0, kTopBarHeight, kClientWidth,
                             kClientHeight - kTopBarHeight - kStatusBarHeight);
    struct Sheet {
        QWidget*& sheet;
        const char* name;
        const char* caption;
    };
    // The tabs draw their own two-line labels (PageControl); these captions
    // are what a screen reader says of them.
    const Sheet sheets[] = {{settingsPage, "ts1", QT_TR_NOOP("Basic Settings")},
                            {numbersPage, "ts2", QT_TR_NOOP("Number List")},
                            {historyPage, "ts3", QT_TR_NOOP("Historical Data")},
                            {helpPage, "ts4", QT_TR_NOOP("Help")}};
    for (const Sheet& s : sheets) {
        s.sheet = new QWidget;
        s.sheet->setObjectName(QString::fromLatin1(s.name));
        pageControl->addTab(s.sheet, tr(s.caption));
    }
}

void MainWindow::BuildSettingsSheet() {
    settingsButtonPanel = MakePanel(settingsPage, "pnl14");
    settingsButtonPanel->setFixedWidth(kButtonPanelWidth);
    readSettingsButton =
        MakeButton(settingsButtonPanel, "btn21", tr("Read Settings"), {{7, 47}, kSettingsButton});
    saveSettingsButton =
        MakeButton(settingsButtonPanel, "btn22", tr("Save Settings"), {{7, 113}, kSettingsButton});
    importProfileButton =
        MakeButton(settingsButtonPanel, "btn16", tr("Import profile"), {{7, 179}, kSettingsButton});
    exportProfileButton =
        MakeButton(settingsButtonPanel, "btn17", tr("Export profile"), {{7, 246}, kSettingsButton});
    settingsButtonPanel->setMinimumHeight(BottomOfShownButtons(*settingsButtonPanel));

    settingsGrid = new StringGrid(3, 23, settingsPage);
    settingsGrid->setObjectName(QStringLiteral("strngrd_write"));
    settingsGrid->setAccessibleName(tr("Basic settings"));
    settingsGrid->ShowCaptionsTranslated(
        "Settings", {gsm::settings::col::kItems, gsm::settings::col::kDescription});
    settingsGrid->SetColWidths({290, 255, 460});
    settingsGrid->SetRowHeight(0, 24);
    settingsGrid->SetRowHeight(1, 22);
    for (int row = 2; row <= 22; ++row)
        settingsGrid->SetRowHeight(row, row == 8 ? 26 : 24);
    settingsGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    settingsGrid->setFocusPolicy(Qt::ClickFocus);

    auto* row = TightRow(settingsPage);
    row->addWidget(settingsButtonPanel);
    row->addWidget(settingsGrid, 1);

    // The lists and their items, in the order the window creates them.
    const auto lists = gsm::settings::ChoiceLists();
    din1TypeList = MakeChoiceList(settingsPage, lists[0], tr("DIN1 Type"));
    din2TypeList = MakeChoiceList(settingsPage, lists[1], tr("DIN2 Type"));
    armAfterPowerOnList = MakeChoiceList(settingsPage, lists[2], tr("Arm/Disarm after power on"));
    relayAuthorizationList =
        MakeChoiceList(settingsPage, lists[3], tr("Relay Control Authorization"));
    notifyRelayOnList = MakeChoiceList(settingsPage, lists[4], tr("Notify when relay switches ON"));
    notifyRelayOffList =
        MakeChoiceList(settingsPage, lists[5], tr("Notify when relay switches OFF"));
}

void MainWindow::BuildNumberSheet() {
    numbersScrollBox = MakeScrollBox(numbersPage, "scrlbx1");
    TightRow(numbersPage)->addWidget(numbersScrollBox);
    QWidget* content = ScrollBoxContent(numbersScrollBox);

    numbersButtonPanel = MakePanel(content, "pnl6");
    numbersButtonPanel->setFixedWidth(kButtonPanelWidth);
    readNumbersButton =
        //: Button: reads the authorized number list from the device
        MakeButton(numbersButtonPanel, "btn10", tr("Read"), {{8, 45}, kSideButton});
    saveNumbersButton =
        //: Button: saves the authorized number list to the device
        MakeButton(numbersButtonPanel, "btn9", tr("Save"), {{8, 101}, kSideButton});
    importNumbersButton =
        MakeButton(numbersButtonPanel, "btn14", tr("Import .XLS"), {{8, 158}, kSideButton});
    exportNumbersXlsButton =
        MakeButton(numbersButtonPanel, "btn15", tr("Export .XLS"), {{8, 214}, kSideButton});
    exportNumbersCsvButton =
        MakeButton(numbersButtonPanel, "btn3", tr("Export .CSV"), {{8, 271}, kSideButton});
    allAlwaysButton =
        MakeButton(numbersButtonPanel, "btn6", tr("All Always"), {{8, 330}, kSideButton});
    deleteAllNumbersButton =
        MakeButton(numbersButtonPanel, "btn7", tr("Delete all"), {{8, 385}, kSideButton});
    clearNumbersButton = MakeButton(numbersButtonPanel, "btn11", QStringLiteral("清空界面信息"),
                                    {{8, 539}, kSideButton}, false);
    numbersButtonPanel->setMinimumHeight(BottomOfShownButtons(*numbersButtonPanel));

    numbersGrid = new StringGrid(8, 1001, content);
    numbersGrid->setObjectName(QStringLiteral("strngrd3"));
    numbersGrid->setAccessibleName(tr("Authorized number list"));
    numbersGrid->ShowCaptionsTranslated("NumberList");
    numbersGrid->SetColWidths({45, 145, 83, 91, 89, 86, 78, 76});
    numbersGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    numbersGrid->setTabKeyNavigation(true);

    numbersGridPanel = MakePanel(content, "Panel1");
    numbersGridPanel->setFixedWidth(kSpacerWidth);

    auto* row = TightRow(content);
    row->addWidget(numbersButtonPanel);
    row->addWidget(numbersGrid, 1);
    row->addWidget(numbersGridPanel);

    startDatePicker = MakeDatePicker(content, "dtp_startdate", tr("Start date"));
    startDatePicker->setDate(QDate(2015, 3, 6));
    startTimePicker = MakeTimePicker(content, "dtp_starttime", tr("Start time"), "HH:mm");
    startTimePicker->setTime(QTime(0, 0));
    endDatePicker = MakeDatePicker(content, "dtp_enddate", tr("End date"));
    endTimePicker = MakeTimePicker(content, "dtp_endtime", tr("End time"), "HH:mm");
    for (QWidget* picker :
         {static_cast<QWidget*>(startDatePicker), static_cast<QWidget*>(startTimePicker),
          static_cast<QWidget*>(endDatePicker), static_cast<QWidget*>(endTimePicker)}) {
        picker->setGeometry(0, 0, 90, kPickerHeight);
        picker->hide();
    }

    numbersScrollBox->viewport()->installEventFilter(this);
    numbersGrid->viewport()->installEventFilter(this);
}

void MainWindow::BuildHistorySheet() {
    historyScrollBox = MakeScrollBox(historyPage, "scrlbx3");
    TightRow(historyPage)->addWidget(historyScrollBox);
    QWidget* content = ScrollBoxContent(historyScrollBox);

    historyButtonPanel = MakePanel(content, "pnl3");
    historyButtonPanel->setFixedHeight(kHistoryTopPanelHeight);
    readHistoryButton =
        MakeButton(historyButtonPanel, "btn19", tr("Read data"), {{8, 8}, kSideButton});
    //: Label before the history filter's start date and time
    historyFromLabel = MakeLabel(historyButtonPanel, "lbl1", tr("Start:"), {124, 16});
    historyStartDatePicker = MakeDatePicker(historyButtonPanel, "dtp1", tr("Start date"));
    historyStartDatePicker->setGeometry(162, 12, 100, kPickerHeight);
    historyStartDatePicker->setDate(QDate(2015, 3, 3));
    historyStartTimePicker =
        MakeTimePicker(historyButtonPanel, "dtp2", tr("Start time"), kPickerTimeFormat);
    historyStartTimePicker->setGeometry(266, 12, 80, kPickerHeight);
    historyStartTimePicker->setTime(QTime(0, 0, 0));
    //: Label before the history filter's end date and time
    historyToLabel = MakeLabel(historyButtonPanel, "lbl2", tr("End:"), {372, 16});
    historyEndDatePicker = MakeDatePicker(historyButtonPanel, "dtp3", tr("End date"));
    historyEndDatePicker->setGeometry(402, 12, 100, kPickerHeight);
    historyEndTimePicker =
        MakeTimePicker(historyButtonPanel, "dtp4", tr("End time"), kPickerTimeFormat);
    historyEndTimePicker->setGeometry(506, 12, 80, kPickerHeight);
    historyFromLabel->setBuddy(historyStartDatePicker);
    historyToLabel->setBuddy(historyEndDatePicker);
    filterButton =
        //: Button: keeps the history events between the start and end picked
        MakeButton(historyButtonPanel, "btn20", tr("Filter"), {{612, 8}, kSideButton});
    historyButtonPanel->setMinimumWidth(filterButton->geometry().right() + kPanelMargin);

    historyExportPanel = MakePanel(content, "pnl7");
    historyExportPanel->setFixedWidth(kButtonPanelWidth);
    exportHistoryCsvButton =
        MakeButton(historyExportPanel, "btn18", tr("Export.CSV"), {{8, 45}, kSideButton});
    exportHistoryXlsButton =
        MakeButton(historyExportPanel, "btn13", tr("Export.XLS"), {{8, 101}, kSideButton});
    deleteHistoryButton =
        MakeButton(historyExportPanel, "btn23", tr("Delete all"), {{8, 158}, kSideButton});
    clearHistoryButton = MakeButton(historyExportPanel, "btn2", QStringLiteral("清空界面记录"),
                                    {{8, 214}, kSideButton}, false);
    loadHistoryButton = MakeButton(historyExportPanel, "btn5", QStringLiteral("装载历史记录"),
                                   {{8, 271}, kSideButton}, false);
    historyExportPanel->setMinimumHeight(BottomOfShownButtons(*historyExportPanel));

    historyGridPanel = MakePanel(content, "Panel2");
    historyGridPanel->setFixedWidth(kSpacerWidth);

    // The scroll box, not the grid, scrolls: the grid is as tall as all its rows.
    historyGridScrollBox = new QScrollArea(content);
    historyGridScrollBox->setObjectName(QStringLiteral("ScrollBox2"));
    historyGridScrollBox->setFrameShape(QFrame::NoFrame);
    // Parented at once, so the grid takes the window's font when it is created.
    auto* gridHolder = new QWidget(historyGridScrollBox);
    gridHolder->setObjectName(QStringLiteral("ScrollBox2_content"));
    historyGrid = new StringGrid(8, 1001, gridHolder);
    historyGrid->setObjectName(QStringLiteral("strngrd4"));
    historyGrid->setAccessibleName(tr("History"));
    historyGrid->ShowCaptionsTranslated("History");
    // Its left edge lies under the scroll box's (below).
    historyGrid->SetHiddenLeft(-kHistoryGridLeft);
    historyGrid->SetColWidths({38, 71, 74, 70, 95, 112, 129, 235});
    historyGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    historyGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    historyGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const LayoutScale& scale = historyGrid->Scale();
    historyGrid->setGeometry(kHistoryGridLeft, -1, scale.Width(837), scale.Height(25048));
    gridHolder->resize(historyGrid->geometry().right() + 1, historyGrid->geometry().bottom() + 1);
    historyGridScrollBox->setWidget(gridHolder);

    auto* body = new QWidget(content);
    body->setObjectName(QStringLiteral("scrlbx3_body"));
    auto* row = TightRow(body);
    row->addWidget(historyExportPanel);
    row->addWidget(historyGridScrollBox, 1);
    row->addWidget(historyGridPanel);

    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(historyButtonPanel);
    column->addWidget(body, 1);
}

void MainWindow::BuildHelpSheet() {
    // The picture scrolls where the sheet is smaller than its frame.
    QScrollArea* box = MakeScrollBox(helpPage, "scrlbx4");
    TightRow(helpPage)->addWidget(box);
    helpPanel = MakePanel(nullptr, "pnl1");
    box->setWidget(helpPanel);
    helpPicture = new QLabel(helpPanel);
    helpPicture->setObjectName(QStringLiteral("img4"));
    helpPicture->setAccessibleName(tr("Setup steps"));
    helpPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpPicture->setGeometry(64, 40, 761, 521);
    setupStepsMemo = MakeSetupStepsMemo(helpPanel, helpPicture->geometry().topLeft(),
                                        gsm::l10n::LanguageInUse());
    QRect used = helpPicture->geometry();
    if (!setupStepsMemo->isHidden())
        used |= setupStepsMemo->geometry();
    helpPanel->setMinimumSize(used.right() + kPanelMargin, used.bottom() + kPanelMargin);
}

void MainWindow::BuildStatusBar(QWidget* client) {
    statusPanels = new StatusBar(client);
    statusPanels->setObjectName(QStringLiteral("stat1"));
    statusPanels->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);

    progressBar = new QProgressBar(statusPanels);
    progressBar->setObjectName(QStringLiteral("pb1"));
    progressBar->setAccessibleName(tr("Progress"));
    progressBar->setTextVisible(false);

    const auto indicator = [this](const char* name, const QColor& colour, const QString& meaning) {
        QPixmap square(17, 17);
        square.fill(colour);
        auto* image = new QLabel(statusPanels);
        image->setObjectName(QString::fromLatin1(name));
        image->setAccessibleName(meaning);
        image->setPixmap(square);
        image->setFixedSize(17, 17);
        return image;
    };
    portOpenIndicator = indicator("img2", QColor(0, 255, 0), tr("Port open"));
    portClosedIndicator = indicator("img1", QColor(255, 0, 0), tr("Port closed"));

    connect(statusPanels, &StatusBar::drawPanel, this, &MainWindow::onStatusPanelDrawn);
}

void MainWindow::BuildComponents() {
    receiveTimer = new QTimer(this);
    receiveTimer->setObjectName(QStringLiteral("tmr1"));
    receiveTimer->setInterval(kReceiveTimeoutMs);

    statusClearTimer = new QTimer(this);
    statusClearTimer->setObjectName(QStringLiteral("tmr2"));
    connect(statusClearTimer, &QTimer::timeout, this, &MainWindow::onStatusClearTimeout);

    serialPort = new SerialPort(this);
    serialPort->setObjectName(QStringLiteral("cm1"));
    serialPort->SetBaudRate(kBaudRate);
    serialPort->SetInputLen(1);
    serialPort->SetInBufferSize(2048);
    serialPort->SetPortOpenError(QString::fromLatin1(comm_text::kErrorOpening));

    connect(pageControl, &QTabWidget::currentChanged, this, &MainWindow::onPageChanged);
    connect(showListDialogButton, &QPushButton::clicked, this,
            &MainWindow::onShowListDialogClicked);
}
