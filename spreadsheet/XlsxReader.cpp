#include "XlsxReader.h"

#include "CellText.h"
#include "XlsxParts.h"
#include "XmlPart.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

namespace gsm {

namespace {

using xlsx::CellStyle;

const QString kOfficeDocumentType = QStringLiteral("/officeDocument");
const QString kSharedStringsType = QStringLiteral("/sharedStrings");
const QString kStylesType = QStringLiteral("/styles");

struct CellReference {
    int row = 0;
    int column = 0;
};

bool IsColumnLetter(QChar c) {
    return c.unicode() >= u'A' && c.unicode() <= u'Z';
}

// "B12" → row 12, column 2; fails on anything else.
CellReference ParseReference(QStringView reference) {
    // The last column is XFD: a fourth letter already lies outside the sheet,
    // and counting further letters would overflow the column number.
    constexpr qsizetype kMaxLetters = 3;
    CellReference parsed;
    qsizetype i = 0;
    for (; i < reference.size() && i <= kMaxLetters && IsColumnLetter(reference.at(i)); ++i)
        parsed.column = parsed.column * 26 + (reference.at(i).unicode() - u'A' + 1);
    bool ok = i > 0 && i <= kMaxLetters;
    parsed.row = ok ? reference.mid(i).toInt(&ok) : 0;
    if (!ok || !Sheet::IsInside(parsed.row, parsed.column))
        FailDamaged(QStringLiteral("the cell reference %1 is not valid").arg(reference.toString()));
    return parsed;
}

class SheetPartReader {
public:
    SheetPartReader(const QStringList& sharedStrings, const std::vector<CellStyle>& styles,
                    bool epoch1904, const SheetBounds& bounds)
        : m_sharedStrings(sharedStrings), m_styles(styles), m_epoch1904(epoch1904),
          m_bounds(bounds) {}

    Sheet Read(const QByteArray& bytes, const QString& part) {
        QXmlStreamReader xml(bytes);
        if (xml.readNextStartElement()) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("dimension")) {
                    CheckDimension(xml.attributes().value(QStringLiteral("ref")));
                    xml.skipCurrentElement();
                } else if (xml.name() == QStringLiteral("sheetData")) {
                    ReadSheetData(xml);
                } else {
                    xml.skipCurrentElement();
                }
            }
        }
        if (xml.hasError())
            FailDamaged(QStringLiteral("the part %1 is not well-formed XML (%2)")
                            .arg(part, xml.errorString()));
        return std::move(m_sheet);
    }

