#pragma once
// The search's sources beside the phrase book: synonyms.txt (groups of
// equivalent terms, or "term > target, target") and keywords.txt ("NUMBER |
// English | keyword, keyword", the English exactly as the phrase book writes
// it, so that keywords never drift onto another phrase when phrases change),
// and traveller-needs.txt ("IMPORTANCE | need | NUMBER NUMBER", what a
// traveller most needs to say and the phrases that say it), whose importance
// goes into "Keywords.dat" so that search lists those phrases first among
// equals. Each may be missing: its data file is then written empty, or
// without needs.

#include "make_phrasebook_source.h"
#include "searchdata.h"

#include <filesystem>
#include <string>
#include <vector>

struct SearchSources {
    std::vector<SynonymLine> synonyms;
    std::vector<PhraseKeywords> keywords;
};

// One source file's faults, each with its line.
struct SearchSourceFaults {
    std::filesystem::path file;
    SourceFaults faults;
};

// Reads both sources from `folder`, checking keywords against the book's lines.
SearchSources ReadSearchSources(const std::filesystem::path& folder, const std::vector<SourceLine>& book,
                                std::vector<SearchSourceFaults>& faults);

// Writes "Synonyms.dat" and "Keywords.dat" in the current directory.
bool WriteSearchFiles(const SearchSources& sources, std::string& error);
