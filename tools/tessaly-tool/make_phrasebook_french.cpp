#include "make_phrasebook_french.h"

#include "text.h"

#include <array>

namespace {

constexpr char16_t kNoBreakSpace = u'\u00A0';

// Where French typesetting puts a space that must not break.
struct SpacedMark {
    char16_t mark;
    bool spaceBefore;   // otherwise the space follows the mark
};
constexpr std::array<SpacedMark, 6> kSpacedMarks = {{
    {u'?', true}, {u'!', true}, {u':', true}, {u';', true}, {u'\u00BB', true}, {u'\u00AB', false},
}};

const SpacedMark* FindSpacedMark(char16_t c)
{
    for (const SpacedMark& m : kSpacedMarks) {
        if (m.mark == c)
            return &m;
    }
    return nullptr;
}

bool IsEndMark(char16_t c)
{
    return c == u'?' || c == u'!';
}

std::string CharacterFault(char16_t c)
{
    if (c == u'|')
        return "a \"|\" in the French";
    if (c == kNoBreakSpace || c == u'\u202F')
        return "a no-break space in the source: write a plain space, the data files get the no-break one";
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFEFF || c == 0xFFFD)
        return "a control or invalid character in the French";
    return {};
}

} // namespace

FrenchText ConvertFrench(std::string_view source)
{
    FrenchText result{Utf8ToUtf16(source), {}};
    std::u16string& text = result.shown;
    // A text that does not come back unchanged was not well-formed UTF-8.
    if (Utf16ToUtf8(text) != source) {
        result.fault = "the French is not valid UTF-8";
        return result;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (std::string fault = CharacterFault(c); !fault.empty()) {
            result.fault = fault;
            return result;
        }
        if (c == u' ' && i + 1 < text.size() && text[i + 1] == u' ') {
            result.fault = "two spaces in a row in the French";
            return result;
        }
        if ((c == u'.' || c == u',') && i > 0 && text[i - 1] == u' ') {
            result.fault = "a space before \".\" or \",\" in the French";
            return result;
        }
        const SpacedMark* mark = FindSpacedMark(c);
        if (!mark)
            continue;
        // "?!" and the like: only the first mark of the run takes the space.
        if (mark->spaceBefore && i > 0 && IsEndMark(c) && IsEndMark(text[i - 1]))
            continue;
        const std::size_t space = mark->spaceBefore ? i - 1 : i + 1;
        if ((mark->spaceBefore && i == 0) || space >= text.size() || text[space] != u' ') {
            result.fault = std::string("no space ") + (mark->spaceBefore ? "before" : "after") + " \"" +
                           Utf16ToUtf8(std::u16string(1, c)) + "\" in the French";
            return result;
        }
        text[space] = kNoBreakSpace;
    }
    return result;
}
