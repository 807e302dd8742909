// make-phrasebook: it rebuilds the committed files from the source, and it
// refuses a broken source, naming each fault's line and writing nothing.

#include "contentdata.h"
#include "processes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> SourceLines()
{
    std::vector<std::string> lines;
    std::ifstream in(DataPath("source/phrasebook.txt"));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs the tool in the current directory on `lines` as "book.txt", beside the
// bundled search sources, writing into "out".
CommandRun MakePhrasebook(const std::vector<std::string>& lines)
{
    WriteLines("book.txt", lines);
    for (const char* source : {"synonyms.txt", "keywords.txt", "traveller-needs.txt"})
        if (!FileExists(source))
            WriteFile(source, ReadFile(DataPath(std::string("source/") + source)));
    return RunShell(std::string(TESSALY_TOOL) + " make-phrasebook book.txt out --no-clips");
}

// Replaces phrase `number`'s line; returns its 1-based line number.
int ReplacePhrase(std::vector<std::string>& lines, int number, const std::string& replacement)
{
    const std::string prefix = std::to_string(number) + " |";
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const auto& l) { return l.starts_with(prefix); });
    if (line == lines.end()) {
        ADD_FAILURE() << "no line for phrase " << number;
        return 0;
    }
    *line = replacement;
    return int(line - lines.begin()) + 1;
}

} // namespace

TEST(MakePhrasebook, RebuildsTheCommittedFilesFromTheSource)
{
    const ScopedTempDir dir;
    const auto [status, out, errors] = MakePhrasebook(SourceLines());
    ASSERT_EQ(status, 0) << errors;
    for (std::string name :
         {"English.txt", "Orlenic.txt", "English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "Synonyms.dat",
          "Keywords.dat"})
        EXPECT_TRUE(ReadFile("out/" + name) == ReadFile(DataPath(name)))
            << name << " differs from the source: regenerate data/ (data/README.md)";
    EXPECT_FALSE(FileExists("out/data.dat") || FileExists("out/data.idx"));   // without speech the archive stays
}

TEST(MakePhrasebook, ReportsEveryFaultOfABrokenSourceWithItsLineAndWritesNothing)
{
    const ScopedTempDir dir;
    std::vector<std::string> lines = SourceLines();
    const std::pair<int, std::string> expected[] = {
        {ReplacePhrase(lines, 2, "2 | HELLO. | Bonsoir."), "is already phrase 1"},
        {ReplacePhrase(lines, 9, "10 | Does anyone speak English? | Quelqu'un parle anglais ?"),
         "phrase 10 follows phrase 8"},
        {ReplacePhrase(lines, 14, "14 | I speak [french]. | Je parle allemand."), "must read \"I speak [German].\""},
        {ReplacePhrase(lines, 19, "19 | " + std::string(60, 'x') + " | Pourriez-vous répéter ?"),
         "is 60 characters; 59 fit"},
        {ReplacePhrase(lines, 20, "20 | Could you write it down? | " + std::string(79, 'e')),
         "is 79 characters; 78 fit"},
        {ReplacePhrase(lines, 21, "21 | What does this mean? | Que veut dire ce mot?"), "no space before \"?\""},
        {ReplacePhrase(lines, 22, "22 | Caf\xC3\xA9? | Un caf\xC3\xA9 ?"), "plain printable ASCII"},
        {ReplacePhrase(lines, 23, "23 | How do you say it? | Comment dit-on \xC3(a ?"), "not valid UTF-8"},
        {ReplacePhrase(lines, 24, "24 | Could you translate this?"), "expected \"NUMBER | English | French\""},
        {ReplacePhrase(lines, 26, "26 | It's [a||b]. | Il fait beau."), "an empty alternative"},
        {ReplacePhrase(lines, 7, "7 | Good [night|day]. | Bonne nuit."), "crosses the end of Basic / Greetings (1-7)"},
        {ReplacePhrase(lines, 44, "44 | [Open] | Ouvert"), "a single bracketed alternative outside a family"},
        {ReplacePhrase(lines, 30, "832 | One phrase too many. | Une phrase de trop."),
         "phrase 832 is beyond the book's last, 831"},
        {0, "the book ends at phrase 830; it needs all 831"},
    };
    lines.erase(std::find_if(lines.begin(), lines.end(), [](const auto& l) { return l.starts_with("831 |"); }));
    const auto [status, out, errors] = MakePhrasebook(lines);
    EXPECT_NE(status, 0);
    for (const auto& [line, message] : expected) {
        const std::string prefix = "book.txt:" + (line > 0 ? std::to_string(line) + ":" : "") + " ";
        std::istringstream in(errors);
        bool found = false;
        for (std::string reported; std::getline(in, reported);)
            found = found || (reported.find(prefix) != std::string::npos &&
                              reported.find(message) != std::string::npos);
        EXPECT_TRUE(found) << "expected \"" << prefix << "... " << message << "\" in:\n" << errors;
    }
    EXPECT_FALSE(std::filesystem::exists("out"));
}

