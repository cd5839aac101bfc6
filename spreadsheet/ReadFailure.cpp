#include "ReadFailure.h"

namespace gsm {

namespace {

QString ColumnLetters(qint64 column) {
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar(u'A' + char16_t((column - 1) % 26)));
    return letters;
}

QString Range(qint64 lastRow, qint64 lastColumn) {
    return QStringLiteral("A1:") + CellName(lastRow, lastColumn);
}

QString MostOf(const SheetBounds& bounds) {
    return QStringLiteral("%1, the most a file of this kind uses")
        .arg(Range(bounds.rows, bounds.columns));
}

} // namespace

void Fail(const QString& reason) {
    throw ReadFailure{reason};
}

void FailDamaged(const QString& detail) {
    Fail(QStringLiteral("it is damaged (%1)").arg(detail));
}

void FailOutside(qint64 row, qint64 column, const SheetBounds& bounds) {
    throw ReadFailure{
        QStringLiteral("cell %1 lies outside %2").arg(CellName(row, column), MostOf(bounds)), true};
}

void FailDeclaredExtent(qint64 lastRow, qint64 lastColumn, const SheetBounds& bounds) {
    throw ReadFailure{QStringLiteral("its sheet claims the range %1, more than %2")
                          .arg(Range(lastRow, lastColumn), MostOf(bounds)),
                      true};
}

void FailFormula(qint64 row, qint64 column) {
    Fail(QStringLiteral("cell %1 holds a formula; only typed values are read")
             .arg(CellName(row, column)));
}

void FailTooManyCells(qint64 limit) {
    Fail(QStringLiteral("it holds more than %1 cells, more than any file of this program")
             .arg(limit));
}

QString CellName(qint64 row, qint64 column) {
    return ColumnLetters(column) + QString::number(row);
}

} // namespace gsm
