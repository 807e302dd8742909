#pragma once
// The artwork's colours and type: a calm navy and ivory scheme with one warm
// accent for what the pointer rests on.

#include <QColor>
#include <QFont>

namespace art {

inline const QColor kNavyLight(0x2b, 0x5f, 0x86);
inline const QColor kNavy(0x1e, 0x48, 0x6b);
inline const QColor kNavyDeep(0x16, 0x37, 0x54);
inline const QColor kIvory(0xf5, 0xf2, 0xea);
inline const QColor kIvoryShade(0xe9, 0xe4, 0xd8);
inline const QColor kCard(0xff, 0xff, 0xff);
inline const QColor kCardLine(0xc9, 0xd3, 0xdc);
inline const QColor kMist(0xe8, 0xef, 0xf6);
inline const QColor kInk(0x23, 0x38, 0x4a);
inline const QColor kInkSoft(0x5a, 0x6e, 0x80);
inline const QColor kBlue(0x2f, 0x6f, 0xad);
inline const QColor kBlueDeep(0x24, 0x58, 0x8c);
inline const QColor kAmber(0xe9, 0xa2, 0x3b);
inline const QColor kAmberPale(0xff, 0xf1, 0xda);
inline const QColor kRibbonBlue(0x2a, 0x56, 0xa8);
inline const QColor kRibbonRed(0xd0, 0x43, 0x3a);
inline const QColor kOnDark(0xff, 0xff, 0xff);
inline const QColor kOnDarkSoft(0xbf, 0xd4, 0xe6);

// Liberation Sans, loaded from its file so every run draws the same glyphs.
QFont Sans(int pixelSize, bool bold = false);

} // namespace art
