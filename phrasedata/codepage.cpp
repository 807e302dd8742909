#include "codepage.h"

#include <algorithm>

namespace {

// Bytes 0x80 to 0x9F; the rest of the page is Latin-1. The five bytes the code
// page leaves unassigned map to the control characters of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t FromByte(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte);
}

} // namespace

std::u16string Windows1252ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out.push_back(FromByte(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> Utf16ToWindows1252(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(char(c));
            continue;
        }
        const auto* found = std::find(std::begin(kHighControls), std::end(kHighControls), c);
        if (found == std::end(kHighControls))
            return std::nullopt;
        out.push_back(char(0x80 + (found - std::begin(kHighControls))));
    }
    return out;
}
