#pragma once
// How numbers, dates and times stored in a workbook come back as text.
//
// A plain number reads as a spreadsheet's General format shows it: 12, not
// 12.0; 1.5; at most 15 significant digits, so binary noise never shows.
// A number under a date or time format comes back in the program's own
// formats ("yyyy/MM/dd", "hh:mm", "hh:mm:ss"), whatever picture the
// spreadsheet used to show it: the program compares and stores dates and
// times only in those forms.

#include <QString>

namespace gsm::celltext {

QString GeneralNumber(double value);

// What a number format shows of a date-time serial.
struct DateTimeShape {
    bool date = false;
    bool time = false;
    bool seconds = false;
    bool IsDateOrTime() const { return date || time; }
};

// The built-in formats are known by number; the others by their picture.
DateTimeShape ShapeOfBuiltInFormat(int formatId);
DateTimeShape ShapeOfFormatCode(const QString& formatCode);

// A serial day number (days since the workbook's epoch, the time of day as
// the fraction) shown in the given shape.
QString SerialDateTime(double serial, bool epoch1904, DateTimeShape shape);

// An ISO 8601 date and time ("2015-03-06", "2015-03-06T08:30:00", "08:30:00")
// in the program's formats; the text itself when it is not one.
QString IsoDateTime(const QString& iso);

// Workbook XML writes characters it cannot hold literally as _xHHHH_.
QString DecodeEscapes(const QString& text);

} // namespace gsm::celltext
