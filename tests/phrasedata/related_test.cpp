// Listing the phrases related to the phrase whose clip was loaded last.

#include "fakeviews.h"
#include "phrasefixtures.h"
#include "search.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

class Related : public PhraseBookTest {
protected:

    void SetUp() override
    {
        WriteNumberedBook(831);
        book.OpenDataFiles();
    }
};

TEST_F(Related, ListsRelatedPhrasesInNumberOrderWithoutBrackets)
{
    std::vector<std::vector<int>> related(831);
    related[4] = {16, 1, 831};
    WriteRelated(related);
    book.loadedPhrase = 5;
    ASSERT_TRUE(book.FindRelatedPhrases());
    EXPECT_EQ(w.list.Texts(), (Texts{"Phrase 1", "Phrase 16", "Phrase 831"}));
    EXPECT_EQ(book.phraseIds.size(), 3u);
    EXPECT_EQ(book.phraseIds.at(u"Phrase 16"), u"16");

    WriteEnglish({{u"\uFEFFSee [you] later\r", 1}, {u"Bye", 2}});
    book.OpenDataFiles();
    book.loadedPhrase = 5;
    ASSERT_TRUE(book.FindRelatedPhrases());
    EXPECT_EQ(w.list.Texts(), Texts{"See you later"});
    EXPECT_EQ(book.phraseIds.at(u"See you later"), u"1");
}

TEST_F(Related, NothingRelatedChangesNothing)
{
    WriteRelated(std::vector<std::vector<int>>(831));
    w.list.AddPlainRow(u"kept");
    book.phraseIds.emplace(u"kept", DecimalText(9));
    book.loadedPhrase = 9;
    EXPECT_FALSE(book.FindRelatedPhrases());
    std::remove("Relate.dat");
    EXPECT_FALSE(book.FindRelatedPhrases());
    EXPECT_EQ(w.list.Texts(), Texts{"kept"});
    EXPECT_EQ(book.phraseIds.size(), 1u);
}

TEST_F(Related, ShortOrHostileTablesStayInBounds)
{
    std::array<std::uint8_t, kRelateRowBytes> row{};
    row[103] = 0x03;   // 831 and the spare 832nd bit
    EXPECT_EQ(RelatedPhraseNumbers(row), (std::vector<int>{831}));

    std::vector<std::vector<int>> related(3);
    related[2] = {2};
    WriteRelated(related, 3);
    book.loadedPhrase = 700;   // past the rows the file holds
    EXPECT_FALSE(book.FindRelatedPhrases());
    book.loadedPhrase = 3;
    EXPECT_TRUE(book.FindRelatedPhrases());
    EXPECT_EQ(w.list.Texts(), Texts{"Phrase 2"});

    // Bits naming phrases past the end of the English file give no rows.
    WriteEnglishTexts({u"Only one"});
    book.OpenDataFiles();
    std::vector<std::vector<int>> far(831);
    far[0] = {1, 500, 831};
    WriteRelated(far);
    book.loadedPhrase = 1;
    EXPECT_TRUE(book.FindRelatedPhrases());
    EXPECT_EQ(w.list.Texts(), Texts{"Only one"});
}
