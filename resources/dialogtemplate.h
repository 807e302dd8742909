#pragma once
// Dialog templates as data: a window's size and its controls, in dialog units.

#include <cstdint>
#include <span>

namespace resources {

enum class ControlKind {
    Static,          // a text
    OwnerDrawButton, // a picture button
    Edit,
    AutoCheckBox,
    DropDownList,    // a combo box without an edit field
    ListBox,
};

// Style bits. The low 16 bits mean something different for each kind, as the
// names say; the bits above them apply to every kind.
namespace style {
// Static texts.
inline constexpr std::uint32_t kStaticCentre = 0x0001;
inline constexpr std::uint32_t kStaticRight = 0x0002;
inline constexpr std::uint32_t kStaticLeftNoWrap = 0x000C;
inline constexpr std::uint32_t kStaticNoPrefix = 0x0080;
inline constexpr std::uint32_t kStaticCentreImage = 0x0200;
inline constexpr std::uint32_t kStaticEllipsisMask = 0xC000;
inline constexpr std::uint32_t kStaticEndEllipsis = 0x4000;
inline constexpr std::uint32_t kStaticPathEllipsis = 0x8000;
inline constexpr std::uint32_t kStaticWordEllipsis = 0xC000;
// Edit boxes.
inline constexpr std::uint32_t kEditAutoHorizontalScroll = 0x0080;
// List boxes.
inline constexpr std::uint32_t kListNotify = 0x0001;
inline constexpr std::uint32_t kListTabStops = 0x0080;
inline constexpr std::uint32_t kListNoIntegralHeight = 0x0100;
// Every kind.
inline constexpr std::uint32_t kTransparent = 0x00040000; // the window's skin shows behind it
inline constexpr std::uint32_t kHorizontalScroll = 0x00100000;
inline constexpr std::uint32_t kVerticalScroll = 0x00200000;
inline constexpr std::uint32_t kBorder = 0x00800000;
} // namespace style

struct TemplateControl {
    int id;
    ControlKind kind;
    const char16_t* text; // empty for none
    int x, y, width, height;
    std::uint32_t style;
};

struct DialogTemplate {
    int id;
    int width, height;
    std::span<const TemplateControl> controls;
};

// The about box (167) and the main window (1202).
extern const DialogTemplate kAboutTemplate;
extern const DialogTemplate kMainTemplate;

// The row of `controlId`, or nullptr.
const TemplateControl* FindTemplateControl(const DialogTemplate& dialog, int controlId);

} // namespace resources
