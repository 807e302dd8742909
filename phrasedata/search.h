#pragma once
// The related-phrase table and the map-text comparison of the keyword search.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// "Relate.dat": one row of 104 bytes per phrase; bit j (mask 0x80 >> j) of
// byte i marks phrase i * 8 + j + 1 as related.
constexpr int kRelateRowBytes = 104;

// The phrase numbers a row marks, in ascending order; the spare 832nd bit
// names no phrase and is ignored.
std::vector<int> RelatedPhraseNumbers(const std::array<std::uint8_t, kRelateRowBytes>& row);

// A map text as UTF-16 for comparison, up to its first line feed.
std::u16string WidenMapText(std::string_view mapText);
