#include "ZipPackage.h"

#include <QFile>

#include <zip.h>

namespace gsm {

namespace {

struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

} // namespace

void Fail(const QString& reason) {
    throw ReadFailure{reason};
}

void FailDamaged(const QString& detail) {
    Fail(QStringLiteral("it is damaged (%1)").arg(detail));
}

void ZipPackage::Discard::operator()(zip* archive) const {
    zip_discard(archive);
}

ZipPackage::ZipPackage(const QString& path) {
    int code = 0;
    m_archive.reset(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
    if (!m_archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        Fail(QStringLiteral("it is not a readable zip package (%1)").arg(reason));
    }
}

bool ZipPackage::Has(const QString& part) const {
    return Locate(part) >= 0;
}

QByteArray ZipPackage::Read(const QString& part, qint64 maxBytes) const {
    const zip_int64_t index = Locate(part);
    if (index < 0)
        FailDamaged(QStringLiteral("the part %1 is missing").arg(part));
    zip_stat_t stat;
    if (zip_stat_index(m_archive.get(), zip_uint64_t(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE) || stat.size > zip_uint64_t(maxBytes))
        FailDamaged(QStringLiteral("the part %1 has no readable size").arg(part));
    std::unique_ptr<zip_file_t, ZipFileClose> file(
        zip_fopen_index(m_archive.get(), zip_uint64_t(index), 0));
    if (!file)
        FailDamaged(QStringLiteral("the part %1 cannot be opened").arg(part));
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(file.get(), bytes.data(), stat.size);
    if (got < 0 || zip_uint64_t(got) != stat.size)
        FailDamaged(QStringLiteral("the part %1 is damaged").arg(part));
    return bytes;
}

qint64 ZipPackage::Locate(const QString& part) const {
    return zip_name_locate(m_archive.get(), part.toUtf8().constData(), ZIP_FL_NOCASE);
}

} // namespace gsm
