// The favourites store: adding, removing and listing, and what the file holds.

#include "childprocess.h"
#include "phrasebooktest.h"
#include "phrasefixtures.h"
#include "records.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <regex>
#include <thread>

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
    // Removes the selected row of the listed favourites, as the window does.
    bool RemoveRow(int row)
    {
        w.list.selected = row;
        book.ShowPhrase();
        return book.RemoveFavourite();
    }
    // No work file of a removal is left in the folder.
    static bool NoWorkFiles()
    {
        return std::ranges::none_of(std::filesystem::directory_iterator("."),
                                    [](const auto& entry) { return entry.path().filename().string().starts_with("temp-"); });
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
    EXPECT_TRUE(Add(u"where is the station?", 43));   // case makes another favourite
    EXPECT_TRUE(Add(std::u16string(200, u'z'), 3));
    EXPECT_EQ(Stored(),
              (Texts{"Where is the station? #42", "where is the station? #43", std::string(59, 'z') + " #3"}));
    EXPECT_EQ(ReadFile("favorite.dat").size(), 3u * 124);
}

TEST_F(Favourites, RemoveTakesOutTheFirstMatchOnlyAndKeepsTheOthersBytes)
{
    ASSERT_TRUE(Add(u"A", 1) && Add(u"B", 2) && Add(u"C", 3) && Remove(u"B"));
    EXPECT_EQ(Stored(), (Texts{"A #1", "C #3"}));
    EXPECT_TRUE(NoWorkFiles() && !book.favoriteFileOpen);
    // Duplicates come only from outside: the first goes, the later stays; a
    // record with no terminator in its text is copied byte for byte.
    Bytes bytes = ReadFile("favorite.dat");
    Append(bytes, Bytes(bytes.begin(), bytes.begin() + 124));
    Append(bytes, Bytes(124, 0xAB));
    WriteFile("favorite.dat", bytes);
    ASSERT_TRUE(Remove(u"A"));
    EXPECT_EQ(ReadFile("favorite.dat"), Bytes(bytes.begin() + 124, bytes.end()));
    EXPECT_FALSE(Remove(u"not there"));   // removes nothing, and says so
    EXPECT_EQ(w.messages.shown,
              Shown{{"The selected phrase was not found in \"favorite.dat\", so nothing was removed."}});
    ASSERT_TRUE(Remove(std::u16string(59, u'\uABAB')));   // the row an unterminated record lists as
    EXPECT_EQ(ReadFile("favorite.dat"), Bytes(bytes.begin() + 124, bytes.end() - 124));
    // Removing the last one leaves an empty store, not a missing one.
    WriteFile("favorite.dat", Bytes{});
    ASSERT_TRUE(Add(u"Only", 4) && Remove(u"Only"));
    EXPECT_TRUE(FileExists("favorite.dat") && ReadFile("favorite.dat").empty());
    // A work file another process left behind is neither used nor removed.
    WriteFile("temp.dat", Bytes(124, 0x41));
    ASSERT_TRUE(Add(u"A", 1) && Add(u"B", 2) && Remove(u"A"));
    EXPECT_EQ(Stored(), Texts{"B #2"});
    EXPECT_EQ(ReadFile("temp.dat"), Bytes(124, 0x41));
    // At the next start such leftovers go, and no other file does (a link is not a work file).
    const Texts leftovers{"temp.dat", "temp-k3J9aQ.dat", "temp-000000.dat"};
    const Texts others{"temp-k3J9a.dat", "temp-k3J9aQ.dat.bak", "temp-k3J9aQ.txt", "temp.data", "xtemp.dat"};
    for (const Texts& names : {leftovers, others})
        for (const std::string& name : names)
            WriteFile(name, Bytes{1});
    std::filesystem::create_symlink("favorite.dat", "temp-linked.dat");
    book.RemoveLeftoverWorkFiles();
    for (const std::string& name : leftovers)
        EXPECT_FALSE(FileExists(name)) << name;
    for (const std::string& name : others)
        EXPECT_TRUE(FileExists(name)) << name;
    EXPECT_TRUE(std::filesystem::is_symlink("temp-linked.dat") && Stored() == Texts{"B #2"});
}

