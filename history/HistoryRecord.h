#pragma once
// One 128-byte event record of the device's log, two of them per page, and
// how it reads as the texts of one grid row.

#include "HistoryGrid.h"
#include "protocol/Frame.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace gsm {
class CodePage;
}

namespace gsm::history {

namespace record {
inline constexpr std::size_t kSize = 128;
inline constexpr std::size_t kPerPage = 2;

// Little-endian; FF FF FF FF means the record has no number.
inline constexpr Field kNumber{0, 4};
// Year - 2000; 0 marks an empty record.
inline constexpr Field kYear{4, 1};
inline constexpr Field kMonth{5, 1};
inline constexpr Field kDay{6, 1};
inline constexpr Field kHour{7, 1};
inline constexpr Field kMinute{8, 1};
inline constexpr Field kSecond{9, 1};
inline constexpr Field kSource{10, 1};
inline constexpr Field kAction{11, 1};
// ASCII '+' and digits, ended by the first other byte.
inline constexpr Field kExecutant{12, 22};
// Code-page text ended by a zero byte.
inline constexpr Field kContent{34, 41};

// A date or time byte of 0xFF means the device never set it.
inline constexpr std::uint8_t kUnset = 0xFF;
inline constexpr std::uint32_t kNoNumber = 0xFFFFFFFFu;
} // namespace record

using RecordBytes = std::span<const std::uint8_t, record::kSize>;

// "COM Port", "SMS", "GPRS", "Telephone"; empty for any other code.
std::string SourceText(std::uint8_t code);
// "Add number" ... "Power recovery"; empty for any other code.
std::string ActionText(std::uint8_t code);
// The alarm and power actions name their own origin instead of the channel;
// empty when the action keeps the channel's text.
std::string SourceOfAction(std::uint8_t code);

bool IsEmptyRecord(RecordBytes bytes);

// The row texts of a record (EventRowTexts of DecodeHistoryEvent); an empty
// record gives seven empty texts. The content bytes are read in `codePage`.
RowTexts DecodeHistoryRecord(RecordBytes bytes, const CodePage& codePage);

} // namespace gsm::history
