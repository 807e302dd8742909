#pragma once
// Bitmaps compiled into the program, found by their numeric resource id.
// A bitmap may come drawn at twice the resolution too ("<id>@2x.png"), for
// displays that scale the window by two or more.

#include <QImage>
#include <QPixmap>

namespace platform {

// The display's scale: the largest device pixel ratio of the screens, 1 when
// there is no window system.
qreal DisplayScale();

// The bitmap with resource id `id`, the finer drawing when `scale` calls for
// it and there is one; its device pixel ratio says which, so its logical size
// is always the bitmap's own. A null image when the program carries no bitmap
// of that id.
QImage LoadBitmap(int id, qreal scale = DisplayScale());
QPixmap LoadPixmap(int id, qreal scale = DisplayScale());

} // namespace platform
