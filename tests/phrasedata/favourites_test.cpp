// The favourites store: adding, removing and listing, and what the file holds.

#include "fakeviews.h"
#include "phrasefixtures.h"
#include "records.h"

#include <filesystem>
#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

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
    Texts Stored()
    {
        const Bytes bytes = ReadFile("favorite.dat");
        Texts records;
        for (std::size_t at = 0; at + 124 <= bytes.size(); at += 124) {
            const PhraseRecord record = PhraseRecord::Decode(bytes.data() + at);
            records.push_back(Utf16ToUtf8(record.text) + " #" + std::to_string(record.phraseNumber));
        }
        return records;
    }
};

TEST_F(Favourites, AddStoresTheTextWithoutBracketsOnceCutToTheRecord)
{
    book.CloseDataFiles();
    std::remove("favorite.dat");   // a missing store is made
    ASSERT_TRUE(Add(u"Where is [the station]?", 42));
    EXPECT_FALSE(book.favoriteFileOpen);
    EXPECT_EQ(Stored(), Texts{"Where is the station? #42"});

    // The same text again, from any number, is refused with a message.
    EXPECT_FALSE(Add(u"Where is the station?", 7));
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{
                                    {"This item has already existed in favorite category!", "Lexavant_French"}}));
    EXPECT_FALSE(book.favoriteFileOpen);

    // Texts differing only in case are different favourites; long ones are cut.
    EXPECT_TRUE(Add(u"where is the station?", 43));
    EXPECT_TRUE(Add(std::u16string(200, u'z'), 3));
    EXPECT_EQ(Stored(), (Texts{"Where is the station? #42", "where is the station? #43", std::string(59, 'z') + " #3"}));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 3u * 124);
}

TEST_F(Favourites, RemoveTakesOutTheFirstMatchOnlyAndKeepsTheOthersBytes)
{
    ASSERT_TRUE(Add(u"A", 1));
    ASSERT_TRUE(Add(u"B", 2));
    ASSERT_TRUE(Add(u"C", 3));
    ASSERT_TRUE(Remove(u"B"));
    EXPECT_EQ(book.favoriteCount, 3);
    EXPECT_EQ(Stored(), (Texts{"A #1", "C #3"}));
    EXPECT_FALSE(FileExists("temp.dat"));
    EXPECT_FALSE(book.favoriteFileOpen);

    // Duplicates can only come from outside; the first goes, the later stays.
    Bytes bytes = ReadFile("favorite.dat");
    Append(bytes, Bytes(bytes.begin(), bytes.begin() + 124));
    // A record with no terminator in its text is copied byte for byte.
    Bytes unterminated(124, 0xAB);
    WriteLE32(unterminated.data() + 120, 9);
    Append(bytes, unterminated);
    WriteFile("favorite.dat", bytes);
    ASSERT_TRUE(Remove(u"A"));
    const Bytes after = ReadFile("favorite.dat");
    ASSERT_EQ(after.size(), 3u * 124);
    EXPECT_EQ(Bytes(after.begin(), after.begin() + 248), Bytes(bytes.begin() + 124, bytes.begin() + 372));
    EXPECT_EQ(Bytes(after.begin() + 248, after.end()), unterminated);

    // Removing the last one leaves an empty store, not a missing one.
    WriteFile("favorite.dat", Bytes{});
    ASSERT_TRUE(Add(u"Only", 4));
    ASSERT_TRUE(Remove(u"Only"));
    EXPECT_TRUE(FileExists("favorite.dat"));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 0u);
}

TEST_F(Favourites, AFailedRemovalLeavesTheStoreUnchanged)
{
    ASSERT_TRUE(Add(u"A", 1));
    const Bytes before = ReadFile("favorite.dat");
    std::filesystem::create_directory("temp.dat");   // the work file cannot be created
    EXPECT_FALSE(Remove(u"A"));
    EXPECT_EQ(ReadFile("favorite.dat"), before);
}

TEST_F(Favourites, ListShowsStoredRowsInOrder)
{
    ASSERT_TRUE(Add(u"Second [one]", 2));
    ASSERT_TRUE(Add(u"First", 1));
    book.ListFavourites();
    EXPECT_EQ(w.list.Texts(), (Texts{"Second one", "First"}));
    EXPECT_EQ(book.phraseIds.at(u"Second one"), u"2");
    EXPECT_FALSE(book.favoriteButtonAdds);
    EXPECT_TRUE(book.favoriteFileOpen);
    EXPECT_EQ(w.window.firstRowSelections, 1);
    EXPECT_EQ(book.selectedPhrase, 2);
}

TEST_F(Favourites, PartialRecordsAreNeitherListedNorLost)
{
    ASSERT_TRUE(Add(u"Whole", 1));
    Bytes bytes = ReadFile("favorite.dat");
    bytes.resize(bytes.size() + 50, 0x41);   // a write cut short
    WriteFile("favorite.dat", bytes);
    book.ListFavourites();
    EXPECT_EQ(w.list.Texts(), Texts{"Whole"});

    // A new favourite starts on a record boundary, so both stay readable.
    ASSERT_TRUE(Add(u"Next", 2));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 3u * 124);
    book.ListFavourites();
    ASSERT_EQ(w.list.rows.size(), 3u);
    EXPECT_EQ(w.list.Texts()[0], "Whole");
    EXPECT_EQ(w.list.Texts()[2], "Next");
}

TEST_F(Favourites, EmptyOrUnopenableStoreListsNothing)
{
    book.ListFavourites();
    EXPECT_TRUE(w.list.rows.empty());
    EXPECT_TRUE(book.phraseIds.empty());

    book.CloseDataFiles();
    std::remove("favorite.dat");
    std::filesystem::create_directory("favorite.dat");
    EXPECT_FALSE(book.EnsureFavouritesOpen());
    EXPECT_FALSE(Add(u"A", 1));
    EXPECT_FALSE(Remove(u"A"));
    book.ListFavourites();
    EXPECT_TRUE(w.list.rows.empty());
    EXPECT_TRUE(w.messages.shown.empty());
}
