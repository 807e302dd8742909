// The player's clock, with its integer and single-precision truncations.

#include "playertime.h"

#include <gtest/gtest.h>

TEST(PlayerTime, DurationsFramesAndPcmBytesTruncateWhereTheClockDoes)
{
    // Bytes / kbps truncates before the x 8: 12382 / 48 = 257, 2056 ms.
    EXPECT_EQ((std::vector{DurationMs(12382, 48), DurationMs(33360, 128), DurationMs(127, 128), DurationMs(5000, 0)}),
              (std::vector<std::uint32_t>{2056, 2080, 0, 0}));
    // 12382 / 313 = 39 whole nominal frames = 12207 bytes.
    EXPECT_EQ((std::vector{WholeFramesMs(12382, 313, 48), WholeFramesMs(300, 313, 48), WholeFramesMs(300, 0, 48)}),
              (std::vector<std::uint32_t>{2032, 0, 0}));
    EXPECT_EQ((std::vector{FramesIn(2000, 26.12245f), FramesIn(2080, 26.12245f), FramesIn(26, 26.12245f),
                           FramesIn(27, 26.12245f), FramesIn(480, 24.0f), FramesIn(400000, 36.0f),
                           FramesIn(2080, 52.2449f), FramesIn(1000, 0.0f)}),
              (std::vector<std::uint32_t>{76, 79, 0, 1, 20, 11111, 39, 0}));
    // Bytes per ms B: truncate(B x ms) + that mod truncate(B); 44.1, 176.4,
    // 96 and 22.05 (904 + 904 mod 22).
    EXPECT_EQ((std::vector{PcmBytesAt(0, 44100, 2), PcmBytesAt(1000, 22050, 1), PcmBytesAt(500, 44100, 2),
                           PcmBytesAt(250, 48000, 1), PcmBytesAt(41, 11025, 1)}),
              (std::vector<std::uint32_t>{0, 44112, 88224, 24000, 906}));
}
