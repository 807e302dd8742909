#pragma once
// Dialog templates give geometry in dialog units. The templates' font has base
// units of 6 x 13 pixels, so one unit is 1.5 pixels across and 1.625 down.

#include <QRect>

namespace platform {

// Converts each edge, rounding to the nearest pixel (halves away from zero),
// so neighbouring controls that touch in dialog units still touch in pixels.
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);
QRect DialogUnitsToPixels(const QRect& units);

} // namespace platform
