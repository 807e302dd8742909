#include "artwork.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

namespace art {

namespace {

constexpr int kBitmapSizes[] = {48, 128, 256};
// The scalable picture is drawn on a canvas of this many units a side.
constexpr int kScalableCanvas = 256;

bool WriteScalableIcon(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kScalableCanvas, kScalableCanvas));
    svg.setViewBox(QRect(0, 0, kScalableCanvas, kScalableCanvas));
    svg.setTitle(QStringLiteral("Tessaly"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    PaintIcon(p, QSize(kScalableCanvas, kScalableCanvas));
    return p.end();
}

} // namespace

bool WriteDesktopIcons(const QDir& out)
{
    bool written = true;
    for (const int side : kBitmapSizes) {
        const QString name = QStringLiteral("%1x%1.png").arg(side);
        written = DrawIcon(QSize(side, side)).save(out.filePath(name), "PNG") && written;
    }
    return WriteScalableIcon(out.filePath(QStringLiteral("scalable.svg"))) && written;
}

} // namespace art
