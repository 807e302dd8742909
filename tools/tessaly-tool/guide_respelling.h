#pragma once
// Turns espeak-ng's phoneme reading of a phrase into its pronunciation guide:
// a respelling for an English reader, syllables apart and the stressed one
// in capitals ("oo sohn lay twah-LET"), and the IPA ("u sɔ̃ le twaˈlɛt").
//
// The reading is what `espeak-ng -x --sep=z` prints: one line per clause,
// words apart by spaces, phonemes apart by U+200C, a "'" before a stressed
// vowel, "(en)" and "(fr)" where the voice switches language, and pause and
// boundary marks that the guide has no use for. Liaisons and elisions are as
// the voice speaks them; a liaison consonant is shown at the start of the
// word it is sounded with ("voo zah-VAY").

#include <string>
#include <string_view>

struct PhraseGuideText {
    std::string respelling;   // ASCII
    std::string ipa;          // UTF-8
};

// The guide for `reading`; false, with the sound the scheme does not know in
// `unknown` (for example "X1 (fr)"), when the reading holds one.
bool RespellReading(std::string_view reading, PhraseGuideText& guide, std::string& unknown);
