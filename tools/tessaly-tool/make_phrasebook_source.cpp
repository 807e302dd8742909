#include "make_phrasebook_source.h"

#include "records.h"
#include "text.h"

#include <cstddef>
#include <optional>

namespace {

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string PhraseName(int number)
{
    std::string name = "phrase ";
    name += std::to_string(number);
    return name;
}

// The English text may hold a group "[a|b]", so the fields are cut at the
// first and the last bar: the number cannot hold one and the French may not.
std::optional<SourceLine> SplitFields(std::string_view text, int line, SourceFaults& faults)
{
    const std::size_t firstBar = text.find('|');
    const std::size_t lastBar = text.rfind('|');
    if (firstBar == std::string_view::npos || firstBar == lastBar) {
        faults.push_back({line, "expected \"NUMBER | English | French\""});
        return std::nullopt;
    }
    const std::string_view numberField = Trim(text.substr(0, firstBar));
    const std::optional<int> number = ParseDecimal(Utf8ToUtf16(numberField));
    if (!number) {
        faults.push_back({line, std::string(numberField) + " is not a phrase number"});
        return std::nullopt;
    }
    SourceLine phrase{line, *number, std::string(Trim(text.substr(firstBar + 1, lastBar - firstBar - 1))),
                      std::string(Trim(text.substr(lastBar + 1)))};
    if (phrase.english.empty())
        faults.push_back({line, PhraseName(phrase.number) + " has no English"});
    if (phrase.french.empty())
        faults.push_back({line, PhraseName(phrase.number) + " has no French"});
    return phrase;
}

} // namespace

std::vector<SourceLine> ReadSourceLines(std::string_view source, SourceFaults& faults)
{
    constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (source.starts_with(kUtf8Bom))
        source.remove_prefix(kUtf8Bom.size());

    std::vector<SourceLine> phrases;
    int previous = 0;
    int line = 0;
    while (!source.empty()) {
        ++line;
        const std::size_t end = source.find('\n');
        std::string_view text = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        const std::string_view trimmed = Trim(text);
        if (trimmed.empty() || trimmed.front() == '#')
            continue;

        std::optional<SourceLine> phrase = SplitFields(trimmed, line, faults);
        if (!phrase)
            continue;
        // Each number is compared with the one before it, so that a missing
        // line is reported once rather than on every line after it.
        if (phrase->number != previous + 1)
            faults.push_back({line, previous == 0 ? "the book starts at " + PhraseName(phrase->number) +
                                                        "; it must start at phrase 1"
                                                  : PhraseName(phrase->number) + " follows " + PhraseName(previous) +
                                                        "; the numbers must go up by one"});
        if (phrase->number > kPhraseCount)
            faults.push_back({line, PhraseName(phrase->number) + " is beyond the book's last, " +
                                        std::to_string(kPhraseCount)});
        previous = phrase->number;
        phrases.push_back(std::move(*phrase));
    }
    if (previous < kPhraseCount)
        faults.push_back({0, "the book ends at " + PhraseName(previous) + "; it needs all " +
                                 std::to_string(kPhraseCount)});
    return phrases;
}
