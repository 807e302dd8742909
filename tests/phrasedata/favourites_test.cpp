// The favourites store: adding, removing and listing, and what the file holds.

#include "childprocess.h"
#include "fakeviews.h"
#include "phrasefixtures.h"
#include "records.h"
#include "tempdir.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>

using Texts = std::vector<std::string>;

class Favourites : public ::testing::Test {
protected:
    ScopedTempDir dir;
    FakeWindowSet w;
    PhraseBook& book = w.book;

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

    std::vector<PhraseRecord> Stored()
    {
        const Bytes bytes = ReadFile("favorite.dat");
        std::vector<PhraseRecord> records;
        for (std::size_t at = 0; at + 124 <= bytes.size(); at += 124)
            records.push_back(PhraseRecord::Decode(bytes.data() + at));
        return records;
    }
};

TEST_F(Favourites, AddStoresTheTextWithoutBracketsOnce)
{
    ASSERT_TRUE(Add(u"Where is [the station]?", 42));
    EXPECT_FALSE(book.favoriteFileOpen);
    ASSERT_EQ(ReadFile("favorite.dat").size(), 124u);
    EXPECT_EQ(Stored()[0].text, u"Where is the station?");
    EXPECT_EQ(Stored()[0].phraseNumber, 42);

    // The same text again, from any number, is refused with a message.
    EXPECT_FALSE(Add(u"Where is the station?", 7));
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{
                                    {"This item has already existed in favorite category!", "Lexavant_French"}}));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 124u);
    EXPECT_FALSE(book.favoriteFileOpen);

    // Texts differing only in case are different favourites.
    EXPECT_TRUE(Add(u"where is the station?", 43));
    EXPECT_EQ(Stored().size(), 2u);
}

TEST_F(Favourites, AddCreatesAMissingStore)
{
    book.CloseDataFiles();
    std::remove("favorite.dat");
    EXPECT_TRUE(Add(u"Phrase 1", 1));
    EXPECT_EQ(Stored().size(), 1u);
}

TEST_F(Favourites, AnOverlongTextIsCutToTheRecord)
{
    EXPECT_TRUE(Add(std::u16string(200, u'z'), 3));
    ASSERT_EQ(ReadFile("favorite.dat").size(), 124u);
    EXPECT_EQ(Stored()[0].text.size(), 59u);
    EXPECT_EQ(Stored()[0].phraseNumber, 3);
}

TEST_F(Favourites, RemoveTakesOutTheFirstMatchOnly)
{
    ASSERT_TRUE(Add(u"A", 1));
    ASSERT_TRUE(Add(u"B", 2));
    ASSERT_TRUE(Add(u"C", 3));
    ASSERT_TRUE(Remove(u"B"));
    EXPECT_EQ(book.favoriteCount, 3);
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[0].text, u"A");
    EXPECT_EQ(Stored()[1].text, u"C");
    EXPECT_FALSE(FileExists("temp.dat"));
    EXPECT_FALSE(book.favoriteFileOpen);

    // Duplicates can only come from outside; the first goes, the later stays.
    Bytes bytes = ReadFile("favorite.dat");
    const Bytes first(bytes.begin(), bytes.begin() + 124);
    Append(bytes, first);
    WriteFile("favorite.dat", bytes);
    ASSERT_TRUE(Remove(u"A"));
    ASSERT_EQ(Stored().size(), 2u);
    EXPECT_EQ(Stored()[0].text, u"C");
    EXPECT_EQ(Stored()[1].text, u"A");
}

TEST_F(Favourites, RemovingTheOnlyOneLeavesAnEmptyStore)
{
    ASSERT_TRUE(Add(u"Only", 4));
    ASSERT_TRUE(Remove(u"Only"));
    EXPECT_EQ(book.favoriteCount, 1);
    EXPECT_TRUE(FileExists("favorite.dat"));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 0u);
}

TEST_F(Favourites, RemoveKeepsTheRecordsBytesAsTheyWere)
{
    Bytes record(124, 0xAB);   // no terminator anywhere in the text
    record[120] = 9;
    record[121] = record[122] = record[123] = 0;
    WriteFile("favorite.dat", record);
    book.CloseDataFiles();
    // A text that is not stored removes nothing, and says so.
    EXPECT_FALSE(Remove(u"not there"));
    EXPECT_EQ(ReadFile("favorite.dat"), record);
    ASSERT_EQ(w.messages.shown.size(), 1u);
    EXPECT_EQ(w.messages.shown[0].text,
              "The selected phrase was not found in \"favorite.dat\", so nothing was removed.");
    EXPECT_TRUE(Remove(std::u16string(59, u'\uABAB')));   // the row such a record lists as
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
    book.ListFavourites();
    EXPECT_TRUE(w.list.rows.empty());
    EXPECT_TRUE(w.messages.shown.empty());
}

namespace {

// Removes the selected row of the listed favourites, as the window does.
bool RemoveRow(FakeWindowSet& w, int row)
{
    w.list.selected = row;
    w.book.ShowPhrase();
    return w.book.RemoveFavourite();
}

std::string Describe(const FakeWindowSet& w, std::size_t listed, bool added, bool removed)
{
    std::string text = std::to_string(listed) + " listed, added " + std::to_string(added) +
                       ", removed " + std::to_string(removed);
    for (const ShownMessage& message : w.messages.shown)
        text += "\n" + message.text;
    return text;
}

} // namespace

