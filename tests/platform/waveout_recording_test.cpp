// The recording wave output that tools and tests play into: it keeps a copy
// of each block as it was when written, and nothing a real device would not
// have played.

#include "recordingwaveout.h"

#include <gtest/gtest.h>

namespace {

using platform::RecordingWaveOut;
using platform::WaveBlock;

TEST(RecordingWaveOut, KeepsWhatWasWrittenAsItWasThenAndNothingElse)
{
    const platform::WaveFormat mono{1, 1, 22050, 44100, 2, 16, 0};
    std::uint8_t pcm[6] = {1, 2, 3, 4, 5, 6};
    WaveBlock block{pcm + 2, 4};
    RecordingWaveOut device;
    ASSERT_TRUE(device.Open(mono));
    EXPECT_FALSE(device.Open(mono)) << "a second open of an open device";
    device.Write(block);
    EXPECT_TRUE(device.Written().empty()) << "an unprepared block was kept";
    device.Prepare(block);
    device.Pause();
    device.Write(block);
    pcm[2] = 99;
    EXPECT_FALSE(device.IsPaused()) << "a write plays a paused device again";
    ASSERT_EQ(device.Written().size(), 1u);
    EXPECT_EQ(device.Written()[0], (std::vector<std::uint8_t>{3, 4, 5, 6}));

    RecordingWaveOut none(false);
    EXPECT_FALSE(none.Open(mono));
    none.Prepare(block);
    none.Write(block);
    EXPECT_TRUE(none.Written().empty()) << "a machine without a device played";
}

} // namespace
