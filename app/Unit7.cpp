#include "Unit7.h"

#include "StringGrid.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTopPanelHeight = 65;
constexpr int kBottomPanelHeight = 41;
constexpr int kRows = 1001;
} // namespace

TForm7::TForm7(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form7"));
    setFixedSize(kWidth, kHeight);
    // The program ends when the main window closes, even with this one open.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);

    pnl1 = new QFrame(this);
    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnl1->setFixedHeight(kTopPanelHeight);
    lbl1 = new QLabel(pnl1);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->move(16, 24);

    strngrd1 = new StringGrid(2, kRows, this);
    strngrd1->setObjectName(QStringLiteral("strngrd1"));
    strngrd1->setAccessibleName(QStringLiteral("Position list"));

    pnl2 = new QFrame(this);
    pnl2->setObjectName(QStringLiteral("pnl2"));
    pnl2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnl2->setFixedHeight(kBottomPanelHeight);
    btn1 = new QPushButton(QStringLiteral("确定"), pnl2);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setGeometry(kWidth / 2 - 40, 8, 80, 25);
    connect(btn1, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnl1);
    layout->addWidget(strngrd1, 1);
    layout->addWidget(pnl2);

    FormCreate();
}

void TForm7::FormCreate() {
    strngrd1->SetCells(0, 0, QStringLiteral("序号"));
    strngrd1->SetCells(1, 0, QStringLiteral("位置"));
}
