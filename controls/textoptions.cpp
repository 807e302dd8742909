#include "textoptions.h"

#include "resources/dialogtemplate.h"

namespace {

using namespace resources::style;

// A row applies when (style & mask) == value.
struct StyleRow {
    std::uint32_t mask;
    std::uint32_t value;
    std::uint32_t options;
};

constexpr std::uint32_t kNoWrapBits = kStaticEllipsisMask | kStaticCentreImage | kStaticLeftNoWrap;

constexpr StyleRow kStyleRows[] = {
    {kStaticRight, kStaticRight, drawtext::kRight},
    {kStaticCentre, kStaticCentre, drawtext::kCentre},
    {kStaticCentreImage, kStaticCentreImage, drawtext::kVerticalCentre | drawtext::kSingleLine},
    {kStaticNoPrefix, kStaticNoPrefix, drawtext::kNoPrefix},
    {kStaticEllipsisMask, kStaticEndEllipsis, drawtext::kEndEllipsis},
    {kStaticEllipsisMask, kStaticPathEllipsis, drawtext::kPathEllipsis},
    {kStaticEllipsisMask, kStaticWordEllipsis, drawtext::kWordEllipsis},
    {kNoWrapBits, 0, drawtext::kWordBreak},
};

struct QtRow {
    std::uint32_t option;
    int flag;
};

constexpr QtRow kQtRows[] = {
    {drawtext::kCentre, Qt::AlignHCenter},
    {drawtext::kRight, Qt::AlignRight},
    {drawtext::kVerticalCentre, Qt::AlignVCenter},
    {drawtext::kWordBreak, Qt::TextWordWrap},
    {drawtext::kSingleLine, Qt::TextSingleLine},
};

struct ElideRow {
    std::uint32_t option;
    Qt::TextElideMode elide;
};

// A word ellipsis shortens the last word that does not fit, which in one
// line is the end of the text.
constexpr ElideRow kElideRows[] = {
    {drawtext::kEndEllipsis, Qt::ElideRight},
    {drawtext::kPathEllipsis, Qt::ElideMiddle},
    {drawtext::kWordEllipsis, Qt::ElideRight},
};

} // namespace

std::uint32_t DrawingOptionsForStyle(std::uint32_t staticStyle)
{
    std::uint32_t options = 0;
    for (const StyleRow& row : kStyleRows)
        if ((staticStyle & row.mask) == row.value)
            options |= row.options;
    return options;
}

QtTextLayout QtLayoutForOptions(std::uint32_t options)
{
    QtTextLayout layout{0, Qt::ElideNone};
    for (const QtRow& row : kQtRows)
        if (options & row.option)
            layout.flags |= row.flag;
    // Without a horizontal or vertical choice, text starts at the top left.
    if (!(layout.flags & Qt::AlignHorizontal_Mask))
        layout.flags |= Qt::AlignLeft;
    if (!(layout.flags & Qt::AlignVertical_Mask))
        layout.flags |= Qt::AlignTop;
    // Unless told otherwise, "&x" underlines x and "&&" shows one "&".
    if (!(options & drawtext::kNoPrefix))
        layout.flags |= Qt::TextShowMnemonic;
    for (const ElideRow& row : kElideRows)
        if (options & row.option)
            layout.elide = row.elide;
    return layout;
}
