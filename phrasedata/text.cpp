#include "text.h"

#include <algorithm>

namespace {

void EraseAll(std::u16string& text, char16_t unit)
{
    std::erase(text, unit);
}

} // namespace

std::u16string RemoveLineBreaks(std::u16string text)
{
    EraseAll(text, u'\t');
    EraseAll(text, u'\n');
    EraseAll(text, u'\r');
    return text;
}

std::u16string DropByteOrderMark(std::u16string text)
{
    if (!text.empty() && text.front() == u'\xFEFF')
        text.erase(0, 1);
    return text;
}

std::u16string DropLineEnd(std::u16string text)
{
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n'))
        text.pop_back();
    return text;
}

std::u16string PhraseKey(std::u16string text)
{
    return DropByteOrderMark(RemoveLineBreaks(std::move(text)));
}

std::u16string StripBrackets(std::u16string text)
{
    EraseAll(text, u'[');
    EraseAll(text, u']');
    return text;
}

std::u16string ToLower(std::u16string text)
{
    for (char16_t& c : text) {
        const bool asciiCapital = c >= u'A' && c <= u'Z';
        const bool latin1Capital = c >= 0xC0 && c <= 0xDE && c != 0xD7;
        if (asciiCapital || latin1Capital)
            c = char16_t(c + 0x20);
    }
    return text;
}

namespace {

struct FoldRow {
    std::u16string_view from; // every letter that folds to `to`
    std::u16string_view to;
};

// What French text needs: its accented letters in both cases, its ligatures,
// the spaces it puts before "?" and the curly apostrophe.
constexpr FoldRow kFolds[] = {
    {u"àáâãäåÀÁÂÃÄÅ", u"a"},
    {u"çÇ", u"c"},
    {u"èéêëÈÉÊË", u"e"},
    {u"ìíîïÌÍÎÏ", u"i"},
    {u"ñÑ", u"n"},
    {u"òóôõöøÒÓÔÕÖØ", u"o"},
    {u"ùúûüÙÚÛÜ", u"u"},
    {u"ýÿÝŸ", u"y"},
    {u"æÆ", u"ae"},
    {u"œŒ", u"oe"},
    {u"\u00A0\u202F", u" "},
    {u"\u2018\u2019", u"'"},
};

} // namespace

std::u16string FoldForSearch(std::u16string_view text)
{
    std::u16string folded;
    folded.reserve(text.size());
    for (char16_t c : text) {
        // Most text is plain ASCII, which only needs its capitals lowered.
        if (c < 0x80) {
            folded += c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
            continue;
        }
        const FoldRow* row = nullptr;
        for (const FoldRow& candidate : kFolds)
            if (candidate.from.find(c) != std::u16string_view::npos)
                row = &candidate;
        if (row)
            folded += row->to;
        else
            folded += c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    }
    return folded;
}

std::u16string DecimalText(int number)
{
    const std::string digits = std::to_string(number);
    return std::u16string(digits.begin(), digits.end());
}

std::optional<int> ParseDecimal(std::u16string_view text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

namespace {

// The well-formed UTF-8 sequences by their first byte: how long they are and
// which second bytes may follow (the later ones are all 80..BF). The narrowed
// second-byte ranges shut out overlong forms, surrogates and code points past
// U+10FFFF; C0, C1, F5..FF and a lone continuation byte start nothing.
struct Utf8Lead {
    unsigned char first, last;
    int length;
    unsigned char secondLow, secondHigh;
};

constexpr Utf8Lead kUtf8Leads[] = {
    {0x00, 0x7F, 1, 0, 0},       {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

const Utf8Lead* FindUtf8Lead(unsigned char byte)
{
    for (const Utf8Lead& lead : kUtf8Leads)
        if (byte >= lead.first && byte <= lead.last)
            return &lead;
    return nullptr;
}

} // namespace

// Each ill-formed part (a byte that starts nothing, or the longest start of a
// sequence that breaks off) becomes one U+FFFD; the byte that broke it off is
// read afresh.
std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const Utf8Lead* lead = FindUtf8Lead(byteAt(i));
        int length = lead ? 1 : 0;
        while (lead && length < lead->length && i + length < text.size()) {
            const unsigned char next = byteAt(i + length);
            const bool second = length == 1;
            if (next < (second ? lead->secondLow : 0x80) || next > (second ? lead->secondHigh : 0xBF))
                break;
            ++length;
        }
        if (!lead || length < lead->length) {
            out.push_back(u'\xFFFD');
            i += std::size_t(std::max(length, 1));
            continue;
        }
        const unsigned char first = byteAt(i);
        char32_t c = length == 1 ? first : first & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (byteAt(i + k) & 0x3F);
        i += std::size_t(length);
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(char16_t(0xD800 + (c >> 10)));
            out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(char16_t(c));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | c >> 6));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | c >> 12));
            out.push_back(char(0x80 | (c >> 6 & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | c >> 18));
            out.push_back(char(0x80 | (c >> 12 & 0x3F)));
            out.push_back(char(0x80 | (c >> 6 & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}
