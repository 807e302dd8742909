#pragma once
// The respelling scheme of the pronunciation guide: for each sound espeak-ng's
// French voice can give, its name in espeak-ng's phoneme output, its IPA, how
// the guide spells it for an English reader, and an English word that has it.
// data/README.md reproduces this table.

#include <span>
#include <string_view>

// How a sound takes part in a syllable.
enum class SoundKind {
    Vowel,       // the heart of a syllable
    Obstruent,   // stops and fricatives
    Nasal,
    Liquid,      // l and r
    Glide,       // y and w sounds, which lean on the vowel after them
    Liaison,     // a consonant sounded only before a vowel: it joins the next word
};

struct GuideSound {
    std::string_view language;   // the language espeak-ng speaks it in: "fr", or "en" for English loan words
    std::string_view phoneme;    // espeak-ng's name for it
    SoundKind kind;
    std::string_view ipa;
    std::string_view spelling;
    std::string_view example;    // an English word with the sound
    // Where the vowel is followed by a consonant in its syllable (other than
    // r), a shorter spelling reads better: "LET" rather than "LEHT".
    std::string_view closedSpelling = {};
    // A vowel said as a glide when another vowel follows in the word: "nuit"
    // is one syllable, "nwee".
    std::string_view glideIpa = {};
    std::string_view glideSpelling = {};
};

std::span<const GuideSound> GuideSounds();

// The sound espeak-ng names `phoneme` in `language`. English words inside a
// French phrase take the French consonants where English has no sound of its
// own under that name. Null for a sound the scheme does not know.
const GuideSound* FindGuideSound(std::string_view language, std::string_view phoneme);
