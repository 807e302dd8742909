// The player's clock, with its integer and single-precision truncations.

#include "playertime.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerTime, DurationDividesFirstAndCountsWholeFrames)
{
    EXPECT_EQ(DurationMs(12382, 48), 2056u);   // 257 x 8: the division truncates first
    EXPECT_EQ(DurationMs(33360, 128), 2080u);
    EXPECT_EQ(DurationMs(127, 128), 0u);
    EXPECT_EQ(DurationMs(5000, 0), 0u);
    // 12382 / 313 = 39 whole nominal frames = 12207 bytes.
    EXPECT_EQ(WholeFramesMs(12382, 313, 48), 2032u);
    EXPECT_EQ(WholeFramesMs(300, 313, 48), 0u);
    EXPECT_EQ(WholeFramesMs(300, 0, 48), 0u);
}

TEST(PlayerTime, FramesTruncateTowardZero)
{
    EXPECT_EQ(FramesIn(2000, 26.12245f), 76u);
    EXPECT_EQ(FramesIn(2080, 26.12245f), 79u);
    EXPECT_EQ(FramesIn(26, 26.12245f), 0u);
    EXPECT_EQ(FramesIn(27, 26.12245f), 1u);
    EXPECT_EQ(FramesIn(480, 24.0f), 20u);
    EXPECT_EQ(FramesIn(400000, 36.0f), 11111u);
    EXPECT_EQ(FramesIn(2080, 52.2449f), 39u);
    EXPECT_EQ(FramesIn(1000, 0.0f), 0u);
}

TEST(PlayerTime, PcmBytesAddTheRemainderOfOneMillisecond)
{
    EXPECT_EQ(PcmBytesAt(0, 44100, 2), 0u);
    // B = 44.1: 44100 + 44100 mod 44.
    EXPECT_EQ(PcmBytesAt(1000, 22050, 1), 44112u);
    // B = 176.4: 88200 + 88200 mod 176.
    EXPECT_EQ(PcmBytesAt(500, 44100, 2), 88224u);
    // B = 96 exactly: no remainder.
    EXPECT_EQ(PcmBytesAt(250, 48000, 1), 24000u);
    // B = 22.05: truncate(22.05 x 41) = 904, + 904 mod 22 = 2.
    EXPECT_EQ(PcmBytesAt(41, 11025, 1), 906u);
}

} // namespace
