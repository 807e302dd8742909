#include "files.h"
#include "platform/bitmaps.h"
#include "platform/dialogunits.h"
#include "regionfrombitmap.h"
#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/dialogtemplate.h"
#include "resources/resourceids.h"
#include "testapp.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage Bitmap(int id) { return QImage(QStringLiteral("%1/%2.png").arg(TESSALY_BITMAPS_DIR).arg(id)); }
QImage Argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

QImage Filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(Artwork, TheGeneratorReproducesTheCommittedBitmapsAndIcons)
{
    TestApp();
    QTemporaryDir out, icons;
    QProcess generator;
    generator.start(TESSALY_ARTWORK, {out.path(), icons.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    // The plain bitmaps, and the finer ones of the skins and buttons, pixel for pixel.
    const QStringList made = QDir(out.path()).entryList({"*.png"}, QDir::Files, QDir::Name);
    EXPECT_EQ(made, QDir(TESSALY_BITMAPS_DIR).entryList({"*.png"}, QDir::Files, QDir::Name));
    for (const QString& name : made)
        EXPECT_EQ(Argb(QImage(out.filePath(name))), Argb(QImage(QString(TESSALY_BITMAPS_DIR "/") + name)))
            << name.toStdString();
    for (const char* name : {"48x48.png", "128x128.png", "256x256.png", "scalable.svg"})
        EXPECT_EQ(ReadFile(icons.filePath(name).toStdString()), ReadFile(std::string(TESSALY_ICONS_DIR "/") + name)) << name;
}

TEST(Artwork, TheProgramTakesThePlainBitmapsAtScaleOneAndTheFinerOnesAbove)
{
    TestApp();
    for (const resources::BitmapSpec& bitmap : resources::kBitmaps) {
        const QImage plain = platform::LoadBitmap(bitmap.id), fine = platform::LoadBitmap(bitmap.id, 2);
        EXPECT_EQ(Argb(plain), Argb(Bitmap(bitmap.id))) << bitmap.id;
        using enum resources::BitmapLayout;
        const bool hasFine = bitmap.layout == Skin || bitmap.layout == Strip;
        EXPECT_EQ(std::pair(fine.size(), fine.devicePixelRatio()),
                  hasFine ? std::pair(plain.size() * 2, 2.0) : std::pair(plain.size(), 1.0)) << bitmap.id;
        if (bitmap.layout == Skin) {   // pure black corners: outside the window's shape
            EXPECT_EQ(plain.pixel(0, 0) & 0xFFFFFF, 0u) << bitmap.id;
        }
    }
    for (const resources::ButtonStrip& strip : resources::kButtonStrips)   // the strip table agrees with its bitmap
        EXPECT_EQ(platform::LoadBitmap(strip.bitmapId).size(), QSize(strip.width, strip.height)) << strip.bitmapId;
}

TEST(Artwork, EveryControlOfATemplateLiesInsideItsSkinsShape)
{
    TestApp();
    const struct { const resources::DialogTemplate* dialog; int skin; } pairs[] = {
        {&resources::kMainTemplate, resources::kMainSkin}, {&resources::kAboutTemplate, resources::kAboutSkin}};
    for (const auto& pair : pairs) {
        const QRegion shape = *RegionFromBitmap(Bitmap(pair.skin), Qt::black, false);
        for (const resources::TemplateControl& row : pair.dialog->controls) {
            QRect place = platform::DialogUnitsToPixels(QRect(row.x, row.y, row.width, row.height));
            if (row.kind == resources::ControlKind::DropDownList)
                place.setHeight(24); // its face; the rest is the open list
            EXPECT_EQ(shape.intersected(place), QRegion(place)) << pair.skin << " control " << row.id;
        }
    }
}

TEST(Artwork, TheListIsPlainWhiteAndThePlayButtonCoversNoMark)
{
    using namespace resources;
    TestApp();
    EXPECT_EQ(Bitmap(kListPattern).convertToFormat(QImage::Format_RGB32), Filled(170, 86, qRgb(255, 255, 255)));
    // The play button is as large as one picture of its strip; the skin under it is the bare panel, so nothing
    // drawn beside it is hidden.
    const TemplateControl* play = FindTemplateControl(kMainTemplate, kPlayButton);
    ASSERT_NE(play, nullptr);
    QRect button = platform::DialogUnitsToPixels(QRect(play->x, play->y, play->width, play->height));
    for (const ButtonStrip& strip : kButtonStrips)
        if (strip.controlId == kPlayButton)
            button.setSize(QSize(strip.width / 3, strip.height));
    const QImage skin = Bitmap(kMainSkin);
    int ink = 0;
    for (int y = button.top(); y <= button.bottom(); ++y)
        for (int x = button.left(); x <= button.right(); ++x)
            ink += qGray(skin.pixel(x, y)) < 0xc8;
    EXPECT_EQ(ink, 0) << "dark pixels under the play button";
}

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
        const QRegion squares = *RegionFromBitmap(board, Qt::black, collectOpaque);
        int wrong = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x)
                wrong += squares.contains(QPoint(x, y)) != ((x + y) % 2 == 0);
        EXPECT_EQ(wrong, 0);
    }
}
