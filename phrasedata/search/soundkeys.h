#pragma once
// Keys for words that sound alike, so that a word spelt by ear finds the
// book's spelling. Words with equal keys are taken to sound the same.

#include <string>
#include <string_view>

// English: a key in the manner of Metaphone (consonant sounds, silent
// letters dropped, vowels only at the start): "restrant" and "restaurant"
// both give "rstrnt", "nite" and "night" both give "nt".
std::string EnglishSoundKey(std::string_view foldedWord);

// French: the sounds of French spelling (nasal vowels, "eau", "oi", "ch",
// "qu", soft c and g, silent final letters): "bocou" and "beaucoup" both
// give "boku".
std::string FrenchSoundKey(std::string_view foldedWord);

// The French key of a word an English speaker spelt from French heard by ear,
// reading English spellings of French sounds first: "mersee" gives the key of
// "merci", "zhuh" that of "je". Only for what is typed: the book's own "ee"
// ("entrée") is no "i".
std::string FrenchSoundKeyAsHeard(std::string_view foldedWord);
