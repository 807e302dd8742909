#pragma once
// The fixed-size records of the phrase files. Integers are little-endian;
// texts are zero-terminated inside their field, and nothing after the
// terminator is ever read.

#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

constexpr int kPhraseCount = 831;

// "English.dat" and "favorite.dat": 60 UTF-16 code units of text, then the
// phrase number as a signed 32-bit integer at offset 120.
struct PhraseRecord {
    static constexpr std::size_t kSize = 124;
    static constexpr std::size_t kTextUnits = 60;

    std::u16string text;   // up to the terminator, at most kTextUnits units
    std::int32_t phraseNumber = 0;

    static PhraseRecord Decode(const std::uint8_t* bytes);
    // The text is cut to 59 units so that the terminator always fits.
    std::array<std::uint8_t, kSize> Encode() const;
};

// "French.dat": 80 UTF-16 code units of text, no number.
struct TranslationRecord {
    static constexpr std::size_t kSize = 160;
    static constexpr std::size_t kTextUnits = 80;

    std::u16string text;

    static TranslationRecord Decode(const std::uint8_t* bytes);
    std::array<std::uint8_t, kSize> Encode() const;
};

// "MapEngSpec.data": 176 bytes of Windows-1252 text, then the number of
// consecutive phrases the record stands for, as a signed 16-bit integer.
struct MapRecord {
    static constexpr std::size_t kSize = 178;
    static constexpr std::size_t kTextBytes = 176;

    std::string text;   // 8-bit, up to the terminator, at most kTextBytes bytes
    std::int16_t variantCount = 0;

    static MapRecord Decode(const std::uint8_t* bytes);
    std::array<std::uint8_t, kSize> Encode() const;
};

// Reads the next whole record from the stream's current position; false when
// no whole record is left.
bool ReadPhraseRecord(std::FILE* file, PhraseRecord& record);
bool ReadMapRecord(std::FILE* file, MapRecord& record);

// Little-endian fields.
// Whether `tag` stands at `at` in `bytes` (false where it would reach past their end).
bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag);
std::uint32_t ReadLE32(const std::uint8_t* bytes);
std::uint16_t ReadLE16(const std::uint8_t* bytes);
void WriteLE32(std::uint8_t* bytes, std::uint32_t value);
void WriteLE16(std::uint8_t* bytes, std::uint16_t value);

// A UTF-16LE text field of `units` code units, read up to its terminator.
std::u16string DecodeText16(const std::uint8_t* bytes, std::size_t units);
// Writes `text` zero-terminated into a zero-filled field of `units` units,
// cut to units - 1 so the terminator fits.
void EncodeText16(std::uint8_t* bytes, std::size_t units, const std::u16string& text);
