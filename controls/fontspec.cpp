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
    FontSpec description;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize()
                                            : static_cast<int>(std::lround(font.pointSizeF() * kPixelsPerPoint));
    description.height = -pixels;
    description.weight = font.weight();
    description.italic = font.italic();
    description.underline = font.underline();
    description.strikeOut = font.strikeOut();
    description.faceName = font.family().left(FontSpec::kMaxFaceName);
    return description;
}

QFont FontFrom(const FontSpec& description)
{
    QFont font(description.faceName);
    if (description.height != 0)
        font.setPixelSize(std::abs(description.height));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikeOut);
    for (const FamilyHint& entry : kFamilyHints)
        if (entry.family == (description.pitchAndFamily & 0xF0))
            font.setStyleHint(entry.hint);
    return font;
}
