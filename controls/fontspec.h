#pragma once
// A font described field by field, as the label keeps it, and the Qt font it makes.

#include <QFont>
#include <QString>

// The pixel size of the Arial the phrases, their translation and the window's
// own texts are drawn in.
inline constexpr int kPhraseFontPixels = 15;

struct FontSpec {
    int height = 0; // negative: character height in pixels; positive: cell height
    int width = 0;  // 0: the face's own proportions
    int escapement = 0;
    int orientation = 0;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1; // the default character set
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0; // family in the high nibble: 0x10 roman, 0x20 swiss ...
    QString faceName;       // at most kMaxFaceName characters

    static constexpr int kMaxFaceName = 31;
};

// The description of `font`, its size taken as a character height in pixels
// at 96 dots per inch.
FontSpec FontSpecFrom(const QFont& font);
// The font `description` describes. Escapement, orientation, character set,
// precision and quality have no meaning for Qt's fonts and are not used.
QFont FontFrom(const FontSpec& description);
