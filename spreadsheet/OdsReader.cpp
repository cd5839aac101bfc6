#include "OdsReader.h"

#include "CellText.h"
#include "XmlPart.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <vector>

namespace gsm {

namespace {

const QString kMimeType = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
const QString kOfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kTextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kContentPart = QStringLiteral("content.xml");

bool Is(const QXmlStreamReader& xml, const QString& ns, QStringView name) {
    return xml.namespaceUri() == ns && xml.name() == name;
}

QStringView Attribute(const QXmlStreamAttributes& attributes, const QString& ns, QStringView name) {
    return attributes.value(ns, name.toString());
}

QStringView Attribute(const QXmlStreamReader& xml, const QString& ns, QStringView name) {
    return Attribute(xml.attributes(), ns, name);
}

// A repeat count: absent is 1; anything but a whole number from 1 to the
// sheet's height is damage.
qint64 RepeatCount(const QXmlStreamReader& xml, QStringView attribute) {
    const QStringView text = Attribute(xml, kTableNs, attribute);
    if (text.isEmpty())
        return 1;
    bool ok = false;
    const qint64 count = text.toLongLong(&ok);
    if (!ok || count < 1 || count > Sheet::kMaxRows)
        FailDamaged(QStringLiteral("the repeat count %1 is not valid").arg(text.toString()));
    return count;
}

void AppendChecked(QString& text, const QString& more) {
    if (text.size() + more.size() > limits::kMaxCellCharacters)
        FailDamaged(
            QStringLiteral("a cell holds more than %1 characters").arg(limits::kMaxCellCharacters));
    text += more;
}

// The text of a paragraph, with its spans, links, runs of spaces (<text:s
// text:c="n"/>), tabs and line breaks; notes attached to the cell are not
// part of what it shows. Spans inside spans are read by recursion, as deep
// as the part's nesting limit lets them go.
void ReadInlineText(QXmlStreamReader& xml, QString& text) {
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement())
            return;
        if (xml.isCharacters()) {
            AppendChecked(text, xml.text().toString());
        } else if (xml.isStartElement()) {
            if (Is(xml, kTextNs, u"s")) {
                const QStringView count = Attribute(xml, kTextNs, u"c");
                bool ok = count.isEmpty();
                const qint64 spaces = ok ? 1 : count.toLongLong(&ok);
                if (!ok || spaces < 1 || spaces > limits::kMaxCellCharacters)
                    FailDamaged(QStringLiteral("a run of spaces is not valid"));
                AppendChecked(text, QString(qsizetype(spaces), QLatin1Char(' ')));
                xml.skipCurrentElement();
            } else if (Is(xml, kTextNs, u"tab")) {
                AppendChecked(text, QStringLiteral("\t"));
                xml.skipCurrentElement();
            } else if (Is(xml, kTextNs, u"line-break")) {
                AppendChecked(text, QStringLiteral("\n"));
                xml.skipCurrentElement();
            } else if (Is(xml, kOfficeNs, u"annotation")) {
                xml.skipCurrentElement();
            } else {
                ReadInlineText(xml, text);
            }
        }
    }
}

// The cell's paragraphs, one line each.
QString ReadCellText(QXmlStreamReader& xml) {
    QString text;
    bool first = true;
    while (xml.readNextStartElement()) {
        if (Is(xml, kTextNs, u"p") || Is(xml, kTextNs, u"h")) {
            if (!first)
                AppendChecked(text, QStringLiteral("\n"));
            first = false;
            ReadInlineText(xml, text);
        } else {
            xml.skipCurrentElement();
        }
    }
    return text;
}

double NumberOf(QStringView stored) {
    bool ok = false;
    const double number = stored.trimmed().toDouble(&ok);
    if (!ok)
        FailDamaged(QStringLiteral("the number %1 is not valid").arg(stored.toString()));
    return number;
}

