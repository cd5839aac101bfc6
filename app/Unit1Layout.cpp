// The window's controls: names, captions, places and sizes.

#include "PageControl.h"
#include "PortBox.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "TComm.h"
#include "Unit1.h"

#include "SettingsCatalogue.h"

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
constexpr QSize kSideButton{85, 30};
constexpr QSize kSettingsButton{85, 31};

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

QDateEdit* MakeDatePicker(QWidget* parent, const char* name, const char* accessibleName) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setAccessibleName(QString::fromLatin1(accessibleName));
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setCalendarPopup(true);
    return picker;
}

QTimeEdit* MakeTimePicker(QWidget* parent, const char* name, const char* accessibleName,
                          const char* format) {
    auto* picker = new QTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setAccessibleName(QString::fromLatin1(accessibleName));
    picker->setDisplayFormat(QString::fromLatin1(format));
    return picker;
}

QComboBox* MakeChoiceList(QWidget* parent, const gsm::settings::ChoiceList& choices,
                          const char* accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(choices.name));
    list->setAccessibleName(QString::fromLatin1(accessibleName));
    for (const char* item : choices.items)
        list->addItem(QString::fromUtf8(item));
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

void TForm1::BuildWindow() {
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
    BuildNumberSheet();
    BuildHistorySheet();
    BuildHelpSheet();
    BuildStatusBar(client);
    BuildComponents();
    StackClientArea(client);
}

// Top bar and status bar keep their heights; the tabs take what is left,
// so a window smaller than the layout shrinks the sheets, whose grids and
// scroll boxes scroll.
void TForm1::StackClientArea(QWidget* client) {
    pnl4->setFixedHeight(kTopBarHeight);
    stat1->setFixedHeight(kStatusBarHeight);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnl4);
    column->addWidget(pgc1, 1);
    column->addWidget(stat1);
}

void TForm1::BuildTopBar(QWidget* client) {
    pnl4 = MakePanel(client, "pnl4");
    pnl4->setGeometry(0, 0, kClientWidth, kTopBarHeight);

    lbl3 = MakeLabel(pnl4, "lbl3", QStringLiteral("COM Port:"), {28, 13});
    cbb9 = new PortBox(pnl4);
    cbb9->setObjectName(QStringLiteral("cbb9"));
    cbb9->setEditable(true);
    cbb9->setInsertPolicy(QComboBox::NoInsert);
    cbb9->setAccessibleName(QStringLiteral("COM Port"));
    cbb9->setGeometry(85, 9, 89, kEditHeight);
    lbl3->setBuddy(cbb9);
    btn8 = MakeButton(pnl4, "btn8", QStringLiteral("Open"), {197, 4, 90, 30});

    lbl4 = MakeLabel(pnl4, "lbl4", QStringLiteral("Password:"), {319, 12});
    edt3 = new QLineEdit(QStringLiteral("7145"), pnl4);
    edt3->setObjectName(QStringLiteral("edt3"));
    edt3->setAccessibleName(QStringLiteral("Password"));
    edt3->setGeometry(373, 9, 93, kEditHeight);
    lbl4->setBuddy(edt3);
    btn1 = MakeButton(pnl4, "btn1", QStringLiteral("Log in"), {485, 4, 90, 30});

    btn24 = MakeHiddenButton(pnl4, "btn24", QStringLiteral("同步时间"), 600);
    btn25 = MakeHiddenButton(pnl4, "btn25", QStringLiteral("HEX设置模式"), 680);
    btn4 = MakeHiddenButton(pnl4, "btn4", QStringLiteral("btn4"), 760);
    btn12 = MakeHiddenButton(pnl4, "btn12", QStringLiteral("btn12"), 840);
    btn27 = MakeHiddenButton(pnl4, "btn27", QStringLiteral("btn27"), 920);
    btn28 = MakeHiddenButton(pnl4, "btn28", QStringLiteral("btn28"), 1000);
    edt1 = new QLineEdit(pnl4);
    edt1->setObjectName(QStringLiteral("edt1"));
    edt1->setGeometry(1060, 9, 80, kEditHeight);
    edt1->hide();
}