TEST_F(Favourites, AStoreThatCannotBeWrittenIsListedAndNeverChanged)
{
    WriteEmptySoundArchive();
    ASSERT_TRUE(Add(u"One", 1) && Add(u"Two", 2) && Add(u"Three", 3) && Add(u"Four", 4));
    book.CloseDataFiles();
    const Bytes before = ReadFile("favorite.dat");
    const Texts all{"One #1", "Two #2", "Three #3", "Four #4"}, withoutTwo{"One #1", "Three #3", "Four #4"};
    const auto failed = [](const char* reason, const char* file = "favorite.dat") {
        return "\nYour favourites cannot be saved in this folder: \"" + std::filesystem::absolute(file).string() +
               "\" could not be written (" + reason + "). Your favourites are unchanged.";
    };
    const std::string denied = failed("Permission denied"), full = failed("File too large");
    const std::string folderDenied = failed("Permission denied", std::filesystem::current_path().c_str());
    using std::filesystem::perms;
    // What listing, adding "Five" and removing row 1 show; store perms::none: no store; sizeLimit: what files
    // may grow to, in place of a full disk.
    const struct { perms folder, store; long sizeLimit; std::string seen; } cases[] = {
        {perms(0755), perms(0644), 0, "4 listed, added 0, removed 0" + denied + denied},   // read-only folder
        {perms(0777), perms(0444), 0, "4 listed, added 0, removed 0" + denied + denied},   // read-only store
        {perms(0755), perms::none, 0, "0 listed, added 0, removed 0" + denied},
        {perms(0755), perms(0644), 4 * 124 + 60, "4 listed, added 0, removed 1" + full},
        {perms(0755), perms(0644), 200,
         "4 listed, added 0, removed 0" + full + failed("File too large", "temp-XXXXXX.dat")},
        // The store may be written but the folder not: adding works, a removal has no room for its work file.
        {perms(0755), perms(0666), 0, "4 listed, added 1, removed 0" + folderDenied},
    };
    for (const auto& c : cases) {
        std::filesystem::permissions(".", c.folder);
        std::filesystem::remove("favorite.dat");
        if (c.store != perms::none) {
            WriteFile("favorite.dat", before);
            std::filesystem::permissions("favorite.dat", c.store);
        }
        const std::string seen = RunInChild(c.sizeLimit ? ChildUser::Same : ChildUser::Unprivileged, [&] {
            book.ListFavourites();
            const std::size_t listed = w.list.rows.size();
            const bool added = Add(u"Five", 5), removed = listed > 1 && RemoveRow(1);
            std::string text = std::to_string(listed) + " listed, added " + std::to_string(added) + ", removed " +
                               std::to_string(removed);
            for (const ShownMessage& message : w.messages.shown)
                text += "\n" + message.text;
            // Work files have names of their own on every run.
            return std::regex_replace(text, std::regex("temp-[A-Za-z0-9]{6}\\.dat"), "temp-XXXXXX.dat");
        }, c.sizeLimit);
        EXPECT_EQ(seen, c.seen);
        EXPECT_TRUE(FileExists("favorite.dat") == (c.store != perms::none) && NoWorkFiles()) << c.seen;
        const bool removed = c.seen.find("removed 1") != std::string::npos;
        Texts expected = c.store == perms::none ? Texts{} : removed ? withoutTwo : all;
        if (c.seen.find("added 1") != std::string::npos)
            expected.push_back("Five #5");
        EXPECT_EQ(Stored(), expected);
    }
    std::filesystem::permissions(".", perms(0700));
}

TEST_F(Favourites, AHostileStoreIsListedInPartOnceSaidSoTakesAddsAfterItsTornEndAndRemovesTheSelectedRecord)
{
    Bytes noise(40000 * 124 + 17);   // texts without terminators, repeated texts, any numbers
    std::mt19937 random(11);
    for (std::uint8_t& byte : noise)
        byte = std::uint8_t(random() % 4 == 0 ? 0x41 : random());
    std::copy_n(noise.begin() + 124, 124, noise.begin() + 3 * 124);   // record 3 repeats record 1
    WriteFile("favorite.dat", noise);
    book.CloseDataFiles();
    book.ListFavourites();
    ASSERT_EQ(w.list.rows.size(), std::size_t(PhraseBook::kFavouritesListed));
    ASSERT_TRUE(Add(u"Next", 3));   // after the torn record, padded with zeros to a record boundary
    noise.resize(40001 * 124);
    const auto next = PhraseRecord{u"Next", 3}.Encode();
    noise.insert(noise.end(), next.begin(), next.end());
    EXPECT_EQ(ReadFile("favorite.dat"), noise);
    ASSERT_TRUE(RemoveRow(3));   // that row's record, though an earlier one has the same text
    noise.erase(noise.begin() + 3 * 124, noise.begin() + 4 * 124);
    EXPECT_EQ(ReadFile("favorite.dat"), noise);
    book.ListFavourites();
    const ShownMessage damaged{"\"favorite.dat\" holds 40000 records, far more than the phrase book has phrases, so it "
                               "is damaged. Only the first 4000 are listed; the rest was left out of the list and is "
                               "kept in the file."};
    EXPECT_EQ(w.messages.shown.front(), damaged);   // said first and once, though listed twice
    EXPECT_EQ(std::count(w.messages.shown.begin(), w.messages.shown.end(), damaged), 1);
}

