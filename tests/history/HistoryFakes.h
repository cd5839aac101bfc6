#pragma once
// Hand-built history records and pages, and a stand-in for the status bar.

#include "history/HistoryGrid.h"
#include "history/HistoryRecord.h"
#include "protocol/Frame.h"
#include "protocol/Link.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gsm::history::test {

using Bytes = std::vector<std::uint8_t>;
using Page = std::array<std::uint8_t, frame::kMaxPayload>;

// A record built field by field through the record layout.
class RecordBuilder {
public:
    RecordBuilder() { m_bytes.fill(0); }

    RecordBuilder& Number(std::uint32_t n) {
        for (std::size_t i = 0; i < record::kNumber.width; ++i)
            m_bytes[record::kNumber.offset + i] = static_cast<std::uint8_t>(n >> (8 * i));
        return *this;
    }
    RecordBuilder& Date(int yy, int month, int day) {
        return Set(record::kYear, yy).Set(record::kMonth, month).Set(record::kDay, day);
    }
    RecordBuilder& Time(int hour, int minute, int second) {
        return Set(record::kHour, hour).Set(record::kMinute, minute).Set(record::kSecond, second);
    }
    RecordBuilder& Source(int code) { return Set(record::kSource, code); }
    RecordBuilder& Action(int code) { return Set(record::kAction, code); }
    RecordBuilder& Executant(const std::string& raw) { return Put(record::kExecutant, raw); }
    // Writes as many bytes as given, past the field if asked to.
    RecordBuilder& Content(const std::string& raw) { return Put(record::kContent, raw); }
    RecordBuilder& Set(Field field, int value) {
        m_bytes[field.offset] = static_cast<std::uint8_t>(value);
        return *this;
    }

    const std::array<std::uint8_t, record::kSize>& Bytes() const { return m_bytes; }
    RecordBytes View() const { return RecordBytes(m_bytes); }

private:
    RecordBuilder& Put(Field field, const std::string& raw) {
        const std::size_t n = std::min(raw.size(), record::kSize - field.offset);
        std::copy_n(raw.begin(), n, m_bytes.begin() + static_cast<std::ptrdiff_t>(field.offset));
        return *this;
    }
    std::array<std::uint8_t, record::kSize> m_bytes{};
};

// A usual record: numbered, dated, from the telephone, relay switched.
inline RecordBuilder Typical(std::uint32_t number, int yy = 15, int month = 3, int day = 7) {
    RecordBuilder r;
    r.Number(number).Date(yy, month, day).Time(9, 5, 0).Source(3).Action(2);
    r.Executant("+8613800001111").Content("Gate opened");
    return r;
}

inline Page PageOf(const RecordBuilder& first, const RecordBuilder& second) {
    Page page{};
    std::ranges::copy(first.Bytes(), page.begin());
    std::ranges::copy(second.Bytes(), page.begin() + record::kSize);
    return page;
}

class FakeStatus : public IStatusSink {
public:
    std::vector<std::string> texts;
    void ShowStatus(const std::string& text) override { texts.push_back(text); }
    std::string Last() const { return texts.empty() ? std::string() : texts.back(); }
};

inline TableGrid EmptyHistoryGrid() {
    TableGrid grid(kColumns, kGridRows);
    for (int r = 1; r <= kRecordRows; ++r)
        grid.SetCell(col::kSerial, r, std::to_string(r));
    return grid;
}

} // namespace gsm::history::test
