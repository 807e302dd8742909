#include "platform/bitmaps.h"
#include "platform/resourcestrings.h"
#include "resources/buttonstrips.h"
#include "resources/resourceids.h"
#include "testapp.h"

#include <gtest/gtest.h>

TEST(Bitmaps, EveryBitmapIsCompiledInWithItsSize)
{
    TestApp();
    for (const resources::BitmapSpec& bitmap : resources::kBitmaps) {
        const QImage image = platform::LoadBitmap(bitmap.id);
        ASSERT_FALSE(image.isNull()) << bitmap.id;
        EXPECT_EQ(image.size(), QSize(bitmap.width, bitmap.height)) << bitmap.id;
        if (bitmap.layout == resources::BitmapLayout::Skin) {
            // Corners are pure black: outside the window's shape.
            for (QPoint corner : {QPoint(0, 0), QPoint(bitmap.width - 1, 0), QPoint(0, bitmap.height - 1),
                                  QPoint(bitmap.width - 1, bitmap.height - 1)})
                EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0u) << bitmap.id;
            EXPECT_FALSE(image.hasAlphaChannel()) << bitmap.id;
        }
    }
    EXPECT_TRUE(platform::LoadBitmap(4242).isNull());
    EXPECT_TRUE(platform::LoadPixmap(4242).isNull());
}

TEST(Bitmaps, EachButtonsStripHasTheSizeOfItsBitmap)
{
    for (const resources::ButtonStrip& button : resources::kButtonStrips) {
        bool found = false;
        for (const resources::BitmapSpec& bitmap : resources::kBitmaps) {
            if (bitmap.id == button.bitmapId) {
                found = true;
                EXPECT_EQ(bitmap.width, button.width) << button.bitmapId;
                EXPECT_EQ(bitmap.height, button.height) << button.bitmapId;
                EXPECT_EQ(bitmap.layout, resources::BitmapLayout::Strip) << button.bitmapId;
            }
        }
        EXPECT_TRUE(found) << button.bitmapId;
    }
}

TEST(ResourceStrings, TheTableHoldsEachButtonsTipUnderItsId)
{
    EXPECT_EQ(platform::LoadResourceString(resources::kBasicButton), QStringLiteral("General Category"));
    EXPECT_EQ(platform::LoadResourceString(resources::kExitButton), QStringLiteral("Exit"));
    EXPECT_TRUE(platform::LoadResourceString(1).isEmpty());
}
