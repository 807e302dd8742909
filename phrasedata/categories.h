#pragma once
// The ten categories of the phrase book, their subcategories and phrase ranges.

#include <optional>
#include <span>
#include <string_view>

struct PhraseRange {
    int first;
    int last;   // inclusive
};

struct Subcategory {
    std::u16string_view name;
    PhraseRange phrases;
};

struct Category {
    int code;                               // category number x 100
    std::u16string_view buttonLabel;
    std::span<const Subcategory> subcategories;   // index 0 is "All"
};

// The view codes of the categories, as their buttons and the map know them.
enum CategoryCode : int {
    kBasicCode = 100,
    kTravelCode = 200,
    kFoodCode = 300,
    kLodgingCode = 400,
    kBusinessCode = 500,
    kSightseeingCode = 600,
    kSocialCode = 700,
    kShoppingCode = 800,
    kEmergencyCode = 900,
    kQuestionCode = 1000,
};

constexpr int kFavouritesCode = 1100;

// The categories in code order (100 to 1000).
std::span<const Category> Categories();

// The category of a view code (code / 100); nothing for favourites, results or
// anything else.
const Category* CategoryOf(int viewCode);

// The phrase range of a subcategory code (view code + subcategory index);
// nothing when the code names no subcategory.
std::optional<PhraseRange> RangeOfCode(int code);
