#include "XlsxReader.h"

#include "CellText.h"
#include "ZipPackage.h"

#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

namespace gsm {

namespace {

const QString kOfficeDocumentType = QStringLiteral("/officeDocument");
const QString kSharedStringsType = QStringLiteral("/sharedStrings");
const QString kStylesType = QStringLiteral("/styles");
constexpr int kTextFormatId = 49; // "@"

QString FolderOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash + 1);
}

QString RelationshipsPartOf(const QString& part) {
    const QString folder = FolderOf(part);
    return folder + QStringLiteral("_rels/") + part.mid(folder.size()) + QStringLiteral(".rels");
}

// A relationship target is relative to the folder of the part that names it,
// or absolute from the package root.
QString ResolveTarget(const QString& sourcePart, const QString& target) {
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QStringList segments;
    for (const QString& segment : (FolderOf(sourcePart) + target).split(QLatin1Char('/'))) {
        if (segment == QStringLiteral("..")) {
            if (!segments.isEmpty())
                segments.removeLast();
        } else if (!segment.isEmpty() && segment != QStringLiteral(".")) {
            segments.append(segment);
        }
    }
    return segments.join(QLatin1Char('/'));
}

void FailOnXmlError(const QXmlStreamReader& xml, const QString& part) {
    if (xml.hasError())
        FailDamaged(
            QStringLiteral("the part %1 is not well-formed XML (%2)").arg(part, xml.errorString()));
}

struct Relationship {
    QString id;
    QString type;
    QString target; // resolved to a part name
};

std::vector<Relationship> ReadRelationships(const ZipPackage& package, const QString& sourcePart) {
    const QString relsPart = RelationshipsPartOf(sourcePart);
    std::vector<Relationship> relationships;
    if (!package.Has(relsPart))
        return relationships;
    QXmlStreamReader xml(package.Read(relsPart));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QStringLiteral("Relationship"))
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value(QStringLiteral("TargetMode")) == QStringLiteral("External"))
            continue;
        relationships.push_back(
            {attributes.value(QStringLiteral("Id")).toString(),
             attributes.value(QStringLiteral("Type")).toString(),
             ResolveTarget(sourcePart, attributes.value(QStringLiteral("Target")).toString())});
    }
    FailOnXmlError(xml, relsPart);
    return relationships;
}

QString TargetOfType(const std::vector<Relationship>& relationships, const QString& typeSuffix) {
    for (const Relationship& relationship : relationships)
        if (relationship.type.endsWith(typeSuffix))
            return relationship.target;
    return {};
}

QString TargetOfId(const std::vector<Relationship>& relationships, const QString& id) {
    for (const Relationship& relationship : relationships)
        if (relationship.id == id)
            return relationship.target;
    return {};
}

// The text of a string item (<si> or <is>): plain <t>, or rich-text runs
// <r><t>; phonetic guides (<rPh>) are not part of the text.
QString ReadStringItem(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == QStringLiteral("t")) {
            text += xml.readElementText();
        } else if (xml.name() == QStringLiteral("r")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("t"))
                    text += xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return celltext::DecodeEscapes(text);
}

QStringList ReadSharedStrings(const ZipPackage& package, const QString& part) {
    QStringList strings;
    if (part.isEmpty() || !package.Has(part))
        return strings;
    QXmlStreamReader xml(package.Read(part));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("si"))
            strings.append(ReadStringItem(xml));
    }
    FailOnXmlError(xml, part);
    return strings;
}

// What each cell style (the cell's s attribute) does to a number.
struct CellStyle {
    celltext::DateTimeShape shape;
    bool textFormat = false;
};

std::vector<CellStyle> ReadCellStyles(const ZipPackage& package, const QString& part) {
    std::vector<CellStyle> styles;
    if (part.isEmpty() || !package.Has(part))
        return styles;
    QHash<int, QString> customPictures;
    std::vector<int> formatIds;
    QXmlStreamReader xml(package.Read(part));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QStringLiteral("numFmt")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            customPictures.insert(attributes.value(QStringLiteral("numFmtId")).toInt(),
                                  attributes.value(QStringLiteral("formatCode")).toString());
        } else if (xml.name() == QStringLiteral("cellXfs")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("xf"))
                    formatIds.push_back(xml.attributes().value(QStringLiteral("numFmtId")).toInt());
                xml.skipCurrentElement();
            }
        }
    }
    FailOnXmlError(xml, part);
    for (const int id : formatIds) {
        const auto custom = customPictures.constFind(id);
        CellStyle style;
        style.shape = custom == customPictures.constEnd() ? celltext::ShapeOfBuiltInFormat(id)
                                                          : celltext::ShapeOfFormatCode(*custom);
        style.textFormat = id == kTextFormatId ||
                           (custom != customPictures.constEnd() && *custom == QStringLiteral("@"));
        styles.push_back(style);
    }
    return styles;
}