void TForm1::BuildPageControl(QWidget* client) {
    pgc1 = new PageControl(client);
    pgc1->setObjectName(QStringLiteral("pgc1"));
    pgc1->setGeometry(0, kTopBarHeight, kClientWidth,
                      kClientHeight - kTopBarHeight - kStatusBarHeight);
    struct Sheet {
        QWidget*& sheet;
        const char* name;
        const char* caption;
    };
    const Sheet sheets[] = {{ts1, "ts1", "Basic Settings"},
                            {ts2, "ts2", "Number List"},
                            {ts3, "ts3", "Historical Data"},
                            {ts4, "ts4", "Help"}};
    for (const Sheet& s : sheets) {
        s.sheet = new QWidget;
        s.sheet->setObjectName(QString::fromLatin1(s.name));
        pgc1->addTab(s.sheet, QString::fromLatin1(s.caption));
    }
}

void TForm1::BuildSettingsSheet() {
    pnl14 = MakePanel(ts1, "pnl14");
    pnl14->setFixedWidth(kButtonPanelWidth);
    btn21 = MakeButton(pnl14, "btn21", QStringLiteral("Read Settings"), {{7, 47}, kSettingsButton});
    btn22 =
        MakeButton(pnl14, "btn22", QStringLiteral("Save Settings"), {{7, 113}, kSettingsButton});
    btn16 =
        MakeButton(pnl14, "btn16", QStringLiteral("Import profile"), {{7, 179}, kSettingsButton});
    btn17 =
        MakeButton(pnl14, "btn17", QStringLiteral("Export profile"), {{7, 246}, kSettingsButton});
    pnl14->setMinimumHeight(BottomOfShownButtons(*pnl14));

    strngrd_write = new StringGrid(3, 23, ts1);
    strngrd_write->setObjectName(QStringLiteral("strngrd_write"));
    strngrd_write->setAccessibleName(QStringLiteral("Basic settings"));
    strngrd_write->SetColWidths({290, 255, 460});
    strngrd_write->SetRowHeight(0, 24);
    strngrd_write->SetRowHeight(1, 22);
    for (int row = 2; row <= 22; ++row)
        strngrd_write->SetRowHeight(row, row == 8 ? 26 : 24);
    strngrd_write->setSelectionMode(QAbstractItemView::ContiguousSelection);
    strngrd_write->setFocusPolicy(Qt::ClickFocus);

    auto* row = TightRow(ts1);
    row->addWidget(pnl14);
    row->addWidget(strngrd_write, 1);

    // The lists and their items, in the order the window creates them.
    const auto lists = gsm::settings::ChoiceLists();
    cbb1 = MakeChoiceList(ts1, lists[0], "DIN1 Type");
    cbb2 = MakeChoiceList(ts1, lists[1], "DIN2 Type");
    cbb4 = MakeChoiceList(ts1, lists[2], "Arm/Disarm after power on");
    cbb3 = MakeChoiceList(ts1, lists[3], "Relay Control Authorization");
    cbb10 = MakeChoiceList(ts1, lists[4], "Notify when relay switches ON");
    cbb12 = MakeChoiceList(ts1, lists[5], "Notify when relay switches OFF");
}

