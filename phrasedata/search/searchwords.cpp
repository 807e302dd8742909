#include "searchwords.h"

#include "text.h"

namespace {

// Letters beyond Latin-1 that folding leaves (Greek, Cyrillic ...) count as
// letters; everything else that is not a letter or a digit separates words.
bool IsWordUnit(char16_t c)
{
    const bool typographic = c >= 0x2000 && c <= 0x206F;
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || (c >= 0x100 && !typographic && c != 0xFEFF);
}

// The runs of `text` whose units pass `inWord`.
template <typename InWord>
std::vector<std::u16string> Runs(const std::u16string& text, InWord inWord)
{
    std::vector<std::u16string> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && inWord(text[i]))
            continue;
        if (i > start)
            words.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

} // namespace

std::vector<std::string> SplitWords(std::u16string_view text)
{
    std::vector<std::string> words;
    for (const std::u16string& word : Runs(FoldForSearch(text), IsWordUnit))
        words.push_back(Utf16ToUtf8(word));
    return words;
}

std::vector<std::string> SplitWords(std::string_view utf8Text)
{
    return SplitWords(Utf8ToUtf16(utf8Text));
}

std::vector<std::u16string> SplitShownWords(std::u16string_view text)
{
    // The accented letters of Latin-1 are letters too, before folding.
    return Runs(ToLower(std::u16string(text)),
                [](char16_t c) { return IsWordUnit(c) || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7); });
}

bool EndsInsideWord(std::u16string_view text)
{
    const std::u16string folded = FoldForSearch(text);
    return !folded.empty() && IsWordUnit(folded.back());
}
