#include "fontspec.h"

#include <cmath>
#include <cstdlib>

namespace {

struct FamilyHint {
    int family; // high nibble of pitchAndFamily
    QFont::StyleHint hint;
};

constexpr FamilyHint kFamilyHints[] = {
    {0x10, QFont::Serif},      // roman
    {0x20, QFont::SansSerif},  // swiss
    {0x30, QFont::TypeWriter}, // modern
    {0x40, QFont::Cursive},    // script
    {0x50, QFont::Decorative},
};

constexpr double kPixelsPerPoint = 96.0 / 72.0;

} // namespace

FontSpec FontSpecFrom(const QFont& font)
{
    FontSpec spec;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize()
                                            : static_cast<int>(std::lround(font.pointSizeF() * kPixelsPerPoint));
    spec.height = -pixels;
    spec.weight = font.weight();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    spec.faceName = font.family().left(FontSpec::kMaxFaceName);
    return spec;
}

QFont FontFrom(const FontSpec& spec)
{
    QFont font(spec.faceName);
    if (spec.height != 0)
        font.setPixelSize(std::abs(spec.height));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    for (const FamilyHint& entry : kFamilyHints)
        if (entry.family == (spec.pitchAndFamily & 0xF0))
            font.setStyleHint(entry.hint);
    return font;
}
