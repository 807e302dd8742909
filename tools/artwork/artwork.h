#pragma once
// The drawing routines of each bitmap.

#include <QImage>
#include <QRect>

class QDir;
class QPainter;

namespace art {

// The skins and strips are drawn at any whole `scale`: the same layout in
// logical pixels, `scale` times finer.
QImage DrawMainSkin(QSize size, int scale);
QImage DrawAboutSkin(QSize size, int scale);
QImage DrawListPattern(QSize size);
QImage DrawIcon(QSize size);
// The icon's drawing on any painter: a bitmap, or a scalable picture.
void PaintIcon(QPainter& p, QSize size);
// The icon in the sizes a desktop's menus and launchers ask for, one file
// each, named after its hicolor theme folder ("48x48.png" ... "scalable.svg").
bool WriteDesktopIcons(const QDir& out);
// The strip of `bitmapId`, `size` logical pixels at the skin's scale; each
// picture lies on `skin` at `place` and takes its background from there, so
// the button sits seamlessly on the window.
QImage DrawStrip(int bitmapId, QSize size, const QImage& skin, QPoint place);

} // namespace art

namespace art {
// Where a control of the main window (or of the about box) lands, in pixels.
QRect MainControlRect(int controlId);
QRect AboutControlRect(int controlId);
} // namespace art
