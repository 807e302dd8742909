#pragma once
// The French of a phrase. The source writes an ordinary space before ? ! : ;
// (and inside guillemets), as French typesetting wants a space there; the
// data files get a no-break space in its place, so that a mark never starts a
// line of its own when the translation wraps.

#include <string>
#include <string_view>

struct FrenchText {
    std::u16string shown;   // as the program shows it, with no-break spaces
    std::string fault;      // empty when the text is acceptable
};

// Checks a French text as written in the source (UTF-8) and converts it.
FrenchText ConvertFrench(std::string_view source);
