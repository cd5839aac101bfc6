// Numbers, dates and times as the workbook reader turns them into text.

#include "spreadsheet/CellText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace gsm::celltext;

TEST(CellTextTest, NumbersReadAsTheGeneralFormatShowsThem) {
    EXPECT_EQ(GeneralNumber(12.0), QStringLiteral("12"));
    EXPECT_EQ(GeneralNumber(1.5), QStringLiteral("1.5"));
    EXPECT_EQ(GeneralNumber(0.1 + 0.2), QStringLiteral("0.3")); // no binary noise
    EXPECT_EQ(GeneralNumber(-0.0), QStringLiteral("0"));
    EXPECT_EQ(GeneralNumber(-3.0), QStringLiteral("-3"));
    EXPECT_EQ(GeneralNumber(13800138000.0), QStringLiteral("13800138000"));
    EXPECT_EQ(GeneralNumber(1e20), QStringLiteral("1E+20"));
    EXPECT_EQ(GeneralNumber(1.5e-7), QStringLiteral("1.5E-07"));
    EXPECT_EQ(GeneralNumber(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("#NUM!"));
}

TEST(CellTextTest, FormatPicturesToldApartByTheirDateAndTimeFields) {
    struct Case {
        const char* picture;
        bool date, time, seconds;
    };
    const Case cases[] = {
        {"General", false, false, false},
        {"0.00", false, false, false},
        {"@", false, false, false},
        {"[Red]0.00", false, false, false},    // a colour, not a day
        {"0.0 \"days\"", false, false, false}, // quoted label
        {"#,##0\\d", false, false, false},     // escaped character
        {"yyyy/mm/dd;@", true, false, false},
        {"mmm", true, false, false},        // a month alone
        {"hh:mm", false, true, false},      // minutes beside hours
        {"h:mm AM/PM", false, true, false}, // AM/PM holds an "m"
        {"[h]:mm:ss", false, true, true},   // elapsed hours
        {"d-mmm-yy h:mm:ss", true, true, true},
        {"[$-409]yyyy-mm-dd", true, false, false},
    };
    for (const Case& c : cases) {
        const DateTimeShape shape = ShapeOfFormatCode(QString::fromUtf8(c.picture));
        EXPECT_EQ(shape.date, c.date) << c.picture;
        EXPECT_EQ(shape.time, c.time) << c.picture;
        EXPECT_EQ(shape.seconds, c.seconds) << c.picture;
    }
    EXPECT_TRUE(ShapeOfBuiltInFormat(14).date);
    EXPECT_FALSE(ShapeOfBuiltInFormat(14).time);
    EXPECT_TRUE(ShapeOfBuiltInFormat(20).time);
    EXPECT_FALSE(ShapeOfBuiltInFormat(20).seconds);
    EXPECT_TRUE(ShapeOfBuiltInFormat(22).date && ShapeOfBuiltInFormat(22).time);
    EXPECT_FALSE(ShapeOfBuiltInFormat(49).IsDateOrTime());
    EXPECT_FALSE(ShapeOfBuiltInFormat(0).IsDateOrTime());
}

TEST(CellTextTest, SerialDaysInBothDateSystems) {
    const DateTimeShape date{true, false, false};
    const DateTimeShape time{false, true, false};
    const DateTimeShape both{true, true, true};
    EXPECT_EQ(SerialDateTime(42069, false, date), QStringLiteral("2015/03/06"));
    EXPECT_EQ(SerialDateTime(1, false, date), QStringLiteral("1900/01/01"));
    // Day 60 of the 1900 system is the 29th of February that 1900 never had.
    EXPECT_EQ(SerialDateTime(59, false, date), QStringLiteral("1900/02/28"));
    EXPECT_EQ(SerialDateTime(60, false, date), QStringLiteral("1900/02/29"));
    EXPECT_EQ(SerialDateTime(61, false, date), QStringLiteral("1900/03/01"));
    EXPECT_EQ(SerialDateTime(0, true, date), QStringLiteral("1904/01/01"));
    EXPECT_EQ(SerialDateTime(40607, true, date), QStringLiteral("2015/03/06"));
    EXPECT_EQ(SerialDateTime(0.354166666666667, false, time), QStringLiteral("08:30"));
    EXPECT_EQ(SerialDateTime(0.999305555555556, false, time), QStringLiteral("23:59"));
    EXPECT_EQ(SerialDateTime(42069.5, false, both), QStringLiteral("2015/03/06 12:00:00"));
    // Outside the calendar a number stays a number.
    EXPECT_EQ(SerialDateTime(-1, false, date), QStringLiteral("-1"));
    EXPECT_EQ(SerialDateTime(3e6, false, date), QStringLiteral("3000000"));
}

TEST(CellTextTest, IsoDatesAndTimesInTheProgramsFormats) {
    EXPECT_EQ(IsoDateTime(QStringLiteral("2015-03-06")), QStringLiteral("2015/03/06"));
    EXPECT_EQ(IsoDateTime(QStringLiteral("2015-03-06T08:30:00")),
              QStringLiteral("2015/03/06 08:30:00"));
    EXPECT_EQ(IsoDateTime(QStringLiteral("2015-03-06 08:30:15")),
              QStringLiteral("2015/03/06 08:30:15"));
    EXPECT_EQ(IsoDateTime(QStringLiteral("08:30")), QStringLiteral("08:30"));
    EXPECT_EQ(IsoDateTime(QStringLiteral("2015-13-06")), QStringLiteral("2015-13-06"));
    EXPECT_EQ(IsoDateTime(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(CellTextTest, EscapedCharactersDecoded) {
    EXPECT_EQ(DecodeEscapes(QStringLiteral("a_x000D_b")), QStringLiteral("a\rb"));
    EXPECT_EQ(DecodeEscapes(QStringLiteral("_x005F_x000D_")), QStringLiteral("_x000D_"));
    EXPECT_EQ(DecodeEscapes(QStringLiteral("_xZZZZ_ and _x12_")),
              QStringLiteral("_xZZZZ_ and _x12_"));
    EXPECT_EQ(DecodeEscapes(QStringLiteral("_x+12A_")), QStringLiteral("_x+12A_"));
}

} // namespace
