#pragma once
// The program's modal dialogs. Each is a QMessageBox run with exec(), so it
// is the application's active modal widget while it waits for the user.

#include <QMessageBox>
#include <QString>

class QWidget;

// The dialogs' own texts are looked up in the context "MessageBoxes".
//: Confirms a read; Y is the key that presses it
inline constexpr const char* kConfirmCaption = QT_TRANSLATE_NOOP("MessageBoxes", "OK(&Y)");
//: Refuses a read; N is the key that presses it
inline constexpr const char* kRefuseCaption = QT_TRANSLATE_NOOP("MessageBoxes", "Cancel(&N)");

// Result or error: empty title, no icon, one OK button. `details` shows
// under the text when not empty. A message the lower layers composed in
// English shows in the user's language (l10n/Composed.h).
void ShowMessage(QWidget* parent, const QString& text, const QString& details = {});

// As ShowMessage, titled with the main window's caption.
void ShowTitledMessage(QWidget* parent, const QString& text);

// Before a read that overwrites a grid: question icon, empty title, buttons
// "OK(&Y)" and "Cancel(&N)", top-left corner at ((sw - 200) / 2, (sh - 200) / 2).
// True when the user confirmed.
bool ConfirmRead(QWidget* parent, const QString& text);

// Before a destructive device command: warning icon, empty title, OK and
// Cancel. True for OK.
bool ConfirmWarning(QWidget* parent, const QString& text);

inline constexpr const char* kStopTransferQuestion = QT_TRANSLATE_NOOP(
    "MessageBoxes", "A transfer to the device is in progress. Stop it and close?");

// A question with "Yes" and "No", "No" the default. True for "Yes".
bool ConfirmStop(QWidget* parent, const QString& text);

// Before a write that puts back what the device held: as ConfirmStop, with
// `details` under the text.
bool ConfirmUndo(QWidget* parent, const QString& text, const QString& details);
