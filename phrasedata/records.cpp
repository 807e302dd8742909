#include "records.h"

#include <algorithm>

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return at <= bytes.size() && bytes.size() - at >= tag.size() &&
           std::equal(tag.begin(), tag.end(), bytes.begin() + std::ptrdiff_t(at),
                      [](char expected, std::uint8_t actual) { return std::uint8_t(expected) == actual; });
}

std::uint32_t ReadLE32(const std::uint8_t* b)
{
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
           std::uint32_t(b[3]) << 24;
}

std::uint16_t ReadLE16(const std::uint8_t* b)
{
    return std::uint16_t(b[0] | b[1] << 8);
}

void WriteLE32(std::uint8_t* b, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        b[i] = std::uint8_t(value >> (8 * i));
}

void WriteLE16(std::uint8_t* b, std::uint16_t value)
{
    b[0] = std::uint8_t(value);
    b[1] = std::uint8_t(value >> 8);
}

std::u16string DecodeText16(const std::uint8_t* bytes, std::size_t units)
{
    std::u16string text;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = ReadLE16(bytes + 2 * i);
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

void EncodeText16(std::uint8_t* bytes, std::size_t units, const std::u16string& text)
{
    std::fill(bytes, bytes + 2 * units, std::uint8_t(0));
    const std::size_t n = std::min(text.size(), units - 1);
    for (std::size_t i = 0; i < n; ++i)
        WriteLE16(bytes + 2 * i, text[i]);
}

PhraseRecord PhraseRecord::Decode(const std::uint8_t* bytes)
{
    PhraseRecord record;
    record.text = DecodeText16(bytes, kTextUnits);
    record.phraseNumber = std::int32_t(ReadLE32(bytes + 2 * kTextUnits));
    return record;
}

std::array<std::uint8_t, PhraseRecord::kSize> PhraseRecord::Encode() const
{
    std::array<std::uint8_t, kSize> bytes{};
    EncodeText16(bytes.data(), kTextUnits, text);
    WriteLE32(bytes.data() + 2 * kTextUnits, std::uint32_t(phraseNumber));
    return bytes;
}

TranslationRecord TranslationRecord::Decode(const std::uint8_t* bytes)
{
    return TranslationRecord{DecodeText16(bytes, kTextUnits)};
}

std::array<std::uint8_t, TranslationRecord::kSize> TranslationRecord::Encode() const
{
    std::array<std::uint8_t, kSize> bytes{};
    EncodeText16(bytes.data(), kTextUnits, text);
    return bytes;
}

MapRecord MapRecord::Decode(const std::uint8_t* bytes)
{
    MapRecord record;
    const auto* end = std::find(bytes, bytes + kTextBytes, std::uint8_t(0));
    record.text.assign(bytes, end);
    record.variantCount = std::int16_t(ReadLE16(bytes + kTextBytes));
    return record;
}

std::array<std::uint8_t, MapRecord::kSize> MapRecord::Encode() const
{
    std::array<std::uint8_t, kSize> bytes{};
    std::copy_n(text.begin(), std::min(text.size(), kTextBytes - 1), bytes.begin());
    WriteLE16(bytes.data() + kTextBytes, std::uint16_t(variantCount));
    return bytes;
}

bool ReadPhraseRecord(std::FILE* file, PhraseRecord& record)
{
    std::uint8_t bytes[PhraseRecord::kSize];
    if (std::fread(bytes, 1, sizeof bytes, file) != sizeof bytes)
        return false;
    record = PhraseRecord::Decode(bytes);
    return true;
}

bool ReadMapRecord(std::FILE* file, MapRecord& record)
{
    std::uint8_t bytes[MapRecord::kSize];
    if (std::fread(bytes, 1, sizeof bytes, file) != sizeof bytes)
        return false;
    record = MapRecord::Decode(bytes);
    return true;
}
