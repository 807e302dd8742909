#include "artwork.h"
#include "drawing.h"
#include "style.h"

#include <QPainterPath>

namespace art {

QImage DrawListPattern(QSize size)
{
    // Plain white: the rows and the word chooser lie on it, and any pattern
    // would show between their letters.
    QImage tile(size, QImage::Format_RGB32);
    tile.fill(Qt::white);
    return tile;
}

QImage DrawIcon(QSize size)
{
    QImage icon(size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    PaintIcon(p, size);
    return icon;
}

void PaintIcon(QPainter& p, QSize size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF square(2, 2, size.width() - 4, size.height() - 4);
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, kNavyLight);
    fill.setColorAt(1, kNavyDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(square, size.width() * 0.2, size.width() * 0.2);
    const qreal s = size.width();
    SpeechBubble(p, QRectF(s * 0.16, s * 0.2, s * 0.68, s * 0.62), kOnDark);
    Ribbon(p, QRectF(s * 0.3, s * 0.3, s * 0.4, s * 0.26));
}

} // namespace art
