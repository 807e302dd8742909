// The category table, the subcategory box and listing map rows.

#include "categories.h"
#include "fakeviews.h"
#include "phrasefixtures.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

TEST(CategoryTable, RangesAreTheBooksOwnAndTileIt)
{
    const int expected[][3] = {
        {100, 1, 171},    {101, 1, 7},      {107, 98, 171},   {200, 172, 330},  {204, 190, 262},
        {205, 268, 293},  {206, 263, 267},  {210, 322, 330},  {300, 331, 474},  {305, 416, 474},
        {400, 475, 548},  {407, 541, 548},  {500, 549, 567},  {501, 550, 558},  {502, 559, 567},
        {600, 568, 611},  {603, 598, 611},  {700, 612, 660},  {703, 657, 660},  {800, 661, 714},
        {804, 707, 714},  {900, 715, 764},  {903, 754, 764},  {1000, 765, 831}, {1005, 808, 831},
    };
    for (const auto& [code, first, last] : expected) {
        const auto range = RangeOfCode(code);
        ASSERT_TRUE(range) << code;
        EXPECT_EQ(std::pair(range->first, range->last), std::pair(first, last)) << code;
    }
    for (int code : {0, 99, 108, 211, 306, 503, 1006, 1100, 1101, -1, 1200})
        EXPECT_FALSE(RangeOfCode(code)) << code;

    // In the numbers, Food comes before Lodging and Lodging before Business,
    // though the buttons order them otherwise.
    int next = 1;
    for (int code = 100; code <= 1000; code += 100) {
        EXPECT_EQ(RangeOfCode(code)->first, next) << code;
        next = RangeOfCode(code)->last + 1;
    }
    EXPECT_EQ(next, 832);

    std::vector<std::u16string_view> labels;
    for (const Category& category : Categories()) {
        labels.push_back(category.buttonLabel);
        EXPECT_EQ(category.subcategories[0].name, u"All");
        for (const Subcategory& sub : category.subcategories) {
            EXPECT_GE(sub.phrases.first, category.subcategories[0].phrases.first);
            EXPECT_LE(sub.phrases.last, category.subcategories[0].phrases.last);
        }
    }
    EXPECT_EQ(labels, (std::vector<std::u16string_view>{u"Basic", u"Travel", u"Food", u"Logding", u"Business",
                                                         u"SightSeeing", u"Social", u"Shopping", u"Emergency",
                                                         u"Question"}));
}

using CategoryMap = PhraseBookTest;

TEST_F(CategoryMap, SubcategoryBoxForEachCategory)
{
    book.viewCode = 200;
    book.favoriteButtonAdds = false;
    book.FillSubcategories();
    EXPECT_EQ(w.subcategories.names,
              (Texts{"All", "Arrival", "Loss and damage", "Directions", "Plane", "Signs", "Train/Bus", "Car rental",
                     "Gas and Parking", "Problems", "Taxi"}));
    EXPECT_EQ(w.subcategories.selected, 0);
    EXPECT_TRUE(w.subcategories.enabled);
    EXPECT_TRUE(book.favoriteButtonAdds);

    book.viewCode = 1100;
    book.FillSubcategories();
    EXPECT_EQ(w.subcategories.names, Texts{"All"});
    EXPECT_FALSE(w.subcategories.enabled);
    EXPECT_FALSE(book.favoriteButtonAdds);

    book.viewCode = 503;   // a code with an index selects it
    book.FillSubcategories();
    EXPECT_EQ(w.subcategories.names, (Texts{"All", "Basic", "Exchange Information"}));
    EXPECT_EQ(w.subcategories.selected, -1);
    book.viewCode = 502;
    book.FillSubcategories();
    EXPECT_EQ(w.subcategories.selected, 2);
}

TEST_F(CategoryMap, FamiliesAreListedByTheirFirstRecord)
{
    WriteEnglishTexts({u"One", u"Two", u"Take [bus]", u"Take [train]", u"Five", u"Six", u"Seven", u"Eight"});
    WriteMap({{"One"}, {"Two"}, {"Take [bus|train]", 2}, {"Take [train]"}, {"Five"}, {"Six"}, {"Seven"}, {"Eight"}});
    WriteFrench({u"Un\r"});
    book.OpenDataFiles();
    book.viewCode = 100;
    book.FillSubcategories();
    w.subcategories.Select(1);   // Greetings: 1-7
    book.ShowSubcategory();
    EXPECT_EQ(w.list.Texts(), (Texts{"One", "Two", "Take [bus]", "Five", "Six", "Seven"}));
    ASSERT_TRUE(w.list.rows[2].item);
    EXPECT_EQ(w.list.rows[2].item->rawText, u"Take [bus|train]");
    EXPECT_EQ(w.list.extent, 10 + 10);   // "Take [bus]" is the widest at one pixel a unit
    EXPECT_EQ(w.window.firstRowSelections, 1);
    EXPECT_EQ(book.selectedPhrase, 1);
    EXPECT_EQ(book.translationText, u"Un");

    // With no subcategory selected the list stays as it is.
    w.subcategories.selected = -1;
    book.ShowSubcategory();
    EXPECT_EQ(w.list.Texts().size(), 6u);
}

TEST_F(CategoryMap, DamagedOrShortMapsListEachRowOnceInsideTheRange)
{
    const struct {
        const char* what;
        std::vector<MapEntry> map;
        int first, last;
        Texts rows;
    } cases[] = {
        {"family starting inside", {{"A"}, {"B [x|y|z]", 3}, {"B [y]"}, {"B [z]"}, {"E"}}, 1, 2, {"A", "B [x]"}},
        {"family listed whole", {{"A"}, {"B [x|y|z]", 3}, {"B [y]"}, {"B [z]"}, {"E"}}, 1, 5, {"A", "B [x]", "E"}},
        {"family past the end", {{"A"}, {"B"}, {"C [x|y]", 5}}, 1, 10, {"A", "B", "C [x]"}},
        {"range past the end", {{"A"}, {"B"}, {"C [x|y]", 5}}, 4, 10, {}},
        {"odd variant counts", {{"A", -3}, {"B", 0}, {"C", 32767}, {"D"}}, 1, 4, {"A", "B", "C"}},
        {"Windows-1252 text", {{"Caf\xE9 cr\xE8me \x80"}}, 1, 1, {"Caf\u00E9 cr\u00E8me \u20AC"}},
    };
    for (const auto& c : cases) {
        WriteMap(c.map);
        book.LoadMapRange(c.first, c.last);
        EXPECT_EQ(w.list.Texts(), c.rows) << c.what;
    }
}

TEST_F(CategoryMap, MissingMapSaysSoAfterTheRangeIsKeyed)
{
    WriteNumberedBook(3);
    std::remove("MapEngSpec.data");
    book.OpenDataFiles();
    w.list.AddPlainRow(u"old");
    ASSERT_TRUE(book.LoadPhraseRange(1, 3));
    EXPECT_TRUE(w.list.rows.empty());
    EXPECT_EQ(book.phraseIds.size(), 3u);
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"Can't read Map file", "Lexavant_French"}}));
}

TEST_F(CategoryMap, FavouritesCodeListsTheStore)
{
    WriteNumberedBook(3);
    book.OpenDataFiles();
    book.selectedText = u"Phrase 2";
    book.selectedPhrase = 2;
    ASSERT_TRUE(book.AddFavourite());
    book.viewCode = 1100;
    book.FillSubcategories();
    book.ShowSubcategory();
    EXPECT_EQ(w.list.Texts(), Texts{"Phrase 2"});
    EXPECT_EQ(book.selectedPhrase, 2);
}
