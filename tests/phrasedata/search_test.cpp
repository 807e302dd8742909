// Keyword search over the category map.

#include "fakeviews.h"
#include "phrasefixtures.h"
#include "search.h"
#include "tempdir.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

class Search : public ::testing::Test {
protected:
    ScopedTempDir dir;
    FakeWindowSet w;
    PhraseBook& book = w.book;

    void Find(const std::u16string& keyword, bool exact = false)
    {
        w.window.keywordControl = keyword;
        w.window.exactMatchControl = exact;
        book.SearchPhrases();
    }
};

TEST_F(Search, FindsSubstringsWithoutRegardToCase)
{
    WriteMap({{"Hello, how are you?"}, {"Good morning"}, {"Hello again"}});
    Find(u"HELLO");
    EXPECT_EQ(w.list.Texts(), (Texts{"Hello, how are you?", "Hello again"}));
    EXPECT_EQ(w.window.reads, 1);
    EXPECT_EQ(book.keywordText, u"HELLO");

    Find(u"HELLO", true);
    EXPECT_TRUE(w.list.rows.empty());
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"This item can't be found", "Lexavant_French"}}));

    Find(u"hello, how are you?", true);
    EXPECT_EQ(w.list.Texts(), Texts{"Hello, how are you?"});
}

TEST_F(Search, FamiliesAreExaminedOnceByTheirFirstRecord)
{
    WriteMap({{"I would like [coffee|tea]", 2}, {"I would like [tea]"}, {"Only [milk|water]", 2}, {"Only [water] juice"}});
    Find(u"tea");
    EXPECT_EQ(w.list.Texts(), Texts{"I would like [coffee]"});
    EXPECT_EQ(w.list.rows[0].item->rawText, u"I would like [coffee|tea]");
    Find(u"juice");
    EXPECT_TRUE(w.list.rows.empty());
    // An exact match needs the stored text with its group.
    Find(u"i would like [coffee|tea]", true);
    EXPECT_EQ(w.list.Texts(), Texts{"I would like [coffee]"});
}

TEST_F(Search, LastRecordAndLineFeeds)
{
    WriteMap({{"First"}, {"Middle\nhidden words"}, {"The very last"}});
    Find(u"last");
    EXPECT_EQ(w.list.Texts(), Texts{"The very last"});
    Find(u"hidden");
    EXPECT_TRUE(w.list.rows.empty());
    Find(u"middle", true);
    EXPECT_EQ(w.list.Texts(), Texts{"Middle\nhidden words"});
}

TEST_F(Search, AccentedKeywordsFindAccentedMapTexts)
{
    WriteMap({{"Cr\xE8me br\xFBl\xE9"}, {"CAF\xC9"}});
    Find(u"cr\u00E8me");
    EXPECT_EQ(w.list.Texts(), Texts{"Cr\u00E8me br\u00FBl\u00E9"});
    Find(u"caf\u00E9");
    EXPECT_EQ(w.list.Texts(), Texts{"CAF\u00C9"});
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

TEST_F(Search, KeywordIsHeldToItsBuffer)
{
    WriteMap({{std::string(170, 'a')}});
    Find(std::u16string(2000, u'a'));
    EXPECT_EQ(book.keywordText.size(), 511u);
    EXPECT_TRUE(w.list.rows.empty());
    Find(std::u16string(170, u'A'), true);
    EXPECT_EQ(w.list.rows.size(), 1u);
}

TEST_F(Search, TruncatedMapEndsTheScan)
{
    WriteMap({{"alpha"}, {"alpha beta"}});
    Bytes bytes = ReadFile("MapEngSpec.data");
    bytes.resize(bytes.size() - 1);
    WriteFile("MapEngSpec.data", bytes);
    Find(u"alpha");
    EXPECT_EQ(w.list.Texts(), Texts{"alpha"});
}

TEST_F(Search, FrenchMatchesFollowTheEnglishOnesWithoutCaseOrAccents)
{
    WriteMap({{"Exit"}, {"Two espressos, please."}, {"My [tea|coffee] is cold.", 2}, {"My [coffee] is cold."},
              {"A coffee, please."}, {"Which way out?"}});
    WriteEnglishTexts({u"Exit", u"Two espressos, please.", u"My [tea] is cold.", u"My [coffee] is cold.",
                       u"A coffee, please.", u"Which way out?"});
    WriteFrench({u"Sortie\r", u"Deux caf\u00E9s, s'il vous pla\u00EEt.\r", u"Mon th\u00E9 est froid.\r",
                 u"Mon caf\u00E9 est froid.\r", u"Un CAF\u00C9, s\u2019il vous pla\u00EEt.\r",
                 u"Quelle sortie\u00A0?\r"});
    book.OpenDataFiles();
    const struct {
        std::u16string keyword;
        bool exact;
        Texts rows;
    } cases[] = {
        {u"cafe", false, {"Two espressos, please.", "My [coffee] is cold.", "A coffee, please."}},
        {u"CAF\u00C9", false, {"Two espressos, please.", "My [coffee] is cold.", "A coffee, please."}},
        // English matches keep their rows and order; a family is listed once.
        {u"coffee", false, {"My [tea] is cold.", "A coffee, please."}},
        {u"sortie", false, {"Exit", "Which way out?"}},
        {u"ou", false, {"Which way out?", "Two espressos, please.", "A coffee, please."}},
        {u"S'IL VOUS PLAIT", false, {"Two espressos, please.", "A coffee, please."}},
        {u"quelle sortie ?", true, {"Which way out?"}},
        {u"sortie", true, {"Exit"}},
        {u"th\u00E9", false, {"My [tea] is cold."}},
    };
    for (const auto& c : cases) {
        Find(c.keyword, c.exact);
        EXPECT_EQ(w.list.Texts(), c.rows) << Utf16ToUtf8(c.keyword);
    }
    Find(u"caf\u00E9");
    ASSERT_EQ(w.list.rows.size(), 3u);
    // The member whose French matched is shown; its word can still be changed.
    EXPECT_EQ(w.list.rows[1].item->rawText, u"My [tea|coffee] is cold.");
    EXPECT_TRUE(w.messages.shown.empty());
    Find(u"fromage");
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"This item can't be found", "Lexavant_French"}}));
}

TEST(WidenMapText, StopsAtLineFeedAndConvertsTheCodePage)
{
    EXPECT_EQ(WidenMapText("abc\ndef"), u"abc");
    EXPECT_EQ(WidenMapText(""), u"");
    EXPECT_EQ(WidenMapText("\xE9\x80"), u"\u00E9\u20AC");
}
