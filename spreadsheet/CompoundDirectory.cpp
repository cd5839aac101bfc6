#include "CompoundDirectory.h"

#include <cstddef>
#include <vector>

namespace gsm {

namespace {

using Offset = std::ptrdiff_t;

struct Field {
    Offset offset;
    Offset width;
};

// The document header: sectors are numbered from 0, sector n starting at
// (n + 1) << sector shift, whatever the sector size.
namespace header {
inline constexpr Offset kSize = 512;
inline constexpr Field kSectorShift{30, 2};
inline constexpr Field kMiniSectorShift{32, 2};
inline constexpr Field kFatSectorCount{44, 4};
inline constexpr Field kFirstDirectorySector{48, 4};
inline constexpr Field kMiniStreamCutoff{56, 4};
inline constexpr Field kFirstMiniFatSector{60, 4};
inline constexpr Field kMiniFatSectorCount{64, 4};
inline constexpr Field kFirstDifatSector{68, 4};
inline constexpr Field kDifatSectorCount{72, 4};
// The first 109 sectors of the allocation table are listed in the header.
inline constexpr Field kDifat{76, 4};
inline constexpr int kDifatInHeader = 109;
} // namespace header

namespace entry {
inline constexpr Offset kSize = 128;
inline constexpr Field kName{0, 64};
inline constexpr Field kNameLength{64, 2}; // in bytes, the closing zero included
inline constexpr Field kType{66, 1};
inline constexpr Field kStartSector{116, 4};
inline constexpr Field kStreamSize{120, 4}; // the high half is zero in version 3 files
inline constexpr std::uint32_t kRoot = 5;
} // namespace entry

// Allocation table values above this mark the end of a chain or free sectors.
constexpr std::uint32_t kLastRegularSector = 0xFFFFFFFAu;
constexpr int kMinSectorShift = 7;
constexpr int kMaxSectorShift = 16;
constexpr int kMiniSectorShift = 6;

class Document {
public:
    explicit Document(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<std::uint32_t> Number(Offset offset, Offset width) const {
        if (offset < 0 || offset + width > Size())
            return std::nullopt;
        std::uint32_t value = 0;
        for (Offset i = width; i-- > 0;)
            value = (value << 8) | static_cast<std::uint8_t>(m_bytes[std::size_t(offset + i)]);
        return value;
    }
    std::optional<std::uint32_t> Number(Field field) const {
        return Number(field.offset, field.width);
    }
    std::string_view Bytes(Offset offset, Offset count) const {
        if (offset < 0 || offset >= Size())
            return {};
        return m_bytes.substr(std::size_t(offset), std::size_t(count));
    }
    Offset Size() const { return Offset(m_bytes.size()); }

private:
    std::string_view m_bytes;
};

// A directory entry's name in UTF-16 as plain letters, for comparing with
// the stream names the reader looks for; anything else does not match.
std::string AsciiName(const Document& document, Offset base) {
    const std::optional<std::uint32_t> length =
        document.Number(base + entry::kNameLength.offset, entry::kNameLength.width);
    std::string name;
    for (Offset i = 0; length && i + 2 < Offset(*length) && i < entry::kName.width; i += 2) {
        const std::uint32_t c = document.Number(base + i, 2).value_or(0);
        name.push_back(c > 0 && c < 0x80 ? char(c) : '\x7f');
    }
    return name;
}

class CompoundDocument {
public:
    explicit CompoundDocument(std::string_view bytes) : m_document(bytes) {}

    std::optional<ContainerFault> Parse() {
        const std::optional<std::uint32_t> shift = m_document.Number(header::kSectorShift);
        if (m_document.Size() < header::kSize || !shift || *shift < kMinSectorShift ||
            *shift > kMaxSectorShift)
            return ContainerFault::Header;
        m_sectorSize = Offset(1) << *shift;
        m_sectorCount = m_document.Size() / m_sectorSize; // the header's own sector included
        if (!ReadAllocationTable())
            return ContainerFault::AllocationTable;
        return std::nullopt;
    }

    // Every directory entry, in the order of the directory's chain; false
    // stops the walk.
    template <typename Visit> std::optional<ContainerFault> ForEachEntry(Visit visit) const {
        std::optional<std::uint32_t> sector = m_document.Number(header::kFirstDirectorySector);
        // A chain longer than the file has sectors runs in a circle.
        for (Offset steps = 0; sector && *sector <= kLastRegularSector; ++steps) {
            if (steps > m_sectorCount || !IsSectorInside(*sector))
                return ContainerFault::Directory;
            const Offset base = SectorOffset(*sector);
            for (Offset e = 0; e < m_sectorSize / entry::kSize; ++e)
                if (!visit(base + e * entry::kSize))
                    return std::nullopt;
            if (*sector >= m_table.size())
                return ContainerFault::Directory;
            sector = m_table[*sector];
        }
        return std::nullopt;
    }

    const Document& Bytes() const { return m_document; }

    // The stream of `size` bytes from `start`, through the allocation table
    // or, for a short stream, the mini stream.
    std::optional<std::string> Stream(std::uint32_t start, std::uint32_t size) const {
        const std::optional<std::uint32_t> cutoff = m_document.Number(header::kMiniStreamCutoff);
        if (cutoff && size < *cutoff)
            return MiniStream(start, size);
        return RegularChain(start, size);
    }

    void SetRoot(std::uint32_t start, std::uint32_t size) {
        m_rootStart = start;
        m_rootSize = size;
    }

private:
    Offset SectorOffset(std::uint32_t sector) const { return (Offset(sector) + 1) * m_sectorSize; }
    bool IsSectorInside(std::uint32_t sector) const {
        return sector <= kLastRegularSector && SectorOffset(sector) < m_document.Size();
    }
    Offset EntriesPerSector() const { return m_sectorSize / 4; }

