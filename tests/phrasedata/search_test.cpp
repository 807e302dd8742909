// Keyword search over the category map, and the phrases related to the last one heard.

#include "fakeviews.h"
#include "phrasefixtures.h"
#include "search.h"

#include <gtest/gtest.h>

class Search : public PhraseBookTest {
protected:
    void Find(const std::u16string& keyword, bool exact = false)
    {
        w.window.keywordControl = keyword;
        w.window.exactMatchControl = exact;
        book.SearchPhrases();
    }
};

TEST_F(Search, FindsWhatTheMapsFirstRecordsHoldUpToALineFeed)
{
    WriteMap({{"Hello, how are you?"}, {"Good morning"}, {"Hello again"}, {"I would like [coffee|tea]", 2},
              {"I would like [tea]"}, {"Only [milk|water]", 2}, {"Only [water] juice"}, {"Cr\xE8me br\xFBl\xE9"},
              {"CAF\xC9"}, {"Middle\nhidden words"}, {std::string(170, 'a')}, {"The very last"}});
    // A family is examined once, by its first record and its group.
    const struct { std::u16string keyword; bool exact; Texts rows; } cases[] = {
        {u"HELLO", false, {"Hello, how are you?", "Hello again"}}, {u"HELLO", true, {}},
        {u"hello, how are you?", true, {"Hello, how are you?"}}, {u"tea", false, {"I would like [coffee]"}},
        {u"juice", false, {}}, {u"i would like [coffee|tea]", true, {"I would like [coffee]"}},
        {u"cr\u00E8me", false, {"Cr\u00E8me br\u00FBl\u00E9"}}, {u"caf\u00E9", false, {"CAF\u00C9"}},
        {u"hidden", false, {}}, {u"middle", true, {"Middle\nhidden words"}}, {u"last", false, {"The very last"}},
        {std::u16string(170, u'A'), true, {std::string(170, 'a')}},
    };
    for (const auto& c : cases) {
        Find(c.keyword, c.exact);
        EXPECT_EQ(w.list.Texts(), c.rows) << Utf16ToUtf8(c.keyword).substr(0, 30) << (c.exact ? " (exact)" : "");
    }
    EXPECT_EQ(w.messages.shown, Shown(3, {"This item can't be found"}));   // only the empty results say so
}

TEST_F(Search, KeywordIsHeldToItsBufferAndATornMapEndsTheScan)
{
    WriteMap({{"alpha"}, {"alpha beta"}});
    Find(std::u16string(2000, u'a'));
    EXPECT_EQ(book.keywordText.size(), 511u);
    EXPECT_TRUE(w.list.rows.empty());
    Bytes bytes = ReadFile("MapEngSpec.data");
    bytes.pop_back();
    WriteFile("MapEngSpec.data", bytes);
    Find(u"alpha");
    EXPECT_EQ(w.list.Texts(), Texts{"alpha"});
}

TEST_F(Search, EmptyKeywordOrMissingMapLeavesTheList)
{
    w.list.AddPlainRow(u"kept");
    Find(u"");
    Find(u"anything");
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_EQ(w.messages.shown, Shown{{"Can't read data file"}});
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
