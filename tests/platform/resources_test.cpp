#include "platform/bitmaps.h"
#include "resources/buttonstrips.h"
#include "resources/resourceids.h"
#include "testapp.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Bitmaps, EveryBitmapIsCompiledInWithItsSizeAndEachButtonStripMatchesIt)
{
    TestApp();
    for (const resources::BitmapSpec& bitmap : resources::kBitmaps) {
        const QImage image = platform::LoadBitmap(bitmap.id);
        EXPECT_EQ(image.size(), QSize(bitmap.width, bitmap.height)) << bitmap.id;
        if (bitmap.layout == resources::BitmapLayout::Skin) {
            // Pure black corners lie outside the window's shape.
            for (QPoint corner : {QPoint(0, 0), QPoint(bitmap.width - 1, bitmap.height - 1)})
                EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0u) << bitmap.id;
            EXPECT_FALSE(image.hasAlphaChannel()) << bitmap.id;
        }
    }
    for (const resources::ButtonStrip& button : resources::kButtonStrips) {
        const auto bitmap = std::find_if(std::begin(resources::kBitmaps), std::end(resources::kBitmaps),
                                         [&](const resources::BitmapSpec& b) { return b.id == button.bitmapId; });
        ASSERT_NE(bitmap, std::end(resources::kBitmaps)) << button.bitmapId;
        EXPECT_EQ(QSize(bitmap->width, bitmap->height), QSize(button.width, button.height)) << button.bitmapId;
    }
    EXPECT_TRUE(platform::LoadBitmap(4242).isNull());
    EXPECT_TRUE(platform::LoadPixmap(4242).isNull());
}
