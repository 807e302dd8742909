#pragma once
// Builders of phrase files with exactly the bytes the program reads.

#include "files.h"
#include "guidefile.h"

#include <cstdint>
#include <string>
#include <vector>

struct MapEntry {
    std::string text;   // Windows-1252
    std::int16_t variantCount = 1;
};

// Record i gets number i + 1.
void WriteEnglishTexts(const std::vector<std::u16string>& texts);
void WriteFrench(const std::vector<std::u16string>& texts);
void WriteMap(const std::vector<MapEntry>& records);

// A favourites store holding phrases `numbers`, in that order, as WriteNumberedBook names them.
void WriteFavourites(const std::string& name, const std::vector<int>& numbers);

// One related-table row per phrase; `related[n - 1]` lists the phrases marked for phrase n.
void WriteRelated(const std::vector<std::vector<int>>& related, int rows = 831);

// The search's data files, "Synonyms.dat" and "Keywords.dat", one line each.
void WriteSearchData(const std::vector<std::string>& synonyms = {}, const std::vector<std::string>& keywords = {});

// A sound archive with a valid header (or that of `version`) and its index, clip n-1 for phrase n; a non-empty
// entry of `entries` (offset, length) stands in the index instead, which has as many entries as the longer list.
// Without clips every lookup is refused silently, so showing a phrase says nothing about sound.
using ArchiveEntry = std::pair<std::uint32_t, std::uint32_t>;
void WriteSoundArchive(const std::vector<Bytes>& clips, std::vector<ArchiveEntry> entries = {},
                       std::int32_t version = 2102);
inline void WriteEmptySoundArchive() { WriteSoundArchive({}); }

// The whole records a file holds.
template <typename Record>
std::vector<Record> ReadRecords(const std::string& name)
{
    const Bytes bytes = ReadFile(name);
    std::vector<Record> records;
    for (std::size_t at = 0; at + Record::kSize <= bytes.size(); at += Record::kSize)
        records.push_back(Record::Decode(bytes.data() + at));
    return records;
}

// "Guide.dat" with these records, one per phrase.
void WriteGuide(const std::vector<GuideRecord>& records);
// Guides "frahz n" with the IPA "fʁɑz n" for phrases 1 to count.
std::vector<GuideRecord> NumberedGuides(int count);
inline void WriteNumberedGuide(int count) { WriteGuide(NumberedGuides(count)); }

// Records of a text file of n phrases: "Phrase 1", "Phrase 2", ... (English, map and French "Phrase n fr\r"),
// and their guides.
void WriteNumberedBook(int count);
std::u16string NumberedText(int number);
