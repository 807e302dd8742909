// The player's state table, its refusals and its block arithmetic, on
// streams built byte by byte.

#include "clipfactory.h"
#include "recordingwaveout.h"
#include "soundplayer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using platform::RecordingWaveOut;
using platform::WaveCall;
using Calls = std::vector<WaveCall>;
using State = CSoundPlayer::State;

std::unique_ptr<std::uint8_t[]> Buffer(const Bytes& bytes)
{
    auto buffer = std::make_unique<std::uint8_t[]>(bytes.size());
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    return buffer;
}

class Player : public ::testing::Test {
protected:
    int Open(const Bytes& clip)
    {
        auto buffer = Buffer(clip);
        return player.Open(buffer, std::uint32_t(clip.size()));
    }
    // Opens a clip of silent frames and brings the player to `state`.
    void Reach(State state)
    {
        ASSERT_EQ(Open(SilentMpeg1Frames(40)), 0);
        player.Prepare(0, 400000);
        if (state == CSoundPlayer::kPlaying || state == CSoundPlayer::kPaused)
            player.Play();
        if (state == CSoundPlayer::kPaused)
            player.Pause();
    }
    RecordingWaveOut device;
    CSoundPlayer player{device};
};

TEST_F(Player, EveryRowOfTheStateTableInOrder)
{
    EXPECT_EQ(player.FramesInBlock(), 300u);
    struct Step {
        const char* what;
        std::function<void(CSoundPlayer&)> act;
        Calls calls;
        State after;
    };
    const auto open = [](CSoundPlayer& p) {
        auto buffer = Buffer(SilentMpeg1Frames(40));
        EXPECT_EQ(p.Open(buffer, 40 * 417), 0);
    };
    const auto prepare = [](CSoundPlayer& p) { p.Prepare(0, 400000); };
    const Step steps[] = {
        {"closed: Prepare", prepare, {}, CSoundPlayer::kClosed},
        {"closed: Play", &CSoundPlayer::Play, {}, CSoundPlayer::kClosed},
        {"closed: Pause", &CSoundPlayer::Pause, {}, CSoundPlayer::kClosed},
        {"closed: Resume", &CSoundPlayer::Resume, {}, CSoundPlayer::kClosed},
        {"closed: Stop", &CSoundPlayer::Stop, {}, CSoundPlayer::kClosed},
        {"closed: Open", open, {WaveCall::Open}, CSoundPlayer::kOpen},
        {"open: Prepare", prepare, {}, CSoundPlayer::kOpen},
        {"open: Stop", &CSoundPlayer::Stop, {}, CSoundPlayer::kOpen},
        {"open: Pause", &CSoundPlayer::Pause, {}, CSoundPlayer::kOpen},
        {"open: Resume", &CSoundPlayer::Resume, {}, CSoundPlayer::kOpen},
        {"open: Play", &CSoundPlayer::Play, {WaveCall::Prepare, WaveCall::Write}, CSoundPlayer::kPlaying},
        {"playing: Resume", &CSoundPlayer::Resume, {}, CSoundPlayer::kPlaying},
        {"playing: Prepare", prepare, {}, CSoundPlayer::kPlaying},
        {"playing: Play", &CSoundPlayer::Play, {WaveCall::Prepare, WaveCall::Write}, CSoundPlayer::kPlaying},
        {"playing: Pause", &CSoundPlayer::Pause, {WaveCall::Pause}, CSoundPlayer::kPaused},
        {"paused: Pause", &CSoundPlayer::Pause, {}, CSoundPlayer::kPaused},
        {"paused: Prepare", prepare, {}, CSoundPlayer::kPaused},
        {"paused: Resume", &CSoundPlayer::Resume, {WaveCall::Restart}, CSoundPlayer::kPlaying},
        {"playing: Stop", &CSoundPlayer::Stop, {WaveCall::Reset, WaveCall::Unprepare}, CSoundPlayer::kOpen},
        {"open: Play again", &CSoundPlayer::Play, {WaveCall::Prepare, WaveCall::Write}, CSoundPlayer::kPlaying},
        {"playing: Pause again", &CSoundPlayer::Pause, {WaveCall::Pause}, CSoundPlayer::kPaused},
        {"paused: Stop", &CSoundPlayer::Stop, {WaveCall::Reset, WaveCall::Unprepare}, CSoundPlayer::kOpen},
        {"open: Play a third time", &CSoundPlayer::Play, {WaveCall::Prepare, WaveCall::Write}, CSoundPlayer::kPlaying},
        {"playing: Pause a third time", &CSoundPlayer::Pause, {WaveCall::Pause}, CSoundPlayer::kPaused},
        {"paused: Play", &CSoundPlayer::Play, {WaveCall::Prepare, WaveCall::Write}, CSoundPlayer::kPlaying},
    };
    for (const Step& step : steps) {
        device.ClearCalls();
        step.act(player);
        EXPECT_EQ(device.Calls(), step.calls) << step.what;
        EXPECT_EQ(player.CurrentState(), step.after) << step.what;
    }
}