// "PT08H30M00S" (an ISO 8601 duration, as time cells store their value) in
// seconds.
double DurationSeconds(QStringView stored) {
    static const QRegularExpression duration(
        QStringLiteral(R"(^P(?:(\d+)D)?T(?:(\d+)H)?(?:(\d+)M)?(?:(\d+(?:\.\d+)?)S)?$)"));
    const QRegularExpressionMatch match = duration.match(stored.trimmed().toString());
    if (!match.hasMatch())
        FailDamaged(QStringLiteral("the time %1 is not valid").arg(stored.toString()));
    return match.capturedView(1).toDouble() * 86400.0 + match.capturedView(2).toDouble() * 3600.0 +
           match.capturedView(3).toDouble() * 60.0 + match.capturedView(4).toDouble();
}

// What a cell of value type `type` reads as; `shown` is the text Calc wrote
// for it.
QString TypedText(const QXmlStreamAttributes& attributes, const QString& type,
                  const QString& shown) {
    if (type == QStringLiteral("float") || type == QStringLiteral("percentage") ||
        type == QStringLiteral("currency"))
        return celltext::GeneralNumber(NumberOf(Attribute(attributes, kOfficeNs, u"value")));
    if (type == QStringLiteral("date")) {
        const QString stored = Attribute(attributes, kOfficeNs, u"date-value").toString();
        const QString text = celltext::IsoDateTime(stored);
        if (text == stored)
            FailDamaged(QStringLiteral("the date %1 is not valid").arg(stored));
        return text;
    }
    if (type == QStringLiteral("time")) {
        // The time shows seconds when Calc's own text for it does.
        celltext::DateTimeShape shape;
        shape.time = true;
        shape.seconds = shown.count(QLatin1Char(':')) >= 2;
        const double seconds = DurationSeconds(Attribute(attributes, kOfficeNs, u"time-value"));
        return celltext::SerialDateTime(seconds / 86400.0, false, shape);
    }
    if (type == QStringLiteral("boolean"))
        return Attribute(attributes, kOfficeNs, u"boolean-value") == QStringLiteral("true")
                   ? QStringLiteral("TRUE")
                   : QStringLiteral("FALSE");
    const QStringView stringValue = Attribute(attributes, kOfficeNs, u"string-value");
    return stringValue.isNull() ? shown : stringValue.toString();
}

// Repeat counts let a small file describe a huge sheet. Empty cells and rows
// cost nothing however often they repeat (Calc pads every sheet to its last
// row and column with them); filled ones are placed, and refused where they
// would lie outside the bounds or fill more cells than the bounds hold.
class ContentReader {
public:
    explicit ContentReader(const SheetBounds& bounds) : m_bounds(bounds) {}

    Sheet Read(const QByteArray& bytes) {
        QXmlStreamReader xml(bytes);
        bool found = false;
        while (!found && !xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && Is(xml, kTableNs, u"table")) {
                ReadRows(xml);
                found = true;
            }
        }
        if (xml.hasError())
            FailDamaged(QStringLiteral("the part %1 is not well-formed XML (%2)")
                            .arg(kContentPart, xml.errorString()));
        if (!found)
            FailDamaged(QStringLiteral("the workbook has no sheet"));
        return std::move(m_sheet);
    }

