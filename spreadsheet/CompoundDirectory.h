#pragma once
// A first look at a legacy workbook's container (a compound document) before
// the legacy reader sees it. That reader trusts each directory entry's stored
// name length and reads past the 64-byte name field when the length is
// larger, so such a file must be refused before it gets there.

#include <QByteArray>
#include <QString>

namespace gsm {

// Empty when every entry of the document's directory keeps its name inside
// its name field; otherwise why the file cannot be read.
QString CheckCompoundDirectory(const QByteArray& document);

} // namespace gsm
