#pragma once
// Why a file could not be written, in words a user acts on: "no space left
// on the device" rather than a bare error number or "Unknown error".

#include <QString>

namespace gsm::files {

QString WriteFailureText(int error);

} // namespace gsm::files
