#pragma once
// Words as the search compares them: lower case, accents dropped, split at
// anything that is not a letter or a digit (spaces, punctuation, hyphens and
// apostrophes alike), so that "Centre-ville" gives "centre" and "ville" and
// "l'addition" gives "l" and "addition".

#include <string>
#include <string_view>
#include <vector>

// The folded words of a text, in order, as UTF-8 (ASCII for Latin text).
std::vector<std::string> SplitWords(std::u16string_view text);
std::vector<std::string> SplitWords(std::string_view utf8Text);
// The same into `words`, whose room is used again: building the index splits
// thousands of short texts.
void SplitWordsInto(std::u16string_view text, std::vector<std::string>& words);
void SplitWordsInto(std::string_view utf8Text, std::vector<std::string>& words);

// The words of a lower-case text as the book writes them (accents kept), as
// views into it, for offering completions.
std::vector<std::u16string_view> SplitShownWords(std::u16string_view lowerText);

// True when a text ends inside a word, so its last word may still be growing.
bool EndsInsideWord(std::u16string_view text);
