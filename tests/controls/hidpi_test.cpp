// On a display scaled by two the skins and buttons are drawn from their finer
// bitmaps: twice the pixels of the plain ones, the same layout and shape.

#include "hoverbutton.h"
#include "platform/bitmaps.h"
#include "regionfrombitmap.h"
#include "resources/resourceids.h"
#include "skinneddialog.h"
#include "testapp.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QApplication& ScaledApp()
{
    qputenv("QT_SCALE_FACTOR", "2");
    return TestApp();
}

QImage Rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// How the fine picture compares with the plain one over the pixels of `area`:
// the share of its pixels that differ from the plain one doubled, and the mean
// difference of each channel from the plain one once it is halved (each pixel
// the mean of the four it covers).
std::pair<double, double> Compare(const QImage& fine, const QImage& plain, const QRegion& area)
{
    const QImage finePixels = Rgb(fine), plainPixels = Rgb(plain),
                 doubled = plainPixels.scaled(plain.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                 halved = finePixels.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long differing = 0, counted = 0, difference = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            if (!area.contains(QPoint(x, y)))
                continue;
            ++counted;
            const QRgb a = halved.pixel(x, y), b = plainPixels.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
            for (QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QPoint device = 2 * QPoint(x, y) + at;
                differing += finePixels.pixel(device) != doubled.pixel(device);
            }
        }
    return {double(differing) / (4.0 * counted), double(difference) / (3.0 * counted)};
}

} // namespace

TEST(HighDensity, TheSkinsAreDrawnFromTheirFinerBitmapsWithTheSameShape)
{
    ScaledApp();
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    for (int id : {resources::kMainSkin, resources::kAboutSkin}) {
        SCOPED_TRACE(id);
        const QImage plain = platform::LoadBitmap(id, 1);
        const QRegion plainShape = *RegionFromBitmap(plain, Qt::black, false);
        SkinnedDialog window;
        ASSERT_TRUE(window.LoadSkin(id));
        window.ApplyShape();
        EXPECT_EQ(window.size(), plain.size());
        const QImage shown = window.grab().toImage();
        ASSERT_EQ(shown.size(), plain.size() * 2);

        // The window's shape differs from the plain one only along its edge: it lies within the plain shape
        // grown by a pixel and holds the plain shape shrunk by one. Nowhere inside it does the black around
        // the finer skin show.
        const QRegion shape = window.mask();
        QRegion grown = plainShape, shrunk = plainShape;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                grown += plainShape.translated(dx, dy);
                shrunk &= plainShape.translated(dx, dy);
            }
        EXPECT_TRUE(shape.subtracted(grown).isEmpty() && shrunk.subtracted(shape).isEmpty());
        int blackInside = 0;
        const QImage fine = Rgb(window.Skin());
        const KeyRanges black = KeyRangesFor(Qt::black);
        for (int y = 0; y < fine.height(); ++y)
            for (int x = 0; x < fine.width(); ++x)
                blackInside += shape.contains(QPoint(x / 2, y / 2)) && black.Matches(fine.pixel(x, y));
        EXPECT_EQ(blackInside, 0);

        // Within the shape, the picture is the plain one drawn finer: not its pixels doubled, yet the same
        // picture once halved again.
        const auto [notDoubled, meanDifference] = Compare(shown, plain, shape);
        EXPECT_GT(notDoubled, 0.05);
        EXPECT_LT(meanDifference, 2.0);
    }
}

TEST(HighDensity, AButtonShowsItsFinerPicturesAtItsPlainSize)
{
    ScaledApp();
    // The Basic button's strip, with its word, and the play button's, with its glyph.
    for (int id : {1133, 1139}) {
        SCOPED_TRACE(id);
        const QImage plain = platform::LoadBitmap(id, 1), fine = platform::LoadBitmap(id, 2);
        ASSERT_EQ(fine.size(), plain.size() * 2);
        CHoverButton button;
        button.LoadFrameStrip(id);
        const QSize picture(plain.width() / 3, plain.height());
        EXPECT_EQ(button.size(), picture);
        button.setDown(true);
        const QImage pressed = Rgb(button.grab().toImage());
        EXPECT_EQ(pressed, Rgb(fine.copy(QRect(QPoint(picture.width() * 2, 0), picture * 2))));
    }
}
