#include "CompoundDirectory.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace gsm {

namespace {

struct Field {
    qsizetype offset;
    qsizetype width;
};

// The document header: sectors are numbered from 0, sector n starting at
// (n + 1) << sector shift, whatever the sector size.
namespace header {
inline constexpr qsizetype kSize = 512;
inline constexpr Field kSectorShift{30, 2};
inline constexpr Field kFatSectorCount{44, 4};
inline constexpr Field kFirstDirectorySector{48, 4};
inline constexpr Field kFirstDifatSector{68, 4};
inline constexpr Field kDifatSectorCount{72, 4};
// The first 109 sectors of the allocation table are listed in the header.
inline constexpr Field kDifat{76, 4};
inline constexpr int kDifatInHeader = 109;
} // namespace header

namespace entry {
inline constexpr qsizetype kSize = 128;
inline constexpr Field kName{0, 64};
inline constexpr Field kNameLength{64, 2}; // in bytes, the closing zero included
} // namespace entry

// Allocation table values above this mark the end of a chain or free sectors.
constexpr std::uint32_t kLastRegularSector = 0xFFFFFFFAu;
constexpr int kMinSectorShift = 7;
constexpr int kMaxSectorShift = 16;

class Document {
public:
    explicit Document(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<std::uint32_t> Number(qsizetype offset, qsizetype width) const {
        if (offset < 0 || offset + width > m_bytes.size())
            return std::nullopt;
        std::uint32_t value = 0;
        for (qsizetype i = width; i-- > 0;)
            value = (value << 8) | static_cast<std::uint8_t>(m_bytes.at(offset + i));
        return value;
    }
    std::optional<std::uint32_t> Number(Field field) const {
        return Number(field.offset, field.width);
    }
    qsizetype Size() const { return m_bytes.size(); }

private:
    const QByteArray& m_bytes;
};

QString Damaged(const QString& detail) {
    return QStringLiteral("it is damaged (%1)").arg(detail);
}

class DirectoryCheck {
public:
    explicit DirectoryCheck(const QByteArray& bytes) : m_document(bytes) {}

    QString Run() {
        const std::optional<std::uint32_t> shift = m_document.Number(header::kSectorShift);
        if (m_document.Size() < header::kSize || !shift || *shift < kMinSectorShift ||
            *shift > kMaxSectorShift)
            return Damaged(QStringLiteral("its header is not valid"));
        m_sectorSize = qsizetype(1) << *shift;
        m_sectorCount = m_document.Size() / m_sectorSize; // the header's own sector included
        if (!ReadAllocationTable())
            return Damaged(QStringLiteral("its allocation table is not valid"));
        return CheckDirectoryChain();
    }

private:
    qsizetype SectorOffset(std::uint32_t sector) const {
        return (qsizetype(sector) + 1) * m_sectorSize;
    }
    bool IsSectorInside(std::uint32_t sector) const {
        return sector <= kLastRegularSector && SectorOffset(sector) < m_document.Size();
    }
    qsizetype EntriesPerSector() const { return m_sectorSize / 4; }

    // The sector numbers of the allocation table, from the header and the
    // chain of further lists behind it.
    std::optional<std::vector<std::uint32_t>> AllocationSectors() const {
        const std::optional<std::uint32_t> count = m_document.Number(header::kFatSectorCount);
        if (!count || qsizetype(*count) > m_sectorCount)
            return std::nullopt;
        std::vector<std::uint32_t> sectors;
        // The header is whole (checked before), so its list can be read as it stands.
        for (int i = 0; i < header::kDifatInHeader && sectors.size() < *count; ++i)
            sectors.push_back(
                m_document
                    .Number(header::kDifat.offset + i * header::kDifat.width, header::kDifat.width)
                    .value_or(0));
        std::optional<std::uint32_t> next = m_document.Number(header::kFirstDifatSector);
        const std::optional<std::uint32_t> lists = m_document.Number(header::kDifatSectorCount);
        for (std::uint32_t n = 0; lists && n < *lists && sectors.size() < *count; ++n) {
            if (!next || !IsSectorInside(*next) || qsizetype(n) >= m_sectorCount)
                return std::nullopt;
            const qsizetype base = SectorOffset(*next);
            for (qsizetype i = 0; i + 1 < EntriesPerSector() && sectors.size() < *count; ++i) {
                const std::optional<std::uint32_t> sector = m_document.Number(base + i * 4, 4);
                if (!sector)
                    return std::nullopt;
                sectors.push_back(*sector);
            }
            next = m_document.Number(base + (EntriesPerSector() - 1) * 4, 4);
        }
        if (sectors.size() < *count)
            return std::nullopt;
        return sectors;
    }

    bool ReadAllocationTable() {
        const std::optional<std::vector<std::uint32_t>> sectors = AllocationSectors();
        if (!sectors)
            return false;
        for (const std::uint32_t sector : *sectors) {
            if (!IsSectorInside(sector))
                return false;
            const qsizetype base = SectorOffset(sector);
            for (qsizetype i = 0; i < EntriesPerSector(); ++i) {
                const std::optional<std::uint32_t> next = m_document.Number(base + i * 4, 4);
                if (!next)
                    return true; // a short last sector: the table ends with the file
                m_table.push_back(*next);
            }
        }
        return true;
    }

    QString CheckDirectoryChain() const {
        std::optional<std::uint32_t> sector = m_document.Number(header::kFirstDirectorySector);
        // A chain longer than the file has sectors runs in a circle.
        for (qsizetype steps = 0; sector && *sector <= kLastRegularSector; ++steps) {
            if (steps > m_sectorCount || !IsSectorInside(*sector))
                return Damaged(QStringLiteral("its directory is not valid"));
            const qsizetype base = SectorOffset(*sector);
            for (qsizetype e = 0; e < m_sectorSize / entry::kSize; ++e) {
                const std::optional<std::uint32_t> length = m_document.Number(
                    base + e * entry::kSize + entry::kNameLength.offset, entry::kNameLength.width);
                if (length && *length > std::uint32_t(entry::kName.width))
                    return Damaged(QStringLiteral("a directory entry's name is too long"));
            }
            if (*sector >= m_table.size())
                return Damaged(QStringLiteral("its directory is not valid"));
            sector = m_table[*sector];
        }
        return {};
    }

    Document m_document;
    qsizetype m_sectorSize = 0;
    qsizetype m_sectorCount = 0;
    std::vector<std::uint32_t> m_table;
};

} // namespace

QString CheckCompoundDirectory(const QByteArray& document) {
    return DirectoryCheck(document).Run();
}

} // namespace gsm
