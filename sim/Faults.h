#pragma once
// Faults injected into the replies, each tied to the number of the request
// it spoils (the 1-based count of valid request frames since start).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gsm::sim {

enum class FaultKind {
    NoReply,      // no-reply@N: no answer at all
    Corrupt,      // corrupt@N: the reply's checksum byte flipped
    Refuse,       // refuse@N: status 0 and nothing stored; a read gets an empty page reply
    Cut,          // cut@N:K: only the first K bytes of the reply are sent
    Garbage,      // garbage@N: 00 FF 41 sent before the reply
    WrongAddress, // wrong-address@N: the reply carries the address of the next page
    Delay,        // delay@N:MS: the reply starts MS milliseconds later than usual
};

struct Fault {
    FaultKind kind;
    std::uint32_t request;
    std::size_t keepBytes = 0; // for Cut; milliseconds for Delay

    bool operator==(const Fault&) const = default;
};

// The text form above, e.g. "cut@12:5".
std::string ToString(const Fault& fault);

class FaultPlan {
public:
    // Parses one or more faults separated by commas; on failure returns false,
    // sets error and adds nothing.
    bool Add(std::string_view faultList, std::string* error);
    void Add(const Fault& fault) { m_faults.push_back(fault); }

    bool Has(FaultKind kind, std::uint32_t request) const;
    std::optional<std::size_t> CutAt(std::uint32_t request) const;
    // Milliseconds the reply to `request` is held back beyond the usual delay.
    std::size_t ExtraDelayMs(std::uint32_t request) const;
    std::vector<Fault> For(std::uint32_t request) const;
    bool Empty() const { return m_faults.empty(); }

private:
    std::vector<Fault> m_faults;
};

} // namespace gsm::sim
