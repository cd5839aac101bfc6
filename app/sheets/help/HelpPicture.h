#pragma once
// The help sheet's content: a picture of the setup steps, drawn at start-up,
// and the same steps as text in Chinese for the hidden memo.

#include <QImage>
#include <QString>

inline constexpr int kHelpPictureWidth = 761;
inline constexpr int kHelpPictureHeight = 436;

// 24-bit, kHelpPictureWidth x kHelpPictureHeight.
QImage DrawHelpPicture();

QString SetupStepsText();