TEST_F(Player, CloseFromEveryStateStopsClosesAndForgetsTheClip)
{
    const std::pair<State, Calls> rows[] = {
        {CSoundPlayer::kOpen, {WaveCall::Close}},
        {CSoundPlayer::kPlaying, {WaveCall::Reset, WaveCall::Unprepare, WaveCall::Close}},
        {CSoundPlayer::kPaused, {WaveCall::Reset, WaveCall::Unprepare, WaveCall::Close}},
    };
    for (const auto& [state, calls] : rows) {
        Reach(state);
        device.ClearCalls();
        player.Close();
        EXPECT_EQ(device.Calls(), calls) << state;
    }
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed);
    EXPECT_EQ(player.FramesInBlock(), 300u);
    EXPECT_EQ(player.EndMs(), 0u);
    EXPECT_EQ(player.Block(), nullptr);
    EXPECT_EQ(player.FirstFrameValues().kbps, 0);
    device.ClearCalls();
    player.Close();
    EXPECT_EQ(device.Calls(), Calls{}) << "closing a closed player";

    // Destroying an open player closes its device.
    RecordingWaveOut other;
    {
        CSoundPlayer doomed(other);
        auto buffer = Buffer(SilentMpeg1Frames(10));
        ASSERT_EQ(doomed.Open(buffer, 4170), 0);
        doomed.Play();
    }
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(other.Calls().back(), WaveCall::Close);
}

TEST_F(Player, OpenOnAnOpenPlayerLeavesEverythingToTheCaller)
{
    Reach(CSoundPlayer::kOpen);
    const std::uint32_t endMs = player.EndMs();
    auto buffer = Buffer(SilentFrames({0xFF, 0xF3, 0x60, 0xC0}, 156, 20));
    device.ClearCalls();
    EXPECT_EQ(player.Open(buffer, 20 * 156), 0);
    EXPECT_NE(buffer, nullptr) << "the caller's buffer was taken";
    EXPECT_TRUE(device.Calls().empty());
    EXPECT_EQ(player.EndMs(), endMs);
    EXPECT_EQ(player.FirstFrameValues().rate, 44100);
}

TEST_F(Player, RefusesClipsItCannotTimeOrSizeWithoutOpeningTheDevice)
{
    Bytes xingWithoutCounts = SilentMpeg1Frames(20);
    std::memcpy(xingWithoutCounts.data() + 36, "Xing\0\0\0\x0C", 8);
    Bytes unknownRiff = WaveFact30(SilentMpeg1Frames(3));
    std::memcpy(unknownRiff.data() + 50, "LIST", 4);
    const std::tuple<const char*, Bytes, int> cases[] = {
        {"empty", {}, CSoundPlayer::kNoFirstFrame},
        {"not MPEG", Bytes(2000, 'x'), CSoundPlayer::kNoFirstFrame},
        {"reserved version code", SilentFrames({0xFF, 0xD3, 0x90, 0x64}, 417, 10), CSoundPlayer::kNoFirstFrame},
        {"free format", SilentFrames({0xFF, 0xFB, 0x00, 0x64}, 417, 10), CSoundPlayer::kUntimed},
        {"bitrate index 15", SilentFrames({0xFF, 0xFB, 0xF0, 0x64}, 417, 10), CSoundPlayer::kUntimed},
        {"rate index 3", SilentFrames({0xFF, 0xFB, 0x9C, 0x64}, 417, 10), CSoundPlayer::kUntimed},
        // Fewer bytes than one kbps unit: a duration of 0.
        {"too short to time", Bytes{0xFF, 0xFB, 0x90, 0x64, 0, 0}, CSoundPlayer::kUntimed},
        // 8 kbit/s at 22050 Hz: nominal frame 52 bytes; 32 kbit/s at 48000 Hz: 96.
        {"tiny frames", SilentFrames({0xFF, 0xF3, 0x10, 0xC0}, 26, 100), CSoundPlayer::kFramesTooShort},
        {"small MPEG-1 frames", SilentFrames({0xFF, 0xFB, 0x14, 0xC0}, 96, 100), CSoundPlayer::kFramesTooShort},
        {"useless VBR header", xingWithoutCounts, CSoundPlayer::kNoFirstFrame},
        {"unknown RIFF", unknownRiff, CSoundPlayer::kUnknownLayout},
    };
    for (const auto& [what, clip, result] : cases) {
        auto buffer = Buffer(clip);
        device.ClearCalls();
        EXPECT_EQ(player.Open(buffer, std::uint32_t(clip.size())), result) << what;
        EXPECT_EQ(buffer, nullptr) << what << ": a refused clip is still taken";
        EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed) << what;
        player.Prepare(0, 400000);
        player.Play();
        EXPECT_TRUE(device.Calls().empty()) << what << ": the device was touched";
    }
    EXPECT_EQ(Open(SilentMpeg1Frames(10)), 0) << "a refusal leaves the player ready for the next clip";
}

