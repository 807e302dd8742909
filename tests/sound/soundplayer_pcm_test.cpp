// What reaches the device: real clips made with lame, in every wrapper, with
// and without a trailing tag, checked against mpg123's sound.

#include "clipfactory.h"
#include "recordingwaveout.h"
#include "soundplayer.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Played {
    int openResult;
    std::uint32_t framesInBlock;
    platform::WaveFormat format;
    Bytes block;
    // The `i`th frame of an MPEG-2 mono block.
    Bytes Slot(std::size_t i) const { return Bytes(block.begin() + i * 1152, block.begin() + (i + 1) * 1152); }
};

// One player for clip after clip, as the window has.
struct Listener {
    platform::RecordingWaveOut device;
    CSoundPlayer player{device};
    Played Play(const Bytes& clip)
    {
        player.Close();
        const int result = OpenClip(player, clip);
        player.Prepare(0, 400000);
        player.Stop();
        player.Play();
        return {result, player.FramesInBlock(), device.Format(), device.Written().empty() ? Bytes{} : device.Written().back()};
    }
};

class PlayedClip : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveProgram("lame") || !HaveProgram("mpg123"))
            GTEST_SKIP() << "lame and mpg123 are needed to make and check clips";
    }
    ScopedTempDir dir;
};

TEST_F(PlayedClip, EveryWrapperGivesMpg123sSound)
{
    const std::tuple<ClipRecipe, std::uint32_t> recipes[] = {
        {{22050, 1, 48, 2.0}, 1152}, {{24000, 2, 64, 1.5}, 2304}, {{44100, 2, 128, 1.2}, 4608},
        {{32000, 1, 56, 1.0}, 2304}, {{11025, 1, 32, 2.0}, 1152}, {{12000, 2, 48, 1.5}, 2304},
        {{8000, 1, 24, 3.0}, 1152}, {{22050, 1, 0, 2.0, true}, 1152},
    };
    const std::function<Bytes(const Bytes&)> wrappers[] = {
        WaveFact30, WaveFact32, WaveNoFact30, Rmp3, WithTrailingTag,
        [](const Bytes& a) { return WithTrailingTag(WaveFact30(a)); },
    };
    for (const auto& [recipe, frameBytes] : recipes) {
        SCOPED_TRACE(std::to_string(recipe.rateHz) + " Hz, " + std::to_string(recipe.channels) + " channels" +
                     (recipe.variableBitrate ? ", variable bitrate" : ""));
        const std::optional<Bytes> stream = EncodeClip(recipe);
        ASSERT_TRUE(stream.has_value());
        const std::optional<Bytes> reference = ReferenceDecode(*stream);
        ASSERT_TRUE(reference.has_value());
        const Played bare = Listener().Play(*stream);
        ASSERT_EQ(bare.openResult, 0);
        EXPECT_EQ(std::tuple(int(bare.format.samplesPerSecond), int(bare.format.channels), bare.block.size()),
                  std::tuple(recipe.rateHz, recipe.channels, std::size_t(bare.framesInBlock) * frameBytes));
        // A variable bitrate clip is timed by its first frame's bitrate, as every clip is, so its block ends early. It
        // starts with a header frame ("Xing"), which the player steps by its own length and plays as a silent slot,
        // and which mpg123 leaves out: all of the block after it is the stream's sound.
        if (!recipe.variableBitrate) {
            EXPECT_NEAR(double(bare.framesInBlock), double(reference->size() / frameBytes), 1.0) << "frames counted";
        }
        ASSERT_EQ(std::string(stream->begin() + 13, stream->begin() + 17) == "Xing", recipe.variableBitrate);
        const Bytes sound(bare.block.begin() + (recipe.variableBitrate ? frameBytes : 0), bare.block.end());
        ASSERT_GE(sound.size(), 8 * frameBytes);
        EXPECT_LE(LargestSampleDifference(sound, *reference), 8) << "differs from mpg123";
        for (std::size_t w = 0; w < std::size(wrappers); ++w) {
            const Played wrapped = Listener().Play(wrappers[w](*stream));
            EXPECT_EQ(wrapped.openResult, 0) << "wrapper " << w;
            EXPECT_EQ(wrapped.format, bare.format) << "wrapper " << w;
            EXPECT_EQ(wrapped.block, bare.block) << "wrapper " << w;
        }
    }
}

TEST_F(PlayedClip, DamagedFramesStaySilentLostBytesAreFoundAgainAndTheRestPlays)
{
    const std::optional<Bytes> stream = EncodeClip({22050, 1, 48, 2.0});
    ASSERT_TRUE(stream.has_value());
    // The same player first plays the clip whole: its block, reused for the
    // damaged clip, must not leak that sound into the slots left silent.
    Listener listener;
    const Played intact = listener.Play(*stream);
    ASSERT_EQ(intact.openResult, 0);
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i + 1 < stream->size() && starts.size() < 11; ++i)
        if ((*stream)[i] == 0xFF && (*stream)[i + 1] == 0xF3)
            starts.push_back(i), i += 100;
    ASSERT_EQ(starts.size(), 11u);
    // Frame 5 loses its sync; frame 10 suddenly claims stereo (twice a slot's PCM).
    Bytes damaged = *stream;
    damaged[starts[5]] = 0x00;
    damaged[starts[10] + 3] &= 0x3F;
    const Played played = listener.Play(damaged);
    ASSERT_EQ(played.block.size(), intact.block.size());
    const Bytes silence(1152, 0);
    EXPECT_EQ((std::vector{played.Slot(5) == silence, played.Slot(10) == silence, played.Slot(6) == silence,
                           played.Slot(11) == silence, played.Slot(20) == silence, played.Slot(4) == intact.Slot(4)}),
              (std::vector{true, true, false, false, false, true}));
    // Past the frames whose data may reach back into a lost one (511 bytes,
    // four frames here) it sounds as before.
    for (std::size_t i : {18u, 30u})
        EXPECT_LE(LargestSampleDifference(played.Slot(i), intact.Slot(i)), 8) << i;
    // Bytes lost inside frame 8: the player finds the stream again, one
    // frame on, and plays the rest.
    Bytes shortened = *stream;
    shortened.erase(shortened.begin() + std::ptrdiff_t(starts[8]) + 20, shortened.begin() + std::ptrdiff_t(starts[8]) + 70);
    const Played resumed = listener.Play(shortened);
    for (std::size_t i : {18u, 30u})
        EXPECT_LE(LargestSampleDifference(resumed.Slot(i), intact.Slot(i + 1)), 8) << i;
    const Played cut = Listener().Play(Bytes(stream->begin(), stream->end() - 60));
    EXPECT_EQ(cut.openResult, 0);
    EXPECT_LE(cut.block.size(), intact.block.size()) << "a cut last frame was decoded";
}

} // namespace
