#pragma once
// Folders and streams the programs make for device data: readable by the
// owner alone whatever the umask.

#include <QFile>
#include <QString>

namespace gsm::files {

// Makes `path` and every missing folder above it, each 0700; folders that
// exist stay as they are. False with the reason.
bool MakePrivateFolder(const QString& path, QString* failure);

// Opens `path` for a stream of lines (the frame trace), emptied first: a
// regular file is made 0600, anything else (a terminal, a FIFO) is written
// as it is. False with the reason.
bool OpenPrivateStream(QFile& file, const QString& path, QString* failure);

} // namespace gsm::files