void TForm1::BuildNumberSheet() {
    scrlbx1 = MakeScrollBox(ts2, "scrlbx1");
    TightRow(ts2)->addWidget(scrlbx1);
    QWidget* content = ScrollBoxContent(scrlbx1);

    pnl6 = MakePanel(content, "pnl6");
    pnl6->setFixedWidth(kButtonPanelWidth);
    btn10 = MakeButton(pnl6, "btn10", QStringLiteral("Read"), {{8, 45}, kSideButton});
    btn9 = MakeButton(pnl6, "btn9", QStringLiteral("Save"), {{8, 101}, kSideButton});
    btn14 = MakeButton(pnl6, "btn14", QStringLiteral("Import .XLS"), {{8, 158}, kSideButton});
    btn15 = MakeButton(pnl6, "btn15", QStringLiteral("Export .XLS"), {{8, 214}, kSideButton});
    btn3 = MakeButton(pnl6, "btn3", QStringLiteral("Export .CSV"), {{8, 271}, kSideButton});
    btn6 = MakeButton(pnl6, "btn6", QStringLiteral("All Always"), {{8, 330}, kSideButton});
    btn7 = MakeButton(pnl6, "btn7", QStringLiteral("Delete all"), {{8, 385}, kSideButton});
    btn11 =
        MakeButton(pnl6, "btn11", QStringLiteral("清空界面信息"), {{8, 539}, kSideButton}, false);
    pnl6->setMinimumHeight(BottomOfShownButtons(*pnl6));

    strngrd3 = new StringGrid(8, 1001, content);
    strngrd3->setObjectName(QStringLiteral("strngrd3"));
    strngrd3->setAccessibleName(QStringLiteral("Authorized number list"));
    strngrd3->SetColWidths({45, 145, 83, 91, 89, 86, 78, 76});
    strngrd3->setSelectionMode(QAbstractItemView::SingleSelection);
    strngrd3->setTabKeyNavigation(true);

    Panel1 = MakePanel(content, "Panel1");
    Panel1->setFixedWidth(kSpacerWidth);

    auto* row = TightRow(content);
    row->addWidget(pnl6);
    row->addWidget(strngrd3, 1);
    row->addWidget(Panel1);

    dtp_startdate = MakeDatePicker(content, "dtp_startdate", "Start date");
    dtp_startdate->setDate(QDate(2015, 3, 6));
    dtp_starttime = MakeTimePicker(content, "dtp_starttime", "Start time", "HH:mm");
    dtp_starttime->setTime(QTime(0, 0));
    dtp_enddate = MakeDatePicker(content, "dtp_enddate", "End date");
    dtp_endtime = MakeTimePicker(content, "dtp_endtime", "End time", "HH:mm");
    for (QWidget* picker :
         {static_cast<QWidget*>(dtp_startdate), static_cast<QWidget*>(dtp_starttime),
          static_cast<QWidget*>(dtp_enddate), static_cast<QWidget*>(dtp_endtime)}) {
        picker->setGeometry(0, 0, 90, kPickerHeight);
        picker->hide();
    }

    scrlbx1->viewport()->installEventFilter(this);
    strngrd3->viewport()->installEventFilter(this);
}

void TForm1::BuildHistorySheet() {
    scrlbx3 = MakeScrollBox(ts3, "scrlbx3");
    TightRow(ts3)->addWidget(scrlbx3);
    QWidget* content = ScrollBoxContent(scrlbx3);

    pnl3 = MakePanel(content, "pnl3");
    pnl3->setFixedHeight(kHistoryTopPanelHeight);
    btn19 = MakeButton(pnl3, "btn19", QStringLiteral("Read data"), {{8, 8}, kSideButton});
    lbl1 = MakeLabel(pnl3, "lbl1", QStringLiteral("Start:"), {124, 16});
    dtp1 = MakeDatePicker(pnl3, "dtp1", "Start date");
    dtp1->setGeometry(162, 12, 100, kPickerHeight);
    dtp1->setDate(QDate(2015, 3, 3));
    dtp2 = MakeTimePicker(pnl3, "dtp2", "Start time", "H:mm:ss");
    dtp2->setGeometry(266, 12, 80, kPickerHeight);
    dtp2->setTime(QTime(0, 0, 0));
    lbl2 = MakeLabel(pnl3, "lbl2", QStringLiteral("End:"), {372, 16});
    dtp3 = MakeDatePicker(pnl3, "dtp3", "End date");
    dtp3->setGeometry(402, 12, 100, kPickerHeight);
    dtp4 = MakeTimePicker(pnl3, "dtp4", "End time", "H:mm:ss");
    dtp4->setGeometry(506, 12, 80, kPickerHeight);
    lbl1->setBuddy(dtp1);
    lbl2->setBuddy(dtp3);
    btn20 = MakeButton(pnl3, "btn20", QStringLiteral("Filter"), {{612, 8}, kSideButton});
    pnl3->setMinimumWidth(btn20->geometry().right() + kPanelMargin);

    pnl7 = MakePanel(content, "pnl7");
    pnl7->setFixedWidth(kButtonPanelWidth);
    btn18 = MakeButton(pnl7, "btn18", QStringLiteral("Export.CSV"), {{8, 45}, kSideButton});
    btn13 = MakeButton(pnl7, "btn13", QStringLiteral("Export.XLS"), {{8, 101}, kSideButton});
    btn23 = MakeButton(pnl7, "btn23", QStringLiteral("Delete all"), {{8, 158}, kSideButton});
    btn2 = MakeButton(pnl7, "btn2", QStringLiteral("清空界面记录"), {{8, 214}, kSideButton}, false);
    btn5 = MakeButton(pnl7, "btn5", QStringLiteral("装载历史记录"), {{8, 271}, kSideButton}, false);
    pnl7->setMinimumHeight(BottomOfShownButtons(*pnl7));

    Panel2 = MakePanel(content, "Panel2");
    Panel2->setFixedWidth(kSpacerWidth);

    // The scroll box, not the grid, scrolls: the grid is as tall as all its rows.
    ScrollBox2 = new QScrollArea(content);
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    ScrollBox2->setFrameShape(QFrame::NoFrame);
    // Parented at once, so the grid takes the window's font when it is created.
    auto* gridHolder = new QWidget(ScrollBox2);
    gridHolder->setObjectName(QStringLiteral("ScrollBox2_content"));
    strngrd4 = new StringGrid(8, 1001, gridHolder);
    strngrd4->setObjectName(QStringLiteral("strngrd4"));
    strngrd4->setAccessibleName(QStringLiteral("History"));
    strngrd4->SetColWidths({38, 71, 74, 70, 95, 112, 129, 235});
    strngrd4->setEditTriggers(QAbstractItemView::NoEditTriggers);
    strngrd4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    strngrd4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const LayoutScale& scale = strngrd4->Scale();
    strngrd4->setGeometry(-7, -1, scale.Width(837), scale.Height(25048));
    gridHolder->resize(strngrd4->geometry().right() + 1, strngrd4->geometry().bottom() + 1);
    ScrollBox2->setWidget(gridHolder);

    auto* body = new QWidget(content);
    body->setObjectName(QStringLiteral("scrlbx3_body"));
    auto* row = TightRow(body);
    row->addWidget(pnl7);
    row->addWidget(ScrollBox2, 1);
    row->addWidget(Panel2);

    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnl3);
    column->addWidget(body, 1);
}

