// make-phrasebook: it rebuilds the committed files from the source, and it
// refuses a broken source, naming each fault's line and writing nothing.

#include "contentdata.h"

#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace {

struct ToolRun {
    int status;
    std::string errors;
};

std::string ReadText(const std::string& name)
{
    const Bytes bytes = ReadFile(name);
    return std::string(bytes.begin(), bytes.end());
}

// Runs the tool in the current directory on `source`, writing into "out".
ToolRun MakePhrasebook(const std::string& source)
{
    const std::string command = std::string(TESSALY_TOOL) + " make-phrasebook " + source +
                                " out --no-clips >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    return {status, ReadText("stderr.txt")};
}

std::vector<std::string> SourceLines()
{
    std::vector<std::string> lines;
    std::istringstream in(ReadText(DataPath("source/phrasebook.txt")));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void WriteLines(const std::string& name, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    WriteFile(name, Bytes(text.begin(), text.end()));
}

// Replaces phrase `number`'s line; returns its 1-based line number.
int ReplacePhrase(std::vector<std::string>& lines, int number, const std::string& replacement)
{
    const std::string prefix = std::to_string(number) + " |";
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.starts_with(prefix); });
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
    const ToolRun run = MakePhrasebook(DataPath("source/phrasebook.txt"));
    ASSERT_EQ(run.status, 0) << run.errors;
    for (const char* name : {"English.txt", "Orlenic.txt", "English.dat", "French.dat", "MapEngSpec.data", "Relate.dat"})
        EXPECT_TRUE(ReadFile(std::string("out/") + name) == ReadFile(DataPath(name)))
            << name << " differs from the source: regenerate data/ (data/README.md)";
    // Without speech the archive is left alone.
    EXPECT_FALSE(FileExists("out/data.dat"));
    EXPECT_FALSE(FileExists("out/data.idx"));
}

TEST(MakePhrasebook, ReportsEveryFaultOfABrokenSourceWithItsLineAndWritesNothing)
{
    const ScopedTempDir dir;
    std::vector<std::string> lines = SourceLines();
    const std::string tooLong(60, 'x');
    const std::string tooLongFrench(79, 'e');
    struct Expected {
        int line;
        std::string message;
    };
    const std::vector<Expected> expected = {
        {ReplacePhrase(lines, 2, "2 | HELLO. | Bonsoir."), "is already phrase 1"},
        {ReplacePhrase(lines, 9, "10 | Does anyone speak English? | Quelqu'un parle anglais ?"),
         "phrase 10 follows phrase 8"},
        {ReplacePhrase(lines, 14, "14 | I speak [french]. | Je parle allemand."), "must read \"I speak [German].\""},
        {ReplacePhrase(lines, 19, "19 | " + tooLong + " | Pourriez-vous répéter ?"), "is 60 characters; 59 fit"},
        {ReplacePhrase(lines, 20, "20 | Could you write it down? | " + tooLongFrench), "is 79 characters; 78 fit"},
        {ReplacePhrase(lines, 21, "21 | What does this mean? | Que veut dire ce mot?"), "no space before \"?\""},
        {ReplacePhrase(lines, 22, "22 | Caf\xC3\xA9? | Un caf\xC3\xA9 ?"), "plain printable ASCII"},
        {ReplacePhrase(lines, 23, "23 | How do you say it? | Comment dit-on \xC3(a ?"), "not valid UTF-8"},
        {ReplacePhrase(lines, 24, "24 | Could you translate this?"), "expected \"NUMBER | English | French\""},
        {ReplacePhrase(lines, 26, "26 | It's [a||b]. | Il fait beau."), "an empty alternative"},
        {ReplacePhrase(lines, 7, "7 | Good [night|day]. | Bonne nuit."), "crosses the end of Basic / Greetings (1-7)"},
        {ReplacePhrase(lines, 44, "44 | [Open] | Ouvert"), "a single bracketed alternative outside a family"},
    };
    WriteLines("broken.txt", lines);

    const ToolRun run = MakePhrasebook("broken.txt");
    EXPECT_NE(run.status, 0);
    for (const Expected& e : expected) {
        const std::string prefix = "broken.txt:" + std::to_string(e.line) + ": ";
        bool found = false;
        std::istringstream errors(run.errors);
        for (std::string line; std::getline(errors, line);)
            found = found || (line.find(prefix) != std::string::npos && line.find(e.message) != std::string::npos);
        EXPECT_TRUE(found) << "expected \"" << prefix << "... " << e.message << "\" in:\n" << run.errors;
    }
    EXPECT_FALSE(std::filesystem::exists("out"));
}

TEST(MakePhrasebook, RefusesABookThatStopsShortOrRunsLong)
{
    const ScopedTempDir dir;
    std::vector<std::string> lines = SourceLines();
    while (!lines.empty() && !lines.back().starts_with("831 |"))
        lines.pop_back();
    ASSERT_FALSE(lines.empty());

    WriteLines("short.txt", std::vector<std::string>(lines.begin(), lines.end() - 1));
    ToolRun run = MakePhrasebook("short.txt");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.errors.find("the book ends at phrase 830; it needs all 831"), std::string::npos) << run.errors;

    lines.push_back("832 | One phrase too many. | Une phrase de trop.");
    WriteLines("long.txt", lines);
    run = MakePhrasebook("long.txt");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.errors.find("phrase 832 is beyond the book's last, 831"), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists("out"));
}
