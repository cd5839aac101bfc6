#include "PageText.h"

namespace gsm::backup {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string HexOf(const Page& page) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(page.size() * 2);
    for (const std::uint8_t b : page) {
        hex.push_back(kDigits[b >> 4]);
        hex.push_back(kDigits[b & 0x0F]);
    }
    return hex;
}

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

bool PageFromHex(const std::string& hex, Page& page) {
    if (hex.size() != page.size() * 2)
        return false;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const int high = HexValue(hex[2 * i]);
        const int low = HexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        page[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return true;
}

std::string PageRanges(const std::vector<int>& pages) {
    std::string out;
    for (std::size_t i = 0; i < pages.size();) {
        std::size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        if (!out.empty())
            out += ", ";
        out += std::to_string(pages[i]);
        if (j > i) {
            out += '-';
            out += std::to_string(pages[j]);
        }
        i = j + 1;
    }
    return out;
}

} // namespace gsm::backup
