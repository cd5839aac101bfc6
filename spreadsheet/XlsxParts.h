#pragma once
// The parts of an .xlsx package around its worksheets: relationships, the
// workbook part, shared strings and cell styles. Each is read through
// ReadXmlPart, within the limits of ReadLimits.h.

#include "CellText.h"
#include "ZipPackage.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class QXmlStreamReader;

namespace gsm::xlsx {

struct Relationship {
    QString id;
    QString type;
    QString target; // resolved to a part name
};

// The relationships of `sourcePart` (the package's own for an empty name);
// external targets are left out.
std::vector<Relationship> ReadRelationships(const ZipPackage& package, const QString& sourcePart);
QString TargetOfType(const std::vector<Relationship>& relationships, const QString& typeSuffix);
QString TargetOfId(const std::vector<Relationship>& relationships, const QString& id);

// The workbook part's facts the sheet reader needs.
struct WorkbookFacts {
    QString firstSheetId;
    bool epoch1904 = false;
};
WorkbookFacts ReadWorkbookFacts(const ZipPackage& package, const QString& part);

// The text of a string item (<si> or <is>): plain <t>, or rich-text runs
// <r><t>; phonetic guides (<rPh>) are not part of the text. Fails beyond the
// characters one cell may hold.
QString ReadStringItem(QXmlStreamReader& xml);

// The shared strings, within their count and size limits; none when `part`
// is empty or missing.
QStringList ReadSharedStrings(const ZipPackage& package, const QString& part);

// What each cell style (the cell's s attribute) does to a number.
struct CellStyle {
    celltext::DateTimeShape shape;
    bool textFormat = false;
};
std::vector<CellStyle> ReadCellStyles(const ZipPackage& package, const QString& part);

bool IsTrue(QStringView value);

} // namespace gsm::xlsx
