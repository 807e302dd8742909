#include "regionfrombitmap.h"

#include <gtest/gtest.h>
#include <functional>

namespace {

QImage Filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every pixel is in `region` exactly when `inside` says so.
void ExpectShape(const QRegion& region, const QImage& image, const std::function<bool(int, int)>& inside)
{
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (region.contains(QPoint(x, y)) != inside(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << "," << y;
    EXPECT_EQ(wrong, 0);
}

} // namespace

TEST(KeyRanges, BlackAndWhiteAreOneSidedOtherKeysReachSeventeenEitherWay)
{
    const KeyRanges black = KeyRangesFor(QColor(0, 0, 0));
    EXPECT_EQ(black.lowRed, 0);
    EXPECT_EQ(black.highRed, 16);
    EXPECT_EQ(black.highBlue, 16);
    const KeyRanges white = KeyRangesFor(QColor(255, 255, 255));
    EXPECT_EQ(white.lowGreen, 239);
    EXPECT_EQ(white.highGreen, 255);
    const KeyRanges other = KeyRangesFor(QColor(100, 150, 200));
    EXPECT_EQ(other.lowRed, 83);
    EXPECT_EQ(other.highRed, 117);
    EXPECT_EQ(other.lowGreen, 133);
    EXPECT_EQ(other.highGreen, 167);
    EXPECT_EQ(other.lowBlue, 183);
    EXPECT_EQ(other.highBlue, 217);
    // Clipped at the ends of the scale.
    const KeyRanges nearEdge = KeyRangesFor(QColor(5, 250, 0));
    EXPECT_EQ(nearEdge.lowRed, 0);
    EXPECT_EQ(nearEdge.highGreen, 255);

    EXPECT_TRUE(black.Matches(qRgb(16, 16, 16)));
    EXPECT_FALSE(black.Matches(qRgb(17, 0, 0)));
    EXPECT_TRUE(white.Matches(qRgb(239, 239, 239)));
    EXPECT_FALSE(white.Matches(qRgb(238, 255, 255)));
}

TEST(RegionFromBitmap, PlainBitmapsGiveTheWholeRectangleOrNothingInEitherMode)
{
    for (bool collectOpaque : {false, true}) {
        const std::optional<QRegion> full = RegionFromBitmap(Filled(7, 5, qRgb(200, 30, 30)), Qt::black, collectOpaque);
        ASSERT_TRUE(full);
        EXPECT_EQ(*full, QRegion(0, 0, 7, 5));
        const std::optional<QRegion> none = RegionFromBitmap(Filled(7, 5, qRgb(0, 0, 0)), Qt::black, collectOpaque);
        ASSERT_TRUE(none);
        EXPECT_TRUE(none->isEmpty());
    }
    EXPECT_FALSE(RegionFromBitmap(QImage(), Qt::black, false));
}

TEST(RegionFromBitmap, NearKeyPixelsAreOutsideAndASingleOpaquePixelIsItsOwnRectangle)
{
    QImage image = Filled(9, 3, qRgb(0, 0, 0));
    image.setPixel(5, 1, qRgb(40, 90, 140));
    image.setPixel(2, 0, qRgb(16, 16, 16)); // counts as black
    image.setPixel(3, 2, qRgb(17, 0, 0));   // does not
    for (bool collectOpaque : {false, true}) {
        const QRegion region = *RegionFromBitmap(image, Qt::black, collectOpaque);
        EXPECT_EQ(region, QRegion(5, 1, 1, 1) + QRegion(3, 2, 1, 1)) << collectOpaque;
    }

    QImage light = Filled(4, 1, qRgb(255, 255, 255));
    light.setPixel(1, 0, qRgb(239, 239, 239));
    light.setPixel(2, 0, qRgb(238, 255, 255));
    EXPECT_EQ(*RegionFromBitmap(light, Qt::white, false), QRegion(2, 0, 1, 1));
}

TEST(RegionFromBitmap, AHoleInTheMiddleIsAHoleInTheWindow)
{
    QImage image = Filled(40, 30, qRgb(120, 160, 200));
    for (int y = 10; y < 20; ++y)
        for (int x = 12; x < 25; ++x)
            image.setPixel(x, y, qRgb(3, 5, 2));
    for (bool collectOpaque : {false, true}) {
        const QRegion region = *RegionFromBitmap(image, Qt::black, collectOpaque);
        ExpectShape(region, image, [](int x, int y) { return !(x >= 12 && x < 25 && y >= 10 && y < 20); });
    }
}

TEST(RegionFromBitmap, ShapesOfMoreThanThreeThousandRunsAreJoinedWhole)
{
    // A checkerboard cuts every row into one run per opaque pixel: 120 x 90
    // pixels give 5400 runs in either mode, so the batches must be unioned.
    QImage image = Filled(120, 90, qRgb(0, 0, 0));
    for (int y = 0; y < image.height(); ++y)
        for (int x = (y % 2); x < image.width(); x += 2)
            image.setPixel(x, y, qRgb(90, 200, 90));
    for (bool collectOpaque : {false, true}) {
        const QRegion region = *RegionFromBitmap(image, Qt::black, collectOpaque);
        ExpectShape(region, image, [](int x, int y) { return (x + y) % 2 == 0; });
    }
}

TEST(RegionFromBitmap, TheSourceBitmapIsOnlyRead)
{
    QImage image = Filled(3, 3, qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(250, 250, 250));
    const QImage before = image.copy();
    RegionFromBitmap(image, Qt::black, false);
    EXPECT_EQ(image, before);
}
