#include "NumberPickers.h"

#include "numbers/NumberGrid.h"
#include "numbers/PeriodText.h"

#include <QDateEdit>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTimeEdit>

#include <initializer_list>

using namespace gsm::numbers;

namespace {

// The line editor inside a picker keeps a blank of 2 pixels on either side
// and needs one more for the cursor.
constexpr int kEditorBlank = 5;
constexpr int kSmallestPixels = 7;

// The widest text the picker shows: every field at its full width.
QString WidestText(const QDateTimeEdit& picker) {
    QString text = picker.displayFormat();
    for (QChar& c : text)
        if (c.isLetter())
            c = QLatin1Char('0');
    return text;
}

// Width left for the text when the picker is `size` big.
int TextRoom(const QDateTimeEdit& picker, QSize size) {
    QStyle* style = picker.style();
    if (picker.calendarPopup()) {
        QStyleOptionComboBox option;
        option.initFrom(&picker);
        option.rect = QRect(QPoint(), size);
        option.editable = true;
        option.frame = picker.hasFrame();
        return style
                   ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                    &picker)
                   .width() -
               kEditorBlank;
    }
    QStyleOptionSpinBox option;
    option.initFrom(&picker);
    option.rect = QRect(QPoint(), size);
    option.frame = picker.hasFrame();
    option.buttonSymbols = picker.buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    return style->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, &picker)
               .width() -
           kEditorBlank;
}

// `face`, made smaller until the picker's widest text fits `size`.
QFont FaceThatFits(const QDateTimeEdit& picker, QFont face, QSize size) {
    const QString text = WidestText(picker);
    const int room = TextRoom(picker, size);
    int pixels = QFontInfo(face).pixelSize();
    while (QFontMetrics(face).horizontalAdvance(text) > room && pixels > kSmallestPixels)
        face.setPixelSize(--pixels);
    return face;
}

} // namespace

NumberPickers::NumberPickers(QDateEdit* startDate, QTimeEdit* startTime, QDateEdit* endDate,
                             QTimeEdit* endTime)
    : m_startDate(startDate), m_startTime(startTime), m_endDate(endDate), m_endTime(endTime) {}

void NumberPickers::FitToCells() {
    for (QAbstractSpinBox* picker :
         std::initializer_list<QAbstractSpinBox*>{m_startDate, m_startTime, m_endDate, m_endTime}) {
        picker->setFrame(false);
        QFont narrow = picker->font();
        narrow.setStretch(QFont::SemiCondensed);
        picker->setFont(narrow);
        m_face = narrow;
    }
}

QDateTimeEdit* NumberPickers::For(int col) const {
    switch (col) {
    case col::kStartDate:
        return m_startDate;
    case col::kStartTime:
        return m_startTime;
    case col::kEndDate:
        return m_endDate;
    case col::kEndTime:
        return m_endTime;
    default:
        return nullptr;
    }
}

void NumberPickers::ShowOnly(int col) {
    for (int c = kFirstCol; c < kFirstCol + kCount; ++c)
        For(c)->setVisible(c == col);
}

void NumberPickers::SendBehind() {
    for (int c = kFirstCol; c < kFirstCol + kCount; ++c) {
        // To the very back: just under the grid would still put a picker
        // that was never laid over a cell in front of the button panel.
        For(c)->lower();
        m_inFront[static_cast<std::size_t>(c - kFirstCol)] = false;
    }
}

void NumberPickers::PlaceOver(int col, const QRect& cell) {
    QDateTimeEdit* picker = For(col);
    if (!picker)
        return;
    if (picker->geometry() != cell) {
        picker->setFont(FaceThatFits(*picker, m_face, cell.size()));
        picker->setGeometry(cell);
    }
    bool& inFront = m_inFront[static_cast<std::size_t>(col - kFirstCol)];
    if (!inFront) {
        picker->raise();
        inFront = true;
    }
    if (!picker->isVisible())
        picker->show();
}

bool NumberPickers::InFront(int col) const {
    return For(col) && m_inFront[static_cast<std::size_t>(col - kFirstCol)];
}

void NumberPickers::Load(int col, const QString& cellText) {
    if (cellText.isEmpty())
        return;
    const std::string text = cellText.toStdString();
    if (IsDateColumn(col)) {
        const auto date = PickerDate(text);
        if (!date)
            return;
        QDateEdit* picker = col == col::kStartDate ? m_startDate : m_endDate;
        const QDate value(date->year, date->month, date->day);
        if (picker->date() != value) {
            const QSignalBlocker quiet(picker);
            picker->setDate(value);
        }
        return;
    }
    const auto time = PickerTime(text);
    if (!time)
        return;
    QTimeEdit* picker = col == col::kStartTime ? m_startTime : m_endTime;
    const QTime value(time->hour, time->minute);
    if (picker->time() != value) {
        const QSignalBlocker quiet(picker);
        picker->setTime(value);
    }
}

QString NumberPickers::CellText(int col) const {
    if (IsDateColumn(col)) {
        const QDate d = (col == col::kStartDate ? m_startDate : m_endDate)->date();
        return QString::fromStdString(PickerDateText({d.year(), d.month(), d.day()}));
    }
    const QTime t = (col == col::kStartTime ? m_startTime : m_endTime)->time();
    return QString::fromStdString(PickerTimeText({t.hour(), t.minute()}));
}
