#pragma once
// The phrase book's source, data/source/phrasebook.txt: UTF-8, one phrase per
// line as "NUMBER | English | French", "#" comments and blank lines skipped.
// This reads the lines and checks their shape and numbering; what a phrase may
// say is checked by make_phrasebook_book.h.

#include <string>
#include <string_view>
#include <vector>

// A fault found in the source, with the line it is on (0: the file as a whole).
struct SourceFault {
    int line = 0;
    std::string message;
};
using SourceFaults = std::vector<SourceFault>;

struct SourceLine {
    int line = 0;      // 1-based line of the source file
    int number = 0;    // the phrase number written on it
    std::string english;
    std::string french;
};

// The phrase lines in file order. The numbers must run 1, 2, 3, ... to the
// book's last phrase; a line out of order is reported and kept.
std::vector<SourceLine> ReadSourceLines(std::string_view source, SourceFaults& faults);