TEST_F(Favourites, AStoreThatCannotBeWrittenIsListedAndNeverChanged)
{
    WriteEmptySoundArchive();
    for (const char* text : {"One", "Two", "Three", "Four"})
        ASSERT_TRUE(Add(Utf8ToUtf16(text), 1));
    book.CloseDataFiles();
    const Bytes before = ReadFile("favorite.dat");
    Bytes withoutTwo = before;
    withoutTwo.erase(withoutTwo.begin() + 124, withoutTwo.begin() + 248);
    const std::string store = (std::filesystem::current_path() / "favorite.dat").string() + "\" could not be written";
    const std::string work = (std::filesystem::current_path() / "temp.dat").string() + "\" could not be written";
    const std::string denied = " (Permission denied)";
    const std::string tooLarge = " (File too large)";
    using std::filesystem::perms;
    struct Case {
        const char* what;
        perms folder;
        bool storeThere;
        perms storeMode;
        long sizeLimit;   // the size files may grow to, set in place of a full disk; 0 for none
        int listed;
        std::vector<std::string> failures;   // what adding "Five", then removing row 1, reports
        bool removes;
    };
    const Case cases[] = {
        {"read-only folder", perms(0755), true, perms(0644), 0, 4, {store + denied, store + denied}, false},
        {"read-only store", perms(0777), true, perms(0444), 0, 4, {store + denied, store + denied}, false},
        {"read-only folder, no store", perms(0755), false, perms(0644), 0, 0, {store + denied}, false},
        {"disk full while adding", perms(0755), true, perms(0644), 4 * 124 + 60, 4, {store + tooLarge}, true},
        {"disk full while removing", perms(0755), true, perms(0644), 200, 4, {store + tooLarge, work + tooLarge},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::permissions(".", c.folder);
        std::remove("favorite.dat");
        if (c.storeThere) {
            WriteFile("favorite.dat", before);
            std::filesystem::permissions("favorite.dat", c.storeMode);
        }
        const std::string seen = RunInChild(c.sizeLimit ? ChildUser::Same : ChildUser::Unprivileged, [&] {
            if (c.sizeLimit) {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{rlim_t(c.sizeLimit), rlim_t(c.sizeLimit)};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            FakeWindowSet child;
            child.book.OpenDataFiles();
            child.book.ListFavourites();
            const std::size_t listed = child.list.rows.size();
            child.book.selectedText = u"Five";
            const bool added = child.book.AddFavourite();
            const bool removed = listed > 1 && RemoveRow(child, 1);
            return Describe(child, listed, added, removed);
        });
        std::string expected = std::to_string(c.listed) + " listed, added 0, removed " + std::to_string(c.removes);
        for (const std::string& failure : c.failures)
            expected += "\nYour favourites cannot be saved in this folder: \"" + failure +
                        ". Your favourites are unchanged.";
        EXPECT_EQ(seen, expected);
        if (c.storeThere)
            EXPECT_EQ(ReadFile("favorite.dat"), c.removes ? withoutTwo : before);
        else
            EXPECT_FALSE(FileExists("favorite.dat"));
        EXPECT_FALSE(FileExists("temp.dat"));
    }
    std::filesystem::permissions(".", perms(0700));
}

TEST_F(Favourites, AHostileStoreIsListedInPartAndRemovesTheSelectedRecord)
{
    // Random bytes: texts without terminators, repeated texts, any numbers.
    Bytes noise(40000 * 124 + 17);
    std::mt19937 random(11);
    for (std::uint8_t& byte : noise)
        byte = std::uint8_t(random() % 4 == 0 ? 0x41 : random());
    for (std::size_t at = 3 * 124; at < 4 * 124; ++at)   // record 3 repeats record 1
        noise[at] = noise[at - 2 * 124];
    WriteFile("favorite.dat", noise);
    WriteEmptySoundArchive();
    book.CloseDataFiles();

    book.ListFavourites();
    ASSERT_EQ(w.list.rows.size(), std::size_t(PhraseBook::kFavouritesListed));
    ASSERT_FALSE(w.messages.shown.empty());
    EXPECT_EQ(w.messages.shown[0],
              (ShownMessage{"\"favorite.dat\" holds 40000 records, far more than the phrase book has phrases, so it "
                            "is damaged. Only the first 4000 are listed; the rest was left out of the list and is "
                            "kept in the file.",
                            "Lexavant_French"}));

    // Removing a row takes out that row's record, even where an earlier one has the same text.
    auto without = [&](Bytes bytes, std::size_t record) {
        bytes.erase(bytes.begin() + long(record * 124), bytes.begin() + long(record * 124 + 124));
        bytes.resize(bytes.size() / 124 * 124);
        return bytes;
    };
    ASSERT_TRUE(RemoveRow(w, 3));
    EXPECT_EQ(ReadFile("favorite.dat"), without(noise, 3));
    book.ListFavourites();
    ASSERT_TRUE(RemoveRow(w, 0));
    EXPECT_EQ(ReadFile("favorite.dat"), without(without(noise, 3), 0));

    // Listed again after removals, the store is not reported again.
    book.ListFavourites();
    EXPECT_EQ(std::count_if(w.messages.shown.begin(), w.messages.shown.end(),
                            [](const ShownMessage& m) { return m.text.starts_with("\"favorite.dat\" holds"); }),
              1);

    // A row whose record changed on disk since it was listed is not removed, and the user is told.
    const Bytes kept = ReadFile("favorite.dat");
    w.list.rows[5].text = u"Not what the file holds";
    w.messages.shown.clear();
    EXPECT_FALSE(RemoveRow(w, 5));
    EXPECT_EQ(ReadFile("favorite.dat"), kept);
    EXPECT_EQ(w.messages.shown.back().text,
              "The selected phrase was not found in \"favorite.dat\", so nothing was removed.");
}
