#pragma once
// What the user reads under "COM Port error" when the port cannot be opened.

#include <QString>

inline constexpr const char* kPortErrorText = "COM Port error";
inline constexpr const char* kDialoutHint =
    "Permission denied. Add your user to the 'dialout' group and log in again.";

// `failure` is the component's own short text, `systemReason` the system's
// reason; a permission failure is explained by how to get the right.
QString PortOpenFailureDetails(const QString& failure, const QString& systemReason,
                               bool permissionDenied);
