#include "phrasefixtures.h"

#include "records.h"
#include "search.h"
#include "text.h"

#include <algorithm>

namespace {

// Writes one record per entry, made by `toRecord`, as the file `name`.
template <typename Entry, typename ToRecord>
void WriteRecords(const std::string& name, const std::vector<Entry>& entries, ToRecord toRecord)
{
    Bytes bytes;
    for (const Entry& entry : entries) {
        const auto record = toRecord(entry).Encode();
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    WriteFile(name, bytes);
}

} // namespace

void WriteEnglishTexts(const std::vector<std::u16string>& texts)
{
    std::int32_t number = 0;
    WriteRecords("English.dat", texts, [&](const std::u16string& text) { return PhraseRecord{text, ++number}; });
}

void WriteFrench(const std::vector<std::u16string>& texts)
{
    WriteRecords("French.dat", texts, [](const std::u16string& text) { return TranslationRecord{text}; });
}

void WriteMap(const std::vector<MapEntry>& records)
{
    WriteRecords("MapEngSpec.data", records, [](const MapEntry& e) { return MapRecord{e.text, e.variantCount}; });
}

void WriteFavourites(const std::string& name, const std::vector<int>& numbers)
{
    WriteRecords(name, numbers, [](int n) { return PhraseRecord{NumberedText(n), n}; });
}

void WriteRelated(const std::vector<std::vector<int>>& related, int rows)
{
    Bytes bytes(std::size_t(rows) * kRelateRowBytes, 0);
    for (std::size_t phrase = 0; phrase < related.size(); ++phrase)
        for (int bit : related[phrase])
            bytes[phrase * kRelateRowBytes + std::size_t(bit - 1) / 8] |= std::uint8_t(0x80 >> (bit - 1) % 8);
    WriteFile("Relate.dat", bytes);
}

std::u16string NumberedText(int number) { return u"Phrase " + DecimalText(number); }

void WriteNumberedBook(int count)
{
    std::vector<std::u16string> english, french;
    std::vector<MapEntry> map;
    for (int n = 1; n <= count; ++n) {
        english.push_back(NumberedText(n));
        map.push_back({"Phrase " + std::to_string(n)});
        french.push_back(NumberedText(n) + u" fr\r");
    }
    WriteEnglishTexts(english);
    WriteMap(map);
    WriteFrench(french);
    WriteNumberedGuide(count);
}

void WriteGuide(const std::vector<GuideRecord>& records)
{
    WriteRecords(kGuideFileName, records, [](const GuideRecord& record) { return record; });
}

std::vector<GuideRecord> NumberedGuides(int count)
{
    std::vector<GuideRecord> guides;
    for (int n = 1; n <= count; ++n)
        guides.push_back({u"frahz " + DecimalText(n), u"fʁɑz " + DecimalText(n)});
    return guides;
}

void WriteSoundArchive(const std::vector<Bytes>& clips, std::vector<ArchiveEntry> entries, std::int32_t version)
{
    Bytes archive{'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l', 0, 0, 0, 0};
    WriteLE32(archive.data() + 8, std::uint32_t(version));
    entries.resize(std::max(entries.size(), clips.size()));
    Bytes index(entries.size() * 8);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ArchiveEntry made{std::uint32_t(archive.size() - 12), std::uint32_t(i < clips.size() ? clips[i].size() : 0)};
        if (i < clips.size())
            Append(archive, clips[i]);
        const ArchiveEntry entry = entries[i] == ArchiveEntry{} ? made : entries[i];
        WriteLE32(index.data() + 8 * i, entry.first);
        WriteLE32(index.data() + 8 * i + 4, entry.second);
    }
    WriteFile("data.dat", archive);
    WriteFile("data.idx", index);
}

void WriteSearchData(const std::vector<std::string>& synonyms, const std::vector<std::string>& keywords)
{
    WriteLines("Synonyms.dat", synonyms);
    WriteLines("Keywords.dat", keywords);
}
