#include "CellText.h"

#include <QDate>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace gsm::celltext {

namespace {

// The last serial a spreadsheet can show as a date: 9999-12-31.
constexpr double kLastSerialDay = 2958465.0;
constexpr qint64 kSecondsPerDay = 86400;

const QString kDatePicture = QStringLiteral("yyyy/MM/dd");

bool IsHexDigit(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

QString TimeText(const QTime& time, bool seconds) {
    return time.toString(seconds ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));
}

QString Joined(const QString& date, const QString& time) {
    if (date.isEmpty())
        return time;
    if (time.isEmpty())
        return date;
    return date + QLatin1Char(' ') + time;
}

// Serial day 60 of the 1900 system is 1900-02-29, a day that never was: the
// system keeps it for compatibility with old spreadsheets, so days before it
// are one off from a plain count.
QString DateOfSerialDay(qint64 day, bool epoch1904) {
    if (epoch1904)
        return QDate(1904, 1, 1).addDays(day).toString(kDatePicture);
    if (day == 60)
        return QStringLiteral("1900/02/29");
    const QDate base = day > 60 ? QDate(1899, 12, 30) : QDate(1899, 12, 31);
    return base.addDays(day).toString(kDatePicture);
}

// Drops the parts of a number format picture that never show date or time
// fields: quoted text, escaped characters, fill and padding pairs, and
// bracketed colours and locales (elapsed-time brackets such as [h] stay).
QString DateTimeFieldsOf(const QString& picture) {
    QString fields;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char(';'))
            break; // only the first section formats positive numbers and dates
        if (c == QLatin1Char('"')) {
            const qsizetype close = picture.indexOf(QLatin1Char('"'), i + 1);
            i = close < 0 ? picture.size() : close;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;
        } else if (c == QLatin1Char('[')) {
            const qsizetype close = picture.indexOf(QLatin1Char(']'), i + 1);
            const QString inside = picture.mid(i + 1, close < 0 ? -1 : close - i - 1).toLower();
            const bool elapsed = !inside.isEmpty() &&
                                 (inside.count(inside.at(0)) == inside.size()) &&
                                 QStringLiteral("hms").contains(inside.at(0));
            if (elapsed)
                fields += inside;
            i = close < 0 ? picture.size() : close;
        } else {
            fields += c.toLower();
        }
    }
    return fields.remove(QStringLiteral("am/pm")).remove(QStringLiteral("a/p"));
}

} // namespace

QString GeneralNumber(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    if (value == 0.0)
        return QStringLiteral("0"); // negative zero too
    return QString::number(value, 'g', 15).toUpper();
}

DateTimeShape ShapeOfBuiltInFormat(int formatId) {
    if ((formatId >= 14 && formatId <= 17) || (formatId >= 27 && formatId <= 36) ||
        (formatId >= 50 && formatId <= 58))
        return {true, false, false};
    switch (formatId) {
    case 18:
    case 20:
        return {false, true, false};
    case 19:
    case 21:
    case 45:
    case 46:
    case 47:
        return {false, true, true};
    case 22:
        return {true, true, false};
    default:
        return {};
    }
}

DateTimeShape ShapeOfFormatCode(const QString& formatCode) {
    const QString fields = DateTimeFieldsOf(formatCode);
    DateTimeShape shape;
    shape.date = fields.contains(QLatin1Char('y')) || fields.contains(QLatin1Char('d'));
    shape.seconds = fields.contains(QLatin1Char('s'));
    shape.time = fields.contains(QLatin1Char('h')) || shape.seconds;
    // "m" alone is a month; next to hours or seconds it is minutes.
    if (!shape.date && !shape.time && fields.contains(QLatin1Char('m')))
        shape.date = true;
    return shape;
}

QString SerialDateTime(double serial, bool epoch1904, DateTimeShape shape) {
    if (!shape.IsDateOrTime() || !std::isfinite(serial) || serial < 0.0 ||
        serial >= kLastSerialDay + 1.0)
        return GeneralNumber(serial);
    const qint64 totalSeconds = std::llround(serial * double(kSecondsPerDay));
    const qint64 day = totalSeconds / kSecondsPerDay;
    const QTime time = QTime(0, 0).addSecs(int(totalSeconds % kSecondsPerDay));
    return Joined(shape.date ? DateOfSerialDay(day, epoch1904) : QString(),
                  shape.time ? TimeText(time, shape.seconds) : QString());
}

QString IsoDateTime(const QString& iso) {
    const QString text = iso.trimmed();
    const bool hasDate = text.size() >= 10 && text.at(4) == QLatin1Char('-');
    const QString timePart = hasDate ? text.mid(11) : text;
    const QDate date = hasDate ? QDate::fromString(text.left(10), Qt::ISODate) : QDate();
    const QTime time =
        timePart.isEmpty() ? QTime() : QTime::fromString(timePart, Qt::ISODateWithMs);
    const bool dateOk = !hasDate || date.isValid();
    const bool timeOk = timePart.isEmpty() || time.isValid();
    if (!dateOk || !timeOk || (!hasDate && timePart.isEmpty()))
        return iso;
    return Joined(hasDate ? date.toString(kDatePicture) : QString(),
                  time.isValid() ? TimeText(time, timePart.size() > 5) : QString());
}

QString DecodeEscapes(const QString& text) {
    if (!text.contains(QStringLiteral("_x")))
        return text;
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() &&
            text.at(i + 1) == QLatin1Char('x') && text.at(i + 6) == QLatin1Char('_')) {
            const QString hex = text.mid(i + 2, 4);
            bool ok = std::all_of(hex.begin(), hex.end(), IsHexDigit);
            const ushort code = ok ? hex.toUShort(&ok, 16) : 0;
            if (ok) {
                decoded += QChar(code);
                i += 6;
                continue;
            }
        }
        decoded += text.at(i);
    }
    return decoded;
}

} // namespace gsm::celltext
