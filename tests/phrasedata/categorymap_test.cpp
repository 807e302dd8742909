// The category table, the subcategory box and listing map rows.

#include "categories.h"
#include "fakeviews.h"
#include "phrasefixtures.h"

#include <gtest/gtest.h>

TEST(CategoryTable, OnlySubcategoryCodesHaveRanges)
{
    for (const auto& [code, first, last] : {std::tuple{100, 1, 171}, {107, 98, 171}, {1005, 808, 831}}) {
        ASSERT_TRUE(RangeOfCode(code)) << code;
        EXPECT_EQ(std::pair(RangeOfCode(code)->first, RangeOfCode(code)->last), std::pair(first, last)) << code;
    }
    for (int code : {-1, 0, 99, 108, 211, 1006, 1100, 1200})
        EXPECT_FALSE(RangeOfCode(code)) << code;
}

using CategoryMap = PhraseBookTest;

TEST_F(CategoryMap, SubcategoryBoxSelectsTheIndexOfItsCode)
{
    book.viewCode = 502;
    book.FillSubcategories();
    EXPECT_EQ(w.subcategories.names, (Texts{"All", "Basic", "Exchange Information"}));
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
    EXPECT_EQ(w.list.extent, 10 + 10);   // "Take [bus]" is the widest at one pixel a unit
    EXPECT_EQ(book.translationText, u"Un");   // the first row is shown
    w.subcategories.selected = -1;   // with no subcategory selected the list stays
    book.ShowSubcategory();
    EXPECT_EQ(w.list.Texts().size(), 6u);
}

TEST_F(CategoryMap, DamagedOrShortMapsListEachRowOnceInsideTheRange)
{
    const std::vector<MapEntry> family = {{"A"}, {"B [x|y|z]", 3}, {"B [y]"}, {"B [z]"}, {"E"}};
    const std::vector<MapEntry> runsOver = {{"A"}, {"B"}, {"C [x|y]", 5}};
    const struct { std::vector<MapEntry> map; int first, last; Texts rows; } cases[] = {
        {family, 1, 2, {"A", "B [x]"}}, {family, 1, 5, {"A", "B [x]", "E"}},
        {runsOver, 1, 10, {"A", "B", "C [x]"}}, {runsOver, 4, 10, {}},
        {{{"A", -3}, {"B", 0}, {"C", 32767}, {"D"}}, 1, 4, {"A", "B", "C"}},
        {{{"Caf\xE9 cr\xE8me \x80"}}, 1, 1, {"Caf\u00E9 cr\u00E8me \u20AC"}},
    };
    for (const auto& c : cases) {
        WriteMap(c.map);
        book.LoadMapRange(c.first, c.last);
        EXPECT_EQ(w.list.Texts(), c.rows) << c.map[0].text << " " << c.first << "-" << c.last;
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
    EXPECT_EQ(w.messages.shown, Shown{{"Can't read Map file"}});
}
