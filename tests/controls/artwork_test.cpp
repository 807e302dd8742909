#include "platform/dialogunits.h"
#include "regionfrombitmap.h"
#include "resources/dialogtemplate.h"
#include "resources/resourceids.h"
#include "testapp.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Artwork, TheGeneratorReproducesTheCommittedBitmaps)
{
    TestApp();
    QTemporaryDir out;
    QProcess generator;
    generator.start(TESSALY_ARTWORK, {out.path()});
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
}

TEST(Artwork, EveryControlOfATemplateLiesInsideItsSkinsShape)
{
    TestApp();
    const struct { const resources::DialogTemplate* dialog; int skin; } pairs[] = {
        {&resources::kMainTemplate, resources::kMainSkin}, {&resources::kAboutTemplate, resources::kAboutSkin}};
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
