#pragma once
// Resource ids of the bitmaps and the icon, and the size and layout of each bitmap.
// Plain data, shared by the program, the artwork generator and the tests.

namespace resources {

inline constexpr int kAppIcon = 146;
inline constexpr int kListPattern = 149;
inline constexpr int kMainSkin = 1129;
inline constexpr int kAboutSkin = 168;
inline constexpr int kAboutCloseStrip = 169;

enum class BitmapLayout {
    Skin,    // a window's whole look, pure black outside its shape
    Strip,   // three pictures side by side: normal, pressed, hover
    Pattern, // a tile for a pattern brush
    Icon,    // the program's icon
};

struct BitmapSpec {
    int id;
    int width;
    int height;
    BitmapLayout layout;
};

// Every bitmap the program carries. The strips of the main window's picture
// buttons are listed with their buttons in buttonstrips.h as well.
inline constexpr BitmapSpec kBitmaps[] = {
    {kMainSkin, 723, 558, BitmapLayout::Skin},
    {kAboutSkin, 496, 412, BitmapLayout::Skin},
    {kAboutCloseStrip, 381, 34, BitmapLayout::Strip},
    {kListPattern, 170, 86, BitmapLayout::Pattern},
    {kAppIcon, 64, 64, BitmapLayout::Icon},
    {1130, 54, 18, BitmapLayout::Strip},
    {156, 54, 18, BitmapLayout::Strip},
    {1133, 378, 34, BitmapLayout::Strip},
    {1143, 378, 34, BitmapLayout::Strip},
    {1137, 378, 34, BitmapLayout::Strip},
    {1138, 378, 35, BitmapLayout::Strip},
    {1134, 378, 36, BitmapLayout::Strip},
    {1141, 378, 35, BitmapLayout::Strip},
    {1142, 378, 34, BitmapLayout::Strip},
    {1140, 378, 36, BitmapLayout::Strip},
    {1135, 378, 36, BitmapLayout::Strip},
    {1144, 378, 36, BitmapLayout::Strip},
    {1136, 129, 33, BitmapLayout::Strip},
    {147, 243, 29, BitmapLayout::Strip},
    {157, 132, 33, BitmapLayout::Strip},
    {148, 258, 13, BitmapLayout::Strip},
    {150, 270, 13, BitmapLayout::Strip},
    {1139, 90, 28, BitmapLayout::Strip},
    {1131, 72, 24, BitmapLayout::Strip},
    {164, 486, 13, BitmapLayout::Strip},
    {165, 576, 13, BitmapLayout::Strip},
    {163, 354, 13, BitmapLayout::Strip},
    {166, 195, 15, BitmapLayout::Strip},
};

} // namespace resources
