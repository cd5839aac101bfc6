#include "ZipPackage.h"

#include <QFile>

#include <zip.h>

namespace gsm {

namespace {

struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

constexpr qint64 kChunkBytes = 64 * 1024;

QString Mebibytes(qint64 bytes) {
    return QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024));
}

[[noreturn]] void FailExpansion(const QString& part, const QString& why) {
    Fail(QStringLiteral("the part %1 %2, as no workbook does").arg(part, why));
}

} // namespace

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
        !(stat.valid & ZIP_STAT_SIZE) || !(stat.valid & ZIP_STAT_COMP_SIZE))
        FailDamaged(QStringLiteral("the part %1 has no readable size").arg(part));
    const qint64 budget = qMin(maxBytes, limits::kMaxPackageBytes - m_expanded);
    // The stated size is checked first and the bytes as they come: a part may
    // state less than it holds.
    if (stat.size > zip_uint64_t(budget))
        FailExpansion(part, QStringLiteral("expands beyond %1").arg(Mebibytes(budget)));
    std::unique_ptr<zip_file_t, ZipFileClose> file(
        zip_fopen_index(m_archive.get(), zip_uint64_t(index), 0));
    if (!file)
        FailDamaged(QStringLiteral("the part %1 cannot be opened").arg(part));
    const qint64 compressed = qint64(qMin<zip_uint64_t>(stat.comp_size, zip_uint64_t(budget)));
    QByteArray bytes;
    bytes.reserve(qsizetype(stat.size));
    for (;;) {
        const qsizetype at = bytes.size();
        bytes.resize(at + kChunkBytes);
        const zip_int64_t got = zip_fread(file.get(), bytes.data() + at, kChunkBytes);
        if (got < 0)
            FailDamaged(QStringLiteral("the part %1 is damaged").arg(part));
        bytes.resize(at + qsizetype(got));
        if (got == 0)
            break;
        if (bytes.size() > budget)
            FailExpansion(part, QStringLiteral("expands beyond %1").arg(Mebibytes(budget)));
        if (bytes.size() > limits::kExpansionFloorBytes &&
            bytes.size() > compressed * limits::kMaxExpansion)
            FailExpansion(part, QStringLiteral("expands more than %1 times its compressed size")
                                    .arg(limits::kMaxExpansion));
    }
    if (zip_uint64_t(bytes.size()) != stat.size)
        FailDamaged(QStringLiteral("the part %1 is damaged").arg(part));
    m_expanded += bytes.size();
    return bytes;
}

qint64 ZipPackage::Locate(const QString& part) const {
    return zip_name_locate(m_archive.get(), part.toUtf8().constData(), ZIP_FL_NOCASE);
}

} // namespace gsm
