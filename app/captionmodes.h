#pragma once
// The three caption modes of the main window: which input controls show,
// what the two captions say, and whether entering the mode empties the list.

#include "phrasebook.h"
#include "resources/controlids.h"

#include <array>

struct CaptionModeRow {
    int mode;
    const char16_t* firstCaption;
    const char16_t* secondCaption;
    std::array<int, 3> hidden;   // in this order; 0 ends the list
    std::array<int, 3> shown;
    bool emptiesList;
};

inline constexpr CaptionModeRow kCaptionModes[] = {
    {kBrowseMode, u"Sub category:", u"",
     {resources::kRunSearchButton, resources::kKeywordBox, resources::kExactMatchBox},
     {resources::kSubcategoryBox, resources::kFirstCaption, 0}, true},
    {kSearchMode, u"Your key word:", u"Your phrases:",
     {resources::kSubcategoryBox, 0, 0},
     {resources::kExactMatchBox, resources::kKeywordBox, resources::kRunSearchButton}, true},
    {kRelatedMode, u"Your phrase:", u"Related phrases:",
     {resources::kSubcategoryBox, resources::kRunSearchButton, resources::kExactMatchBox},
     {resources::kKeywordBox, 0, 0}, false},
};
