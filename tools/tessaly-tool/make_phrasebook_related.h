#pragma once
// Choosing each phrase's related phrases for "Relate.dat": phrases of the same
// topic (its subcategory), phrases that share its less common words, the
// other members of its family, and the question that a statement nearby
// answers. The choice depends on nothing but the book, so it is the same on
// every run.

#include "make_phrasebook_book.h"

#include <vector>

constexpr int kMaxRelated = 10;

// For the phrase at each index of `book` (numbered 1, 2, ... in order), 1 to
// kMaxRelated phrase numbers, best first, never the phrase itself.
std::vector<std::vector<int>> ChooseRelatedPhrases(const std::vector<BookPhrase>& book);
