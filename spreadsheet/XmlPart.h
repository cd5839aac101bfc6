#pragma once
// An XML part of a workbook package, read within the package's limits and
// looked over once before its reader sees it: no document type (workbook
// parts never declare one, and entity tricks need one) and no nesting deeper
// than limits::kMaxXmlDepth, so the readers, some of which recurse, meet only
// the shapes real files have.

#include "ZipPackage.h"

#include <QByteArray>
#include <QString>

namespace gsm {

QByteArray ReadXmlPart(const ZipPackage& package, const QString& part);

// The same check for bytes already read; fails naming `part`.
void CheckXmlShape(const QByteArray& bytes, const QString& part);

} // namespace gsm
