// The player's state table, its refusals and its block arithmetic, on
// streams built byte by byte.

#include "clipfactory.h"
#include "recordingwaveout.h"
#include "soundplayer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using platform::RecordingWaveOut;
using platform::WaveCall;
using Calls = std::vector<WaveCall>;

std::unique_ptr<std::uint8_t[]> Buffer(const Bytes& bytes)
{
    auto buffer = std::make_unique<std::uint8_t[]>(bytes.size());
    std::memcpy(buffer.get(), bytes.data(), bytes.size());
    return buffer;
}

class PlayerTest : public ::testing::Test {
protected:
    int Open(const Bytes& clip)
    {
        auto buffer = Buffer(clip);
        return player.Open(buffer, std::uint32_t(clip.size()));
    }
    // The device calls made by `action`.
    template <class Action>
    Calls CallsOf(Action action)
    {
        device.ClearCalls();
        action();
        return device.Calls();
    }

    RecordingWaveOut device;
    CSoundPlayer player{device};
};

TEST_F(PlayerTest, EveryRowOfTheStateTable)
{
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed);
    EXPECT_EQ(player.FramesInBlock(), 300u);

    // Closed: only Open and Close do anything.
    EXPECT_EQ(CallsOf([&] {
                  player.Prepare(0, 400000);
                  player.Play();
                  player.Pause();
                  player.Resume();
                  player.Stop();
              }),
              Calls{});
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed);
    EXPECT_EQ(player.FramesStepped(), 0u);

    EXPECT_EQ(CallsOf([&] { EXPECT_EQ(Open(SilentMpeg1Frames(40)), 0); }), Calls{WaveCall::Open});
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kOpen);

    // Open: Prepare stays open; Stop, Pause and Resume do nothing.
    EXPECT_EQ(CallsOf([&] {
                  player.Prepare(0, 400000);
                  player.Stop();
                  player.Pause();
                  player.Resume();
              }),
              Calls{});
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kOpen);

    EXPECT_EQ(CallsOf([&] { player.Play(); }), (Calls{WaveCall::Prepare, WaveCall::Write}));
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kPlaying);
    // Playing: Resume and Prepare do nothing; Play writes again.
    EXPECT_EQ(CallsOf([&] {
                  player.Resume();
                  player.Prepare(0, 400000);
              }),
              Calls{});
    EXPECT_EQ(CallsOf([&] { player.Play(); }), (Calls{WaveCall::Prepare, WaveCall::Write}));
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kPlaying);

    EXPECT_EQ(CallsOf([&] { player.Pause(); }), Calls{WaveCall::Pause});
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kPaused);
    // Paused: Pause and Prepare do nothing.
    EXPECT_EQ(CallsOf([&] {
                  player.Pause();
                  player.Prepare(0, 400000);
              }),
              Calls{});
    EXPECT_EQ(CallsOf([&] { player.Resume(); }), Calls{WaveCall::Restart});
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kPlaying);

    EXPECT_EQ(CallsOf([&] { player.Stop(); }), (Calls{WaveCall::Reset, WaveCall::Unprepare}));
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kOpen);

    // Paused -> Stop -> Open; Paused -> Play -> Playing.
    player.Play();
    player.Pause();
    EXPECT_EQ(CallsOf([&] { player.Stop(); }), (Calls{WaveCall::Reset, WaveCall::Unprepare}));
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kOpen);
    player.Play();
    player.Pause();
    EXPECT_EQ(CallsOf([&] { player.Play(); }), (Calls{WaveCall::Prepare, WaveCall::Write}));
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kPlaying);
}

TEST_F(PlayerTest, CloseFromEveryStateStopsClosesAndForgetsTheClip)
{
    const auto reach = [&](CSoundPlayer::State state) {
        ASSERT_EQ(Open(SilentMpeg1Frames(40)), 0);
        player.Prepare(0, 400000);
        if (state == CSoundPlayer::kPlaying || state == CSoundPlayer::kPaused)
            player.Play();
        if (state == CSoundPlayer::kPaused)
            player.Pause();
        ASSERT_EQ(player.CurrentState(), state);
    };
    reach(CSoundPlayer::kOpen);
    EXPECT_EQ(CallsOf([&] { player.Close(); }), Calls{WaveCall::Close});
    for (CSoundPlayer::State state : {CSoundPlayer::kPlaying, CSoundPlayer::kPaused}) {
        reach(state);
        EXPECT_EQ(CallsOf([&] { player.Close(); }), (Calls{WaveCall::Reset, WaveCall::Unprepare, WaveCall::Close}));
    }
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed);
    EXPECT_EQ(player.FramesInBlock(), 300u);
    EXPECT_EQ(player.EndMs(), 0u);
    EXPECT_EQ(player.Block(), nullptr);
    EXPECT_EQ(player.FirstFrameValues().kbps, 0);
    EXPECT_EQ(CallsOf([&] { player.Close(); }), Calls{}) << "closing a closed player";

    // Destroying an open player closes its device.
    RecordingWaveOut other;
    {
        CSoundPlayer doomed(other);
        auto buffer = Buffer(SilentMpeg1Frames(10));
        ASSERT_EQ(doomed.Open(buffer, 4170), 0);
        doomed.Play();
        EXPECT_TRUE(other.IsOpen());
    }
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(other.Calls().back(), WaveCall::Close);
}

