#pragma once
// "Guide.dat", the pronunciation guide: one fixed-size record per phrase, in
// phrase-number order, with how to say the phrase's French. The file is
// optional: without it, or when it is damaged, no guide is shown.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

inline constexpr const char* kGuideFileName = "Guide.dat";

// The respelling for an English reader ("oo sohn lay twah-LET"), then the IPA
// ("u sɔ̃ le twaˈlɛt"): each a zero-terminated UTF-16LE text in a zero-filled
// field, as the other phrase files hold their texts.
struct GuideRecord {
    static constexpr std::size_t kRespellingUnits = 128;
    static constexpr std::size_t kIpaUnits = 96;
    static constexpr std::size_t kSize = 2 * (kRespellingUnits + kIpaUnits);

    std::u16string respelling;
    std::u16string ipa;

    static GuideRecord Decode(const std::uint8_t* bytes);
    // Each text is cut to its field's units - 1 so that its terminator fits;
    // the builder refuses a guide that would be cut.
    std::array<std::uint8_t, kSize> Encode() const;
    bool Fits() const { return respelling.size() < kRespellingUnits && ipa.size() < kIpaUnits; }
};

// The guide of phrase `number` (1 to 831) from "Guide.dat" in `dataFolder`;
// nothing when the file is missing, is not exactly one record per phrase, or
// holds no guide for the phrase.
std::optional<GuideRecord> ReadPhraseGuide(const std::filesystem::path& dataFolder, int number);
