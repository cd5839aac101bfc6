#include "FileWrite.h"

#include <QSaveFile>

namespace gsm::files {

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* failure) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *failure = file.errorString();
    return false;
}

} // namespace gsm::files
