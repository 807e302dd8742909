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

// The pixels of `image` where `region` and `inside` disagree.
int Wrong(const QRegion& region, const QImage& image, const std::function<bool(int, int)>& inside)
{
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            wrong += region.contains(QPoint(x, y)) != inside(x, y);
    return wrong;
}

} // namespace

TEST(RegionFromBitmap, NearKeyPixelsAreOutsideEachOpaquePixelInsideInEitherMode)
{
    EXPECT_FALSE(RegionFromBitmap(QImage(), Qt::black, false));
    QImage image = Filled(9, 3, qRgb(0, 0, 0));
    image.setPixel(5, 1, qRgb(40, 90, 140));
    image.setPixel(2, 0, qRgb(16, 16, 16));   // counts as black
    image.setPixel(3, 2, qRgb(17, 0, 0));     // does not
    QImage light = Filled(4, 1, qRgb(255, 255, 255));
    light.setPixel(1, 0, qRgb(239, 239, 239));
    light.setPixel(2, 0, qRgb(238, 255, 255));
    // A checkerboard of 120 x 90 cuts its rows into 5400 runs in either mode:
    // more than one batch, so the batches must be unioned.
    QImage board = Filled(120, 90, qRgb(0, 0, 0));
    for (int y = 0; y < board.height(); ++y)
        for (int x = (y % 2); x < board.width(); x += 2)
            board.setPixel(x, y, qRgb(90, 200, 90));
    for (bool collectOpaque : {false, true}) {
        SCOPED_TRACE(collectOpaque ? "collecting opaque runs" : "cutting out key runs");
        EXPECT_EQ(*RegionFromBitmap(Filled(7, 5, qRgb(200, 30, 30)), Qt::black, collectOpaque), QRegion(0, 0, 7, 5));
        EXPECT_TRUE(RegionFromBitmap(Filled(7, 5, qRgb(0, 0, 0)), Qt::black, collectOpaque)->isEmpty());
        EXPECT_EQ(*RegionFromBitmap(image, Qt::black, collectOpaque), QRegion(5, 1, 1, 1) + QRegion(3, 2, 1, 1));
        EXPECT_EQ(*RegionFromBitmap(light, Qt::white, collectOpaque), QRegion(2, 0, 1, 1));
        EXPECT_EQ(Wrong(*RegionFromBitmap(board, Qt::black, collectOpaque), board,
                        [](int x, int y) { return (x + y) % 2 == 0; }), 0);
    }
}
