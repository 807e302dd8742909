// From the sound archive to the device: the lookup hands each clip to the
// player through its adapter, and `tessaly-tool clip` writes what the play
// button would sound.

#include "clipfactory.h"
#include "files.h"
#include "headlessviews.h"
#include "phrasebook.h"
#include "playeradapter.h"
#include "recordingwaveout.h"
#include "soundplayer.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <tuple>
#include <sys/wait.h>

namespace {

// "data.dat" with the right header and "data.idx" with one entry per clip;
// an entry given as (offset, length) overrides the computed one.
struct ArchiveEntry {
    Bytes clip;
    std::optional<std::pair<std::uint32_t, std::uint32_t>> rawEntry;
};

void WriteArchive(const std::vector<ArchiveEntry>& entries, std::int32_t version = 2102)
{
    Bytes dat = {'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l'};
    for (int i = 0; i < 4; ++i)
        dat.push_back(std::uint8_t(std::uint32_t(version) >> (8 * i)));
    Bytes idx;
    for (const ArchiveEntry& e : entries) {
        std::uint32_t offset = std::uint32_t(dat.size() - 12);
        std::uint32_t length = std::uint32_t(e.clip.size());
        Append(dat, e.clip);
        if (e.rawEntry)
            std::tie(offset, length) = *e.rawEntry;
        for (std::uint32_t value : {offset, length})
            for (int i = 0; i < 4; ++i)
                idx.push_back(std::uint8_t(value >> (8 * i)));
    }
    WriteFile("data.dat", dat);
    WriteFile("data.idx", idx);
}

class RecordedMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view) override { shown.emplace_back(text); }
    std::vector<std::u16string> shown;
};

class ArchiveToPlayer : public ::testing::Test {
protected:
    ScopedTempDir dir;
    HeadlessRows rows;
    HeadlessSubcategories subcategories;
    RecordedMessages messages;
    HeadlessWindow window;
    platform::RecordingWaveOut device;
    CSoundPlayer player{device};
    SoundPlayerAdapter adapter{player};
    PhraseBook book{{rows, subcategories, messages, window, adapter}};
};

// Which entries the lookup refuses, and that it reads a phrase once, the
// phrase-data tests check with a stand-in player; here the real one.
TEST_F(ArchiveToPlayer, TheLookupHandsEachClipToThePlayerWhichPreparesIt)
{
    WriteArchive({{SilentMpeg1Frames(40), {}}, {WaveFact30(SilentMpeg1Frames(80)), {}}, {Bytes(500, 'x'), {}}});
    book.LoadPhraseClip(2);
    ASSERT_EQ(player.CurrentState(), CSoundPlayer::kOpen);
    EXPECT_EQ(player.FramesInBlock(), 80u);
    EXPECT_EQ(player.FramesStepped(), 20u);

    // Empty and overlong entries are refused silently, and the previous clip
    // goes: the refused phrase must not speak phrase 2.
    for (int refused : {4, 5, 6, 0}) {
        book.LoadPhraseClip(2);
        ASSERT_EQ(player.CurrentState(), CSoundPlayer::kOpen) << refused;
        book.LoadPhraseClip(refused);
        EXPECT_EQ(book.loadedPhrase, -1) << refused;
        EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed) << refused;
    }
    // A clip the player refuses: the phrase counts as loaded, nothing plays,
    // nothing is said.
    book.LoadPhraseClip(3);
    EXPECT_EQ(book.loadedPhrase, 3);
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed);
    EXPECT_EQ(adapter.LastOpenResult(), CSoundPlayer::kNoFirstFrame);
    EXPECT_TRUE(messages.shown.empty());

    book.LoadPhraseClip(1);
    player.Play();
    ASSERT_FALSE(device.Written().empty());
    EXPECT_EQ(device.Written().back().size(), 40u * 4608);
}

// Runs tessaly-tool in the current directory; its exit status and what it
// said on standard error.
std::pair<int, std::string> RunTool(const std::string& arguments)
{
    const std::string command = std::string(TESSALY_TOOL) + " " + arguments + " 2> tool-errors.txt";
    const int status = std::system(command.c_str());
    const Bytes errors = ReadFile("tool-errors.txt");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(errors.begin(), errors.end())};
}

