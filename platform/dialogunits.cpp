#include "platform/dialogunits.h"

namespace platform {

namespace {
constexpr int kBaseUnitX = 6;  // pixels per 4 horizontal dialog units
constexpr int kBaseUnitY = 13; // pixels per 8 vertical dialog units

// units * base / divisor, rounded to nearest with halves away from zero.
int Scale(int units, int base, int divisor)
{
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    return static_cast<int>(product >= 0 ? (product + half) / divisor : -((-product + half) / divisor));
}
} // namespace

int DialogUnitsToPixelsX(int units) { return Scale(units, kBaseUnitX, 4); }
int DialogUnitsToPixelsY(int units) { return Scale(units, kBaseUnitY, 8); }

QRect DialogUnitsToPixels(const QRect& units)
{
    const int left = DialogUnitsToPixelsX(units.x());
    const int top = DialogUnitsToPixelsY(units.y());
    const int right = DialogUnitsToPixelsX(units.x() + units.width());
    const int bottom = DialogUnitsToPixelsY(units.y() + units.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace platform