TEST_F(Player, PrepareDecodesAQuarterOfTheRangeAndTheFirstPlayTheRest)
{
    struct Case {
        std::uint32_t frames, start, end;
        std::uint32_t wantStart, wantEnd, framesInBlock, writtenBytes;
    };
    // Frames of 417 bytes at 128 kbit/s, 26.12245 ms and 4608 PCM bytes each:
    // 80 of them last 2080 ms.
    const Case cases[] = {
        {80, 0, 400000, 0, 2080, 80, 80 * 4608},   // 2080 / 26.12245 = 79.6: 79 + 1 frames
        {80, 1500, 500, 0, 2080, 80, 80 * 4608},   // start after end: the whole clip
        {80, 0, 0, 0, 2080, 80, 80 * 4608},        // both 0: the whole frames
        {80, 3000, 400000, 0, 2080, 80, 80 * 4608}, // start past the end
        {80, 0, 1000, 0, 1000, 39, 39 * 4608},     // 1000 / 26.12245 = 38.3
        // 38 - 19 + 1 frames; the block starts at bytes(500) - 19 frames:
        // 88200 + (88200 mod 176) - 19 x 4608 = 672 bytes in.
        {80, 500, 1000, 500, 1000, 20, 20 * 4608 - 672},
        {400, 0, 400000, 0, 10424, 300, 300 * 4608}, // at most 300 frames
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.frames) + " frames, " + std::to_string(c.start) + ".." + std::to_string(c.end));
        player.Close();
        ASSERT_EQ(Open(SilentMpeg1Frames(c.frames)), 0);
        player.Prepare(c.start, c.end);
        EXPECT_EQ(player.StartMs(), c.wantStart);
        EXPECT_EQ(player.EndMs(), c.wantEnd);
        EXPECT_EQ(player.FramesInBlock(), c.framesInBlock);
        EXPECT_EQ(player.FramesStepped(), c.framesInBlock / 4);
        player.Play();
        EXPECT_EQ(player.FramesStepped(), c.framesInBlock);
        EXPECT_EQ(device.Written().back().size(), c.writtenBytes);
    }
    // Replays reuse the block without decoding again.
    const Bytes first = device.Written().back();
    player.Stop();
    player.Play();
    EXPECT_EQ(player.FramesStepped(), 300u);
    EXPECT_EQ(device.Written().back(), first);
}

TEST_F(Player, OpensTheDeviceInTheClipsFormatAndTimesItAtItsTrueRate)
{
    struct Case {
        const char* what;
        Bytes clip;
        platform::WaveFormat format;
        std::uint32_t frameBytes, endMs, framesInBlock;
    };
    const Case cases[] = {
        {"MPEG-2 mono", SilentFrames({0xFF, 0xF3, 0x60, 0xC0}, 156, 20), {1, 1, 22050, 44100, 2, 16, 0}, 1152, 520, 20},
        {"MPEG-1 stereo in RMP3", Rmp3(SilentMpeg1Frames(20)), {1, 2, 44100, 176400, 4, 16, 0}, 4608, 520, 20},
        // 12520 bytes / 48 x 8 = 2080 ms; frames of 52.2449 ms: 39.8.
        {"MPEG-2.5 mono", SilentFrames({0xFF, 0xE3, 0x60, 0xC0}, 313, 40), {1, 1, 11025, 22050, 2, 16, 0}, 1152, 2080, 40},
    };
    for (const Case& c : cases) {
        player.Close();
        ASSERT_EQ(Open(c.clip), 0) << c.what;
        player.Prepare(0, 400000);
        EXPECT_EQ(device.Format(), c.format) << c.what;
        EXPECT_EQ(player.FrameBytes(), c.frameBytes) << c.what;
        EXPECT_EQ(player.EndMs(), c.endMs) << c.what;
        EXPECT_EQ(player.FramesInBlock(), c.framesInBlock) << c.what;
    }
}

TEST(PlayerWithoutDevice, RunsOnSilently)
{
    RecordingWaveOut none(false);
    CSoundPlayer silent(none);
    auto buffer = Buffer(SilentMpeg1Frames(10));
    EXPECT_EQ(silent.Open(buffer, 4170), 0);
    EXPECT_EQ(silent.CurrentState(), CSoundPlayer::kOpen);
    silent.Prepare(0, 400000);
    silent.Play();
    silent.Close();
    EXPECT_TRUE(none.Written().empty());
}

} // namespace
