// tessaly-tool's command line: options in any order, help for every command,
// and a bad argument refused with a message, the usage and exit status 2
// before the command does anything.

#include "files.h"
#include "processes.h"
#include "tempdir.h"
#include "tessalyversion.h"

#include <gtest/gtest.h>

namespace {

// Runs tessaly-tool in `folder`.
CommandRun RunTool(const std::string& arguments, const std::string& folder = ".")
{
    return RunShell("cd '" + folder + "' && '" + TESSALY_TOOL + "' " + arguments);
}

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(ToolCommandLine, RefusesABadArgumentBeforeDoingAnything)
{
    ScopedTempDir dir;
    const std::pair<const char*, const char*> refused[] = {
        {"", "usage: tessaly-tool COMMAND"},
        {"frobnicate", "tessaly-tool: unknown command 'frobnicate'"},
        {"clip 1", "tessaly-tool clip: missing arguments: it takes 2, was given 1"},
        {"clip 1 a.wav b.wav", "tessaly-tool clip: unexpected argument 'b.wav'"},
        {"clip --speed 0.7 1 a.wav", "tessaly-tool clip: Unknown option 'speed'"},
        {"clip 1 a.wav --tempo", "tessaly-tool clip: Missing value after '--tempo'"},
        {"clip one a.wav", "the phrase number must be a whole number, not 'one'"},
        {"clip 1 a.wav --tempo 0.2", "the tempo must be a number from 0.25 to 4, not '0.2'"},
        {"clip 1 a.wav --tempo 4.5", "not '4.5'"},
        {"clip --tempo nan 1 a.wav", "not 'nan'"},
        {"decode in.mp3 a.wav --rate double", "tessaly-tool decode: --rate takes full|half|quarter, not 'double'"},
        {"decode --bits 8 --channels sideways in.mp3 a.wav", "--channels takes both|mix|left|right, not 'sideways'"},
        {"make-phrasebook --clips book.txt out", "tessaly-tool make-phrasebook: Unknown option 'clips'"},
        {"build-english English.txt", "tessaly-tool build-english: unexpected argument 'English.txt'"},
    };
    for (const auto& [arguments, said] : refused) {
        const CommandRun outcome = RunTool(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments << ": " << outcome.errors;
        EXPECT_TRUE(Holds(outcome.errors, said)) << arguments << ": " << outcome.errors;
        EXPECT_TRUE(Holds(outcome.errors, "sage: tessaly-tool")) << arguments << ": no usage in " << outcome.errors;
        EXPECT_EQ(outcome.out, "") << arguments;
    }
    EXPECT_FALSE(FileExists("a.wav")) << "a refused command wrote its output";
}

TEST(ToolCommandLine, HelpsWithEveryCommandAndGivesTheVersion)
{
    ScopedTempDir dir;
    const std::pair<const char*, std::vector<const char*>> helped[] = {
        {"--help", {"build-english", "build-french", "clip", "decode", "make-phrasebook", "COMMAND --help"}},
        {"clip --help", {"Usage: tessaly-tool clip [options] NUMBER OUTPUT.wav", "--tempo <T>"}},
        {"clip 1 --help", {"Usage: tessaly-tool clip"}},
        {"decode -h", {"Usage: tessaly-tool decode [options] INPUT OUTPUT.wav", "--rate <full|half|quarter>",
                       "--channels <both|mix|left|right>", "--bits <16|8>"}},
        {"make-phrasebook --help", {"Usage: tessaly-tool make-phrasebook [options] SOURCE OUTDIR", "--no-clips"}},
        {"build-english --help", {"Usage: tessaly-tool build-english [options]", "English.txt"}},
        {"build-french --help", {"Usage: tessaly-tool build-french [options]", "French.dat"}},
        {"--version", {"tessaly-tool " TESSALY_VERSION "\n"}},
    };
    for (const auto& [arguments, parts] : helped) {
        const CommandRun outcome = RunTool(arguments);
        EXPECT_EQ(outcome.status, 0) << arguments << ": " << outcome.errors;
        for (const char* part : parts)
            EXPECT_TRUE(Holds(outcome.out, part)) << arguments << " lacks " << part << ": " << outcome.out;
    }
}

// Options may stand before, between or after the positional arguments, with
// their value as the next word or after '='.
TEST(ToolCommandLine, TakesOptionsInAnyOrder)
{
    ScopedTempDir dir;
    const std::string data = TESSALY_DATA_DIR, here = dir.path().string();
    ASSERT_EQ(RunTool("clip 1 '" + here + "/plain.wav'", data).status, 0);
    const Bytes plain = ReadFile("plain.wav");
    const std::string orders[] = {"clip --tempo 0.8 1 '" + here + "/slow.wav'",
                                  "clip 1 --tempo=0.8 '" + here + "/slow.wav'",
                                  "clip 1 '" + here + "/slow.wav' --tempo 0.8"};
    std::vector<Bytes> slow;
    for (const std::string& arguments : orders) {
        const CommandRun outcome = RunTool(arguments, data);
        EXPECT_EQ(outcome.status, 0) << arguments << ": " << outcome.errors;
        slow.push_back(ReadFile("slow.wav"));
        std::filesystem::remove("slow.wav");
    }
    ASSERT_GT(slow[0].size(), plain.size()) << "played at 0.8 the clip lasts longer";
    EXPECT_EQ(slow, std::vector(3, slow[0]));

    for (const char* arguments : {"decode --rate half --bits 8 gone.mp3 a.wav", "decode gone.mp3 --channels=mix a.wav",
                                  "decode gone.mp3 a.wav --bits 8 --rate quarter"}) {
        const CommandRun outcome = RunTool(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments;
        EXPECT_TRUE(Holds(outcome.errors, "cannot read gone.mp3")) << arguments << ": " << outcome.errors;
    }
}