private:
    struct FilledCell {
        qint64 column;
        QString text;
    };

    // The rows of a table, also inside header rows and row groups.
    void ReadRows(QXmlStreamReader& xml) {
        while (xml.readNextStartElement()) {
            if (Is(xml, kTableNs, u"table-row"))
                ReadRow(xml);
            else if (Is(xml, kTableNs, u"table-header-rows") ||
                     Is(xml, kTableNs, u"table-row-group") || Is(xml, kTableNs, u"table-rows"))
                ReadRows(xml);
            else
                xml.skipCurrentElement();
        }
    }

    void ReadRow(QXmlStreamReader& xml) {
        const qint64 repeat = RepeatCount(xml, u"number-rows-repeated");
        std::vector<FilledCell> cells;
        qint64 column = 1;
        while (xml.readNextStartElement()) {
            if (Is(xml, kTableNs, u"table-cell"))
                ReadCell(xml, column, cells);
            else if (Is(xml, kTableNs, u"covered-table-cell"))
                SkipCell(xml, column);
            else
                xml.skipCurrentElement();
        }
        if (!cells.empty())
            PlaceRows(cells, repeat);
        m_row += repeat;
    }

    void SkipCell(QXmlStreamReader& xml, qint64& column) {
        RefuseFormula(xml, column);
        column += RepeatCount(xml, u"number-columns-repeated");
        xml.skipCurrentElement();
    }

    // A formula's stored value is whatever the writer last computed.
    void RefuseFormula(const QXmlStreamReader& xml, qint64 column) const {
        if (!Attribute(xml, kTableNs, u"formula").isNull())
            FailFormula(m_row, column);
    }

    void ReadCell(QXmlStreamReader& xml, qint64& column, std::vector<FilledCell>& cells) {
        RefuseFormula(xml, column);
        const qint64 repeat = RepeatCount(xml, u"number-columns-repeated");
        // The attributes are gone once the paragraphs are read.
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString type = Attribute(attributes, kOfficeNs, u"value-type").toString();
        const QString shown = ReadCellText(xml);
        const QString text = type.isEmpty() ? shown : TypedText(attributes, type, shown);
        if (!text.isEmpty()) {
            if (column + repeat - 1 > Sheet::kMaxColumns)
                FailDamaged(QStringLiteral("a cell lies outside the sheet"));
            if (!m_bounds.Contains(m_row, column + repeat - 1))
                FailOutside(m_row,
                            m_row > m_bounds.rows ? column
                                                  : qMax(column, qint64(m_bounds.columns) + 1),
                            m_bounds);
            if (qint64(cells.size()) + repeat > m_bounds.MaxCells())
                FailTooManyCells(m_bounds.MaxCells());
            for (qint64 i = 0; i < repeat; ++i)
                cells.push_back({column + i, text});
        }
        column += repeat;
    }

    void PlaceRows(const std::vector<FilledCell>& cells, qint64 repeat) {
        if (m_row + repeat - 1 > Sheet::kMaxRows)
            FailDamaged(QStringLiteral("a row lies outside the sheet"));
        if (m_row + repeat - 1 > m_bounds.rows)
            FailOutside(qMax(m_row, qint64(m_bounds.rows) + 1), cells.front().column, m_bounds);
        const qint64 most = m_bounds.MaxCells();
        if (repeat > most || m_filled + qint64(cells.size()) * repeat > most)
            FailTooManyCells(most);
        m_filled += qint64(cells.size()) * repeat;
        for (qint64 r = m_row; r < m_row + repeat; ++r) {
            for (const FilledCell& filled : cells) {
                SheetCell& cell = m_sheet.At(int(r), int(filled.column));
                cell.value = cell.shown = filled.text;
            }
        }
    }

    SheetBounds m_bounds;
    Sheet m_sheet;
    qint64 m_row = 1;
    qint64 m_filled = 0;
};

} // namespace

bool IsOdsPackage(const QString& path) {
    try {
        const ZipPackage package(path);
        return package.Has(QStringLiteral("mimetype")) &&
               package.Read(QStringLiteral("mimetype"), 256).trimmed() == kMimeType.toLatin1();
    } catch (const ReadFailure&) {
        return false;
    }
}

SheetRead ReadOdsFirstSheet(const QString& path, const SheetBounds& bounds) {
    try {
        const ZipPackage package(path);
        return {ContentReader(bounds).Read(ReadXmlPart(package, kContentPart)), {}};
    } catch (const ReadFailure& failure) {
        return {std::nullopt, failure.reason, failure.outsideBounds};
    }
}

} // namespace gsm
