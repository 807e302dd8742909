// Keyword search over the category map, and the phrases related to the one
// whose clip was loaded last.

#include "citem.h"
#include "codepage.h"
#include "phrasebook.h"
#include "search.h"
#include "text.h"

#include <algorithm>
#include <array>
#include <memory>

std::u16string WidenMapText(std::string_view mapText)
{
    // Compared only up to a line feed; converted by the map's own code page so
    // that a keyword with accented letters finds the same letters in the map.
    return Windows1252ToUtf16(mapText.substr(0, mapText.find('\n')));
}

namespace {

// The families of the map, each examined by its first record; the records a
// family stands for are read and passed over, so a torn map ends the scan.
std::vector<MapFamily> ReadMapFamilies(std::FILE* file)
{
    std::vector<MapFamily> families;
    MapRecord record;
    int number = 1;
    while (ReadMapRecord(file, record)) {
        MapFamily family{number, 1, record.text};
        MapRecord covered;
        for (int k = 1; k < record.variantCount && ReadMapRecord(file, covered); ++k)
            ++family.members;
        number += family.members;
        families.push_back(std::move(family));
    }
    return families;
}

} // namespace

void PhraseBook::SearchPhrases()
{
    views.window.ReadControls();
    keywordText = keywordText.substr(0, kKeywordUnits - 1);
    if (keywordText.empty())
        return;
    FilePtr file = OpenFile("MapEngSpec.data", "rb");
    if (!file) {
        ShowFailureOnce(u"Can't read data file");
        return;
    }
    views.list.ClearRows();
    const std::vector<MapFamily> families = ReadMapFamilies(file.get());
    std::vector<SearchRow> rows;
    if (exactMatch) {
        rows = SubstringRows(families, [this](int member) {
            return FoldForSearch(DropLineEnd(DropByteOrderMark(ReadTranslation(member).text)));
        });
    } else {
        // The index holds every French text already, so the plain rule needs no file reads.
        bookIndex.For(families);
        rows = WordRows(families, SubstringRows(families, [this](int member) {
                            return std::u16string(bookIndex.FoldedFrench(member));
                        }));
    }
    for (const SearchRow& row : rows)
        AddSearchRow(row);
    if (rows.empty())
        ShowMessage(u"This item can't be found");
}

const WordIndex& PhraseBook::SearchIndex()
{
    FilePtr file = OpenFile("MapEngSpec.data", "rb");
    return bookIndex.For(file ? ReadMapFamilies(file.get()) : std::vector<MapFamily>{});
}

// The keyword as one piece of text: in the list text (or equal to it, with
// "Exact match only"), then, for the families that missed, in a member's
// French, compared without case or accents.
std::vector<PhraseBook::SearchRow> PhraseBook::SubstringRows(const std::vector<MapFamily>& families,
                                                             const std::function<std::u16string(int)>& frenchOf)
{
    std::vector<SearchRow> rows;
    std::vector<const MapFamily*> unmatched;
    const std::u16string key = ToLower(keywordText);
    for (const MapFamily& family : families) {
        const std::u16string text = ToLower(WidenMapText(family.mapText));
        if (exactMatch ? text == key : text.find(key) != std::u16string::npos)
            rows.push_back({&family, family.first});
        else
            unmatched.push_back(&family);
    }
    const std::u16string frenchKey = FoldForSearch(keywordText);
    for (const MapFamily* family : unmatched) {
        for (int member = family->first; member < family->first + family->members; ++member) {
            const std::u16string french = frenchOf(member);
            if (!french.empty() && (exactMatch ? french == frenchKey : french.find(frenchKey) != std::u16string::npos)) {
                rows.push_back({family, member});
                break;
            }
        }
    }
    return rows;
}

// The rows the word index ranks, then every other row the keyword finds as
// one piece of text, in their own order.
std::vector<PhraseBook::SearchRow> PhraseBook::WordRows(const std::vector<MapFamily>& families,
                                                        const std::vector<SearchRow>& substringRows)
{
    std::vector<SearchRow> rows;
    std::vector<bool> listed(families.size());
    for (int number : bookIndex.For(families).Search(keywordText)) {
        const auto after = std::upper_bound(families.begin(), families.end(), number,
                                            [](int n, const MapFamily& family) { return n < family.first; });
        // The index names only phrases of these families; nothing else is listed.
        if (after == families.begin() || number >= (after - 1)->first + (after - 1)->members)
            continue;
        listed[std::size_t(after - families.begin()) - 1] = true;
        rows.push_back({&*(after - 1), number});
    }
    for (const SearchRow& row : substringRows)
        if (!listed[std::size_t(row.family - families.data())])
            rows.push_back(row);
    return rows;
}

void PhraseBook::AddSearchRow(const SearchRow& row)
{
    auto item = std::make_unique<CItem>(Windows1252ToUtf16(row.family->mapText));
    // The row shows the member that matched, as if its word had been chosen
    // in the list; the chooser still offers the others.
    if (row.member != row.family->first) {
        const std::u16string english = EnglishTextOf(row.member);
        if (english.find(u'[') != std::u16string::npos)
            item->displayText = english;
    }
    views.list.AddPhraseItem(std::move(item));
}

std::u16string PhraseBook::EnglishTextOf(int number)
{
    std::uint8_t bytes[PhraseRecord::kSize];
    if (number < 1 || !englishFile
        || !ReadAt(englishFile.get(), long(number - 1) * long(PhraseRecord::kSize), bytes, sizeof bytes))
        return {};
    return PhraseKey(PhraseRecord::Decode(bytes).text);
}

bool PhraseBook::FindRelatedPhrases()
{
    views.window.RefreshControls();
    relatedTableUnreadable = false;
    if (loadedPhrase < 1 || loadedPhrase > kPhraseCount)
        return false;
    FilePtr file = OpenFile("Relate.dat", "rb");
    // A missing file, or a short one without this phrase's row.
    std::array<std::uint8_t, kRelateRowBytes> row{};
    if (!file || !ReadAt(file.get(), long(loadedPhrase - 1) * long(kRelateRowBytes), row.data(), row.size())) {
        relatedTableUnreadable = true;
        return false;
    }
    const std::vector<int> related = RelatedPhraseNumbers(row);
    if (related.empty())
        return false;
    phraseIds.clear();
    views.list.ClearRows();
    for (int number : related)
        AddPhraseByNumber(number, number);
    return true;
}

std::vector<int> RelatedPhraseNumbers(const std::array<std::uint8_t, kRelateRowBytes>& row)
{
    std::vector<int> numbers;
    for (int i = 0; i < kRelateRowBytes; ++i) {
        for (int j = 0; j < 8; ++j) {
            const int number = i * 8 + j + 1;
            if ((row[i] & (0x80 >> j)) && number <= kPhraseCount)
                numbers.push_back(number);
        }
    }
    return numbers;
}

void PhraseBook::AddPhraseByNumber(int first, int last)
{
    if (!englishFile)
        return;
    if (first >= 1 && std::fseek(englishFile.get(), long(first - 1) * long(PhraseRecord::kSize), SEEK_SET) == 0) {
        PhraseRecord record;
        for (int i = first - 1; i < last && ReadPhraseRecord(englishFile.get(), record); ++i) {
            const std::u16string text = StripBrackets(PhraseKey(record.text));
            phraseIds[text] = DecimalText(record.phraseNumber);
            views.list.AddPlainRow(text);
        }
    }
    views.window.RefreshControls();
}
