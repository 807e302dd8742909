// Keyword search over the category map, and the phrases related to the one
// whose clip was loaded last.

#include "citem.h"
#include "codepage.h"
#include "phrasebook.h"
#include "search.h"
#include "text.h"

#include <array>
#include <memory>

std::u16string WidenMapText(std::string_view mapText)
{
    // Compared only up to a line feed; converted by the map's own code page so
    // that a keyword with accented letters finds the same letters in the map.
    return Windows1252ToUtf16(mapText.substr(0, mapText.find('\n')));
}

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
    const std::u16string key = ToLower(keywordText);
    bool found = false;
    std::vector<MapFamily> unmatched;
    MapRecord record;
    int number = 1;
    while (ReadMapRecord(file.get(), record)) {
        const std::u16string text = ToLower(WidenMapText(record.text));
        const bool matches = exactMatch ? text == key : text.find(key) != std::u16string::npos;
        if (matches) {
            found = true;
            views.list.AddPhraseItem(std::make_unique<CItem>(Windows1252ToUtf16(record.text)));
        }
        // A family of alternatives is examined once, by its first record.
        MapFamily family{number, 1, record.text};
        MapRecord covered;
        for (int k = 1; k < record.variantCount && ReadMapRecord(file.get(), covered); ++k)
            ++family.members;
        number += family.members;
        if (!matches)
            unmatched.push_back(std::move(family));
    }
    if (ListFrenchMatches(unmatched))
        found = true;
    if (!found)
        ShowMessage(u"This item can't be found");
}

bool PhraseBook::ListFrenchMatches(const std::vector<MapFamily>& families)
{
    const std::u16string key = FoldForSearch(keywordText);
    bool found = false;
    for (const MapFamily& family : families) {
        for (int member = family.first; member < family.first + family.members; ++member) {
            const std::u16string french = FoldForSearch(DropLineEnd(DropByteOrderMark(ReadTranslation(member).text)));
            if (french.empty() || (exactMatch ? french != key : french.find(key) == std::u16string::npos))
                continue;
            auto item = std::make_unique<CItem>(Windows1252ToUtf16(family.mapText));
            // The row shows the member whose French matched, as if its word
            // had been chosen in the list; the chooser still offers the others.
            if (member != family.first) {
                const std::u16string english = EnglishTextOf(member);
                if (english.find(u'[') != std::u16string::npos)
                    item->displayText = english;
            }
            views.list.AddPhraseItem(std::move(item));
            found = true;
            break;
        }
    }
    return found;
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
