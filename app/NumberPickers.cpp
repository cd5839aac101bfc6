#include "NumberPickers.h"

#include "NumberGrid.h"
#include "PeriodText.h"

#include <QDateEdit>
#include <QFont>
#include <QSignalBlocker>
#include <QTimeEdit>

#include <initializer_list>

using namespace gsm::numbers;

TNumberPickers::TNumberPickers(QDateEdit* startDate, QTimeEdit* startTime, QDateEdit* endDate,
                               QTimeEdit* endTime)
    : m_startDate(startDate), m_startTime(startTime), m_endDate(endDate), m_endTime(endTime) {}

void TNumberPickers::FitToCells() {
    for (QAbstractSpinBox* picker :
         std::initializer_list<QAbstractSpinBox*>{m_startDate, m_startTime, m_endDate, m_endTime}) {
        picker->setFrame(false);
        QFont narrow = picker->font();
        narrow.setStretch(QFont::SemiCondensed);
        picker->setFont(narrow);
    }
}

QWidget* TNumberPickers::For(int col) const {
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

void TNumberPickers::ShowOnly(int col) {
    for (int c = kFirstCol; c < kFirstCol + kCount; ++c)
        For(c)->setVisible(c == col);
}

void TNumberPickers::SendBehind() {
    for (int c = kFirstCol; c < kFirstCol + kCount; ++c) {
        // To the very back: just under the grid would still put a picker
        // that was never laid over a cell in front of the button panel.
        For(c)->lower();
        m_inFront[static_cast<std::size_t>(c - kFirstCol)] = false;
    }
}

void TNumberPickers::PlaceOver(int col, const QRect& cell) {
    QWidget* picker = For(col);
    if (!picker)
        return;
    if (picker->geometry() != cell)
        picker->setGeometry(cell);
    bool& inFront = m_inFront[static_cast<std::size_t>(col - kFirstCol)];
    if (!inFront) {
        picker->raise();
        inFront = true;
    }
    if (!picker->isVisible())
        picker->show();
}

bool TNumberPickers::InFront(int col) const {
    return For(col) && m_inFront[static_cast<std::size_t>(col - kFirstCol)];
}

void TNumberPickers::Load(int col, const QString& cellText) {
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

QString TNumberPickers::CellText(int col) const {
    if (IsDateColumn(col)) {
        const QDate d = (col == col::kStartDate ? m_startDate : m_endDate)->date();
        return QString::fromStdString(PickerDateText({d.year(), d.month(), d.day()}));
    }
    const QTime t = (col == col::kStartTime ? m_startTime : m_endTime)->time();
    return QString::fromStdString(PickerTimeText({t.hour(), t.minute()}));
}
