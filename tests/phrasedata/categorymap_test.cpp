// The category table, the subcategory box, listing map rows, keyword search over the map, and the phrases related
// to the last one heard.

#include "categories.h"
#include "phrasebooktest.h"
#include "phrasefixtures.h"
#include "search.h"

#include <gtest/gtest.h>

TEST(CategoryTable, OnlySubcategoryCodesHaveRanges)
{
    for (int code : {100, 107, 1005})
        EXPECT_TRUE(RangeOfCode(code)) << code;
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

using Search = PhraseBookTest;

TEST_F(Search, FindsWhatTheMapsFirstRecordsHoldUpToALineFeed)
{
    WriteMap({{"Hello, how are you?"}, {"Good morning"}, {"Hello again"}, {"I would like [coffee|tea]", 2},
              {"I would like [tea]"}, {"Only [milk|water]", 2}, {"Only [water] juice"}, {"Cr\xE8me br\xFBl\xE9"},
              {"CAF\xC9"}, {"Middle\nhidden words"}, {std::string(170, 'a')}, {"The very last"}});
    // A family is examined once, by its first record and its group.
    const struct { std::u16string keyword; bool exact; Texts rows; } cases[] = {
        {u"HELLO", false, {"Hello again", "Hello, how are you?"}}, {u"HELLO", true, {}},
        {u"hello, how are you?", true, {"Hello, how are you?"}}, {u"tea", false, {"I would like [coffee]"}},
        {u"juice", false, {}}, {u"i would like [coffee|tea]", true, {"I would like [coffee]"}},
        {u"cr\u00E8me", false, {"Cr\u00E8me br\u00FBl\u00E9"}}, {u"caf\u00E9", false, {"CAF\u00C9"}},
        {u"hidden", false, {}}, {u"middle", true, {"Middle\nhidden words"}}, {u"last", false, {"The very last"}},
        {std::u16string(170, u'A'), true, {std::string(170, 'a')}},
    };
    for (const auto& c : cases) {
        w.Search(c.keyword, c.exact);
        EXPECT_EQ(w.list.Texts(), c.rows) << Utf16ToUtf8(c.keyword).substr(0, 30) << (c.exact ? " (exact)" : "");
    }
    EXPECT_EQ(w.messages.shown, Shown(3, {"This item can't be found"}));   // only the empty results say so
}

TEST_F(Search, FrenchMatchesFollowTheEnglishOnesWithoutCaseOrAccents)
{
    WriteMap({{"Exit"}, {"My [tea|coffee] now.", 2}, {"My [coffee] now."}, {"A coffee, please."}, {"Way out?"}});
    WriteEnglishTexts({u"Exit", u"My [tea] now.", u"My [coffee] now.", u"A coffee, please.", u"Way out?"});
    WriteFrench({u"Sortie\r", u"Mon th\u00E9 est froid.\r", u"Mon caf\u00E9 est froid.\r",
                 u"Un CAF\u00C9, s\u2019il vous pla\u00EEt.\r", u"Quelle sortie\u00A0?\r"});
    book.OpenDataFiles();
    // A family is listed once, by the member that matched; with "Exact match only" English matches come first.
    // Case, accents and apostrophes are checked on the bundled book (search_content_test).
    const struct { std::u16string keyword; bool exact; Texts rows; } cases[] = {
        {u"coffee", false, {"My [coffee] now.", "A coffee, please."}}, {u"ou", false, {"Way out?", "A coffee, please."}},
        {u"quelle sortie ?", true, {"Way out?"}}};
    for (const auto& c : cases) {
        w.Search(c.keyword, c.exact);
        EXPECT_EQ(w.list.Texts(), c.rows) << Utf16ToUtf8(c.keyword);
    }
}

TEST_F(Search, AnEmptyKeywordOrMissingMapLeavesTheListAKeywordIsHeldToItsBufferAndATornMapEndsTheScan)
{
    w.list.AddPlainRow(u"kept");
    w.Search(u"");
    w.Search(u"anything");
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_EQ(w.messages.shown, Shown{{"Can't read data file"}});
    WriteMap({{"alpha"}, {"alpha beta"}});
    w.Search(std::u16string(2000, u'a'));
    EXPECT_EQ(book.keywordText.size(), 511u);
    EXPECT_TRUE(w.list.rows.empty());
    Bytes bytes = ReadFile("MapEngSpec.data");
    bytes.pop_back();
    WriteFile("MapEngSpec.data", bytes);
    w.Search(u"alpha");
    EXPECT_EQ(w.list.Texts(), Texts{"alpha"});
}

using Related = PhraseBookTest;

TEST_F(Related, NothingRelatedOrShortAndHostileTablesStayInBounds)
{
    std::array<std::uint8_t, kRelateRowBytes> row{};
    row[103] = 0x03;   // 831 and the spare 832nd bit
    EXPECT_EQ(RelatedPhraseNumbers(row), (std::vector<int>{831}));
    WriteNumberedBook(3);
    book.OpenDataFiles();
    w.list.AddPlainRow(u"kept");
    const auto listFor = [&](int phrase) { book.loadedPhrase = phrase; return book.FindRelatedPhrases(); };
    WriteRelated({{}, {}, {}});
    EXPECT_FALSE(listFor(3));
    WriteRelated({{}, {}, {2, 500, 831}}, 3);   // phrases past the English file give no rows
    EXPECT_FALSE(listFor(700));   // past the rows the table holds
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_TRUE(listFor(3));
    EXPECT_EQ(w.list.Texts(), Texts{"Phrase 2"});
    std::remove("Relate.dat");
    EXPECT_FALSE(listFor(3));
    EXPECT_EQ(w.list.Texts(), Texts{"Phrase 2"});
}
