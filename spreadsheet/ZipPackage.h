#pragma once
// The zip container of .xlsx and .ods workbooks, opened read-only, and the
// way their readers give up on a damaged file: they throw ReadFailure, which
// the reader's entry point turns into an error text.

#include <QByteArray>
#include <QString>

#include <memory>

struct zip;

namespace gsm {

struct ReadFailure {
    QString reason;
};

[[noreturn]] void Fail(const QString& reason);
// "it is damaged (detail)"
[[noreturn]] void FailDamaged(const QString& detail);

class ZipPackage {
public:
    // Fails when `path` is not a readable zip archive.
    explicit ZipPackage(const QString& path);

    // Part names are matched without regard to case.
    bool Has(const QString& part) const;
    // The whole part; fails when it is missing, damaged or larger than
    // `maxBytes`, which is taken for a damaged or hostile package.
    QByteArray Read(const QString& part, qint64 maxBytes = kMaxPartBytes) const;

    static constexpr qint64 kMaxPartBytes = 256ll * 1024 * 1024;

private:
    struct Discard {
        void operator()(zip* archive) const;
    };
    qint64 Locate(const QString& part) const;

    std::unique_ptr<zip, Discard> m_archive;
};

} // namespace gsm
