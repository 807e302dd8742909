#include "artwork.h"
#include "drawing.h"
#include "style.h"

#include "resources/controlids.h"

#include <QPainterPath>

namespace art {

namespace {
constexpr int kTitleBottom = 92;
constexpr int kFooterTop = 372;
constexpr qreal kOutline = 28;
} // namespace

QImage DrawAboutSkin(QSize size, int scale)
{
    QImage skin = Canvas(size, scale);
    skin.fill(Qt::black);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), kOutline, kOutline);

    QPainter p(&skin);
    p.setClipPath(outline);
    p.fillRect(skin.rect(), kIvory);

    // The title band.
    QLinearGradient band(0, 0, 0, kTitleBottom);
    band.setColorAt(0, kNavyLight);
    band.setColorAt(1, kNavy);
    p.fillRect(QRect(0, 0, size.width(), kTitleBottom), band);
    p.fillRect(QRect(0, 0, size.width(), 2), QColor(255, 255, 255, 40));
    p.fillRect(QRect(0, kTitleBottom - 1, size.width(), 1), kNavyDeep);
    SpeechBubble(p, QRectF(30, 26, 44, 38), kOnDark);
    Ribbon(p, QRectF(43, 34, 18, 13));
    Text(p, QRectF(90, 20, 300, 50), QStringLiteral("About"), Sans(32, true), kOnDark,
         Qt::AlignLeft | Qt::AlignVCenter);

    // The card the texts sit on, lined up with the product name.
    const QRect name = AboutControlRect(resources::kAboutProductName);
    const QRect close = AboutControlRect(resources::kAboutCloseButton);
    const QRectF card(name.left() - 22, name.top() - 12, size.width() - 2 * (name.left() - 22),
                      close.top() - name.top() - 4);
    Panel(p, card, 12, kCard, QColor(0xfb, 0xfb, 0xfa), kCardLine);
    p.fillRect(QRectF(card.left() + 1, card.top() + 14, 4, card.height() - 28), kBlue);

    QLinearGradient foot(0, kFooterTop, 0, size.height());
    foot.setColorAt(0, kNavy);
    foot.setColorAt(1, kNavyDeep);
    p.fillRect(QRect(0, kFooterTop, size.width(), size.height() - kFooterTop), foot);
    p.fillRect(QRect(0, kFooterTop, size.width(), 1), QColor(255, 255, 255, 45));
    Text(p, QRectF(0, kFooterTop + 6, size.width(), 20), QStringLiteral("A talking French phrase book for travellers"),
         Sans(11), kOnDarkSoft, Qt::AlignCenter);

    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kNavyDeep, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    return skin;
}

} // namespace art
