#pragma once
// Small text routines shared by the phrase operations.

#include <optional>
#include <string>
#include <string_view>

// Removes every tab, then every line feed, then every carriage return: English
// texts may still hold them from their source lines.
std::u16string RemoveLineBreaks(std::u16string text);

// Drops a leading byte-order mark (U+FEFF), which the first record of a phrase
// file carries from its source.
std::u16string DropByteOrderMark(std::u16string text);

// Drops the carriage return (or line feed) that ends a translation's source line.
std::u16string DropLineEnd(std::u16string text);

// The key under which an English text is filed: line breaks and a leading
// byte-order mark removed.
std::u16string PhraseKey(std::u16string text);

// Removes every "[" and every "]".
std::u16string StripBrackets(std::u16string text);

// Letters to lower case: A-Z and the Latin-1 capitals.
std::u16string ToLower(std::u16string text);

// A text as the French search compares it: lower case, accents dropped
// ("CAFÉ" and "café" both give "cafe"), the ligatures spelled out, no-break
// spaces as plain spaces and typographic apostrophes as plain ones.
std::u16string FoldForSearch(std::u16string_view text);

std::u16string DecimalText(int number);
// The number a decimal text stands for; nothing for anything but digits.
std::optional<int> ParseDecimal(std::u16string_view text);

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
