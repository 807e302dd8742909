#include "searchwords.h"

#include "text.h"

#include <algorithm>
#include <type_traits>

namespace {

// Letters beyond Latin-1 that folding leaves (Greek, Cyrillic ...) count as
// letters; everything else that is not a letter or a digit separates words.
bool IsWordUnit(char16_t c)
{
    const bool typographic = c >= 0x2000 && c <= 0x206F;
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || (c >= 0x100 && !typographic && c != 0xFEFF);
}

// The runs of `text` whose units pass `inWord`, as views into it.
template <typename InWord>
std::vector<std::u16string_view> Runs(std::u16string_view text, InWord inWord)
{
    std::vector<std::u16string_view> words;
    // Room for words of four letters and a space, in one allocation.
    words.reserve(text.size() / 5 + 1);
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

template <typename Char>
bool IsPlainAscii(std::basic_string_view<Char> text)
{
    return std::all_of(text.begin(), text.end(), [](Char c) { return std::make_unsigned_t<Char>(c) < 0x80; });
}

// The words of a plain ASCII text, which folding only lowers and UTF-8
// leaves as it is. Most of the book's English, keywords and synonyms are
// plain ASCII, and splitting them without the round trip through folded
// UTF-16 keeps building the index quick.
template <typename Char>
void SplitAsciiWords(std::basic_string_view<Char> text, std::vector<std::string>& words)
{
    const auto lowered = [](Char unit) { return unit >= 'A' && unit <= 'Z' ? char(unit + 0x20) : char(unit); };
    const auto inWord = [&lowered](Char unit) { return IsWordUnit(char16_t(lowered(unit))); };
    for (auto at = text.begin(); at != text.end();) {
        const auto start = std::find_if(at, text.end(), inWord);
        at = std::find_if_not(start, text.end(), inWord);
        if (start != at) {
            std::string& word = words.emplace_back(std::size_t(at - start), '\0');
            std::transform(start, at, word.begin(), lowered);
        }
    }
}

} // namespace

void SplitWordsInto(std::u16string_view text, std::vector<std::string>& words)
{
    words.clear();
    if (IsPlainAscii(text))
        return SplitAsciiWords(text, words);
    // Folding leaves most French plain ASCII too.
    const std::u16string folded = FoldForSearch(text);
    if (IsPlainAscii(std::u16string_view(folded)))
        return SplitAsciiWords(std::u16string_view(folded), words);
    for (std::u16string_view word : Runs(folded, IsWordUnit))
        words.push_back(Utf16ToUtf8(word));
}

void SplitWordsInto(std::string_view utf8Text, std::vector<std::string>& words)
{
    if (!IsPlainAscii(utf8Text))
        return SplitWordsInto(Utf8ToUtf16(utf8Text), words);
    words.clear();
    SplitAsciiWords(utf8Text, words);
}

std::vector<std::string> SplitWords(std::u16string_view text)
{
    std::vector<std::string> words;
    SplitWordsInto(text, words);
    return words;
}

std::vector<std::string> SplitWords(std::string_view utf8Text)
{
    std::vector<std::string> words;
    SplitWordsInto(utf8Text, words);
    return words;
}

std::vector<std::u16string_view> SplitShownWords(std::u16string_view lowerText)
{
    // The accented letters of Latin-1 are letters too, before folding.
    return Runs(lowerText, [](char16_t c) {
        return IsWordUnit(c) || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
    });
}

bool EndsInsideWord(std::u16string_view text)
{
    const std::u16string folded = FoldForSearch(text);
    return !folded.empty() && IsWordUnit(folded.back());
}
