// Keyword search over the category map.

#include "fakeviews.h"
#include "phrasefixtures.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

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
    const struct {
        std::u16string keyword;
        bool exact;
        Texts rows;
    } cases[] = {
        {u"HELLO", false, {"Hello, how are you?", "Hello again"}},
        {u"HELLO", true, {}},
        {u"hello, how are you?", true, {"Hello, how are you?"}},
        // A family is examined once, by its first record and its group.
        {u"tea", false, {"I would like [coffee]"}},
        {u"juice", false, {}},
        {u"i would like [coffee|tea]", true, {"I would like [coffee]"}},
        {u"cr\u00E8me", false, {"Cr\u00E8me br\u00FBl\u00E9"}},
        {u"caf\u00E9", false, {"CAF\u00C9"}},
        {u"hidden", false, {}},
        {u"middle", true, {"Middle\nhidden words"}},
        {u"last", false, {"The very last"}},
        {std::u16string(170, u'A'), true, {std::string(170, 'a')}},
    };
    for (const auto& c : cases) {
        Find(c.keyword, c.exact);
        EXPECT_EQ(w.list.Texts(), c.rows) << Utf16ToUtf8(c.keyword).substr(0, 30) << (c.exact ? " (exact)" : "");
    }
    Find(u"tea");
    EXPECT_EQ(w.list.rows[0].item->rawText, u"I would like [coffee|tea]");
    EXPECT_EQ(w.window.reads, int(std::size(cases)) + 1);
    // Only the empty results say so.
    EXPECT_EQ(w.messages.shown, std::vector<ShownMessage>(3, {"This item can't be found", "Lexavant_French"}));
}

TEST_F(Search, KeywordIsHeldToItsBufferAndATornMapEndsTheScan)
{
    WriteMap({{"alpha"}, {"alpha beta"}});
    Find(std::u16string(2000, u'a'));
    EXPECT_EQ(book.keywordText.size(), 511u);
    EXPECT_TRUE(w.list.rows.empty());

    Bytes bytes = ReadFile("MapEngSpec.data");
    bytes.resize(bytes.size() - 1);
    WriteFile("MapEngSpec.data", bytes);
    Find(u"alpha");
    EXPECT_EQ(w.list.Texts(), Texts{"alpha"});
}

TEST_F(Search, EmptyKeywordOrMissingMapLeavesTheList)
{
    w.list.AddPlainRow(u"kept");
    Find(u"");
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_TRUE(w.messages.shown.empty());
    Find(u"anything");
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"Can't read data file", "Lexavant_French"}}));
}
