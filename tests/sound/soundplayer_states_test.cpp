// The player's state table, its refusals and its block arithmetic, on
// streams built byte by byte.

#include "clipfactory.h"
#include "recordingwaveout.h"
#include "soundplayer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <map>

namespace platform {
void PrintTo(WaveCall call, std::ostream* out)
{
    *out << std::array{"Open", "Prepare", "Write", "Pause", "Restart", "Reset", "Unprepare", "Close"}[int(call)];
}
} // namespace platform

namespace {

using platform::RecordingWaveOut;
using W = platform::WaveCall;
using Calls = std::vector<W>;
using P = CSoundPlayer;

class Player : public ::testing::Test {
protected:
    RecordingWaveOut device;
    CSoundPlayer player{device};
};

TEST_F(Player, EveryRowOfTheStateTableInOrder)
{
    const std::map<std::string, std::function<void()>> acts = {
        {"Open", [&] { // an open player leaves the clip, the device and the buffer to the caller
             const bool closed = player.CurrentState() == P::kClosed;
             auto buffer = OwnedCopy(closed ? SilentMpeg1Frames(40) : SilentFrames({0xFF, 0xF3, 0x60, 0xC0}, 156, 20));
             EXPECT_EQ(player.Open(buffer, closed ? 40 * 417 : 20 * 156), 0);
             EXPECT_EQ(std::tuple(buffer == nullptr, player.FirstFrameValues().rate), std::tuple(closed, 44100));
         }},
        {"Prepare", [&] { player.Prepare(0, 400000); }},
        {"Play", [&] { player.Play(); }},
        {"Pause", [&] { player.Pause(); }},
        {"Resume", [&] { player.Resume(); }},
        {"Stop", [&] { player.Stop(); }},
        {"Close", [&] { player.Close(); }},
    };
    const Calls play = {W::Prepare, W::Write}, stop = {W::Reset, W::Unprepare};
    const Calls close = {W::Reset, W::Unprepare, W::Close};
    const std::tuple<const char*, Calls, P::State> steps[] = {
        {"Prepare", {}, P::kClosed}, {"Play", {}, P::kClosed}, {"Pause", {}, P::kClosed},
        {"Resume", {}, P::kClosed}, {"Stop", {}, P::kClosed}, {"Close", {}, P::kClosed},
        {"Open", {W::Open}, P::kOpen}, {"Open", {}, P::kOpen}, {"Prepare", {}, P::kOpen}, {"Stop", {}, P::kOpen},
        {"Pause", {}, P::kOpen}, {"Resume", {}, P::kOpen}, {"Play", play, P::kPlaying},
        {"Resume", {}, P::kPlaying}, {"Prepare", {}, P::kPlaying}, {"Open", {}, P::kPlaying}, {"Play", play, P::kPlaying},
        {"Pause", {W::Pause}, P::kPaused}, {"Pause", {}, P::kPaused}, {"Prepare", {}, P::kPaused},
        {"Resume", {W::Restart}, P::kPlaying}, {"Stop", stop, P::kOpen}, {"Play", play, P::kPlaying},
        {"Pause", {W::Pause}, P::kPaused}, {"Stop", stop, P::kOpen}, {"Play", play, P::kPlaying},
        {"Pause", {W::Pause}, P::kPaused}, {"Play", play, P::kPlaying}, {"Close", close, P::kClosed},
        {"Open", {W::Open}, P::kOpen}, {"Play", play, P::kPlaying}, {"Pause", {W::Pause}, P::kPaused},
        {"Close", close, P::kClosed}, {"Open", {W::Open}, P::kOpen}, {"Close", {W::Close}, P::kClosed},
    };
    int row = 0;
    for (const auto& [act, calls, after] : steps) {
        device.ClearCalls();
        acts.at(act)();
        EXPECT_EQ(std::pair(device.Calls(), player.CurrentState()), std::pair(calls, after)) << "row " << row++ << ": " << act;
    }
    // Closing forgets the clip.
    EXPECT_EQ(std::tuple(player.FramesInBlock(), player.EndMs(), player.Block(), player.FirstFrameValues().kbps),
              std::tuple(300u, 0u, nullptr, std::uint16_t(0)));
    RecordingWaveOut other;
    {
        CSoundPlayer doomed(other);
        ASSERT_EQ(OpenClip(doomed, SilentMpeg1Frames(10)), 0);
        doomed.Play();
    }
    EXPECT_EQ(other.Calls().back(), W::Close) << "a destroyed player left its device open";
}

TEST_F(Player, RefusesClipsItCannotTimeOrSizeWithoutOpeningTheDevice)
{
    Bytes xingWithoutCounts = SilentMpeg1Frames(20);
    std::memcpy(xingWithoutCounts.data() + 36, "Xing\0\0\0\x0C", 8);
    Bytes unknownRiff = WaveFact30(SilentMpeg1Frames(3));
    std::memcpy(unknownRiff.data() + 50, "LIST", 4);
    const std::tuple<const char*, Bytes, int> cases[] = {
        {"empty", {}, P::kNoFirstFrame},
        {"not MPEG", Bytes(2000, 'x'), P::kNoFirstFrame},
        {"reserved version code", SilentFrames({0xFF, 0xD3, 0x90, 0x64}, 417, 10), P::kNoFirstFrame},
        {"free format", SilentFrames({0xFF, 0xFB, 0x00, 0x64}, 417, 10), P::kUntimed},
        {"bitrate index 15", SilentFrames({0xFF, 0xFB, 0xF0, 0x64}, 417, 10), P::kUntimed},
        {"rate index 3", SilentFrames({0xFF, 0xFB, 0x9C, 0x64}, 417, 10), P::kUntimed},
        {"shorter than one kbps unit", Bytes{0xFF, 0xFB, 0x90, 0x64, 0, 0}, P::kUntimed},
        {"VBR header without counts", xingWithoutCounts, P::kNoFirstFrame},
        {"unknown RIFF", unknownRiff, P::kUnknownLayout},
    };
    for (const auto& [what, clip, result] : cases) {
        auto buffer = OwnedCopy(clip);
        device.ClearCalls();
        EXPECT_EQ(player.Open(buffer, std::uint32_t(clip.size())), result) << what;
        EXPECT_EQ(buffer, nullptr) << what << ": a refused clip is still taken";
        EXPECT_EQ(player.CurrentState(), P::kClosed) << what;
        player.Prepare(0, 400000);
        player.Play();
        EXPECT_TRUE(device.Calls().empty()) << what << ": the device was touched";
    }
    EXPECT_EQ(OpenClip(player, SilentMpeg1Frames(10)), 0) << "a refusal leaves the player ready for the next clip";
}

TEST_F(Player, PrepareDecodesAQuarterOfTheRangeAndTheFirstPlayTheRest)
{
    // 417-byte frames: 26.12245 ms and 4608 PCM bytes each; 80 last 2080 ms.
    // 500..1000 ms: frames 19..38; the block starts 88200 + 88200 mod 176
    // - 19 x 4608 = 672 bytes into frame 19.
    const std::uint32_t cases[][7] = {
        // frames, start, end -> start, end, frames in block, bytes written
        {80, 0, 400000, 0, 2080, 80, 80 * 4608},    {80, 1500, 500, 0, 2080, 80, 80 * 4608},
        {80, 0, 0, 0, 2080, 80, 80 * 4608},         {80, 3000, 400000, 0, 2080, 80, 80 * 4608},
        {80, 0, 1000, 0, 1000, 39, 39 * 4608},      {80, 500, 1000, 500, 1000, 20, 20 * 4608 - 672},
        {400, 0, 400000, 0, 10424, 300, 300 * 4608},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c[0]) + " frames, " + std::to_string(c[1]) + ".." + std::to_string(c[2]));
        player.Close();
        ASSERT_EQ(OpenClip(player, SilentMpeg1Frames(c[0])), 0);
        player.Prepare(c[1], c[2]);
        EXPECT_EQ(std::tuple(player.StartMs(), player.EndMs(), player.FramesInBlock(), player.FramesStepped()),
                  std::tuple(c[3], c[4], c[5], c[5] / 4));
        player.Play();
        EXPECT_EQ(player.FramesStepped(), c[5]);
        EXPECT_EQ(device.Written().back().size(), c[6]);
    }
    const Bytes first = device.Written().back();
    player.Stop();
    player.Play();
    EXPECT_EQ(player.FramesStepped(), 300u) << "a replay decoded again";
    EXPECT_EQ(device.Written().back(), first);

    // 20 frames at 128 kbit/s, then 20 at 64: timed by its 40 frames, not
    // cut short at the first frame's bitrate (776 ms, 30 frames).
    Bytes mixed = SilentMpeg1Frames(20);
    const Bytes slower = SilentFrames({0xFF, 0xFB, 0x50, 0x64}, 208, 20);
    mixed.insert(mixed.end(), slower.begin(), slower.end());
    player.Close();
    ASSERT_EQ(OpenClip(player, mixed), 0);
    player.Prepare(0, 400000);
    EXPECT_EQ(std::tuple(player.EndMs(), player.FramesInBlock()), std::tuple(1044u, 40u));
}