// The workbook part's facts the sheet reader needs.
struct WorkbookFacts {
    QString firstSheetId;
    bool epoch1904 = false;
};

bool IsTrue(QStringView value) {
    return value == QStringLiteral("1") || value == QStringLiteral("true");
}

WorkbookFacts ReadWorkbookFacts(const ZipPackage& package, const QString& part) {
    WorkbookFacts facts;
    QXmlStreamReader xml(package.Read(part));
    while (!xml.atEnd() && facts.firstSheetId.isEmpty()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QStringLiteral("workbookPr")) {
            facts.epoch1904 = IsTrue(xml.attributes().value(QStringLiteral("date1904")));
        } else if (xml.name() == QStringLiteral("sheet")) {
            // The relationship id is the "id" attribute in the relationships
            // namespace, whatever prefix the writer gave that namespace.
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                if (attribute.name() == QStringLiteral("id") && !attribute.namespaceUri().isEmpty())
                    facts.firstSheetId = attribute.value().toString();
        }
    }
    FailOnXmlError(xml, part);
    if (facts.firstSheetId.isEmpty())
        FailDamaged(QStringLiteral("the workbook has no worksheet"));
    return facts;
}

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
                    bool epoch1904)
        : m_sharedStrings(sharedStrings), m_styles(styles), m_epoch1904(epoch1904) {}

    Sheet Read(const QByteArray& bytes, const QString& part) {
        QXmlStreamReader xml(bytes);
        if (xml.readNextStartElement()) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("sheetData"))
                    ReadSheetData(xml);
                else
                    xml.skipCurrentElement();
            }
        }
        FailOnXmlError(xml, part);
        return std::move(m_sheet);
    }

private:
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
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView reference = attributes.value(QStringLiteral("r"));
        CellReference at{m_row, m_column + 1};
        if (!reference.isEmpty())
            at = ParseReference(reference);
        if (!Sheet::IsInside(at.row, at.column))
            FailDamaged(QStringLiteral("a cell lies outside the sheet"));
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
                stored = ReadStringItem(xml);
                hasStored = true;
            } else {
                xml.skipCurrentElement(); // formulas: only their results count
            }
        }
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
            return IsTrue(stored) ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
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
    Sheet m_sheet;
    int m_row = 0;
    int m_column = 0;
};

Sheet ReadFirstSheet(const QString& path) {
    const ZipPackage package(path);
    QString workbookPart = TargetOfType(ReadRelationships(package, QString()), kOfficeDocumentType);
    if (workbookPart.isEmpty())
        workbookPart = QStringLiteral("xl/workbook.xml");
    if (!package.Has(workbookPart))
        Fail(QStringLiteral("it holds no workbook"));
    const WorkbookFacts facts = ReadWorkbookFacts(package, workbookPart);
    const std::vector<Relationship> relationships = ReadRelationships(package, workbookPart);
    const QString sheetPart = TargetOfId(relationships, facts.firstSheetId);
    if (sheetPart.isEmpty())
        FailDamaged(QStringLiteral("the first worksheet has no part"));
    const QStringList sharedStrings =
        ReadSharedStrings(package, TargetOfType(relationships, kSharedStringsType));
    const std::vector<CellStyle> styles =
        ReadCellStyles(package, TargetOfType(relationships, kStylesType));
    return SheetPartReader(sharedStrings, styles, facts.epoch1904)
        .Read(package.Read(sheetPart), sheetPart);
}

} // namespace

SheetRead ReadXlsxFirstSheet(const QString& path) {
    try {
        return {ReadFirstSheet(path), {}};
    } catch (const ReadFailure& failure) {
        return {std::nullopt, failure.reason};
    }
}

} // namespace gsm
