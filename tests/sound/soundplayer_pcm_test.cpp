// What reaches the device: real clips made with lame, in every wrapper, with
// and without a trailing tag, compared frame for frame with the decoder run
// on its own and, for the sound, with mpg123.

#include "clipfactory.h"
#include "mpadecoder.h"
#include "recordingwaveout.h"
#include "soundplayer.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using platform::RecordingWaveOut;

// The decoder run straight through a bare stream, frame after frame, as far
// as `frames` frames: what the player's block must hold.
Bytes DecodeDirectly(const Bytes& stream, std::uint32_t frames)
{
    MpaInit();
    MpaFrameInfo info{};
    const auto length = std::int32_t(stream.size());
    if (!MpaGetStreamInfo(stream.data(), length, &info, 1))
        return {};
    MpaStartStream(stream.data(), length);
    Bytes pcm(std::size_t(info.outBytesPerFrame) * frames, 0);
    std::int32_t position = 0;
    for (std::uint32_t i = 0; i < frames && length - position >= 156; ++i) {
        MpaGetStreamInfo(stream.data() + position, length - position, &info, 1);
        MpaFrameJob job{};
        job.frame = stream.data() + position;
        job.length = MpaFrameLength(&info);
        job.output = pcm.data() + std::size_t(i) * info.outBytesPerFrame;
        job.outputSize = info.outBytesPerFrame;
        MpaDecodeFrame(&job);
        position += job.length;
    }
    return pcm;
}

struct Played {
    int openResult;
    std::uint32_t framesInBlock;
    platform::WaveFormat format;
    Bytes block;
};

Played Play(const Bytes& clip)
{
    RecordingWaveOut device;
    CSoundPlayer player(device);
    auto buffer = std::make_unique<std::uint8_t[]>(clip.size());
    std::memcpy(buffer.get(), clip.data(), clip.size());
    Played played{player.Open(buffer, std::uint32_t(clip.size())), 0, {}, {}};
    player.Prepare(0, 400000);
    player.Stop();
    player.Play();
    played.framesInBlock = player.FramesInBlock();
    played.format = device.Format();
    if (!device.Written().empty())
        played.block = device.Written().back();
    return played;
}

class PlayedClip : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveProgram("lame") || !HaveProgram("mpg123"))
            GTEST_SKIP() << "lame and mpg123 are needed to make and check clips";
    }
    ScopedTempDir dir;
};

TEST_F(PlayedClip, EveryWrapperGivesTheDecodersFramesAndMpg123sSound)
{
    struct Recipe {
        const char* what;
        ClipRecipe recipe;
        std::uint32_t frameBytes;
    };
    const Recipe recipes[] = {
        {"MPEG-2 mono 22050 Hz", {22050, 1, 48, 2.0}, 1152},
        {"MPEG-2 stereo 24000 Hz", {24000, 2, 64, 1.5}, 2304},
        {"MPEG-1 stereo 44100 Hz", {44100, 2, 128, 1.2}, 4608},
        {"MPEG-1 mono 32000 Hz", {32000, 1, 56, 1.0}, 2304},
        // MPEG-2.5 plays at its true rate, a slot per 576-sample frame.
        {"MPEG-2.5 mono 11025 Hz", {11025, 1, 32, 2.0}, 1152},
        {"MPEG-2.5 stereo 12000 Hz", {12000, 2, 48, 1.5}, 2304},
        {"MPEG-2.5 mono 8000 Hz", {8000, 1, 24, 3.0}, 1152},
    };
    const std::pair<const char*, std::function<Bytes(const Bytes&)>> wrappers[] = {
        {"bare", [](const Bytes& a) { return a; }},
        {"WAVE with fact, 30-byte format", WaveFact30},
        {"WAVE with fact, 32-byte format", WaveFact32},
        {"WAVE without fact", WaveNoFact30},
        {"RMP3", Rmp3},
        {"tagged", WithTrailingTag},
        {"wrapped and tagged", [](const Bytes& a) { return WithTrailingTag(WaveFact30(a)); }},
    };
    for (const Recipe& r : recipes) {
        SCOPED_TRACE(r.what);
        const std::optional<Bytes> stream = EncodeClip(r.recipe);
        ASSERT_TRUE(stream.has_value());
        const std::optional<Bytes> reference = ReferenceDecode(*stream);
        ASSERT_TRUE(reference.has_value());
        const std::size_t referenceFrames = reference->size() / r.frameBytes;

        const Played bare = Play(*stream);
        ASSERT_EQ(bare.openResult, 0);
        EXPECT_EQ(bare.format.samplesPerSecond, std::uint32_t(r.recipe.rateHz));
        EXPECT_EQ(bare.format.channels, r.recipe.channels);
        EXPECT_EQ(bare.block.size(), std::size_t(bare.framesInBlock) * r.frameBytes);
        // The clip's duration counts its frames to within one.
        EXPECT_NEAR(double(bare.framesInBlock), double(referenceFrames), 1.0);
        EXPECT_EQ(bare.block, DecodeDirectly(*stream, bare.framesInBlock));

        const std::size_t common = std::min(bare.block.size(), reference->size());
        EXPECT_LE(LargestSampleDifference(bare.block.data(), reference->data(), common), 8)
            << "differs from mpg123";

        for (const auto& [name, wrap] : wrappers) {
            const Played wrapped = Play(wrap(*stream));
            EXPECT_EQ(wrapped.openResult, 0) << name;
            EXPECT_EQ(wrapped.format, bare.format) << name;
            EXPECT_EQ(wrapped.block, bare.block) << name;
        }
    }
}

