#pragma once
// The word index of the phrase book in the current folder: its families from
// the category map, each phrase's English ("English.dat") and French
// ("French.dat"), and the search data files beside them. Built when first
// needed and again whenever one of those files changes.

#include "wordindex.h"

#include <memory>
#include <string>
#include <vector>

// A run of map records listed as one row: the first phrase number, how many
// phrases it stands for, and the first record's text.
struct MapFamily {
    int first;
    int members;
    std::string mapText;
};

class BookIndex {
public:
    // The index of the book whose families are `families`, built or rebuilt
    // as needed.
    const WordIndex& For(const std::vector<MapFamily>& families);
    // A phrase's French as the index read it, folded for comparison (lower
    // case, no accents); empty for a phrase it does not hold.
    std::u16string_view FoldedFrench(int number) const;

private:
    std::unique_ptr<WordIndex> index;
    std::vector<std::u16string> foldedFrench;   // by phrase number
    std::string builtFrom;   // the sizes and times of the files it was built from
};

// What the index is built from, read from the files in the current folder.
std::vector<IndexedPhrase> ReadIndexedPhrases(const std::vector<MapFamily>& families);