    // `size` bytes following `table` from `start`, in blocks of `blockSize`
    // found by `offsetOf`; a chain that ends early, leaves `bytes` or takes
    // more blocks than `bytes` holds (it runs in a circle) gives nothing, so
    // a stream is never larger than the bytes it comes from.
    template <typename OffsetOf>
    static std::optional<std::string>
    Chain(const std::vector<std::uint32_t>& table, std::uint32_t start, std::uint32_t size,
          Offset blockSize, OffsetOf offsetOf, const Document& bytes) {
        std::string stream;
        std::uint32_t block = start;
        const Offset blocks = bytes.Size() / blockSize + 1;
        for (Offset steps = 0; stream.size() < size; ++steps) {
            if (steps > blocks || block >= table.size())
                return std::nullopt;
            const std::string_view piece = bytes.Bytes(offsetOf(block), blockSize);
            if (piece.empty())
                return std::nullopt;
            stream.append(piece.substr(0, std::size_t(size) - stream.size()));
            block = table[block];
        }
        return stream;
    }

    std::optional<std::string> MiniStream(std::uint32_t start, std::uint32_t size) const {
        const std::optional<std::uint32_t> miniShift = m_document.Number(header::kMiniSectorShift);
        if (!miniShift || *miniShift != kMiniSectorShift)
            return std::nullopt;
        const std::optional<std::string> container = RegularChain(m_rootStart, m_rootSize);
        const std::optional<std::uint32_t> miniFat = m_document.Number(header::kFirstMiniFatSector);
        const std::optional<std::uint32_t> miniFatSectors =
            m_document.Number(header::kMiniFatSectorCount);
        if (!container || !miniFat || !miniFatSectors || Offset(*miniFatSectors) > m_sectorCount)
            return std::nullopt;
        // The mini allocation table is itself a regular chain.
        const std::optional<std::string> tableBytes =
            RegularChain(*miniFat, std::uint32_t(*miniFatSectors * m_sectorSize));
        if (!tableBytes)
            return std::nullopt;
        const Document tableDocument(*tableBytes);
        std::vector<std::uint32_t> miniTable;
        for (Offset i = 0; i + 4 <= tableDocument.Size(); i += 4)
            miniTable.push_back(*tableDocument.Number(i, 4));
        const Offset miniSize = Offset(1) << kMiniSectorShift;
        const Document containerDocument(*container);
        return Chain(
            miniTable, start, size, miniSize,
            [miniSize](std::uint32_t sector) { return Offset(sector) * miniSize; },
            containerDocument);
    }

    std::optional<std::string> RegularChain(std::uint32_t start, std::uint32_t size) const {
        return Chain(
            m_table, start, size, m_sectorSize,
            [this](std::uint32_t sector) { return SectorOffset(sector); }, m_document);
    }

    // The sector numbers of the allocation table, from the header and the
    // chain of further lists behind it.
    std::optional<std::vector<std::uint32_t>> AllocationSectors() const {
        const std::optional<std::uint32_t> count = m_document.Number(header::kFatSectorCount);
        if (!count || Offset(*count) > m_sectorCount)
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
            if (!next || !IsSectorInside(*next) || Offset(n) >= m_sectorCount)
                return std::nullopt;
            const Offset base = SectorOffset(*next);
            for (Offset i = 0; i + 1 < EntriesPerSector() && sectors.size() < *count; ++i) {
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
            const Offset base = SectorOffset(sector);
            for (Offset i = 0; i < EntriesPerSector(); ++i) {
                const std::optional<std::uint32_t> next = m_document.Number(base + i * 4, 4);
                if (!next)
                    return true; // a short last sector: the table ends with the file
                m_table.push_back(*next);
            }
        }
        return true;
    }

    Document m_document;
    Offset m_sectorSize = 0;
    Offset m_sectorCount = 0;
    std::vector<std::uint32_t> m_table;
    std::uint32_t m_rootStart = 0;
    std::uint32_t m_rootSize = 0;
};

} // namespace

std::optional<ContainerFault> CheckCompoundDirectory(std::string_view document) {
    CompoundDocument compound(document);
    if (const auto fault = compound.Parse())
        return fault;
    std::optional<ContainerFault> longName;
    const auto fault = compound.ForEachEntry([&](Offset base) {
        const std::optional<std::uint32_t> length =
            compound.Bytes().Number(base + entry::kNameLength.offset, entry::kNameLength.width);
        if (length && *length > std::uint32_t(entry::kName.width))
            longName = ContainerFault::LongName;
        return !longName;
    });
    return fault ? fault : longName;
}

std::optional<std::string> WorkbookStream(std::string_view document) {
    CompoundDocument compound(document);
    if (compound.Parse())
        return std::nullopt;
    std::optional<std::pair<std::uint32_t, std::uint32_t>> workbook;
    const Document& bytes = compound.Bytes();
    const auto fault = compound.ForEachEntry([&](Offset base) {
        const std::uint32_t start = bytes.Number(base + entry::kStartSector.offset, 4).value_or(0);
        const std::uint32_t size = bytes.Number(base + entry::kStreamSize.offset, 4).value_or(0);
        const std::string name = AsciiName(bytes, base);
        if (bytes.Number(base + entry::kType.offset, 1) == entry::kRoot)
            compound.SetRoot(start, size);
        else if (!workbook && (name == "Workbook" || name == "Book"))
            workbook.emplace(start, size);
        return true;
    });
    if (fault || !workbook)
        return std::nullopt;
    return compound.Stream(workbook->first, workbook->second);
}

} // namespace gsm
