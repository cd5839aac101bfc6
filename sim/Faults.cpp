#include "Faults.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace gsm::sim {

namespace {

struct KindName {
    FaultKind kind;
    std::string_view name;
};

constexpr std::array<KindName, 7> kNames{{
    {FaultKind::NoReply, "no-reply"},
    {FaultKind::Corrupt, "corrupt"},
    {FaultKind::Refuse, "refuse"},
    {FaultKind::Cut, "cut"},
    {FaultKind::Garbage, "garbage"},
    {FaultKind::WrongAddress, "wrong-address"},
    {FaultKind::Delay, "delay"},
}};

// Faults written NAME@N:K, with the meaning of K.
bool TakesAmount(FaultKind kind) {
    return kind == FaultKind::Cut || kind == FaultKind::Delay;
}

template <typename T> std::optional<T> ParseNumber(std::string_view text) {
    T value{};
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<Fault> ParseOne(std::string_view faultText, std::string* error) {
    const auto at = faultText.find('@');
    const auto name = faultText.substr(0, at);
    const auto kind = std::ranges::find(kNames, name, &KindName::name);
    if (at == std::string_view::npos || kind == kNames.end()) {
        *error = "unknown fault \"" + std::string(faultText) +
                 "\" (expected no-reply@N, corrupt@N, refuse@N, cut@N:K, garbage@N or "
                 "wrong-address@N)";
        return std::nullopt;
    }
    auto rest = faultText.substr(at + 1);
    Fault fault{kind->kind, 0, 0};
    if (TakesAmount(fault.kind)) {
        const auto colon = rest.find(':');
        const auto keep = colon == std::string_view::npos
                              ? std::nullopt
                              : ParseNumber<std::size_t>(rest.substr(colon + 1));
        if (!keep) {
            *error = "fault \"" + std::string(faultText) + "\" needs " +
                     (fault.kind == FaultKind::Cut ? "a byte count: cut@N:K"
                                                   : "milliseconds: delay@N:MS");
            return std::nullopt;
        }
        fault.keepBytes = *keep;
        rest = rest.substr(0, colon);
    }
    const auto request = ParseNumber<std::uint32_t>(rest);
    if (!request || *request == 0) {
        *error = "fault \"" + std::string(faultText) + "\" needs a request number from 1";
        return std::nullopt;
    }
    fault.request = *request;
    return fault;
}

} // namespace

std::string ToString(const Fault& fault) {
    const auto kind = std::ranges::find(kNames, fault.kind, &KindName::kind);
    std::string text = std::string(kind->name) + "@" + std::to_string(fault.request);
    if (TakesAmount(fault.kind))
        text += ":" + std::to_string(fault.keepBytes);
    return text;
}

bool FaultPlan::Add(std::string_view faultList, std::string* error) {
    std::vector<Fault> parsed;
    while (true) {
        const auto comma = faultList.find(',');
        const auto one = ParseOne(faultList.substr(0, comma), error);
        if (!one)
            return false;
        parsed.push_back(*one);
        if (comma == std::string_view::npos)
            break;
        faultList.remove_prefix(comma + 1);
    }
    m_faults.insert(m_faults.end(), parsed.begin(), parsed.end());
    return true;
}

bool FaultPlan::Has(FaultKind kind, std::uint32_t request) const {
    return std::ranges::any_of(
        m_faults, [&](const Fault& f) { return f.kind == kind && f.request == request; });
}

std::optional<std::size_t> FaultPlan::CutAt(std::uint32_t request) const {
    for (const auto& f : m_faults)
        if (f.kind == FaultKind::Cut && f.request == request)
            return f.keepBytes;
    return std::nullopt;
}

std::size_t FaultPlan::ExtraDelayMs(std::uint32_t request) const {
    std::size_t total = 0;
    for (const auto& f : m_faults)
        if (f.kind == FaultKind::Delay && f.request == request)
            total += f.keepBytes;
    return total;
}

std::vector<Fault> FaultPlan::For(std::uint32_t request) const {
    std::vector<Fault> out;
    std::ranges::copy_if(m_faults, std::back_inserter(out),
                         [request](const Fault& f) { return f.request == request; });
    return out;
}

} // namespace gsm::sim