private:
    // "A1:H1001", or one cell: the writer's own word on where the cells lie,
    // refused before any cell is read when it goes beyond the bounds.
    void CheckDimension(QStringView range) {
        if (range.isEmpty())
            return;
        const qsizetype colon = range.indexOf(QLatin1Char(':'));
        const CellReference last = ParseReference(colon < 0 ? range : range.mid(colon + 1));
        if (!m_bounds.Contains(last.row, last.column))
            FailDeclaredExtent(last.row, last.column, m_bounds);
    }

    void ReadSheetData(QXmlStreamReader& xml) {
        while (xml.readNextStartElement()) {
            if (xml.name() != QStringLiteral("row")) {
                xml.skipCurrentElement();
                continue;
            }
            StartRow(xml.attributes().value(QStringLiteral("r")));
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("c"))
                    ReadCell(xml);
                else
                    xml.skipCurrentElement();
            }
        }
    }

    // Rows and cells may leave out their numbers: each then follows the one before.
    void StartRow(QStringView number) {
        bool ok = true;
        m_row = number.isEmpty() ? m_row + 1 : number.toInt(&ok);
        if (!ok || m_row < 1 || m_row > Sheet::kMaxRows)
            FailDamaged(QStringLiteral("the row number %1 is not valid").arg(number.toString()));
        m_column = 0;
    }

    void ReadCell(QXmlStreamReader& xml) {
        // Every cell element counts, empty or not: the same cell named a
        // million times costs as much time as a million cells.
        if (++m_cellsRead > m_bounds.MaxCells())
            FailTooManyCells(m_bounds.MaxCells());
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView reference = attributes.value(QStringLiteral("r"));
        CellReference at{m_row, m_column + 1};
        if (!reference.isEmpty())
            at = ParseReference(reference);
        if (!Sheet::IsInside(at.row, at.column))
            FailDamaged(QStringLiteral("a cell lies outside the sheet"));
        if (!m_bounds.Contains(at.row, at.column))
            FailOutside(at.row, at.column, m_bounds);
        m_row = at.row;
        m_column = at.column;
        const QString type = attributes.value(QStringLiteral("t")).toString();
        const CellStyle style = StyleAt(attributes.value(QStringLiteral("s")));

        QString stored;
        bool hasStored = false;
        while (xml.readNextStartElement()) {
            if (xml.name() == QStringLiteral("v")) {
                stored = xml.readElementText();
                hasStored = true;
            } else if (xml.name() == QStringLiteral("is")) {
                stored = xlsx::ReadStringItem(xml);
                hasStored = true;
            } else if (xml.name() == QStringLiteral("f")) {
                FailFormula(at.row, at.column);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (stored.size() > limits::kMaxCellCharacters)
            FailDamaged(QStringLiteral("a cell holds more than %1 characters")
                            .arg(limits::kMaxCellCharacters));
        if (stored.isEmpty() && type != QStringLiteral("s"))
            hasStored = false; // an empty value is an empty cell
        if (!hasStored && !style.textFormat)
            return;
        SheetCell& cell = m_sheet.At(at.row, at.column);
        cell.textFormat = style.textFormat;
        if (hasStored)
            cell.value = cell.shown = CellText(type, stored, style);
    }

    CellStyle StyleAt(QStringView index) const {
        const int i = index.toInt();
        return i >= 0 && std::size_t(i) < m_styles.size() ? m_styles[std::size_t(i)] : CellStyle{};
    }

    QString CellText(const QString& type, const QString& stored, const CellStyle& style) const {
        if (type == QStringLiteral("s"))
            return SharedString(stored);
        if (type == QStringLiteral("inlineStr"))
            return stored;
        if (type == QStringLiteral("str"))
            return celltext::DecodeEscapes(stored);
        if (type == QStringLiteral("b"))
            return xlsx::IsTrue(stored) ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == QStringLiteral("e"))
            return stored;
        if (type == QStringLiteral("d"))
            return celltext::IsoDateTime(stored);
        return NumberText(stored, style);
    }

    QString SharedString(const QString& stored) const {
        bool ok = false;
        const int index = stored.toInt(&ok);
        if (!ok || index < 0 || index >= m_sharedStrings.size())
            FailDamaged(
                QStringLiteral("a cell names the shared string %1, which is missing").arg(stored));
        return m_sharedStrings.at(index);
    }

    QString NumberText(const QString& stored, const CellStyle& style) const {
        bool ok = false;
        const double number = stored.trimmed().toDouble(&ok);
        if (!ok)
            FailDamaged(QStringLiteral("the number %1 is not valid").arg(stored));
        return style.shape.IsDateOrTime()
                   ? celltext::SerialDateTime(number, m_epoch1904, style.shape)
                   : celltext::GeneralNumber(number);
    }

    const QStringList& m_sharedStrings;
    const std::vector<CellStyle>& m_styles;
    bool m_epoch1904;
    SheetBounds m_bounds;
    Sheet m_sheet;
    int m_row = 0;
    int m_column = 0;
    qint64 m_cellsRead = 0;
};

Sheet ReadFirstSheet(const QString& path, const SheetBounds& bounds) {
    const ZipPackage package(path);
    QString workbookPart =
        xlsx::TargetOfType(xlsx::ReadRelationships(package, QString()), kOfficeDocumentType);
    if (workbookPart.isEmpty())
        workbookPart = QStringLiteral("xl/workbook.xml");
    if (!package.Has(workbookPart))
        Fail(QStringLiteral("it holds no workbook"));
    const xlsx::WorkbookFacts facts = xlsx::ReadWorkbookFacts(package, workbookPart);
    const std::vector<xlsx::Relationship> relationships =
        xlsx::ReadRelationships(package, workbookPart);
    const QString sheetPart = xlsx::TargetOfId(relationships, facts.firstSheetId);
    if (sheetPart.isEmpty())
        FailDamaged(QStringLiteral("the first worksheet has no part"));
    const QByteArray sheetBytes = ReadXmlPart(package, sheetPart);
    const QStringList sharedStrings =
        xlsx::ReadSharedStrings(package, xlsx::TargetOfType(relationships, kSharedStringsType));
    const std::vector<CellStyle> styles =
        xlsx::ReadCellStyles(package, xlsx::TargetOfType(relationships, kStylesType));
    return SheetPartReader(sharedStrings, styles, facts.epoch1904, bounds)
        .Read(sheetBytes, sheetPart);
}

} // namespace

SheetRead ReadXlsxFirstSheet(const QString& path, const SheetBounds& bounds) {
    try {
        return {ReadFirstSheet(path, bounds), {}};
    } catch (const ReadFailure& failure) {
        return {std::nullopt, failure.reason, failure.outsideBounds};
    }
}

} // namespace gsm
