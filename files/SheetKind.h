#pragma once
// Settings profiles and number lists are told apart by cell A1, as the
// imports tell them: "Items" heads a profile, "Serial" a number list. A
// workbook is opened as the kind its caller expects, within that kind's
// sheet (SheetShape.h) and the limits every workbook read is held to; a
// file of the other kind is refused saying which kind it is, and anything
// else that is no file of the expected kind keeps the window's own message,
// "Wrong format of the setting profile".

#include "spreadsheet/Workbook.h"

#include <QString>

#include <optional>

namespace gsm::files {

enum class SheetKind { SettingsProfile, NumberList };

struct KindedWorkbook {
    std::optional<Workbook> book; // open, with A1 the expected kind's header
    QString refusal;              // why not, one line naming the file
};

KindedWorkbook OpenWorkbookOf(const QString& path, SheetKind expected);

// "\"list.xlsx\" is a number list (A1 \"Serial\"), not a settings profile (A1 \"Items\")."
QString WrongKindMessage(const QString& path, SheetKind found, const QString& foundMark,
                         SheetKind expected);

} // namespace gsm::files