TEST_F(Favourites, SavedWithAnEarlierBookTheyFollowTheirPhraseAndAreLeftOutOnceSaidSoWhenItIsGone)
{
    // Saved with an earlier book, as the window saves them: the selected row's
    // text and number.
    const std::vector<std::u16string> earlier{u"Hello.", u"Where is the station?", u"Fire!", u"I speak [English].",
                                              u"I speak [German]."};
    WriteEnglishTexts(earlier);
    book.OpenDataFiles();
    for (int number : {1, 2, 3, 5})
        ASSERT_TRUE(Add(earlier[std::size_t(number - 1)], number));
    book.CloseDataFiles();

    // The new book keeps phrase 1, moves 2 and 5, and puts another phrase
    // where 3 was; each phrase has its own clip.
    WriteEnglishTexts({u"Hello.", u"I'm lost.", u"I speak [German].", u"Where is the station?", u"Stop, thief!"});
    WriteFrench({u"Bonjour.", u"Je suis perdu.", u"Je parle allemand.", u"Où est la gare ?", u"Au voleur !"});
    WriteSoundArchive({Bytes(4, 1), Bytes(4, 2), Bytes(4, 3), Bytes(4, 4), Bytes(4, 5)});
    book.OpenDataFiles();
    book.ListFavourites();
    const ShownMessage gone{"The favourite \"Fire!\" is no longer in the phrase book, so it was left out of the list; "
                            "it is kept in \"favorite.dat\"."};
    EXPECT_EQ(w.messages.shown, Shown{gone});
    const struct { std::string text, french; std::uint8_t clip; } rows[] = {
        {"Hello.", "Bonjour.", 1}, {"Where is the station?", "Où est la gare ?", 4}, {"I speak German.", "Je parle allemand.", 3}};
    ASSERT_EQ(w.list.Texts(), (Texts{rows[0].text, rows[1].text, rows[2].text}));
    for (int row = 0; row < 3; ++row) {
        w.list.selected = row;
        book.ShowPhrase();
        EXPECT_EQ(std::tuple(Utf16ToUtf8(book.translationText), w.player.opened),
                  std::tuple(rows[row].french, Bytes(4, rows[row].clip))) << rows[row].text;
    }

    // The last row's record lies behind the one left out; the store keeps
    // what the list leaves out, and listing again does not say so again.
    ASSERT_TRUE(RemoveRow(2));
    EXPECT_EQ(Stored(), (Texts{"Hello. #1", "Where is the station? #2", "Fire! #3"}));
    book.ListFavourites();
    EXPECT_EQ(w.list.Texts(), (Texts{"Hello.", "Where is the station?"}));
    EXPECT_EQ(w.messages.shown, Shown{gone});

    // Several gone are named in one message, the first ten in full.
    book.CloseDataFiles();
    std::filesystem::remove("favorite.dat");
    for (int number = 1; number <= 12; ++number)
        ASSERT_TRUE(Add(u"Gone " + DecimalText(number), number));
    w.messages.shown.clear();
    FakeWindowSet fresh;
    fresh.book.OpenDataFiles();
    fresh.book.ListFavourites();
    EXPECT_TRUE(fresh.list.rows.empty());
    EXPECT_EQ(fresh.messages.shown,
              Shown{{"The favourites \"Gone 1\", \"Gone 2\", \"Gone 3\", \"Gone 4\", \"Gone 5\", \"Gone 6\", \"Gone 7\", "
                     "\"Gone 8\", \"Gone 9\", \"Gone 10\" and 2 more are no longer in the phrase book, so they were "
                     "left out of the list; they are kept in \"favorite.dat\"."}});
}

TEST_F(Favourites, TwoProcessesChangingTheStoreAtOnceLoseNothing)
{
    // Each process adds its own phrases and removes every other one again,
    // interleaved with the other's changes; a removal rewrites the whole store.
    constexpr int kEach = 40;
    const auto changes = [this](const std::string& prefix) {
        return [this, prefix] {
            std::string failures;
            for (int i = 0; i < kEach; ++i) {
                const std::u16string text = Utf8ToUtf16(prefix + std::to_string(i));
                if (!Add(text, i) || (i % 2 == 0 && !Remove(text)))
                    failures += prefix + std::to_string(i) + " ";
            }
            return failures;
        };
    };
    std::string first, second;
    std::thread one([&] { first = RunInChild(ChildUser::Same, changes("one ")); });
    std::thread two([&] { second = RunInChild(ChildUser::Same, changes("two ")); });
    one.join();
    two.join();
    EXPECT_EQ(first + second, "");
    Texts expected;
    for (const char* prefix : {"one ", "two "})
        for (int i = 1; i < kEach; i += 2)
            expected.push_back(prefix + std::to_string(i) + " #" + std::to_string(i));
    const Texts stored = Stored();
    EXPECT_EQ(std::multiset(stored.begin(), stored.end()), std::multiset(expected.begin(), expected.end()));
    EXPECT_TRUE(NoWorkFiles());
}
