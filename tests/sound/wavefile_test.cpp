// The WAVE file a tool writes for a played block.

#include "wavefile.h"

#include <gtest/gtest.h>

namespace {

TEST(WaveFile, HeaderDescribesTheBlockThatFollowsIt)
{
    const platform::WaveFormat mono{1, 1, 11025, 22050, 2, 16, 0};
    const std::uint8_t pcm[6] = {1, 2, 3, 4, 5, 6};
    const std::vector<std::uint8_t> expected = {
        'R', 'I', 'F', 'F', 42, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, // chunk sizes
        1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x22, 0x56, 0, 0, 2, 0, 16, 0,                      // the format
        'd', 'a', 't', 'a', 6, 0, 0, 0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(PcmWaveFile(mono, pcm, 6), expected);
    EXPECT_EQ(PcmWaveFile(mono, pcm, 0).size(), 44u);
}

} // namespace
