#pragma once
// Every file the programs write goes out whole or not at all: it is written
// beside its place and then moved there, so a failed write leaves no half
// file and the old one, if any, stays.

#include <QByteArray>
#include <QString>

namespace gsm::files {

// False with the reason when it could not be written.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* failure);

} // namespace gsm::files
