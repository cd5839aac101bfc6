#pragma once
// The .xls reader process's answer (XlsStream.h), taken apart by a program
// that trusts none of it: every field is checked, and anything that is not
// exactly a well-formed answer is refused as unreadable.

#include "ReadLimits.h"
#include "Sheet.h"

#include <QByteArray>

namespace gsm {

// The sheet the answer carries, the reader's own reason to refuse the file,
// or "the file cannot be read" when the answer is malformed or holds a cell
// outside `bounds`.
SheetRead ParseXlsAnswer(const QByteArray& answer, const SheetBounds& bounds);

// The reason given for a file whose reader did not answer as it should.
QString UnreadableReason(const QString& why);

} // namespace gsm
