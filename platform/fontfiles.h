#pragma once
// Font files the program adds to its font table while it needs them.
//
// Each Add is paired with one Remove. The file enters the table at its first
// Add and leaves it at the Remove that balances the last Add, so one user
// removing the file never takes it from another that still needs it, and
// adding it again and again does not pile up registrations.

#include <QString>

namespace platform {

class FontFiles {
public:
    // True when the file's fonts are in the table (now or from an earlier Add).
    // A file that can't be read is still counted, so its Remove stays paired;
    // the fonts asked for by name then come from the system's own.
    static bool Add(const QString& path);
    // A Remove without an Add outstanding does nothing.
    static void Remove(const QString& path);
    // How many Adds of `path` are not yet balanced.
    static int UseCount(const QString& path);
    // The font table's id of the file, or -1 when it is not in the table.
    static int FontId(const QString& path);
};

// The font file the program offers for its Arial texts.
inline const QString kArialFontFile = QStringLiteral("arial.ttf");

} // namespace platform