TEST(MakePhrasebook, RefusesAGuideWithASoundTheSchemeLacksNamingTheSoundAndThePhrase)
{
    const ScopedTempDir dir;
    // A voice that reads one phrase with a sound no scheme has: the phrase is
    // in the file its last argument names.
    std::filesystem::create_directory("bin");
    std::ofstream("bin/espeak-ng") << "#!/bin/sh\nfor last; do :; done\n"
                                      "if grep -qx Bonsoir. \"$last\"; then printf 'b\\342\\200\\214O~\\342\\200\\214X9\\n';\n"
                                      "else printf \"b\\342\\200\\214'a\\n\"; fi\n";
    std::filesystem::permissions("bin/espeak-ng", std::filesystem::perms(0755));
    std::vector<std::string> lines = SourceLines();
    const int line = ReplacePhrase(lines, 2, "2 | Good evening. | Bonsoir.");
    WriteLines("book.txt", lines);
    const CommandRun run = RunShell("PATH=\"$PWD/bin:$PATH\" " + std::string(TESSALY_TOOL) + " make-phrasebook book.txt out");
    EXPECT_NE(run.status, 0);
    for (const std::string& said : {"book.txt:" + std::to_string(line) +
                                       ": phrase 2: espeak-ng reads \"Bonsoir.\" with the sound X9 (fr)",
                                   std::string("no pronunciation guide written")})
        EXPECT_NE(run.errors.find(said), std::string::npos) << said << " in:\n" << run.errors;
    EXPECT_FALSE(FileExists("out/Guide.dat") || FileExists("out/data.dat"));
}

TEST(MakePhrasebook, RefusesSearchSourcesWithMalformedLinesOrKeywordsForAnotherPhrasesEnglish)
{
    const ScopedTempDir dir;
    WriteLines("synonyms.txt", {"# equivalents", "toilet, loo", "lonely", "cab > taxi", "a > b > c"});
    WriteLines("keywords.txt", {"# keywords", "531 | There is no hot water. | shower, cold",
                                "532 | There is no hot water. | shower", "13 | I speak [English]. | language",
                                "14 | I speak [German]. | deutsch", "531 | There is no hot water. | again",
                                "900 | Nothing. | x", "50 | Toilets"});
    WriteLines("traveller-needs.txt", {"essential | find a toilet | 765 50", "vital | x | 1", "useful | y | 1 0 832"});
    const auto [status, out, errors] = MakePhrasebook(SourceLines());
    EXPECT_NE(status, 0);
    for (const std::string expected :
         {"synonyms.txt:3: expected two or more terms", "synonyms.txt:5: expected \"term > target, target\"",
          "keywords.txt:3: the English \"There is no hot water.\" is not that of phrase 532",
          "keywords.txt:4: the English \"I speak [English].\" is not that of phrase 13, \"I speak "
          "[English|German|Spanish|Italian].\"",
          "keywords.txt:6: phrase 531 already has keywords on line 2", "keywords.txt:7: expected \"NUMBER|keyword",
          "keywords.txt:8: expected \"NUMBER | English | keyword, keyword\"",
          "traveller-needs.txt:2: expected \"useful|important|essential | need | NUMBER NUMBER\"",
          "traveller-needs.txt:3: \"0\" is not a phrase number from 1 to 831",
          "traveller-needs.txt:3: \"832\" is not a phrase number"})
        EXPECT_NE(errors.find(expected), std::string::npos) << expected << " in:\n" << errors;
    for (const std::string unexpected :
         {"synonyms.txt:2", "synonyms.txt:4", "keywords.txt:2", "keywords.txt:5", "traveller-needs.txt:1"})
        EXPECT_EQ(errors.find(unexpected), std::string::npos) << unexpected << " in:\n" << errors;
    EXPECT_FALSE(std::filesystem::exists("out"));
}
