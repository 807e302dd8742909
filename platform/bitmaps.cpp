#include "platform/bitmaps.h"

#include <QString>

namespace platform {

QImage LoadBitmap(int id)
{
    return QImage(QStringLiteral(":/bitmaps/%1.png").arg(id));
}

QPixmap LoadPixmap(int id)
{
    return QPixmap::fromImage(LoadBitmap(id));
}

} // namespace platform
