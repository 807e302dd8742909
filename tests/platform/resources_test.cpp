#include "platform/bitmaps.h"
#include "platform/resourcestrings.h"
#include "resources/buttonstrips.h"
#include "resources/resourceids.h"
#include "testapp.h"

#include <gtest/gtest.h>

TEST(Bitmaps, EveryBitmapIsCompiledInWithItsSize)
{
    TestApp();
    for (const resources::BitmapSpec& spec : resources::kBitmaps) {
        const QImage image = platform::LoadBitmap(spec.id);
        ASSERT_FALSE(image.isNull()) << spec.id;
        EXPECT_EQ(image.size(), QSize(spec.width, spec.height)) << spec.id;
        if (spec.layout == resources::BitmapLayout::Skin) {
            // Corners are pure black: outside the window's shape.
            for (QPoint corner : {QPoint(0, 0), QPoint(spec.width - 1, 0), QPoint(0, spec.height - 1),
                                  QPoint(spec.width - 1, spec.height - 1)})
                EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0u) << spec.id;
            EXPECT_FALSE(image.hasAlphaChannel()) << spec.id;
        }
    }
    EXPECT_TRUE(platform::LoadBitmap(4242).isNull());
    EXPECT_TRUE(platform::LoadPixmap(4242).isNull());
}

TEST(Bitmaps, EachButtonsStripHasTheSizeOfItsBitmap)
{
    for (const resources::ButtonStrip& button : resources::kButtonStrips) {
        bool found = false;
        for (const resources::BitmapSpec& spec : resources::kBitmaps) {
            if (spec.id == button.bitmapId) {
                found = true;
                EXPECT_EQ(spec.width, button.width) << button.bitmapId;
                EXPECT_EQ(spec.height, button.height) << button.bitmapId;
                EXPECT_EQ(spec.layout, resources::BitmapLayout::Strip) << button.bitmapId;
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
