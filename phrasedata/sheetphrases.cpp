#include "sheetphrases.h"

#include "categories.h"
#include "cfile.h"
#include "guidefile.h"
#include "records.h"
#include "text.h"

#include <algorithm>
#include <set>

namespace {

// The headings of the sheet; the category buttons keep their own spellings.
constexpr std::u16string_view kHeadings[] = {u"Basic",    u"Travel",      u"Food",   u"Lodging",   u"Business",
                                             u"Sightseeing", u"Social", u"Shopping", u"Emergency", u"Question"};

// The index of the category whose phrases include `number`, if any.
std::optional<std::size_t> CategoryIndexOf(int number)
{
    const std::span<const Category> categories = Categories();
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const PhraseRange all = categories[i].subcategories.front().phrases;
        if (number >= all.first && number <= all.last)
            return i;
    }
    return std::nullopt;
}

std::u16string ReadText(std::FILE* file, std::size_t recordSize, std::size_t units, int number)
{
    std::vector<std::uint8_t> bytes(recordSize);
    if (!file || !ReadAt(file, long(number - 1) * long(recordSize), bytes.data(), bytes.size()))
        return {};
    return DropLineEnd(DropByteOrderMark(RemoveLineBreaks(DecodeText16(bytes.data(), units))));
}

} // namespace

std::vector<SheetGroup> GatherSheetPhrases(const std::filesystem::path& dataFolder, const std::vector<int>& numbers)
{
    const FilePtr english = OpenFile((dataFolder / "English.dat").c_str(), "rb");
    const FilePtr french = OpenFile((dataFolder / "French.dat").c_str(), "rb");
    std::vector<SheetGroup> groups(std::size(kHeadings));
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups[i].category = kHeadings[i];
    std::set<int> seen;
    for (int number : numbers) {
        const std::optional<std::size_t> category = CategoryIndexOf(number);
        if (!category || number > kPhraseCount || !seen.insert(number).second)
            continue;
        const std::optional<GuideRecord> guide = ReadPhraseGuide(dataFolder, number);
        groups[*category].phrases.push_back(
            {number, StripBrackets(ReadText(english.get(), PhraseRecord::kSize, PhraseRecord::kTextUnits, number)),
             ReadText(french.get(), TranslationRecord::kSize, TranslationRecord::kTextUnits, number),
             guide ? guide->respelling : std::u16string()});
    }
    std::erase_if(groups, [](const SheetGroup& group) { return group.phrases.empty(); });
    return groups;
}

std::vector<int> FavouritePhraseNumbers(const std::filesystem::path& favouritesFile)
{
    std::vector<int> numbers;
    const FilePtr file = OpenFile(favouritesFile.c_str(), "rb");
    if (!file)
        return numbers;
    PhraseRecord record;
    while (numbers.size() < std::size_t(kPhraseCount) * 4 && ReadPhraseRecord(file.get(), record))
        numbers.push_back(record.phraseNumber);
    return numbers;
}
