#pragma once
// The order of the search's rows. Each phrase has, for each word of the
// keyword, the best kind of match it made. Rows that match more of the
// keyword come first, a word counting for more the rarer it is in the book
// (a common word, one that many families hold, counts for little and never
// brings a row on its own unless every word is common); among rows that
// match the same words, better kinds of match first; then, among rows that
// match by their own words alone, the shorter first (the keyword covers more
// of it: "fermé" finds the sign "Closed" before a sentence that holds it);
// then the phrases a traveller needs most; then the book's order.
// A family is one row: its member that matched best, the first on a tie.

#include <cstdint>
#include <cstddef>
#include <vector>

// How a row matched a word of the keyword, best first.
enum MatchKind : std::uint8_t {
    kSameWord = 0,
    kWordForm = 1,
    kKeyword = 2,             // the word or a form of it among the phrase's keywords
    kSynonym = 3,             // a synonym of the word, in the phrase or its keywords
    kSoundOrTypo = 4,         // a word that sounds the same or is a typing slip away
    kCorrectedForm = 5,       // a form of such a corrected word
    kCorrectedSynonym = 6,    // a synonym of such a corrected word
    kInsideLongerWord = 7,
    kNoMatch = 255,
};

// A phrase as the ranking sees it.
struct IndexedSlot {
    int number;   // the phrase number
    int family;   // index of its family, in book order
    int length;   // the words of its English
    int need;     // how much a traveller needs it, 0 to 3
};

// `kinds[p * words + i]` is how phrase p matched word i. The phrase numbers
// of the rows, best first.
std::vector<int> RankPhrases(const std::vector<std::uint8_t>& kinds, std::size_t words,
                             const std::vector<IndexedSlot>& phrases, std::size_t familyCount);
