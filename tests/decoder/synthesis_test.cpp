// The conversion from windowed sums to samples, and the synthesis window.

#include "synthesis.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Synthesis, SumsAreTruncatedTowardZeroAndClipped)
{
    EXPECT_EQ(ToSample(40000.7f), 32767);
    EXPECT_EQ(ToSample(-40000.7f), -32768);
    EXPECT_EQ(ToSample(-1.9f), -1);
    EXPECT_EQ(ToSample(1.9f), 1);
    EXPECT_EQ(ToSample(32767.9f), 32767);
    EXPECT_EQ(ToSample(std::nanf("")), -32768);
}

TEST(Synthesis, EightBitSamplesAreUnsignedTopBytes)
{
    EXPECT_EQ(ToUnsigned8(-32768), 0x00);
    EXPECT_EQ(ToUnsigned8(0), 0x80);
    EXPECT_EQ(ToUnsigned8(32767), 0xFF);
    EXPECT_EQ(ToUnsigned8(-1), 0x7F);
}

TEST(Synthesis, WindowHasTheStandardsShape)
{
    // Centre tap and the values the standard prints at every 32nd position.
    EXPECT_NEAR(SynthesisWindowCoefficient(256), 1.144989014, 1e-9);
    const double printed[8] = {0.0, -0.000442505, 0.003250122, -0.007003784,
                               0.031082153, -0.078628540, 0.100311279, -0.572036743};
    for (int k = 0; k < 8; ++k)
        EXPECT_NEAR(SynthesisWindowCoefficient(32 * k), printed[k], 1e-9) << k;
    EXPECT_NEAR(SynthesisWindowCoefficient(288), 0.572036743, 1e-9);
    EXPECT_NEAR(SynthesisWindowCoefficient(511), 0.000015259, 1e-9);
    // Unflipped, the window is a smooth low-pass prototype: a mistyped tap
    // would stand out from its neighbours.
    const auto prototype = [](int i) { return SynthesisWindowCoefficient(i) * ((i / 64) % 2 ? -1 : 1); };
    for (int i = 1; i < 511; ++i)
        EXPECT_LT(std::abs(prototype(i) - (prototype(i - 1) + prototype(i + 1)) / 2), 0.002) << i;
}
