#pragma once
// Writing the phrase book's data files in the current directory: the UTF-16
// text sources "English.txt" and "Orlenic.txt", "English.dat" and
// "French.dat" made from them by the program's own builders, the category
// map "MapEngSpec.data" and the related-phrase table "Relate.dat".

#include "make_phrasebook_book.h"

#include <string>
#include <vector>

// Each returns false with a description in `error` when a file cannot be written.
bool WriteTextSources(const std::vector<BookPhrase>& book, std::string& error);
bool RunBuilders(std::string& error);
bool WriteCategoryMap(const std::vector<BookPhrase>& book, std::string& error);
bool WriteRelatedTable(const std::vector<std::vector<int>>& related, std::string& error);
