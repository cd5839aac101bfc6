#include "XlsxParts.h"

#include "XmlPart.h"

#include <QHash>
#include <QXmlStreamReader>

namespace gsm::xlsx {

namespace {

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

void AppendCellText(QString& text, const QString& more) {
    if (text.size() + more.size() > limits::kMaxCellCharacters)
        FailDamaged(
            QStringLiteral("a cell holds more than %1 characters").arg(limits::kMaxCellCharacters));
    text += more;
}

} // namespace

std::vector<Relationship> ReadRelationships(const ZipPackage& package, const QString& sourcePart) {
    const QString relsPart = RelationshipsPartOf(sourcePart);
    std::vector<Relationship> relationships;
    if (!package.Has(relsPart))
        return relationships;
    QXmlStreamReader xml(ReadXmlPart(package, relsPart));
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

bool IsTrue(QStringView value) {
    return value == QStringLiteral("1") || value == QStringLiteral("true");
}

WorkbookFacts ReadWorkbookFacts(const ZipPackage& package, const QString& part) {
    WorkbookFacts facts;
    QXmlStreamReader xml(ReadXmlPart(package, part));
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

QString ReadStringItem(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == QStringLiteral("t")) {
            AppendCellText(text, xml.readElementText());
        } else if (xml.name() == QStringLiteral("r")) {
            while (xml.readNextStartElement()) {
                if (xml.name() == QStringLiteral("t"))
                    AppendCellText(text, xml.readElementText());
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
    QXmlStreamReader xml(ReadXmlPart(package, part));
    qint64 characters = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QStringLiteral("si"))
            continue;
        if (strings.size() == limits::kMaxSharedStrings)
            Fail(QStringLiteral("it holds more than %1 shared strings, more than any file of "
                                "this program")
                     .arg(limits::kMaxSharedStrings));
        strings.append(ReadStringItem(xml));
        characters += strings.constLast().size();
        if (characters > limits::kMaxSharedCharacters)
            Fail(QStringLiteral("its shared strings hold more than %1 characters, more than any "
                                "file of this program")
                     .arg(limits::kMaxSharedCharacters));
    }
    FailOnXmlError(xml, part);
    return strings;
}

std::vector<CellStyle> ReadCellStyles(const ZipPackage& package, const QString& part) {
    std::vector<CellStyle> styles;
    if (part.isEmpty() || !package.Has(part))
        return styles;
    QHash<int, QString> customPictures;
    std::vector<int> formatIds;
    QXmlStreamReader xml(ReadXmlPart(package, part));
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
    // Each format is looked at once, however many styles share it: a long
    // picture named by a million styles would otherwise be read a million times.
    QHash<int, CellStyle> styleOfFormat;
    for (const int id : formatIds) {
        auto known = styleOfFormat.constFind(id);
        if (known == styleOfFormat.constEnd()) {
            const auto custom = customPictures.constFind(id);
            CellStyle style;
            style.shape = custom == customPictures.constEnd()
                              ? celltext::ShapeOfBuiltInFormat(id)
                              : celltext::ShapeOfFormatCode(*custom);
            style.textFormat = id == kTextFormatId || (custom != customPictures.constEnd() &&
                                                       *custom == QStringLiteral("@"));
            known = styleOfFormat.insert(id, style);
        }
        styles.push_back(*known);
    }
    return styles;
}

} // namespace gsm::xlsx
