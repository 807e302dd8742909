#pragma once
// The phrase book as the data files hold it, made from the source lines and
// checked against what the program's readers rely on: texts that fit their
// record fields, English keys that are unique (the window finds a phrase by
// its text), families whose members' texts are the ones the list produces
// when the user picks an alternative, and families that lie inside every
// listing range of the category table.

#include "make_phrasebook_source.h"

#include <string>
#include <vector>

struct BookPhrase {
    int number = 0;
    int line = 0;            // where it is written in the source
    std::string english;     // "English.dat": a member's text with its alternative in brackets
    std::string mapText;     // "MapEngSpec.data": the family's group on its first phrase
    int variantCount = 1;    // phrases the map record stands for
    int familyFirst = 0;     // the family's first phrase; the phrase itself outside families
    std::u16string french;   // "French.dat": as shown, with no-break spaces
    std::string spokenFrench;   // the source's French, which is what is spoken
};

// One entry per source line, in order; every fault found is added to `faults`.
std::vector<BookPhrase> MakeBook(const std::vector<SourceLine>& lines, SourceFaults& faults);
