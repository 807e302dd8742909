// The favourites store: adding, removing and listing, and what the file holds.

#include "fakeviews.h"
#include "phrasefixtures.h"
#include "records.h"

#include <filesystem>
#include <gtest/gtest.h>

class Favourites : public PhraseBookTest {
protected:
    void SetUp() override
    {
        WriteNumberedBook(5);
        book.OpenDataFiles();
    }
    bool Add(const std::u16string& text, int number)
    {
        book.selectedText = text;
        book.selectedPhrase = number;
        return book.AddFavourite();
    }
    bool Remove(const std::u16string& text)
    {
        book.selectedText = text;
        return book.RemoveFavourite();
    }
    // The stored records as "text #number".
    static Texts Stored()
    {
        Texts records;
        for (const PhraseRecord& record : ReadRecords<PhraseRecord>("favorite.dat"))
            records.push_back(Utf16ToUtf8(record.text) + " #" + std::to_string(record.phraseNumber));
        return records;
    }
};

TEST_F(Favourites, AddStoresTheTextWithoutBracketsOnceCutToTheRecord)
{
    book.ListFavourites();
    EXPECT_TRUE(w.list.rows.empty() && book.phraseIds.empty());
    book.CloseDataFiles();
    std::remove("favorite.dat");   // a missing store is made
    ASSERT_TRUE(Add(u"Where is [the station]?", 42));
    EXPECT_FALSE(Add(u"Where is the station?", 7));   // the same text, from any number
    EXPECT_EQ(w.messages.shown, Shown{{"This item has already existed in favorite category!"}});
    EXPECT_FALSE(book.favoriteFileOpen);
    EXPECT_TRUE(Add(u"where is the station?", 43));   // case makes another favourite
    EXPECT_TRUE(Add(std::u16string(200, u'z'), 3));
    EXPECT_EQ(Stored(),
              (Texts{"Where is the station? #42", "where is the station? #43", std::string(59, 'z') + " #3"}));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 3u * 124);
}

TEST_F(Favourites, AStoreThatCannotBeOpenedTakesNothingAndListsNothing)
{
    book.CloseDataFiles();
    std::remove("favorite.dat");
    std::filesystem::create_directory("favorite.dat");
    EXPECT_FALSE(book.EnsureFavouritesOpen() || Add(u"A", 1) || Remove(u"A"));
    book.ListFavourites();
    EXPECT_TRUE(w.list.rows.empty() && w.messages.shown.empty());
}

TEST_F(Favourites, RemoveTakesOutTheFirstMatchOnlyAndKeepsTheOthersBytes)
{
    ASSERT_TRUE(Add(u"A", 1) && Add(u"B", 2) && Add(u"C", 3) && Remove(u"B"));
    EXPECT_EQ(Stored(), (Texts{"A #1", "C #3"}));
    EXPECT_FALSE(FileExists("temp.dat") || book.favoriteFileOpen);
    // Duplicates come only from outside: the first goes, the later stays; a
    // record with no terminator in its text is copied byte for byte.
    Bytes bytes = ReadFile("favorite.dat");
    Append(bytes, Bytes(bytes.begin(), bytes.begin() + 124));
    Append(bytes, Bytes(124, 0xAB));
    WriteFile("favorite.dat", bytes);
    ASSERT_TRUE(Remove(u"A"));
    EXPECT_EQ(ReadFile("favorite.dat"), Bytes(bytes.begin() + 124, bytes.end()));
    // Removing the last one leaves an empty store, not a missing one.
    WriteFile("favorite.dat", Bytes{});
    ASSERT_TRUE(Add(u"Only", 4) && Remove(u"Only"));
    EXPECT_TRUE(FileExists("favorite.dat") && ReadFile("favorite.dat").empty());
    // A removal that cannot make its work file leaves the store as it was.
    ASSERT_TRUE(Add(u"A", 1));
    std::filesystem::create_directory("temp.dat");
    EXPECT_FALSE(Remove(u"A"));
    EXPECT_EQ(Stored(), Texts{"A #1"});
}

TEST_F(Favourites, ListShowsWholeStoredRecordsInOrderAndAddsAfterATornOne)
{
    ASSERT_TRUE(Add(u"Second [one]", 2) && Add(u"First", 1));
    Bytes bytes = ReadFile("favorite.dat");
    bytes.resize(bytes.size() + 50, 0x41);   // a write cut short
    WriteFile("favorite.dat", bytes);
    book.ListFavourites();
    EXPECT_EQ(w.list.Texts(), (Texts{"Second one", "First"}));
    EXPECT_EQ(book.phraseIds.at(u"Second one"), u"2");
    EXPECT_EQ(book.selectedPhrase, 2);   // the first row is shown
    ASSERT_TRUE(Add(u"Next", 3));   // starts on a record boundary
    EXPECT_EQ(ReadFile("favorite.dat").size(), 4u * 124);
    book.ListFavourites();
    ASSERT_EQ(w.list.rows.size(), 4u);
    EXPECT_EQ(w.list.Texts().back(), "Next");
}
