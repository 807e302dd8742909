#include "bookindex.h"

#include "cfile.h"
#include "citem.h"
#include "records.h"
#include "search.h"
#include "text.h"

#include <filesystem>

namespace {

// Every record of a fixed-record file, decoded; as many as it holds whole.
template <typename Record>
std::vector<Record> ReadRecords(const char* name)
{
    std::vector<Record> records;
    const auto bytes = ReadWholeFile(name);
    if (!bytes)
        return records;
    for (std::size_t at = 0; at + Record::kSize <= bytes->size(); at += Record::kSize)
        records.push_back(Record::Decode(bytes->data() + at));
    return records;
}

// The size of a file as its stream tells it, and its time of change where the
// file system has one.
std::string FileStamp(const char* name)
{
    FilePtr file = OpenFile(name, "rb");
    if (!file)
        return "-;";
    std::error_code error;
    const auto time = std::filesystem::last_write_time(name, error);
    return std::to_string(FileSize(file.get())) + "@" + std::to_string(error ? 0 : time.time_since_epoch().count()) + ";";
}

} // namespace

std::vector<IndexedPhrase> ReadIndexedPhrases(const std::vector<MapFamily>& families)
{
    const std::vector<PhraseRecord> english = ReadRecords<PhraseRecord>("English.dat");
    const std::vector<TranslationRecord> french = ReadRecords<TranslationRecord>("French.dat");
    std::vector<PhraseKeywords> keywords(std::size_t(kPhraseCount) + 1);
    for (PhraseKeywords& entry : ReadKeywords(kPhraseCount))
        keywords[std::size_t(entry.phrase)] = std::move(entry);

    std::vector<IndexedPhrase> phrases;
    for (const MapFamily& family : families) {
        for (int number = family.first; number < family.first + family.members; ++number) {
            IndexedPhrase phrase{number, family.first, {}, {}, {}, 0};
            const std::size_t record = std::size_t(number - 1);
            if (record < english.size())
                phrase.english = PhraseKey(english[record].text);
            else if (number == family.first)
                phrase.english = CItem(WidenMapText(family.mapText)).displayText;
            if (record < french.size())
                phrase.french = DropLineEnd(DropByteOrderMark(french[record].text));
            if (std::size_t(number) < keywords.size()) {
                phrase.keywords = std::move(keywords[std::size_t(number)].keywords);
                phrase.need = keywords[std::size_t(number)].need;
            }
            phrases.push_back(std::move(phrase));
        }
    }
    return phrases;
}

const WordIndex& BookIndex::For(const std::vector<MapFamily>& families)
{
    std::string stamp;
    for (const char* name : {"MapEngSpec.data", "English.dat", "French.dat", kSynonymsFile, kKeywordsFile})
        stamp += FileStamp(name);
    if (!index || stamp != builtFrom) {
        const std::vector<IndexedPhrase> phrases = ReadIndexedPhrases(families);
        index = std::make_unique<WordIndex>(phrases, ReadSynonyms());
        foldedFrench.assign(phrases.empty() ? 0 : std::size_t(phrases.back().number) + 1, std::u16string());
        for (const IndexedPhrase& phrase : phrases)
            foldedFrench[std::size_t(phrase.number)] = FoldForSearch(phrase.french);
        builtFrom = stamp;
    }
    return *index;
}

std::u16string_view BookIndex::FoldedFrench(int number) const
{
    return number >= 0 && std::size_t(number) < foldedFrench.size() ? foldedFrench[std::size_t(number)]
                                                                     : std::u16string_view();
}