TEST_F(PlayerTest, OpenOnAnOpenPlayerLeavesEverythingToTheCaller)
{
    ASSERT_EQ(Open(SilentMpeg1Frames(40)), 0);
    player.Prepare(0, 400000);
    const std::uint32_t endMs = player.EndMs();
    const Bytes other = SilentFrames({0xFF, 0xF3, 0x60, 0xC0}, 156, 20);
    auto buffer = Buffer(other);
    device.ClearCalls();
    EXPECT_EQ(player.Open(buffer, std::uint32_t(other.size())), 0);
    EXPECT_NE(buffer, nullptr) << "the caller's buffer was taken";
    EXPECT_TRUE(device.Calls().empty());
    EXPECT_EQ(player.EndMs(), endMs);
    EXPECT_EQ(player.FirstFrameValues().rate, 44100);
}

TEST_F(PlayerTest, RefusesClipsItCannotTimeOrSizeWithoutOpeningTheDevice)
{
    Bytes xingWithoutCounts = SilentMpeg1Frames(20);
    std::memcpy(xingWithoutCounts.data() + 36, "Xing\0\0\0\x0C", 8);
    struct Case {
        const char* what;
        Bytes clip;
        int result;
    };
    const Case cases[] = {
        {"empty", {}, CSoundPlayer::kNoFirstFrame},
        {"not MPEG", Bytes(2000, 'x'), CSoundPlayer::kNoFirstFrame},
        {"free format", SilentFrames({0xFF, 0xFB, 0x00, 0x64}, 417, 10), CSoundPlayer::kUntimed},
        {"bitrate index 15", SilentFrames({0xFF, 0xFB, 0xF0, 0x64}, 417, 10), CSoundPlayer::kUntimed},
        {"rate index 3", SilentFrames({0xFF, 0xFB, 0x9C, 0x64}, 417, 10), CSoundPlayer::kUntimed},
        // Fewer bytes than one kbps unit: a duration of 0.
        {"too short to time", Bytes{0xFF, 0xFB, 0x90, 0x64, 0, 0}, CSoundPlayer::kUntimed},
        // 8 kbit/s at 22050 Hz: nominal frame 52 bytes; 32 kbit/s at 48000 Hz: 96.
        {"tiny frames", SilentFrames({0xFF, 0xF3, 0x10, 0xC0}, 26, 100), CSoundPlayer::kFramesTooShort},
        {"small MPEG-1 frames", SilentFrames({0xFF, 0xFB, 0x14, 0xC0}, 96, 100), CSoundPlayer::kFramesTooShort},
        {"useless VBR header", xingWithoutCounts, CSoundPlayer::kNoFirstFrame},
        {"unknown RIFF", [] {
             Bytes clip = WaveFact30(SilentMpeg1Frames(3));
             std::memcpy(clip.data() + 50, "LIST", 4);
             return clip;
         }(), CSoundPlayer::kUnknownLayout},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto buffer = Buffer(c.clip);
        device.ClearCalls();
        EXPECT_EQ(player.Open(buffer, std::uint32_t(c.clip.size())), c.result);
        EXPECT_EQ(buffer, nullptr) << "a refused clip is still taken";
        EXPECT_EQ(player.CurrentState(), CSoundPlayer::kClosed);
        EXPECT_TRUE(device.Calls().empty()) << "the device was touched";
        player.Prepare(0, 400000);
        player.Play();
        EXPECT_TRUE(device.Written().empty());
    }
    // A refusal leaves the player ready for the next clip.
    EXPECT_EQ(Open(SilentMpeg1Frames(10)), 0);
    EXPECT_EQ(player.CurrentState(), CSoundPlayer::kOpen);
}

