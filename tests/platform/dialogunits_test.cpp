#include "platform/dialogunits.h"

#include <gtest/gtest.h>

using platform::DialogUnitsToPixels;

TEST(DialogUnits, OneUnitIsOneAndAHalfAcrossAndOneAndFiveEighthsDown)
{
    EXPECT_EQ(platform::DialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(platform::DialogUnitsToPixelsY(8), 13);
    // Halves round away from zero: 197 units is 295.5 pixels.
    EXPECT_EQ(platform::DialogUnitsToPixelsX(197), 296);
    EXPECT_EQ(platform::DialogUnitsToPixelsX(-197), -296);
    // 167 units down is 271.375 pixels.
    EXPECT_EQ(platform::DialogUnitsToPixelsY(167), 271);
    EXPECT_EQ(platform::DialogUnitsToPixelsY(0), 0);
}

TEST(DialogUnits, RectanglesConvertEdgeByEdgeSoNeighboursStillTouch)
{
    // Each edge rounds on its own: 137..192 units across is 205.5..288 pixels,
    // 34..44 down is 55.25..71.5.
    EXPECT_EQ(DialogUnitsToPixels(QRect(137, 34, 55, 10)), QRect(206, 55, 82, 17));
    // So controls that touch in units touch in pixels.
    const QRect left = DialogUnitsToPixels(QRect(101, 10, 33, 10));
    const QRect right = DialogUnitsToPixels(QRect(134, 10, 33, 10));
    EXPECT_EQ(left.right() + 1, right.left());

    // The about box's template is 319 x 202 units.
    EXPECT_EQ(DialogUnitsToPixels(QRect(0, 0, 319, 202)).size(), QSize(479, 328));
    // The main list lands where the skin's phrase card is drawn.
    EXPECT_EQ(DialogUnitsToPixels(QRect(106, 122, 213, 144)), QRect(159, 198, 320, 234));
}
