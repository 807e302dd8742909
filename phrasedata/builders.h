#pragma once
// The builders that turn the UTF-16 text sources (one phrase per line, lines
// ended by LF, the CR before it kept) into the fixed-record phrase files, in
// the current directory. The window never calls them. Each output is written
// whole or not at all: a build that fails leaves the old file as it was.

#include "windowviews.h"

#include <cstddef>

// Sources larger than this are refused rather than read in part.
constexpr std::size_t kMaxSourceBytes = 1 << 20;

// "English.txt" -> "English.dat": exactly 831 records numbered 1 to 831; tabs
// are removed, a carriage return stays. False when a file cannot be opened or
// the source is too large; "Not enough memory" when the work buffer cannot be had.
bool BuildEnglishData(MessageBoxes& messages);

// "Orlenic.txt" -> "French.dat": one record per source line, at most 831;
// nothing is removed from a line.
bool BuildFrenchData();
