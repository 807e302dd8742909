#pragma once
// How a static text's style bits turn into the options its text is drawn
// with, and how those options are expressed in Qt.

#include <Qt>
#include <cstdint>

// Text-drawing options.
namespace drawtext {
inline constexpr std::uint32_t kCentre = 0x0001;
inline constexpr std::uint32_t kRight = 0x0002;
inline constexpr std::uint32_t kVerticalCentre = 0x0004;
inline constexpr std::uint32_t kWordBreak = 0x0010;
inline constexpr std::uint32_t kSingleLine = 0x0020;
inline constexpr std::uint32_t kNoPrefix = 0x0800;
inline constexpr std::uint32_t kPathEllipsis = 0x4000;
inline constexpr std::uint32_t kEndEllipsis = 0x8000;
inline constexpr std::uint32_t kWordEllipsis = 0x40000;
} // namespace drawtext

std::uint32_t DrawingOptionsForStyle(std::uint32_t staticStyle);

// The same options as Qt's text flags and elide mode.
struct QtTextLayout {
    int flags;                  // alignment, wrapping, mnemonics
    Qt::TextElideMode elide;    // Qt::ElideNone when the text is not shortened
};
QtTextLayout QtLayoutForOptions(std::uint32_t options);
