#pragma once
// Writes zip packages part by part, as a workbook writer does, and as a
// hostile one does: a part's text may come in pieces from a generator, so a
// package of millions of cells is never held expanded in memory, and a part
// may state another size than it holds. zlib for the deflate stream and its
// checksum; the tests and the hostile-file benchmark share it.

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gsm::test {

class ZipBuilder {
public:
    // Fills `piece` with the next piece of the part's text; false when it was the last.
    using Pieces = std::function<bool(std::string& piece)>;

    void Add(const std::string& name, std::string_view text, bool deflate = true) {
        AddPieces(
            name,
            [&](std::string& piece) {
                piece.assign(text);
                return false;
            },
            deflate);
    }

    void AddPieces(const std::string& name, const Pieces& next, bool deflate = true) {
        Part part{name, {}, static_cast<std::uint32_t>(crc32(0, nullptr, 0)), 0, 0, deflate};
        z_stream z{};
        if (deflate)
            deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
        std::string piece;
        bool more = true;
        while (more) {
            piece.clear();
            more = next(piece);
            part.crc = static_cast<std::uint32_t>(
                crc32(part.crc, reinterpret_cast<const Bytef*>(piece.data()),
                      static_cast<uInt>(piece.size())));
            part.size += static_cast<std::uint32_t>(piece.size());
            if (deflate)
                Deflate(z, piece, more ? Z_NO_FLUSH : Z_FINISH, part.data);
            else
                part.data += piece;
        }
        if (deflate)
            deflateEnd(&z);
        part.stated = part.size;
        m_parts.push_back(std::move(part));
    }

    // The part added last states `size` as its expanded size.
    void StateSize(std::uint32_t size) { m_parts.back().stated = size; }

    bool Save(const std::string& path) const {
        std::string out;
        std::string directory;
        for (const Part& part : m_parts) {
            const auto offset = static_cast<std::uint32_t>(out.size());
            Header(out, 0x04034b50, part, false, 0);
            out += part.data;
            Header(directory, 0x02014b50, part, true, offset);
        }
        const auto directoryOffset = static_cast<std::uint32_t>(out.size());
        out += directory;
        U32(out, 0x06054b50);
        U16(out, 0);
        U16(out, 0);
        U16(out, static_cast<std::uint16_t>(m_parts.size()));
        U16(out, static_cast<std::uint16_t>(m_parts.size()));
        U32(out, static_cast<std::uint32_t>(directory.size()));
        U32(out, directoryOffset);
        U16(out, 0);
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        return static_cast<bool>(file);
    }

private:
    struct Part {
        std::string name;
        std::string data; // as stored: deflated or not
        std::uint32_t crc;
        std::uint32_t size;
        std::uint32_t stated;
        bool deflated;
    };

    static void Deflate(z_stream& z, const std::string& piece, int flush, std::string& out) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
        z.avail_in = static_cast<uInt>(piece.size());
        char buffer[64 * 1024];
        do {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            deflate(&z, flush);
            out.append(buffer, sizeof buffer - z.avail_out);
        } while (z.avail_out == 0);
    }

    // A local header, or with `central` a central directory entry.
    static void Header(std::string& out, std::uint32_t signature, const Part& part, bool central,
                       std::uint32_t offset) {
        U32(out, signature);
        if (central)
            U16(out, 20); // made by
        U16(out, 20);     // needed
        U16(out, 0);      // flags
        U16(out, part.deflated ? 8 : 0);
        U16(out, 0);    // time
        U16(out, 0x21); // 1980-01-01
        U32(out, part.crc);
        U32(out, static_cast<std::uint32_t>(part.data.size()));
        U32(out, part.stated);
        U16(out, static_cast<std::uint16_t>(part.name.size()));
        U16(out, 0); // extra
        if (central) {
            U16(out, 0); // comment
            U16(out, 0); // disk
            U16(out, 0); // internal attributes
            U32(out, 0); // external attributes
            U32(out, offset);
        }
        out += part.name;
    }
    static void U16(std::string& out, std::uint16_t v) {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>(v >> 8));
    }
    static void U32(std::string& out, std::uint32_t v) {
        U16(out, static_cast<std::uint16_t>(v & 0xFFFF));
        U16(out, static_cast<std::uint16_t>(v >> 16));
    }

    std::vector<Part> m_parts;
};

} // namespace gsm::test
