#pragma once
// What the fuzz targets share: the check that stops a run when something
// that must hold does not, the scratch file a file reader is handed, and
// inputs that spell out a zip package part by part.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

// Stops the run, so libFuzzer keeps the input that broke `cond`.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__);         \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (0)

namespace gsm::fuzz {

// An input that begins with this line is a zip package spelled out part by
// part: parts are separated by a 0 byte, and each is its name, a line break
// and its content. Anything else is the file's bytes as they stand.
inline constexpr char kPartsMarker[] = "parts\n";

using Part = std::pair<QByteArray, QByteArray>; // name, content

// The parts of a spelled-out package; nothing when `input` is a plain file.
bool SplitParts(const QByteArray& input, std::vector<Part>& parts);

// A zip package holding `parts` uncompressed, in order, with their CRCs.
QByteArray StoredZip(const std::vector<Part>& parts);

// The bytes of the file a reader is handed for this input.
QByteArray FileBytes(const std::uint8_t* data, std::size_t size);

// Writes `bytes` to this process's scratch file (in memory when /dev/shm can
// be written) and returns its path; the same file every call.
QString WriteScratch(const QByteArray& bytes);

} // namespace gsm::fuzz
