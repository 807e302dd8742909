#pragma once
// Small painting helpers the pictures share.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace art {

// An empty picture of `size` logical pixels drawn `scale` times finer: painting
// on it in logical coordinates fills scale x scale pixels for each.
QImage Canvas(QSize size, int scale, QImage::Format format = QImage::Format_RGB32);

// A rounded panel lit from above: a vertical gradient, a hairline edge and a
// soft shadow below it.
void Panel(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
           const QColor& edge, bool shadow = true);
void Text(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& colour,
          int flags = Qt::AlignCenter);

// Glyphs centred in `r`, stroked or filled in `colour`.
void StarGlyph(QPainter& p, const QRectF& r, const QColor& colour, bool filled);
void MagnifierGlyph(QPainter& p, const QRectF& r, const QColor& colour);
void PlayGlyph(QPainter& p, const QRectF& r, const QColor& colour);
// A snail, for playing slowly.
void SnailGlyph(QPainter& p, const QRectF& r, const QColor& colour);
void CrossGlyph(QPainter& p, const QRectF& r, const QColor& colour);
void DashGlyph(QPainter& p, const QRectF& r, const QColor& colour);
void SpeechBubble(QPainter& p, const QRectF& r, const QColor& fill);
// The blue, white and red ribbon of the French side, vertical in `r`.
void Ribbon(QPainter& p, const QRectF& r);

} // namespace art
