#pragma once
// The zip container of .xlsx and .ods workbooks, opened read-only. Parts are
// expanded within the limits of ReadLimits.h: a part that expands beyond its
// size limit, or far more than real XML does, is taken for a zip bomb and
// refused before the rest of it is expanded.

#include "ReadFailure.h"

#include <QByteArray>
#include <QString>

#include <memory>

struct zip;

namespace gsm {

class ZipPackage {
public:
    // Fails when `path` is not a readable zip archive.
    explicit ZipPackage(const QString& path);

    // Part names are matched without regard to case.
    bool Has(const QString& part) const;
    // The whole part; fails when it is missing or damaged, expands beyond
    // `maxBytes` or beyond what the package may expand to in all, or
    // expands more than the ratio limit allows.
    QByteArray Read(const QString& part, qint64 maxBytes = limits::kMaxPartBytes) const;

private:
    struct Discard {
        void operator()(zip* archive) const;
    };
    qint64 Locate(const QString& part) const;

    std::unique_ptr<zip, Discard> m_archive;
    // Every part read so far, expanded.
    mutable qint64 m_expanded = 0;
};

} // namespace gsm
