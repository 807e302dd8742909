#include "drawing.h"

#include "style.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

namespace art {

QImage Canvas(QSize size, int scale, QImage::Format format)
{
    QImage picture(size * scale, format);
    picture.setDevicePixelRatio(scale);
    return picture;
}

QFont Sans(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Panel(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
           const QColor& edge, bool shadow)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (shadow) {
        for (int i = 3; i >= 1; --i) {
            QColor shade(0, 0, 0, 14);
            p.setPen(Qt::NoPen);
            p.setBrush(shade);
            p.drawRoundedRect(r.translated(0, i).adjusted(-i * 0.5, 0, i * 0.5, 0), radius, radius);
        }
    }
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.setPen(edge.isValid() ? QPen(edge, 1) : Qt::NoPen);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void Text(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& colour, int flags)
{
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, flags, text);
    p.restore();
}

void StarGlyph(QPainter& p, const QRectF& r, const QColor& colour, bool filled)
{
    const QPointF c = r.center();
    const qreal outer = std::min(r.width(), r.height()) / 2.0;
    const qreal inner = outer * 0.45;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal radius = i % 2 == 0 ? outer : inner;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(filled ? QBrush(colour) : Qt::NoBrush);
    p.drawPath(star);
    p.restore();
}

void MagnifierGlyph(QPainter& p, const QRectF& r, const QColor& colour)
{
    const qreal s = std::min(r.width(), r.height());
    const QRectF lens(r.center().x() - s * 0.42, r.center().y() - s * 0.42, s * 0.6, s * 0.6);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, std::max(1.6, s * 0.13), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(lens);
    const QPointF from = lens.center() + QPointF(lens.width() * 0.36, lens.height() * 0.36);
    p.drawLine(from, from + QPointF(s * 0.28, s * 0.28));
    p.restore();
}

void PlayGlyph(QPainter& p, const QRectF& r, const QColor& colour)
{
    const qreal s = std::min(r.width(), r.height());
    const QPointF c = r.center() + QPointF(s * 0.06, 0);
    QPainterPath triangle;
    triangle.moveTo(c + QPointF(-s * 0.22, -s * 0.28));
    triangle.lineTo(c + QPointF(s * 0.3, 0));
    triangle.lineTo(c + QPointF(-s * 0.22, s * 0.28));
    triangle.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(triangle);
    p.restore();
}

void SnailGlyph(QPainter& p, const QRectF& r, const QColor& colour)
{
    const qreal s = std::min(r.width(), r.height());
    const QPointF c = r.center();
    const qreal stroke = std::max(1.3, s * 0.07);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // The foot along the ground, rising at the front into the head.
    QPainterPath body;
    body.moveTo(c + QPointF(s * 0.34, s * 0.24));
    body.lineTo(c + QPointF(-s * 0.2, s * 0.24));
    body.quadTo(c + QPointF(-s * 0.32, s * 0.24), c + QPointF(-s * 0.32, s * 0.06));
    p.drawPath(body);
    // Two feelers.
    p.drawLine(c + QPointF(-s * 0.32, s * 0.06), c + QPointF(-s * 0.40, -s * 0.10));
    p.drawLine(c + QPointF(-s * 0.32, s * 0.06), c + QPointF(-s * 0.22, -s * 0.10));
    // The shell on its back, one turn of a spiral inside it.
    const qreal radius = s * 0.2;
    const QPointF shell = c + QPointF(s * 0.1, s * 0.24 - radius - stroke / 2);
    p.drawEllipse(shell, radius, radius);
    QPainterPath spiral;
    spiral.moveTo(shell);
    for (int i = 1; i <= 16; ++i) {
        const qreal turn = i / 16.0;
        const qreal angle = M_PI + turn * 2 * M_PI;
        const qreal distance = radius * 0.55 * turn;
        spiral.lineTo(shell + QPointF(distance * std::cos(angle), distance * std::sin(angle)));
    }
    p.setPen(QPen(colour, stroke * 0.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spiral);
    p.restore();
}

void CrossGlyph(QPainter& p, const QRectF& r, const QColor& colour)
{
    const QPointF c = r.center();
    const qreal d = std::min(r.width(), r.height()) * 0.22;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
    p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
    p.restore();
}

void DashGlyph(QPainter& p, const QRectF& r, const QColor& colour)
{
    const QPointF c = r.center();
    const qreal d = std::min(r.width(), r.height()) * 0.24;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-d, 0), c + QPointF(d, 0));
    p.restore();
}

void SpeechBubble(QPainter& p, const QRectF& r, const QColor& fill)
{
    const QRectF body(r.left(), r.top(), r.width(), r.height() * 0.78);
    QPainterPath bubble;
    bubble.addRoundedRect(body, body.height() * 0.28, body.height() * 0.28);
    QPainterPath tail;
    tail.moveTo(body.left() + body.width() * 0.22, body.bottom() - 1);
    tail.lineTo(body.left() + body.width() * 0.16, r.bottom());
    tail.lineTo(body.left() + body.width() * 0.42, body.bottom() - 1);
    tail.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(bubble.united(tail));
    p.restore();
}

void Ribbon(QPainter& p, const QRectF& r)
{
    const qreal third = r.height() / 3.0;
    p.save();
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), third), kRibbonBlue);
    p.fillRect(QRectF(r.left(), r.top() + third, r.width(), third), QColor(0xe2, 0xe6, 0xeb));
    p.fillRect(QRectF(r.left(), r.top() + 2 * third, r.width(), r.height() - 2 * third), kRibbonRed);
    p.restore();
}

} // namespace art
