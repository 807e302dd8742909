#include "guide_scheme.h"

namespace {

using enum SoundKind;

// Several of espeak-ng's names stand for one sound said a little differently
// (a reduced vowel, a liaison consonant, an r after another consonant): they
// share a spelling. The nasal vowels are spelled with an n that is not said.
constexpr GuideSound kSounds[] = {
    // French vowels
    {"fr", "i", Vowel, "i", "ee", "see"},
    {"fr", "I", Vowel, "i", "ee", "see"},
    {"fr", "I2", Vowel, "i", "ee", "see"},
    {"fr", "e", Vowel, "e", "ay", "say, without the y at its end"},
    {"fr", "e-", Vowel, "e", "ay", "say, without the y at its end"},
    {"fr", "E", Vowel, "ɛ", "eh", "bed", "e"},
    {"fr", "E-", Vowel, "ɛ", "eh", "bed", "e"},
    {"fr", "a", Vowel, "a", "ah", "father, said short"},
    {"fr", "a-", Vowel, "a", "ah", "father, said short"},
    {"fr", "a#", Vowel, "a", "ah", "father, said short"},
    {"fr", "O", Vowel, "ɔ", "o", "off"},
    {"fr", "o", Vowel, "o", "oh", "go, without the w at its end"},
    {"fr", "oU", Vowel, "o", "oh", "go, without the w at its end"},
    {"fr", "u", Vowel, "u", "oo", "food"},
    {"fr", "u:", Vowel, "u", "oo", "food"},
    {"fr", "y", Vowel, "y", "ew", "few, with the lips kept rounded", {}, "ɥ", "w"},
    {"fr", "y-", Vowel, "y", "ew", "few, with the lips kept rounded", {}, "ɥ", "w"},
    {"fr", "Y", Vowel, "ø", "uh", "fur, with rounded lips and no r"},
    {"fr", "W", Vowel, "œ", "uh", "fur, with open rounded lips and no r"},
    {"fr", "W2", Vowel, "œ", "uh", "fur, with open rounded lips and no r"},
    {"fr", "V", Vowel, "œ", "uh", "fur, with open rounded lips and no r"},
    {"fr", "@", Vowel, "ə", "uh", "about"},
    {"fr", "@-", Vowel, "ə", "uh", "about"},
    {"fr", "A~", Vowel, "ɑ̃", "ahn", "aunt, through the nose, the n not said"},
    {"fr", "O~", Vowel, "ɔ̃", "ohn", "own, through the nose, the n not said"},
    {"fr", "E~", Vowel, "ɛ̃", "an", "sang, through the nose, the ng not said"},
    {"fr", "W~", Vowel, "œ̃", "uhn", "fun, through the nose, the n not said"},
    // French consonants
    {"fr", "p", Obstruent, "p", "p", "spin"},
    {"fr", "b", Obstruent, "b", "b", "bed"},
    {"fr", "t", Obstruent, "t", "t", "stop"},
    {"fr", "d", Obstruent, "d", "d", "dog"},
    {"fr", "k", Obstruent, "k", "k", "skin"},
    {"fr", "g", Obstruent, "ɡ", "g", "go"},
    {"fr", "f", Obstruent, "f", "f", "fun"},
    {"fr", "v", Obstruent, "v", "v", "van"},
    {"fr", "s", Obstruent, "s", "s", "so"},
    {"fr", "z", Obstruent, "z", "z", "zoo"},
    {"fr", "S", Obstruent, "ʃ", "sh", "shoe"},
    {"fr", "Z", Obstruent, "ʒ", "zh", "measure"},
    {"fr", "tS", Obstruent, "tʃ", "ch", "church"},
    {"fr", "dZ", Obstruent, "dʒ", "j", "jam"},
    {"fr", "x", Obstruent, "x", "kh", "loch"},
    {"fr", "h", Obstruent, "h", "h", "hat"},
    {"fr", "m", Nasal, "m", "m", "me"},
    {"fr", "n", Nasal, "n", "n", "no"},
    {"fr", "n^", Nasal, "ɲ", "ny", "canyon"},
    {"fr", "N", Nasal, "ŋ", "ng", "sing"},
    {"fr", "l", Liquid, "l", "l", "let"},
    {"fr", "l/", Liquid, "l", "l", "let"},
    {"fr", "l/2", Liquid, "l", "l", "let"},
    {"fr", "r", Liquid, "ʁ", "r", "red, said at the back of the throat"},
    {"fr", "r/", Liquid, "ʁ", "r", "red, said at the back of the throat"},
    {"fr", "r2", Liquid, "ʁ", "r", "red, said at the back of the throat"},
    {"fr", "r/2", Liquid, "ʁ", "r", "red, said at the back of the throat"},
    {"fr", "R", Liquid, "ʁ", "r", "red, said at the back of the throat"},
    {"fr", "j", Glide, "j", "y", "yes"},
    {"fr", "j/", Glide, "j", "y", "yes"},
    {"fr", "j.", Glide, "j", "y", "yes"},
    {"fr", "w", Glide, "w", "w", "we"},
    {"fr", "w/", Glide, "w", "w", "we"},
    // French liaison consonants: a word's silent ending sounded before a vowel
    {"fr", "z2", Liaison, "z", "z", "zoo"},
    {"fr", "z3", Liaison, "z", "z", "zoo"},
    {"fr", "t2", Liaison, "t", "t", "stop"},
    {"fr", "t3", Liaison, "t", "t", "stop"},
    {"fr", "n2", Liaison, "n", "n", "no"},
    {"fr", "p2", Liaison, "p", "p", "spin"},
    // English words in French phrases ("week-end", "steak", "e-mail"), spoken
    // as English; their other consonants are the French ones above
    {"en", "i:", Vowel, "iː", "ee", "see"},
    {"en", "i", Vowel, "i", "ee", "happy"},
    {"en", "I", Vowel, "ɪ", "i", "sit"},
    {"en", "I2", Vowel, "ɪ", "i", "sit"},
    {"en", "I#", Vowel, "ɪ", "i", "sit"},
    {"en", "I2#", Vowel, "ɪ", "i", "sit"},
    {"en", "IR", Vowel, "ɪɹ", "eer", "near"},
    {"en", "E", Vowel, "ɛ", "e", "bed"},
    {"en", "E#", Vowel, "ɛ", "e", "bed"},
    {"en", "E2", Vowel, "ɛ", "e", "bed"},
    {"en", "e:", Vowel, "eː", "ay", "say"},
    {"en", "e#", Vowel, "ɛ", "e", "bed"},
    {"en", "a", Vowel, "æ", "a", "cat"},
    {"en", "a2", Vowel, "æ", "a", "cat"},
    {"en", "aa", Vowel, "æ", "a", "cat"},
    {"en", "a#", Vowel, "ə", "uh", "about"},
    {"en", "a#2", Vowel, "ə", "uh", "about"},
    {"en", "A:", Vowel, "ɑː", "ah", "father"},
    {"en", "A#", Vowel, "ɑː", "ah", "father"},
    {"en", "A@", Vowel, "ɑːɹ", "ahr", "car"},
    {"en", "0", Vowel, "ɒ", "o", "lot"},
    {"en", "0#", Vowel, "ɒ", "o", "lot"},
    {"en", "02", Vowel, "ɒ", "o", "lot"},
    {"en", "O", Vowel, "ɔ", "aw", "saw"},
    {"en", "O2", Vowel, "ɔ", "aw", "saw"},
    {"en", "O:", Vowel, "ɔː", "aw", "saw"},
    {"en", "O@", Vowel, "ɔːɹ", "or", "for"},
    {"en", "o@", Vowel, "ɔːɹ", "or", "for"},
    {"en", "o:", Vowel, "oː", "oh", "go"},
    {"en", "U", Vowel, "ʊ", "u", "put"},
    {"en", "u:", Vowel, "uː", "oo", "food"},
    {"en", "U@", Vowel, "ʊɹ", "oor", "tour"},
    {"en", "V", Vowel, "ʌ", "uh", "cup"},
    {"en", "VR", Vowel, "ʌɹ", "ur", "hurry"},
    {"en", "3", Vowel, "ɚ", "er", "butter"},
    {"en", "3:", Vowel, "ɜː", "ur", "fur"},
    {"en", "@", Vowel, "ə", "uh", "about"},
    {"en", "@2", Vowel, "ə", "uh", "about"},
    {"en", "@5", Vowel, "ə", "uh", "about"},
    {"en", "@#", Vowel, "ə", "uh", "about"},
    {"en", "@L", Vowel, "əl", "uhl", "bottle"},
    {"en", "eI", Vowel, "eɪ", "ay", "say"},
    {"en", "aI", Vowel, "aɪ", "eye", "my"},
    {"en", "aI@", Vowel, "aɪə", "eye-uh", "fire"},
    {"en", "aI3", Vowel, "aɪɚ", "eye-er", "fire"},
    {"en", "OI", Vowel, "ɔɪ", "oy", "boy"},
    {"en", "aU", Vowel, "aʊ", "ow", "now"},
    {"en", "aU@", Vowel, "aʊə", "ow-uh", "hour"},
    {"en", "oU", Vowel, "oʊ", "oh", "go"},
    {"en", "oU#", Vowel, "oʊ", "oh", "go"},
    {"en", "i@", Vowel, "ɪə", "eer", "near"},
    {"en", "i@3", Vowel, "ɪɚ", "eer", "near"},
    {"en", "e@", Vowel, "eə", "air", "hair"},
    {"en", "A~", Vowel, "ɑ̃", "ahn", "aunt, through the nose, the n not said"},
    {"en", "O~", Vowel, "ɔ̃", "ohn", "own, through the nose, the n not said"},
    {"en", "r", Liquid, "ɹ", "r", "red"},
    {"en", "r-", Liquid, "ɹ", "r", "red"},
    {"en", "t#", Obstruent, "t", "t", "water"},
    {"en", "t2", Obstruent, "t", "t", "stop"},
    {"en", "d#", Obstruent, "d", "d", "dog"},
    {"en", "z#", Obstruent, "z", "z", "zoo"},
    {"en", "z/2", Obstruent, "z", "z", "zoo"},
    {"en", "w#", Glide, "w", "w", "we"},
    {"en", "T", Obstruent, "θ", "th", "thin"},
    {"en", "D", Obstruent, "ð", "th", "this"},
};

const GuideSound* Find(std::string_view language, std::string_view phoneme)
{
    for (const GuideSound& sound : kSounds)
        if (sound.language == language && sound.phoneme == phoneme)
            return &sound;
    return nullptr;
}

} // namespace

std::span<const GuideSound> GuideSounds()
{
    return kSounds;
}

const GuideSound* FindGuideSound(std::string_view language, std::string_view phoneme)
{
    if (const GuideSound* sound = Find(language, phoneme))
        return sound;
    if (language == "fr")
        return nullptr;
    const GuideSound* french = Find("fr", phoneme);
    return french && french->kind != SoundKind::Vowel ? french : nullptr;
}
