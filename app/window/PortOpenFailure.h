#pragma once
// What the user reads under "COM Port error" when the port cannot be opened.

#include <QString>

inline constexpr const char* kPortErrorText = QT_TRANSLATE_NOOP("PortController", "COM Port error");
inline constexpr const char* kDialoutHint = QT_TRANSLATE_NOOP(
    "PortController", "Permission denied. Add your user to the 'dialout' group and log in again.");

// Shown in the user's language: `failure` is the component's own short text, `systemReason` the
// system's reason; a permission failure is explained by how to get the right.
QString PortOpenFailureDetails(const QString& failure, const QString& systemReason,
                               bool permissionDenied);
