#pragma once
// What a printed phrase sheet holds: for each chosen phrase its English, its
// French and how to say it, grouped under the category it belongs to.

#include <filesystem>
#include <string>
#include <vector>

struct SheetPhrase {
    int number = 0;
    std::u16string english;      // without the brackets of its alternative
    std::u16string french;
    std::u16string respelling;   // empty when there is no guide
};

struct SheetGroup {
    std::u16string category;     // "Basic", "Lodging" ...
    std::vector<SheetPhrase> phrases;
};

// The phrases `numbers` names, read from the phrase files in `dataFolder`,
// each once, grouped by category in the categories' order and kept in the
// given order within a group. Numbers outside the book are left out.
std::vector<SheetGroup> GatherSheetPhrases(const std::filesystem::path& dataFolder, const std::vector<int>& numbers);

// The phrase numbers of the favourites stored in `favouritesFile`, in the
// order they were added; empty when there is no such file.
std::vector<int> FavouritePhraseNumbers(const std::filesystem::path& favouritesFile);
