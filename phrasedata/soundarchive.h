#pragma once
// The sound archive: "data.dat" (a 12-byte header, then the clips) and
// "data.idx" (one 8-byte entry per phrase: the clip's offset after the header
// and its length, both little-endian).

#include <array>
#include <cstdint>

struct SoundArchiveHeader {
    static constexpr std::size_t kSize = 12;
    static constexpr std::array<char, 8> kSignature = {'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l'};
    static constexpr std::int32_t kVersion = 2102;

    // True for the signature and version this program reads.
    static bool IsValid(const std::uint8_t* bytes);
};

struct SoundIndexEntry {
    static constexpr std::size_t kSize = 8;
    std::uint32_t offset = 0;   // from the end of the header
    std::uint32_t length = 0;

    static SoundIndexEntry Decode(const std::uint8_t* bytes);
};
