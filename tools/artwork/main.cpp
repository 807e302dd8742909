// Draws every bitmap of the program into a folder, one <id>.png each (and an
// <id>@2x.png twice as fine for the skins and buttons), and,
// when a second folder is given, the desktop icons into it. Re-running it as
//   tessaly-artwork resources/bitmaps packaging/icons
// reproduces the committed files.

#include "artwork.h"
#include "style.h"

#include "resources/buttonstrips.h"
#include "resources/controlids.h"
#include "resources/resourceids.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr const char* kFontFiles[] = {
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
};

// Where a strip's pictures sit on their skin: the main window's buttons on
// the main skin, the about box's close button on the about skin.
struct Placement {
    const QImage* skin;
    QPoint place;
};

// The skins and strips are drawn at each scale, for displays that scale the
// window: <id>.png at 1, <id>@2x.png at 2. The list pattern and the icon only
// at 1.
constexpr int kScales[] = {1, 2};

QString FileName(int id, int scale)
{
    return scale == 1 ? QStringLiteral("%1.png").arg(id) : QStringLiteral("%1@%2x.png").arg(id).arg(scale);
}

// Writes every bitmap drawn at `scale`; returns how many failed.
int WriteBitmaps(const QDir& out, int scale)
{
    const QImage mainSkin = art::DrawMainSkin(QSize(723, 558), scale);
    const QImage aboutSkin = art::DrawAboutSkin(QSize(496, 412), scale);

    auto placementOf = [&](int bitmapId) -> Placement {
        if (bitmapId == resources::kAboutCloseStrip)
            return {&aboutSkin, art::AboutControlRect(resources::kAboutCloseButton).topLeft()};
        for (const resources::ButtonStrip& button : resources::kButtonStrips)
            if (button.bitmapId == bitmapId)
                return {&mainSkin, art::MainControlRect(button.controlId).topLeft()};
        return {&mainSkin, QPoint()};
    };

    int failures = 0;
    for (const resources::BitmapSpec& bitmap : resources::kBitmaps) {
        const QSize size(bitmap.width, bitmap.height);
        QImage picture;
        switch (bitmap.layout) {
        case resources::BitmapLayout::Skin:
            picture = bitmap.id == resources::kMainSkin ? mainSkin : aboutSkin;
            break;
        case resources::BitmapLayout::Strip: {
            const Placement placement = placementOf(bitmap.id);
            picture = art::DrawStrip(bitmap.id, size, *placement.skin, placement.place);
            break;
        }
        case resources::BitmapLayout::Pattern:
            if (scale == 1)
                picture = art::DrawListPattern(size);
            break;
        case resources::BitmapLayout::Icon:
            if (scale == 1)
                picture = art::DrawIcon(size);
            break;
        }
        if (picture.isNull())
            continue;
        const QString path = out.filePath(FileName(bitmap.id, scale));
        if (picture.size() != size * scale || !picture.save(path, "PNG")) {
            std::fprintf(stderr, "tessaly-artwork: failed on bitmap %d at scale %d\n", bitmap.id, scale);
            ++failures;
        }
    }
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: tessaly-artwork <bitmap folder> [<desktop icon folder>]\n");
        return 2;
    }
    for (const char* file : kFontFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
            std::fprintf(stderr, "tessaly-artwork: cannot load %s (package fonts-liberation)\n", file);
            return 1;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (!QDir().mkpath(QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "tessaly-artwork: cannot make %s\n", argv[i]);
            return 1;
        }
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    int failures = 0;
    for (int scale : kScales)
        failures += WriteBitmaps(out, scale);
    if (argc == 3 && !art::WriteDesktopIcons(QDir(QString::fromLocal8Bit(argv[2])))) {
        std::fprintf(stderr, "tessaly-artwork: failed on the desktop icons\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
