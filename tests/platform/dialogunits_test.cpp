#include "platform/dialogunits.h"

#include <gtest/gtest.h>

using platform::DialogUnitsToPixels;

TEST(DialogUnits, UnitsAreOneAndAHalfAcrossAndOneAndFiveEighthsDownRoundedPerEdge)
{
    // Halves round away from zero: 197 units is 295.5 pixels; 167 down 271.375.
    EXPECT_EQ(platform::DialogUnitsToPixelsX(197), 296);
    EXPECT_EQ(platform::DialogUnitsToPixelsX(-197), -296);
    EXPECT_EQ(platform::DialogUnitsToPixelsY(167), 271);
    // Each edge rounds on its own: 137..192 across is 205.5..288 pixels, 34..44
    // down 55.25..71.5; so controls that touch in units touch in pixels.
    EXPECT_EQ(DialogUnitsToPixels(QRect(137, 34, 55, 10)), QRect(206, 55, 82, 17));
    EXPECT_EQ(DialogUnitsToPixels(QRect(101, 10, 33, 10)).right() + 1, DialogUnitsToPixels(QRect(134, 10, 33, 10)).left());
    // The main list lands where the skin's phrase card is drawn.
    EXPECT_EQ(DialogUnitsToPixels(QRect(106, 122, 213, 144)), QRect(159, 198, 320, 234));
}