TEST_F(PlayerTest, PrepareDecodesTheFirstQuarterAndTheFirstPlayTheRest)
{
    // 80 frames of 417 bytes at 128 kbit/s: 33360 bytes, 2080 ms.
    ASSERT_EQ(Open(SilentMpeg1Frames(80)), 0);
    EXPECT_EQ(player.ClipDurationMs(), 2080u);
    player.Prepare(0, 400000);
    EXPECT_EQ(player.StartMs(), 0u);
    EXPECT_EQ(player.EndMs(), 2080u);
    // 2080 / 26.12245 = 79.6: 79 + 1 frames.
    EXPECT_EQ(player.FramesInBlock(), 80u);
    EXPECT_EQ(player.FramesStepped(), 20u);
    player.Play();
    EXPECT_EQ(player.FramesStepped(), 80u);
    player.Stop();
    player.Play();
    player.Stop();
    player.Play();
    EXPECT_EQ(player.FramesStepped(), 80u) << "a replay decoded again";
    ASSERT_EQ(device.Written().size(), 3u);
    EXPECT_EQ(device.Written()[0].size(), 80u * 4608);
    EXPECT_EQ(device.Written()[2], device.Written()[0]);
}

TEST_F(PlayerTest, PlayRange)
{
    struct Case {
        std::uint32_t start, end;
        std::uint32_t wantStart, wantEnd, frames;
    };
    const Case cases[] = {
        {1500, 500, 0, 2080, 80},   // start after end: the whole clip
        {0, 0, 0, 2080, 80},        // both 0: the whole frames, 33360 / 417 * 417 / 128 * 8
        {3000, 400000, 0, 2080, 80}, // start past the end
        {0, 1000, 0, 1000, 39},     // 1000 / 26.12245 = 38.3
        {500, 1000, 500, 1000, 20}, // 38 - 19 + 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + ".." + std::to_string(c.end));
        player.Close();
        ASSERT_EQ(Open(SilentMpeg1Frames(80)), 0);
        player.Prepare(c.start, c.end);
        EXPECT_EQ(player.StartMs(), c.wantStart);
        EXPECT_EQ(player.EndMs(), c.wantEnd);
        EXPECT_EQ(player.FramesInBlock(), c.frames);
        EXPECT_EQ(player.FramesStepped(), c.frames / 4);
    }
    // From 500 ms: the block starts at bytes(500) - 19 frames into the
    // decoded frames: 88200 + (88200 mod 176) - 19 x 4608 = 88224 - 87552.
    player.Play();
    ASSERT_EQ(device.Written().size(), 1u);
    EXPECT_EQ(device.Written()[0].size(), 20u * 4608 - 672);
}

TEST_F(PlayerTest, ABlockHoldsAtMostThreeHundredFrames)
{
    // 400 frames: 10.4 s.
    ASSERT_EQ(Open(SilentMpeg1Frames(400)), 0);
    player.Prepare(0, 400000);
    EXPECT_EQ(player.EndMs(), 10424u);
    EXPECT_EQ(player.FramesInBlock(), 300u);
    EXPECT_EQ(player.FramesStepped(), 75u);
    player.Play();
    EXPECT_EQ(player.FramesStepped(), 300u);
    ASSERT_EQ(device.Written().size(), 1u);
    EXPECT_EQ(device.Written()[0].size(), 300u * 4608);
}

TEST_F(PlayerTest, OpensTheDeviceInTheClipsFormat)
{
    ASSERT_EQ(Open(SilentFrames({0xFF, 0xF3, 0x60, 0xC0}, 156, 20)), 0);
    EXPECT_EQ(device.Format(), (platform::WaveFormat{1, 1, 22050, 44100, 2, 16, 0}));
    EXPECT_EQ(player.FrameBytes(), 1152u);
    player.Close();
    ASSERT_EQ(Open(Rmp3(SilentMpeg1Frames(20))), 0);
    EXPECT_EQ(device.Format(), (platform::WaveFormat{1, 2, 44100, 176400, 4, 16, 0}));
    EXPECT_EQ(player.FrameBytes(), 4608u);
    player.Close();
    // MPEG-2.5 at its true rate; its frames last 52.2 ms.
    ASSERT_EQ(Open(SilentFrames({0xFF, 0xE3, 0x60, 0xC0}, 313, 40)), 0);
    EXPECT_EQ(device.Format(), (platform::WaveFormat{1, 1, 11025, 22050, 2, 16, 0}));
    player.Prepare(0, 400000);
    // 12520 bytes / 48 x 8 = 2080 ms; 2080 / 52.2449 = 39.8.
    EXPECT_EQ(player.EndMs(), 2080u);
    EXPECT_EQ(player.FramesInBlock(), 40u);
}

TEST_F(PlayerTest, WithoutASoundDeviceThePlayerRunsOnSilently)
{
    RecordingWaveOut none(false);
    CSoundPlayer silent(none);
    auto buffer = Buffer(SilentMpeg1Frames(10));
    EXPECT_EQ(silent.Open(buffer, 4170), 0);
    EXPECT_EQ(silent.CurrentState(), CSoundPlayer::kOpen);
    silent.Prepare(0, 400000);
    silent.Play();
    silent.Stop();
    silent.Close();
    EXPECT_TRUE(none.Written().empty());
}

} // namespace
