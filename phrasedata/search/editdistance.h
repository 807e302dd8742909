#pragma once
// Typing slips: how many single-letter edits (insert, delete, substitute, or
// swap two neighbours) turn one word into another.

#include <cstddef>
#include <string_view>

// The edits a word of this many letters may be away from a book word:
// none below five letters, one from five, two from nine.
int TypoAllowance(std::size_t letters);

// The edit distance of `a` and `b` with neighbour swaps counted as one edit,
// or `limit` + 1 as soon as it is known to exceed `limit`.
int EditDistance(std::string_view a, std::string_view b, int limit);
