#include "platform/bitmaps.h"

#include <QFile>
#include <QGuiApplication>
#include <QString>

namespace platform {

namespace {
// The finer drawings are made at this ratio, and used from a scale above 1.
constexpr int kFineRatio = 2;
} // namespace

qreal DisplayScale()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QImage LoadBitmap(int id, qreal scale)
{
    const QString fine = QStringLiteral(":/bitmaps/%1@%2x.png").arg(id).arg(kFineRatio);
    if (scale > 1 && QFile::exists(fine)) {
        QImage image(fine);
        image.setDevicePixelRatio(kFineRatio);
        return image;
    }
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(id));
}

QPixmap LoadPixmap(int id, qreal scale)
{
    return QPixmap::fromImage(LoadBitmap(id, scale));
}

} // namespace platform
