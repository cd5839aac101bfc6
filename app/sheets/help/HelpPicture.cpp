#include "HelpPicture.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

#include <array>
#include <functional>

namespace {

const QColor kBackground{244, 246, 250};
const QColor kCard{255, 255, 255};
const QColor kCardBorder{196, 204, 216};
const QColor kAccent{32, 96, 176};
const QColor kInk{40, 40, 48};
const QColor kMuted{96, 100, 112};
const QColor kRed{220, 0, 0};
const QColor kGreen{0, 176, 0};

constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kTitleHeight = 52;
constexpr int kColumns = 3;
constexpr int kRows = 3;
constexpr int kIconSize = 58;

using IconPainter = std::function<void(QPainter&, const QRect&)>;

struct Step {
    const char* title;
    const char* text;
    IconPainter icon;
};

// The picture's words in the user's language. The buttons it shows carry
// the captions the window gives them.
QString Translated(const char* text, const char* context = "HelpPicture") {
    return QCoreApplication::translate(context, text);
}

QFont SansFont(int pixelSize, bool bold = false) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void DrawMiniButton(QPainter& p, const QRect& r, const QString& caption) {
    p.setPen(QPen(kMuted, 1));
    p.setBrush(QColor(232, 234, 238));
    p.drawRoundedRect(r, 3, 3);
    p.setPen(kInk);
    p.setFont(SansFont(10));
    p.drawText(r, Qt::AlignCenter, caption);
}

void DrawMiniBox(QPainter& p, const QRect& r, const QString& text) {
    p.setPen(QPen(kMuted, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setPen(kInk);
    p.setFont(SansFont(10));
    p.drawText(r.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void DrawSimCard(QPainter& p, const QRect& r) {
    const QRect card(r.left() + 12, r.top() + 4, 36, 50);
    QPainterPath outline;
    outline.moveTo(card.left(), card.top());
    outline.lineTo(card.right() - 10, card.top());
    outline.lineTo(card.right(), card.top() + 10);
    outline.lineTo(card.right(), card.bottom());
    outline.lineTo(card.left(), card.bottom());
    outline.closeSubpath();
    p.setPen(QPen(kAccent, 2));
    p.setBrush(QColor(220, 232, 248));
    p.drawPath(outline);
    p.setPen(QPen(QColor(150, 120, 30), 1));
    p.setBrush(QColor(226, 190, 80));
    const QRect chip(card.left() + 8, card.top() + 20, 20, 16);
    p.drawRoundedRect(chip, 2, 2);
    p.drawLine(chip.left(), chip.center().y(), chip.right(), chip.center().y());
    p.drawLine(chip.center().x(), chip.top(), chip.center().x(), chip.bottom());
}

void DrawPower(QPainter& p, const QRect& r) {
    const QRect ring(r.left() + 9, r.top() + 9, 40, 40);
    p.setPen(QPen(kGreen, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 120 * 16, -300 * 16);
    p.drawLine(ring.center().x(), ring.top() - 4, ring.center().x(), ring.center().y());
}

void DrawUsb(QPainter& p, const QRect& r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(210, 214, 222));
    const QRect pc(r.left(), r.top() + 8, 22, 18);
    p.drawRect(pc);
    p.drawRect(pc.left() + 5, pc.bottom() + 2, 12, 4);
    const QRect device(r.right() - 20, r.top() + 30, 20, 24);
    p.setBrush(QColor(60, 64, 72));
    p.drawRoundedRect(device, 3, 3);
    p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(pc.right() + 1, pc.center().y());
    cable.cubicTo(r.center().x() + 10, pc.center().y(), r.center().x() - 10, device.center().y(),
                  device.left() - 1, device.center().y());
    p.drawPath(cable);
    p.setPen(kAccent);
    p.setFont(SansFont(10, true));
    p.drawText(QRect(r.left() + 26, r.top() - 4, 32, 14), Qt::AlignLeft, QStringLiteral("USB"));
}

void DrawPortBox(QPainter& p, const QRect& r) {
    const QRect box(r.left() - 14, r.top() + 18, r.width() + 14, 20);
    DrawMiniBox(p, box.adjusted(0, 0, -14, 0), QStringLiteral("ttyUSB0"));
    p.setPen(QPen(kMuted, 1));
    p.setBrush(QColor(232, 234, 238));
    const QRect arrowBox(box.right() - 13, box.top(), 14, box.height());
    p.drawRect(arrowBox);
    p.setBrush(kInk);
    const QPoint c = arrowBox.center();
    p.drawPolygon(QPolygon(
        {QPoint(c.x() - 4, c.y() - 2), QPoint(c.x() + 4, c.y() - 2), QPoint(c.x(), c.y() + 3)}));
}

void DrawOpen(QPainter& p, const QRect& r) {
    DrawMiniButton(p, QRect(r.left() - 6, r.top() + 2, 70, 22),
                   Translated(QT_TRANSLATE_NOOP("PortController", "Open"), "PortController"));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(r.left(), r.top() + 36, 17, 17);
    p.setBrush(kGreen);
    p.drawRect(r.left() + 40, r.top() + 36, 17, 17);
    p.setPen(QPen(kInk, 2));
    p.drawLine(r.left() + 22, r.top() + 44, r.left() + 34, r.top() + 44);
    p.drawLine(r.left() + 30, r.top() + 40, r.left() + 34, r.top() + 44);
    p.drawLine(r.left() + 30, r.top() + 48, r.left() + 34, r.top() + 44);
}

void DrawLogin(QPainter& p, const QRect& r) {
    DrawMiniBox(p, QRect(r.left() - 6, r.top() + 4, 70, 20), QStringLiteral("7145"));
    DrawMiniButton(p, QRect(r.left() - 6, r.top() + 32, 70, 22),
                   Translated(QT_TRANSLATE_NOOP("MainWindow", "Log in"), "MainWindow"));
}

void DrawArrowDown(QPainter& p, const QRect& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    const int cx = r.center().x();
    p.drawRect(cx - 6, r.top() + 4, 12, 22);
    p.drawPolygon(QPolygon(
        {QPoint(cx - 16, r.top() + 26), QPoint(cx + 16, r.top() + 26), QPoint(cx, r.top() + 42)}));
    p.setPen(QPen(kInk, 2));
    p.drawLine(r.left() + 6, r.top() + 50, r.right() - 6, r.top() + 50);
}

void DrawEditGrid(QPainter& p, const QRect& r) {
    const QRect grid(r.left() + 2, r.top() + 6, 48, 36);
    p.setPen(QPen(kMuted, 1));
    p.setBrush(Qt::white);
    p.drawRect(grid);
    for (int y = grid.top() + 12; y < grid.bottom(); y += 12)
        p.drawLine(grid.left(), y, grid.right(), y);
    p.drawLine(grid.left() + 18, grid.top(), grid.left() + 18, grid.bottom());
    QPainterPath pencil;
    pencil.moveTo(r.left() + 30, r.top() + 50);
    pencil.lineTo(r.left() + 54, r.top() + 26);
    pencil.lineTo(r.left() + 60, r.top() + 32);
    pencil.lineTo(r.left() + 36, r.top() + 56);
    pencil.lineTo(r.left() + 28, r.top() + 58);
    pencil.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(250, 200, 60));
    p.drawPath(pencil);
}

void DrawRestart(QPainter& p, const QRect& r) {
    const QRect ring(r.left() + 10, r.top() + 10, 38, 38);
    p.setPen(QPen(kAccent, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 60 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    const QPoint tip(ring.center().x() + 12, ring.top() + 2);
    p.drawPolygon(QPolygon({tip + QPoint(-4, -9), tip + QPoint(10, 2), tip + QPoint(-6, 9)}));
}

const std::array<Step, kColumns * kRows>& Steps() {
    static const std::array<Step, kColumns * kRows> steps{{
        {QT_TRANSLATE_NOOP("HelpPicture", "Insert the SIM card"),
         QT_TRANSLATE_NOOP("HelpPicture", "Put the SIM card into the holder of the device."),
         DrawSimCard},
        {QT_TRANSLATE_NOOP("HelpPicture", "Power the device"),
         QT_TRANSLATE_NOOP("HelpPicture",
                           "Connect the power supply and wait until the device has started."),
         DrawPower},
        {QT_TRANSLATE_NOOP("HelpPicture", "Connect it by USB"),
         QT_TRANSLATE_NOOP("HelpPicture", "Connect the device to this PC with the USB cable."),
         DrawUsb},
        {QT_TRANSLATE_NOOP("HelpPicture", "Pick its port"),
         QT_TRANSLATE_NOOP("HelpPicture",
                           "Choose the device's serial port in the \"COM Port:\" box at the top."),
         DrawPortBox},
        {QT_TRANSLATE_NOOP("HelpPicture", "Press Open"),
         QT_TRANSLATE_NOOP("HelpPicture",
                           "The indicator at the lower left turns from red to green."),
         DrawOpen},
        {QT_TRANSLATE_NOOP("HelpPicture", "Log in"),
         QT_TRANSLATE_NOOP("HelpPicture",
                           "Type the device password (factory setting 7145) and press \"Log in\"."),
         DrawLogin},
        {QT_TRANSLATE_NOOP("HelpPicture", "Read the settings"),
         QT_TRANSLATE_NOOP("HelpPicture", "On the Basic Settings tab press \"Read Settings\"."),
         DrawArrowDown},
        {QT_TRANSLATE_NOOP("HelpPicture", "Edit and save them"),
         QT_TRANSLATE_NOOP("HelpPicture",
                           "Change the values in the grid, then press \"Save Settings\"."),
         DrawEditGrid},
        {QT_TRANSLATE_NOOP("HelpPicture", "Restart the device"),
         QT_TRANSLATE_NOOP("HelpPicture", "Disconnect the device and power it up again."),
         DrawRestart},
    }};
    return steps;
}

void DrawTitle(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRect(0, 0, kHelpPictureWidth, kTitleHeight - 8);
    p.setPen(Qt::white);
    p.setFont(SansFont(19, true));
    p.drawText(QRect(kMargin + 4, 0, kHelpPictureWidth, kTitleHeight - 8),
               Qt::AlignLeft | Qt::AlignVCenter,
               Translated(QT_TRANSLATE_NOOP("HelpPicture", "Setting up the GSM gate opener")));
    p.setFont(SansFont(12));
    p.drawText(QRect(0, 0, kHelpPictureWidth - kMargin - 4, kTitleHeight - 8),
               Qt::AlignRight | Qt::AlignVCenter,
               Translated(QT_TRANSLATE_NOOP("HelpPicture",
                                            "Nine steps from the box to a configured device")));
}

void DrawStepCard(QPainter& p, const QRect& card, int number, const Step& step) {
    p.setPen(QPen(kCardBorder, 1));
    p.setBrush(kCard);
    p.drawRoundedRect(card.adjusted(0, 0, -1, -1), 6, 6);

    const QRect badge(card.left() + 10, card.top() + 12, 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(badge);
    p.setPen(Qt::white);
    p.setFont(SansFont(14, true));
    p.drawText(badge, Qt::AlignCenter, QString::number(number));

    const QRect icon(card.right() - kIconSize - 10, card.top() + 10, kIconSize, kIconSize);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    step.icon(p, icon);
    p.restore();

    // Titles may take two lines next to the badge; the description starts below.
    const int textLeft = badge.right() + 8;
    const QRect titleRect(textLeft, card.top() + 6, icon.left() - textLeft - 4, 38);
    p.setPen(kInk);
    p.setFont(SansFont(13, true));
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
               Translated(step.title));
    p.setPen(kMuted);
    p.setFont(SansFont(12));
    // Some icons reach a little to the left of their square.
    const QRect textRect(card.left() + 10, titleRect.bottom() + 8, icon.left() - card.left() - 28,
                         card.bottom() - titleRect.bottom() - 14);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Translated(step.text));
}

} // namespace

QImage DrawHelpPicture() {
    QImage picture(kHelpPictureWidth, kHelpPictureHeight, QImage::Format_RGB888);
    picture.fill(kBackground);
    QPainter p(&picture);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawTitle(p);

    const int cardW = (kHelpPictureWidth - 2 * kMargin - (kColumns - 1) * kGap) / kColumns;
    const int cardH = (kHelpPictureHeight - kTitleHeight - kMargin - (kRows - 1) * kGap) / kRows;
    const auto& steps = Steps();
    for (int i = 0; i < static_cast<int>(steps.size()); ++i) {
        const int col = i % kColumns;
        const int row = i / kColumns;
        const QRect card(kMargin + col * (cardW + kGap), kTitleHeight + row * (cardH + kGap), cardW,
                         cardH);
        DrawStepCard(p, card, i + 1, steps[static_cast<std::size_t>(i)]);
    }
    return picture;
}

QString SetupStepsText() {
    return QStringLiteral(
        "系统配置步骤说明\n"
        "1. 将SIM卡插入设备的SIM卡座。\n"
        "2. 给设备接通电源。\n"
        "3. 用USB数据线将设备连接到电脑。\n"
        "4. 打开设备管理器，在“端口(COM和LPT)”中找到“Silicon Labs CP210x USB to UART "
        "Bridge”对应的COM口。\n"
        "5. 在本软件的“COM Port”中选择该COM口，点击“Open”按钮打开串口，"
        "左下角的串口指示灯由红色变为绿色。\n"
        "6. 输入设备密码，点击“Log in”进行密码验证。\n"
        "7. 点击“Read Settings”读取设备的配置。\n"
        "8. 修改配置，点击“Save Settings”写入设备。\n"
        "9. 断开设备与电脑的连接。\n"
        "10. 重新启动设备，新的配置生效。");
}

QPlainTextEdit* MakeSetupStepsMemo(QWidget* panel, QPoint picture, const QString& language) {
    constexpr int kGap = 8;
    constexpr int kHeight = 200; // the title and ten steps
    auto* memo = new QPlainTextEdit(panel);
    memo->setObjectName(QStringLiteral("mmo1"));
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (language.startsWith(QLatin1String("zh"))) {
        memo->setAccessibleName(QString::fromUtf8("系统配置步骤说明"));
        memo->setFrameShape(QFrame::NoFrame);
        memo->setGeometry(picture.x(), picture.y() + kHelpPictureHeight + kGap, kHelpPictureWidth,
                          kHeight);
    } else {
        memo->setGeometry(840, 40, 200, 300);
        memo->hide();
    }
    return memo;
}
