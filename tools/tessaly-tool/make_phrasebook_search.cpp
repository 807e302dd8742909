#include "make_phrasebook_search.h"

#include "cfile.h"
#include "make_phrasebook_files.h"
#include "text.h"
#include "workfile.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The lines of a source file, or none when it is missing.
std::optional<std::string> ReadSource(const fs::path& path)
{
    const auto bytes = ReadWholeFile(path.string());
    if (!bytes)
        return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

std::vector<SynonymLine> ReadSynonymSource(std::string_view text, SourceFaults& faults)
{
    std::vector<SynonymLine> lines;
    for (const TextLine& line : ContentLines(text)) {
        std::string error;
        if (auto parsed = ParseSynonymLine(line.text, error))
            lines.push_back(std::move(*parsed));
        else
            faults.push_back({line.number, error});
    }
    return lines;
}

std::vector<PhraseKeywords> ReadKeywordSource(std::string_view text, const std::vector<SourceLine>& book,
                                              SourceFaults& faults)
{
    std::map<int, const SourceLine*> phrases;
    for (const SourceLine& line : book)
        phrases.emplace(line.number, &line);
    std::map<int, int> seenOn;
    std::vector<PhraseKeywords> entries;
    for (const TextLine& line : ContentLines(text)) {
        // The English may hold a group "[a|b]": the fields are cut at the first and last bar.
        const std::size_t first = line.text.find('|');
        const std::size_t last = line.text.rfind('|');
        std::string error;
        std::optional<PhraseKeywords> parsed;
        if (first != last)
            parsed = ParseKeywordsLine(std::string(line.text.substr(0, first)) + "|" +
                                           std::string(line.text.substr(last + 1)),
                                       int(book.size()), error);
        if (!parsed) {
            faults.push_back({line.number, first == last ? "expected \"NUMBER | English | keyword, keyword\"" : error});
            continue;
        }
        const std::string english(TrimBlanks(line.text.substr(first + 1, last - first - 1)));
        const auto phrase = phrases.find(parsed->phrase);
        if (phrase == phrases.end() || phrase->second->english != english) {
            faults.push_back({line.number, "the English \"" + english + "\" is not that of phrase " +
                                               std::to_string(parsed->phrase) +
                                               (phrase == phrases.end() ? std::string()
                                                                        : ", \"" + phrase->second->english + "\"")});
            continue;
        }
        if (const auto [it, added] = seenOn.emplace(parsed->phrase, line.number); !added) {
            faults.push_back({line.number, "phrase " + std::to_string(parsed->phrase) + " already has keywords on line " +
                                               std::to_string(it->second)});
            continue;
        }
        entries.push_back(std::move(*parsed));
    }
    return entries;
}

// How much a traveller needs each phrase the needs list names: the greatest
// importance of the needs it answers.
std::map<int, int> ReadNeedSource(std::string_view text, int phraseCount, SourceFaults& faults)
{
    static const std::map<std::string_view, int> kImportance{{"useful", 1}, {"important", 2}, {"essential", kMostNeeded}};
    std::map<int, int> needOf;
    for (const TextLine& line : ContentLines(text)) {
        const std::size_t first = line.text.find('|');
        const std::size_t last = line.text.rfind('|');
        const auto importance = kImportance.find(TrimBlanks(line.text.substr(0, first)));
        if (first == last || importance == kImportance.end()) {
            faults.push_back({line.number, "expected \"useful|important|essential | need | NUMBER NUMBER\""});
            continue;
        }
        std::istringstream numbers{std::string(line.text.substr(last + 1))};
        for (std::string word; numbers >> word;) {
            const int number = ParseDecimal(Utf8ToUtf16(word)).value_or(0);
            if (number < 1 || number > phraseCount) {
                faults.push_back({line.number, "\"" + word + "\" is not a phrase number from 1 to " +
                                                   std::to_string(phraseCount)});
                continue;
            }
            needOf[number] = std::max(needOf[number], importance->second);
        }
    }
    return needOf;
}

std::string DataFileText(const char* source, const std::vector<std::string>& lines)
{
    std::string text = std::string("# Made by tessaly-tool make-phrasebook from source/") + source + "; edit that.\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

SearchSources ReadSearchSources(const fs::path& folder, const std::vector<SourceLine>& book,
                                std::vector<SearchSourceFaults>& faults)
{
    SearchSources sources;
    SearchSourceFaults synonymFaults{folder / "synonyms.txt", {}};
    SearchSourceFaults keywordFaults{folder / "keywords.txt", {}};
    SearchSourceFaults needFaults{folder / "traveller-needs.txt", {}};
    if (const auto text = ReadSource(synonymFaults.file))
        sources.synonyms = ReadSynonymSource(*text, synonymFaults.faults);
    if (const auto text = ReadSource(keywordFaults.file))
        sources.keywords = ReadKeywordSource(*text, book, keywordFaults.faults);
    if (const auto text = ReadSource(needFaults.file)) {
        const std::map<int, int> needOf = ReadNeedSource(*text, int(book.size()), needFaults.faults);
        for (PhraseKeywords& entry : sources.keywords)
            if (const auto need = needOf.find(entry.phrase); need != needOf.end())
                entry.need = need->second;
    }
    for (SearchSourceFaults* found : {&synonymFaults, &keywordFaults, &needFaults})
        if (!found->faults.empty())
            faults.push_back(std::move(*found));
    return sources;
}

bool WriteSearchFiles(const SearchSources& sources, std::string& error)
{
    std::vector<std::string> synonymLines, keywordLines;
    for (const SynonymLine& line : sources.synonyms)
        synonymLines.push_back(FormatSynonymLine(line));
    for (const PhraseKeywords& entry : sources.keywords)
        keywordLines.push_back(FormatKeywordsLine(entry));
    for (const auto& [name, text] : {std::pair{kSynonymsFile, DataFileText("synonyms.txt", synonymLines)},
                                     std::pair{kKeywordsFile, DataFileText("keywords.txt", keywordLines)}}) {
        if (!WriteWholeFile(name, text)) {
            error = std::string("cannot write ") + name;
            return false;
        }
    }
    return true;
}