std::uint32_t Le32(const Bytes& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(ClipTool, SaysWhyWhereTheProgramWouldStaySilent)
{
    ScopedTempDir dir;
    struct Case {
        const char* arguments;
        const char* said;
    };
    const auto expectFailure = [](const Case& c) {
        const auto [status, errors] = RunTool(c.arguments);
        EXPECT_NE(status, 0) << c.arguments;
        EXPECT_NE(errors.find(c.said), std::string::npos) << c.arguments << ": " << errors;
        EXPECT_FALSE(FileExists("out.wav")) << c.arguments;
    };
    expectFailure({"clip 1 out.wav", "Can't find sound file!"});
    WriteFile("data.dat", Bytes(12, 0));
    expectFailure({"clip 1 out.wav", "no data.idx"});
    WriteArchive({{SilentMpeg1Frames(10), {}}}, 2101);
    expectFailure({"clip 1 out.wav", "This file is not in right format!"});
    WriteArchive({{SilentMpeg1Frames(10), {}},
                  {{}, std::pair{0u, 0u}},
                  {{}, std::pair{0u, 1000000u}},
                  {WaveFact32(Bytes(100, 0)), {}},
                  {SilentFrames({0xFF, 0xFB, 0x00, 0x64}, 417, 5), {}}});
    expectFailure({"clip 2 out.wav", "phrase 2 has no clip"});
    expectFailure({"clip 3 out.wav", "phrase 3 has no clip"});
    expectFailure({"clip 6 out.wav", "phrase 6 has no clip"});
    expectFailure({"clip 4 out.wav", "refused"});
    expectFailure({"clip 5 out.wav", "no bitrate"});
    EXPECT_EQ(RunTool("clip one out.wav").first, 2);
    EXPECT_EQ(RunTool("clip 1").first, 2);
    for (const char* refused : {"--tempo 0.2", "--tempo 4.5", "--tempo fast", "--tempo nan", "--tempo", "--speed 0.7"})
        EXPECT_EQ(RunTool(std::string("clip 1 out.wav ") + refused).first, 2) << refused;   // tempos it cannot play
    EXPECT_FALSE(FileExists("out.wav"));

    const auto [status, errors] = RunTool("clip 1 out.wav");
    EXPECT_EQ(status, 0) << errors;
    EXPECT_TRUE(FileExists("out.wav"));
}

TEST(ClipTool, WritesTheBlockTheDeviceWasGivenInItsFormat)
{
    if (!HaveProgram("lame") || !HaveProgram("mpg123"))
        GTEST_SKIP() << "lame and mpg123 are needed to make and check clips";
    ScopedTempDir dir;
    struct Clip {
        ClipRecipe recipe;
        std::function<Bytes(const Bytes&)> wrap;
    };
    const Clip clips[] = {
        {{22050, 1, 48, 1.6}, [](const Bytes& a) { return a; }},
        {{24000, 2, 64, 1.0}, [](const Bytes& a) { return WithTrailingTag(WaveNoFact30(a)); }},
        {{11025, 1, 32, 2.5}, Rmp3},
        {{22050, 1, 48, 9.0}, [](const Bytes& a) { return a; }},
    };
    std::vector<ArchiveEntry> entries;
    std::vector<Bytes> references;
    for (const Clip& c : clips) {
        const std::optional<Bytes> stream = EncodeClip(c.recipe);
        ASSERT_TRUE(stream.has_value());
        const std::optional<Bytes> reference = ReferenceDecode(*stream);
        ASSERT_TRUE(reference.has_value());
        entries.push_back({c.wrap(*stream), {}});
        references.push_back(*reference);
    }
    WriteArchive(entries);

    for (std::size_t i = 0; i < std::size(clips); ++i) {
        const ClipRecipe& recipe = clips[i].recipe;
        SCOPED_TRACE(i + 1);
        const auto [status, errors] = RunTool("clip " + std::to_string(i + 1) + " out.wav");
        ASSERT_EQ(status, 0) << errors;
        const Bytes wave = ReadFile("out.wav");
        ASSERT_GE(wave.size(), 44u);
        EXPECT_EQ(wave[22], recipe.channels);
        EXPECT_EQ(Le32(wave, 24), std::uint32_t(recipe.rateHz));
        const std::uint32_t frameBytes = (recipe.rateHz >= 32000 ? 1152u : 576u) * recipe.channels * 2;
        const std::uint32_t dataBytes = Le32(wave, 40);
        ASSERT_EQ(dataBytes, wave.size() - 44);
        EXPECT_EQ(dataBytes % frameBytes, 0u);
        const std::size_t referenceFrames = references[i].size() / frameBytes;
        EXPECT_NEAR(double(dataBytes / frameBytes), double(std::min<std::size_t>(referenceFrames, 300)), 1.0);
        const std::size_t common = std::min<std::size_t>(dataBytes, references[i].size());
        EXPECT_LE(LargestSampleDifference(wave.data() + 44, references[i].data(), common), 8);
    }
}

} // namespace
