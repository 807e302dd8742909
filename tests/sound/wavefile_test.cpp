// The WAVE file a tool writes for a played block.

#include "wavefile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

TEST(WaveFile, HeaderDescribesTheBlockThatFollowsIt)
{
    const platform::WaveFormat mono{1, 1, 11025, 22050, 2, 16, 0};
    const std::uint8_t pcm[6] = {1, 2, 3, 4, 5, 6};
    const std::vector<std::uint8_t> file = PcmWaveFile(mono, pcm, 6);
    ASSERT_EQ(file.size(), 44u + 6);
    EXPECT_EQ(std::memcmp(file.data(), "RIFF", 4), 0);
    EXPECT_EQ(Le32(file, 4), 36u + 6);
    EXPECT_EQ(std::memcmp(file.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Le32(file, 16), 16u);
    EXPECT_EQ(Le16(file, 20), 1);
    EXPECT_EQ(Le16(file, 22), 1);
    EXPECT_EQ(Le32(file, 24), 11025u);
    EXPECT_EQ(Le32(file, 28), 22050u);
    EXPECT_EQ(Le16(file, 32), 2);
    EXPECT_EQ(Le16(file, 34), 16);
    EXPECT_EQ(std::memcmp(file.data() + 36, "data", 4), 0);
    EXPECT_EQ(Le32(file, 40), 6u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 44, file.end()), std::vector<std::uint8_t>(pcm, pcm + 6));

    const platform::WaveFormat stereo{1, 2, 44100, 176400, 4, 16, 0};
    const std::vector<std::uint8_t> empty = PcmWaveFile(stereo, pcm, 0);
    ASSERT_EQ(empty.size(), 44u);
    EXPECT_EQ(Le16(empty, 22), 2);
    EXPECT_EQ(Le32(empty, 28), 176400u);
    EXPECT_EQ(Le16(empty, 32), 4);
}

} // namespace