TEST_F(Player, OpensTheDeviceInTheClipsFormatAndTimesItAtItsTrueRate)
{
    const std::tuple<const char*, Bytes, platform::WaveFormat, std::uint32_t, std::uint32_t, std::uint32_t> cases[] = {
        {"MPEG-2 mono", SilentFrames({0xFF, 0xF3, 0x60, 0xC0}, 156, 20), {1, 1, 22050, 44100, 2, 16, 0}, 1152, 520, 20},
        {"MPEG-1 in RMP3", Rmp3(SilentMpeg1Frames(20)), {1, 2, 44100, 176400, 4, 16, 0}, 4608, 520, 20},
        // 12520 bytes at 48 kbit/s: 2080 ms; frames of 52.2449 ms.
        {"MPEG-2.5 mono", SilentFrames({0xFF, 0xE3, 0x60, 0xC0}, 313, 40), {1, 1, 11025, 22050, 2, 16, 0}, 1152, 2080, 40},
    };
    for (const auto& [what, clip, format, frameBytes, endMs, frames] : cases) {
        player.Close();
        ASSERT_EQ(OpenClip(player, clip), 0) << what;
        player.Prepare(0, 400000);
        EXPECT_EQ(device.Format(), format) << what;
        EXPECT_EQ(std::tuple(player.FrameBytes(), player.EndMs(), player.FramesInBlock()),
                  std::tuple(frameBytes, endMs, frames)) << what;
    }
    RecordingWaveOut none(false);
    CSoundPlayer silent(none);
    EXPECT_EQ(OpenClip(silent, SilentMpeg1Frames(10)), 0) << "no sound device: the player runs on silently";
    silent.Prepare(0, 400000);
    silent.Play();
    EXPECT_TRUE(none.Written().empty());
}

} // namespace
