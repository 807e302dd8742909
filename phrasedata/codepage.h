#pragma once
// The 8-bit code page of the category map: Windows-1252.

#include <optional>
#include <string>
#include <string_view>

std::u16string Windows1252ToUtf16(std::string_view text);
// Nothing when a character has no Windows-1252 byte.
std::optional<std::string> Utf16ToWindows1252(std::u16string_view text);
