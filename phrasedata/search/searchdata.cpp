#include "searchdata.h"

#include "cfile.h"

#include <algorithm>
#include <cstring>

namespace {

std::string Joined(const std::vector<std::string>& terms)
{
    std::string text;
    for (const std::string& term : terms)
        text += (text.empty() ? "" : ",") + term;
    return text;
}

std::string WholeFile(const char* name)
{
    const auto bytes = ReadWholeFile(name);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> SplitTermList(std::string_view list)
{
    std::vector<std::string> terms;
    terms.reserve(std::size_t(std::count(list.begin(), list.end(), ',')) + 1);
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view term = TrimBlanks(list.substr(0, comma));
        if (term.empty())
            return {};
        terms.emplace_back(term);
        if (comma == std::string_view::npos)
            return terms;
        list.remove_prefix(comma + 1);
    }
}

std::optional<SynonymLine> ParseSynonymLine(std::string_view line, std::string& error)
{
    SynonymLine parsed;
    const std::size_t arrow = line.find('>');
    if (arrow != std::string_view::npos) {
        const std::string_view from = TrimBlanks(line.substr(0, arrow));
        parsed.oneWay = true;
        parsed.terms = SplitTermList(line.substr(arrow + 1));
        if (from.empty() || from.find(',') != std::string_view::npos || parsed.terms.empty() ||
            line.find('>', arrow + 1) != std::string_view::npos) {
            error = "expected \"term > target, target\"";
            return std::nullopt;
        }
        parsed.terms.insert(parsed.terms.begin(), std::string(from));
        return parsed;
    }
    parsed.terms = SplitTermList(line);
    if (parsed.terms.size() < 2) {
        error = "expected two or more terms separated by \",\"";
        return std::nullopt;
    }
    return parsed;
}

std::string FormatSynonymLine(const SynonymLine& line)
{
    if (!line.oneWay)
        return Joined(line.terms);
    return line.terms.front() + ">" + Joined(std::vector<std::string>(line.terms.begin() + 1, line.terms.end()));
}

std::optional<PhraseKeywords> ParseKeywordsLine(std::string_view line, int phraseCount, std::string& error)
{
    const std::size_t bar = line.find('|');
    const std::string_view number = TrimBlanks(line.substr(0, bar));
    PhraseKeywords parsed;
    for (char c : number)
        parsed.phrase = c >= '0' && c <= '9' && parsed.phrase < 100000 ? parsed.phrase * 10 + (c - '0') : -1;
    if (bar == std::string_view::npos || number.empty() || parsed.phrase < 1 || parsed.phrase > phraseCount) {
        error = "expected \"NUMBER|keyword,keyword\" with a phrase number from 1 to " + std::to_string(phraseCount);
        return std::nullopt;
    }
    std::string_view keywords = line.substr(bar + 1);
    if (const std::size_t needBar = keywords.rfind('|'); needBar != std::string_view::npos) {
        const std::string_view need = TrimBlanks(keywords.substr(needBar + 1));
        if (need.size() != 1 || need[0] < '0' || need[0] > '0' + kMostNeeded) {
            error = "expected a need from 0 to " + std::to_string(kMostNeeded) + " after the last \"|\"";
            return std::nullopt;
        }
        parsed.need = need[0] - '0';
        keywords = keywords.substr(0, needBar);
    }
    parsed.keywords = SplitTermList(keywords);
    if (parsed.keywords.empty()) {
        error = "a keyword is blank";
        return std::nullopt;
    }
    return parsed;
}

std::string FormatKeywordsLine(const PhraseKeywords& keywords)
{
    std::string line = std::to_string(keywords.phrase) + "|" + Joined(keywords.keywords);
    if (keywords.need > 0)
        line.append("|").append(std::to_string(keywords.need));
    return line;
}

std::vector<TextLine> ContentLines(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<TextLine> lines;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        line = TrimBlanks(line);
        if (!line.empty() && line.front() != '#')
            lines.push_back({number, line});
    }
    return lines;
}

std::optional<std::string> SearchDataFault(const char* fileName, std::string_view bytes, int phraseCount)
{
    const bool synonyms = std::strcmp(fileName, kSynonymsFile) == 0;
    if (bytes.find('\0') != std::string_view::npos)
        return std::string("it is not text");
    for (const TextLine& line : ContentLines(bytes)) {
        std::string error;
        const bool good = synonyms ? ParseSynonymLine(line.text, error).has_value()
                                   : ParseKeywordsLine(line.text, phraseCount, error).has_value();
        if (!good)
            return "line " + std::to_string(line.number) + ": " + error;
    }
    return std::nullopt;
}

std::vector<SynonymLine> ReadSynonyms()
{
    const std::string text = WholeFile(kSynonymsFile);
    std::vector<SynonymLine> lines;
    std::string ignored;
    for (const TextLine& line : ContentLines(text))
        if (auto parsed = ParseSynonymLine(line.text, ignored))
            lines.push_back(std::move(*parsed));
    return lines;
}

std::vector<PhraseKeywords> ReadKeywords(int phraseCount)
{
    const std::string text = WholeFile(kKeywordsFile);
    std::vector<PhraseKeywords> lines;
    std::string ignored;
    for (const TextLine& line : ContentLines(text))
        if (auto parsed = ParseKeywordsLine(line.text, phraseCount, ignored))
            lines.push_back(std::move(*parsed));
    return lines;
}
