// The recording wave output keeps exactly what a player gave it.

#include "recordingwaveout.h"

#include <gtest/gtest.h>

namespace {

using platform::RecordingWaveOut;
using platform::WaveBlock;
using platform::WaveCall;
using platform::WaveFormat;

const WaveFormat kMono{1, 1, 22050, 44100, 2, 16, 0};

TEST(RecordingWaveOut, KeepsTheFormatTheCallsAndACopyOfEachBlock)
{
    RecordingWaveOut device;
    ASSERT_TRUE(device.Open(kMono));
    EXPECT_EQ(device.Format(), kMono);
    EXPECT_FALSE(device.Open(kMono)) << "a second open of an open device";

    std::uint8_t pcm[6] = {1, 2, 3, 4, 5, 6};
    WaveBlock block{pcm + 2, 4};
    device.Prepare(block);
    EXPECT_TRUE(block.prepared);
    device.Write(block);
    pcm[2] = 99; // the copy is taken at the write
    device.Pause();
    EXPECT_TRUE(device.IsPaused());
    device.Restart();
    EXPECT_FALSE(device.IsPaused());
    device.Reset();
    device.Unprepare(block);
    EXPECT_FALSE(block.prepared);
    device.Close();
    EXPECT_FALSE(device.IsOpen());

    ASSERT_EQ(device.Written().size(), 1u);
    EXPECT_EQ(device.Written()[0], (std::vector<std::uint8_t>{3, 4, 5, 6}));
    const std::vector<WaveCall> expected = {WaveCall::Open,    WaveCall::Open,  WaveCall::Prepare,
                                            WaveCall::Write,   WaveCall::Pause, WaveCall::Restart,
                                            WaveCall::Reset,   WaveCall::Unprepare, WaveCall::Close};
    EXPECT_EQ(device.Calls(), expected);
}

TEST(RecordingWaveOut, KeepsNothingWithoutADeviceOrForAnUnpreparedBlock)
{
    std::uint8_t pcm[2] = {7, 8};
    WaveBlock block{pcm, 2};
    RecordingWaveOut none(false);
    EXPECT_FALSE(none.Open(kMono));
    none.Prepare(block);
    EXPECT_FALSE(block.prepared);
    none.Write(block);
    EXPECT_TRUE(none.Written().empty());

    RecordingWaveOut device;
    ASSERT_TRUE(device.Open(kMono));
    device.Write(block);
    EXPECT_TRUE(device.Written().empty());
    // A write plays a paused device again.
    device.Prepare(block);
    device.Pause();
    device.Write(block);
    EXPECT_FALSE(device.IsPaused());
    EXPECT_EQ(device.Written().size(), 1u);
}

} // namespace
