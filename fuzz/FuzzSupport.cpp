#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdlib>
#include <unistd.h>

namespace gsm::fuzz {

namespace {

constexpr int kMaxParts = 64;

std::uint32_t Crc32(const QByteArray& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int bit = 0; bit < 8; ++bit)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char b : bytes)
        crc = (crc >> 8) ^ table[(crc ^ static_cast<std::uint8_t>(b)) & 0xFFu];
    return ~crc;
}

void Put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The fields a local header and a central directory entry share, from
// "version needed" to the extra field's length.
void PutEntryFields(QByteArray& out, const Part& part, std::uint32_t crc) {
    Put16(out, 20);   // version needed: 2.0
    Put16(out, 0);    // flags
    Put16(out, 0);    // stored
    Put16(out, 0);    // time
    Put16(out, 0x21); // date: 1980-01-01
    Put32(out, crc);
    Put32(out, static_cast<std::uint32_t>(part.second.size()));
    Put32(out, static_cast<std::uint32_t>(part.second.size()));
    Put16(out, static_cast<std::uint32_t>(part.first.size()));
    Put16(out, 0); // extra field
}

QString ScratchPath() {
    const QString folder = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                               ? QStringLiteral("/dev/shm")
                               : QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("gsmgate-fuzz-%1").arg(getpid()));
}

} // namespace

bool SplitParts(const QByteArray& input, std::vector<Part>& parts) {
    if (!input.startsWith(kPartsMarker))
        return false;
    const QByteArray body = input.mid(sizeof(kPartsMarker) - 1);
    for (const QByteArray& section : body.split('\0')) {
        if (static_cast<int>(parts.size()) == kMaxParts)
            break;
        const qsizetype newline = section.indexOf('\n');
        if (newline < 0)
            parts.emplace_back(section, QByteArray());
        else
            parts.emplace_back(section.left(newline), section.mid(newline + 1));
    }
    return true;
}

QByteArray StoredZip(const std::vector<Part>& parts) {
    QByteArray out;
    QByteArray directory;
    for (const Part& part : parts) {
        const std::uint32_t crc = Crc32(part.second);
        const auto offset = static_cast<std::uint32_t>(out.size());
        Put32(out, 0x04034b50);
        PutEntryFields(out, part, crc);
        out.append(part.first);
        out.append(part.second);

        Put32(directory, 0x02014b50);
        Put16(directory, 20); // made by 2.0
        PutEntryFields(directory, part, crc);
        Put16(directory, 0); // comment
        Put16(directory, 0); // disk
        Put16(directory, 0); // internal attributes
        Put32(directory, 0); // external attributes
        Put32(directory, offset);
        directory.append(part.first);
    }
    const auto directoryOffset = static_cast<std::uint32_t>(out.size());
    out.append(directory);
    Put32(out, 0x06054b50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, static_cast<std::uint32_t>(parts.size()));
    Put16(out, static_cast<std::uint32_t>(parts.size()));
    Put32(out, static_cast<std::uint32_t>(directory.size()));
    Put32(out, directoryOffset);
    Put16(out, 0); // comment
    return out;
}

QByteArray FileBytes(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::vector<Part> parts;
    return SplitParts(input, parts) ? StoredZip(parts) : input;
}

QString WriteScratch(const QByteArray& bytes) {
    static const QString path = [] {
        QString p = ScratchPath();
        static const QByteArray name = QFile::encodeName(p);
        std::atexit([] { unlink(name.constData()); });
        return p;
    }();
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    return path;
}

} // namespace gsm::fuzz
