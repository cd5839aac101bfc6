#include "app/window/ListDialog.h"

#include "app/widgets/StringGrid.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kTopPanelHeight = 65;
constexpr int kBottomPanelHeight = 41;
constexpr int kRows = 1001;
} // namespace

ListDialog::ListDialog(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form7"));
    setFixedSize(kWidth, kHeight);
    // The program ends when the main window closes, even with this one open.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);

    topPanel = new QFrame(this);
    topPanel->setObjectName(QStringLiteral("pnl1"));
    topPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    topPanel->setFixedHeight(kTopPanelHeight);
    topLabel = new QLabel(topPanel);
    topLabel->setObjectName(QStringLiteral("lbl1"));
    topLabel->move(16, 24);

    positionGrid = new StringGrid(2, kRows, this);
    positionGrid->setObjectName(QStringLiteral("strngrd1"));
    positionGrid->setAccessibleName(tr("Position list"));

    bottomPanel = new QFrame(this);
    bottomPanel->setObjectName(QStringLiteral("pnl2"));
    bottomPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bottomPanel->setFixedHeight(kBottomPanelHeight);
    okButton = new QPushButton(QStringLiteral("确定"), bottomPanel);
    okButton->setObjectName(QStringLiteral("btn1"));
    okButton->setGeometry(kWidth / 2 - 40, 8, 80, 25);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topPanel);
    layout->addWidget(positionGrid, 1);
    layout->addWidget(bottomPanel);

    Initialise();
}

void ListDialog::Initialise() {
    positionGrid->SetCells(0, 0, QStringLiteral("序号"));
    positionGrid->SetCells(1, 0, QStringLiteral("位置"));
}
