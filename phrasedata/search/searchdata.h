#pragma once
// The search's own data files, made by `tessaly-tool make-phrasebook` from
// data/source/synonyms.txt and data/source/keywords.txt and read beside the
// phrase files. Both are UTF-8 text, one entry per line:
//
//   "Synonyms.dat"  a group of equivalent terms, "toilet,restroom,loo", each
//                   finding every other; or a one-way line "cab>taxi", whose
//                   term finds its targets but not the reverse.
//   "Keywords.dat"  "NUMBER|keyword,keyword": the words a traveller would use
//                   for the situation phrase NUMBER serves; "|NEED" after them
//                   says how much a traveller needs the phrase (1 useful,
//                   2 important, 3 essential; none: 0).
//
// A term or keyword is one or more words. Either file may be missing: the
// search then works with the book's own words.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kSynonymsFile = "Synonyms.dat";
inline constexpr const char* kKeywordsFile = "Keywords.dat";

// One line of synonyms: `terms` find each other, or with `oneWay` the first
// term finds the others.
struct SynonymLine {
    std::vector<std::string> terms;
    bool oneWay = false;
};

struct PhraseKeywords {
    int phrase = 0;
    std::vector<std::string> keywords;
    int need = 0;   // 0 to kMostNeeded: how much a traveller needs the phrase
};
inline constexpr int kMostNeeded = 3;

// A text without its leading and trailing spaces and tabs.
std::string_view TrimBlanks(std::string_view text);

// The terms of a comma-separated list, trimmed; empty when one is blank.
std::vector<std::string> SplitTermList(std::string_view list);

// A synonym line as the source and the data file write it (the data file
// without spaces); nothing, with the reason in `error`, when it is malformed.
std::optional<SynonymLine> ParseSynonymLine(std::string_view line, std::string& error);
std::string FormatSynonymLine(const SynonymLine& line);

// A line of "Keywords.dat"; phrase numbers run from 1 to `phraseCount`.
std::optional<PhraseKeywords> ParseKeywordsLine(std::string_view line, int phraseCount, std::string& error);
std::string FormatKeywordsLine(const PhraseKeywords& keywords);

// The lines of a UTF-8 text, without line ends, numbered from 1; blank lines
// and "#" comments left out.
struct TextLine {
    int number;
    std::string_view text;
};
std::vector<TextLine> ContentLines(std::string_view text);

// What is wrong with the bytes of a search data file, if anything:
// "line 7: ..." for the first malformed line.
std::optional<std::string> SearchDataFault(const char* fileName, std::string_view bytes, int phraseCount);

// The entries of the files in the current folder; a missing file gives
// none, a malformed line is left out.
std::vector<SynonymLine> ReadSynonyms();
std::vector<PhraseKeywords> ReadKeywords(int phraseCount);
