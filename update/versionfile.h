#pragma once
// Reading the values of a downloaded version file: `Version: "1.6"` and
// `Filename: "setup.exe"`, or a page's `src="..."`.

#include <QByteArray>
#include <optional>

// The longest value kept; longer values are cut to this many characters.
constexpr int kMaxVersionValue = 259;

// The double-quoted value after the first occurrence of `keyword` (matched
// exactly, case included). Anything but a double quote may stand between the
// keyword and the opening quote. A value without its closing quote runs to the
// end of the content. Nothing when the keyword or the opening quote is missing.
std::optional<QByteArray> QuotedValueAfter(const QByteArray& content, const QByteArray& keyword);
