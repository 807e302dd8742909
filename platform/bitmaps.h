#pragma once
// Bitmaps compiled into the program, found by their numeric resource id.

#include <QImage>
#include <QPixmap>

namespace platform {

// The bitmap with resource id `id` at its natural size; a null image when the
// program carries no bitmap of that id.
QImage LoadBitmap(int id);
QPixmap LoadPixmap(int id);

} // namespace platform
