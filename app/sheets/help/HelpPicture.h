#pragma once
// The help sheet's content: a picture of the setup steps, drawn at start-up,
// and the same steps as text in Chinese for the memo.

#include <QImage>
#include <QPoint>
#include <QString>

class QPlainTextEdit;
class QWidget;

inline constexpr int kHelpPictureWidth = 761;
inline constexpr int kHelpPictureHeight = 436;

// 24-bit, kHelpPictureWidth x kHelpPictureHeight.
QImage DrawHelpPicture();

QString SetupStepsText();

// The memo `mmo1` for the setup steps in Chinese, read-only but selectable.
// In Chinese (`language` "zh...") it stands under the picture whose top-left
// corner is `picture`, where a screen reader finds it too; in any other
// language it stays hidden, as the picture says it all. Its text is set later
// (SetupStepsText).
QPlainTextEdit* MakeSetupStepsMemo(QWidget* panel, QPoint picture, const QString& language);
