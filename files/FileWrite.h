#pragma once
// Every file the programs write holds device data (the device password, the
// GPRS credentials, numbers), so it is readable by its owner alone (0600,
// whatever the umask), and it goes out whole or not at all: written beside
// its place, flushed to the disk and only then moved there, so a failed
// write leaves no half file and the old one, if any, stays.
//
// What is not a regular file (a terminal, a FIFO, /dev/null, /dev/stdout)
// is written in place and never replaced; a symbolic link is written
// through to the file it leads to and stays a link.

#include <QByteArray>
#include <QString>

#include <functional>

namespace gsm::files {

// What becomes of a regular file already at the path.
enum class Existing {
    Replace, // replaced whole
    Keep,    // never replaced: the write fails (backups)
};

// False with the reason when it could not be written.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* failure,
                    Existing existing = Existing::Replace);

// For writers that take a file name (the .xlsx library): `fill` writes the
// whole content into the private file named `path`, whose descriptor `fd`
// is open for writing, and returns empty or why it could not.
using FileFiller = std::function<QString(int fd, const QString& path)>;
bool WriteWholeFileWith(const QString& path, const FileFiller& fill, QString* failure,
                        Existing existing = Existing::Replace);

// Whether `path` leads to something that exists and is neither a regular
// file nor a folder: such a file is written in place.
bool IsSpecialFile(const QString& path);

} // namespace gsm::files
