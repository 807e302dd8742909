#include "platform/dialogunits.h"
#include "regionfrombitmap.h"
#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/dialogtemplate.h"
#include "resources/resourceids.h"
#include "testapp.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Artwork, TheGeneratorReproducesTheCommittedBitmaps)
{
    TestApp();
    QTemporaryDir out;
    QTemporaryDir icons;
    QProcess generator;
    generator.start(TESSALY_ARTWORK, {out.path(), icons.path()});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const resources::BitmapSpec& bitmap : resources::kBitmaps) {
        const QString name = QStringLiteral("%1.png").arg(bitmap.id);
        const QImage made(QDir(out.path()).filePath(name));
        const QImage committed(QDir(TESSALY_BITMAPS_DIR).filePath(name));
        ASSERT_FALSE(committed.isNull()) << bitmap.id;
        EXPECT_EQ(made.size(), QSize(bitmap.width, bitmap.height)) << bitmap.id;
        EXPECT_EQ(made.convertToFormat(QImage::Format_ARGB32), committed.convertToFormat(QImage::Format_ARGB32))
            << bitmap.id;
    }
    for (const int side : {48, 128, 256}) {
        const QString name = QStringLiteral("%1x%1.png").arg(side);
        const QImage made(QDir(icons.path()).filePath(name));
        EXPECT_EQ(made.size(), QSize(side, side));
        EXPECT_EQ(made, QImage(QDir(TESSALY_ICONS_DIR).filePath(name))) << side;
    }
    QFile made(QDir(icons.path()).filePath(QStringLiteral("scalable.svg")));
    QFile committed(QDir(TESSALY_ICONS_DIR).filePath(QStringLiteral("scalable.svg")));
    ASSERT_TRUE(made.open(QIODevice::ReadOnly) && committed.open(QIODevice::ReadOnly));
    EXPECT_EQ(made.readAll(), committed.readAll());
}

TEST(Artwork, EveryControlOfATemplateLiesInsideItsSkinsShape)
{
    TestApp();
    const struct {
        const resources::DialogTemplate* dialog;
        int skin;
    } pairs[] = {{&resources::kMainTemplate, resources::kMainSkin}, {&resources::kAboutTemplate, resources::kAboutSkin}};
    for (const auto& pair : pairs) {
        const QImage skin(QStringLiteral("%1/%2.png").arg(TESSALY_BITMAPS_DIR).arg(pair.skin));
        const QRegion shape = *RegionFromBitmap(skin, Qt::black, false);
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
    TestApp();
    const QImage pattern = QImage(QStringLiteral("%1/%2.png").arg(TESSALY_BITMAPS_DIR).arg(resources::kListPattern))
                               .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(pattern.size(), QSize(170, 86));
    int notWhite = 0;
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            notWhite += pattern.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(notWhite, 0);

    // The play button is as large as one picture of its strip; the skin
    // under it is the bare panel, so nothing drawn beside it is hidden.
    const QImage skin = QImage(QStringLiteral("%1/%2.png").arg(TESSALY_BITMAPS_DIR).arg(resources::kMainSkin));
    const resources::TemplateControl* play =
        resources::FindTemplateControl(resources::kMainTemplate, resources::kPlayButton);
    ASSERT_NE(play, nullptr);
    QRect button = platform::DialogUnitsToPixels(QRect(play->x, play->y, play->width, play->height));
    for (const resources::ButtonStrip& strip : resources::kButtonStrips)
        if (strip.controlId == resources::kPlayButton)
            button.setSize(QSize(strip.width / 3, strip.height));
    int ink = 0;
    for (int y = button.top(); y <= button.bottom(); ++y)
        for (int x = button.left(); x <= button.right(); ++x)
            ink += qGray(skin.pixel(x, y)) < 0xc8;
    EXPECT_EQ(ink, 0) << "dark pixels under the play button";
}