void TForm1::BuildHelpSheet() {
    // The picture scrolls where the sheet is smaller than its frame.
    QScrollArea* box = MakeScrollBox(ts4, "scrlbx4");
    TightRow(ts4)->addWidget(box);
    pnl1 = MakePanel(nullptr, "pnl1");
    box->setWidget(pnl1);
    img4 = new QLabel(pnl1);
    img4->setObjectName(QStringLiteral("img4"));
    img4->setAccessibleName(QStringLiteral("Setup steps"));
    img4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    img4->setGeometry(64, 40, 761, 521);
    pnl1->setMinimumSize(img4->geometry().right() + kPanelMargin,
                         img4->geometry().bottom() + kPanelMargin);
    mmo1 = new QPlainTextEdit(pnl1);
    mmo1->setObjectName(QStringLiteral("mmo1"));
    mmo1->setReadOnly(true);
    mmo1->setGeometry(840, 40, 200, 300);
    mmo1->hide();
}

void TForm1::BuildStatusBar(QWidget* client) {
    stat1 = new StatusBar(client);
    stat1->setObjectName(QStringLiteral("stat1"));
    stat1->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);

    pb1 = new QProgressBar(stat1);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setAccessibleName(QStringLiteral("Progress"));
    pb1->setTextVisible(false);

    const auto indicator = [this](const char* name, const QColor& colour, const char* meaning) {
        QPixmap square(17, 17);
        square.fill(colour);
        auto* image = new QLabel(stat1);
        image->setObjectName(QString::fromLatin1(name));
        image->setAccessibleName(QString::fromLatin1(meaning));
        image->setPixmap(square);
        image->setFixedSize(17, 17);
        return image;
    };
    img2 = indicator("img2", QColor(0, 255, 0), "Port open");
    img1 = indicator("img1", QColor(255, 0, 0), "Port closed");

    connect(stat1, &StatusBar::drawPanel, this, &TForm1::stat1DrawPanel);
}

void TForm1::BuildComponents() {
    tmr1 = new QTimer(this);
    tmr1->setObjectName(QStringLiteral("tmr1"));
    tmr1->setInterval(kReceiveTimeoutMs);

    tmr2 = new QTimer(this);
    tmr2->setObjectName(QStringLiteral("tmr2"));
    connect(tmr2, &QTimer::timeout, this, &TForm1::tmr2Timer);

    cm1 = new TComm(this);
    cm1->setObjectName(QStringLiteral("cm1"));
    cm1->SetBaudRate(kBaudRate);
    cm1->SetInputLen(1);
    cm1->SetInBufferSize(2048);
    cm1->SetPortOpenError(QString::fromLatin1(comm_text::kErrorOpening));

    connect(pgc1, &QTabWidget::currentChanged, this, &TForm1::pgc1Change);
    connect(btn8, &QPushButton::clicked, this, &TForm1::btn8Click);
    connect(btn27, &QPushButton::clicked, this, &TForm1::btn27Click);
}