TEST_F(PlayedClip, AVariableBitrateHeaderFrameIsSteppedByItsOwnLength)
{
    // lame puts a frame with a "Xing" header before a variable-bitrate
    // stream; the frames after it must still be found and played.
    const ClipRecipe recipe{22050, 1, 0, 2.0, true};
    const std::optional<Bytes> stream = EncodeClip(recipe);
    ASSERT_TRUE(stream.has_value());
    ASSERT_EQ(std::string(stream->begin() + 13, stream->begin() + 17), "Xing");
    const std::optional<Bytes> reference = ReferenceDecode(*stream);   // leaves the header frame out
    ASSERT_TRUE(reference.has_value());
    const Played played = Play(*stream);
    ASSERT_EQ(played.openResult, 0);
    const std::size_t frameBytes = 1152;
    ASSERT_GT(played.block.size(), 4 * frameBytes);
    // The block is as long as the header frame's bitrate makes the clip; all
    // of it after that frame is the stream's sound.
    const Bytes sound(played.block.begin() + frameBytes, played.block.end());
    ASSERT_GE(sound.size(), 8 * frameBytes);
    ASSERT_LE(sound.size(), reference->size());
    EXPECT_LE(LargestSampleDifference(sound.data(), reference->data(), sound.size()), 8);
}

TEST_F(PlayedClip, DamagedFramesStaySilentAndTheRestPlays)
{
    const std::optional<Bytes> stream = EncodeClip({22050, 1, 48, 2.0});
    ASSERT_TRUE(stream.has_value());
    const Played intact = Play(*stream);
    ASSERT_EQ(intact.openResult, 0);

    // Find the fifth and tenth frames by their sync words and break them: a
    // lost sync, and a header that suddenly claims stereo (twice the PCM of
    // a slot).
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i + 1 < stream->size() && starts.size() < 11; ++i) {
        if ((*stream)[i] == 0xFF && (*stream)[i + 1] == 0xF3)
            starts.push_back(i), i += 100;
    }
    ASSERT_EQ(starts.size(), 11u);
    Bytes damaged = *stream;
    damaged[starts[5]] = 0x00;
    damaged[starts[10] + 3] &= 0x3F;
    const Played played = Play(damaged);
    ASSERT_EQ(played.block.size(), intact.block.size());
    const auto slot = [&](const Played& p, std::size_t i) { return Bytes(p.block.begin() + i * 1152, p.block.begin() + (i + 1) * 1152); };
    EXPECT_EQ(slot(played, 5), Bytes(1152, 0));
    EXPECT_EQ(slot(played, 10), Bytes(1152, 0));
    EXPECT_EQ(slot(played, 4), slot(intact, 4));
    // The stream goes on after each damaged frame, and once the frames whose
    // data may reach back into the lost one (511 bytes, four frames here) are
    // past, it sounds as before.
    for (std::size_t i : {6u, 11u, 20u})
        EXPECT_NE(slot(played, i), Bytes(1152, 0)) << i;
    for (std::size_t i : {18u, 30u}) {
        const Bytes a = slot(played, i), b = slot(intact, i);
        EXPECT_LE(LargestSampleDifference(a.data(), b.data(), a.size()), 8) << i;
    }

    // Cut in the middle of the last frame: that frame is not decoded.
    Bytes cut(stream->begin(), stream->end() - 60);
    const Played shortened = Play(cut);
    ASSERT_EQ(shortened.openResult, 0);
    EXPECT_LE(shortened.block.size(), intact.block.size());
}

} // namespace
