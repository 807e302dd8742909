// Finding a phrase's clip in the sound archive.

#include "fakeviews.h"
#include "files.h"
#include "records.h"
#include "tempdir.h"

#include <gtest/gtest.h>

namespace {

Bytes Header(std::int32_t version = 2102)
{
    Bytes bytes{'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l', 0, 0, 0, 0};
    WriteLE32(bytes.data() + 8, std::uint32_t(version));
    return bytes;
}

Bytes Index(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries)
{
    Bytes bytes(entries.size() * 8);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        WriteLE32(bytes.data() + 8 * i, entries[i].first);
        WriteLE32(bytes.data() + 8 * i + 4, entries[i].second);
    }
    return bytes;
}

Bytes Counting(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = std::uint8_t(i * 7 + 3);
    return bytes;
}

const std::vector<std::string> kLoaded = {"Close", "Open", "Prepare 0 400000"};

} // namespace

class SoundArchive : public ::testing::Test {
protected:
    ScopedTempDir dir;
    FakeWindowSet w;
    PhraseBook& book = w.book;
    Bytes clips = Counting(8000);

    void SetUp() override
    {
        Bytes data = Header();
        Append(data, clips);
        WriteFile("data.dat", data);
    }
};

TEST_F(SoundArchive, EntriesPointPastTheHeader)
{
    WriteFile("data.idx", Index({{0, 5000}, {4096, 100}}));
    book.LoadPhraseClip(1);
    EXPECT_EQ(w.player.calls, kLoaded);
    EXPECT_EQ(w.player.opened, Bytes(clips.begin(), clips.begin() + 5000));
    EXPECT_EQ(book.loadedPhrase, 1);

    // Entry 2 starts at offset 4096, which is position 4108 of the file.
    book.LoadPhraseClip(2);
    EXPECT_EQ(w.player.opened, Bytes(clips.begin() + 4096, clips.begin() + 4196));
    EXPECT_EQ(ReadFile("data.dat")[4108], clips[4096]);
    EXPECT_EQ(book.loadedPhrase, 2);
}

TEST_F(SoundArchive, TheSamePhraseIsReadOnce)
{
    WriteFile("data.idx", Index({{0, 10}}));
    book.LoadPhraseClip(1);
    book.LoadPhraseClip(1);
    EXPECT_EQ(w.player.calls, kLoaded);
}

TEST_F(SoundArchive, NumbersOutsideTheIndexAreRefusedSilently)
{
    WriteFile("data.idx", Index({{0, 10}, {10, 10}}));   // 16 bytes: two entries
    for (int number : {3, 0, -1, 1000000})
        book.LoadPhraseClip(number);
    // -1 is "no clip", which the player already holds.
    EXPECT_EQ(w.player.calls, std::vector<std::string>(3, "Close"));
    EXPECT_EQ(book.loadedPhrase, -1);
    w.player.calls.clear();
    book.LoadPhraseClip(2);
    EXPECT_EQ(w.player.calls, kLoaded);

    // A torn last entry does not count.
    Bytes index = Index({{0, 10}});
    index.resize(15);
    WriteFile("data.idx", index);
    book.LoadPhraseClip(1);
    book.LoadPhraseClip(2);
    EXPECT_EQ(book.loadedPhrase, -1);
    EXPECT_EQ(w.player.calls.back(), "Close");
}

TEST_F(SoundArchive, AFailedLookupLeavesThePlayerSilentAndSaysSoOnce)
{
    const Bytes index = Index({{0, 10}, {10, 10}});
    Bytes good = Header();
    Append(good, clips);
    Bytes oldVersion = Header(2101);
    Append(oldVersion, clips);
    struct Case {
        const char* what;
        Bytes data;   // empty: no "data.dat"
        bool indexThere;
        int number;
    };
    const Case cases[] = {
        {"wrong version", oldVersion, true, 2},       {"header cut short", Bytes{'q', 'o', 'r'}, true, 2},
        {"no clips file", Bytes{}, true, 2},          {"no clips file again", Bytes{}, true, 2},
        {"no index", good, false, 2},                 {"past the index", good, true, 3},
    };
    for (const Case& c : cases) {
        // Phrase 1 is loaded first; the failed lookup must not leave it to be played.
        WriteFile("data.dat", good);
        WriteFile("data.idx", index);
        book.LoadPhraseClip(1);
        ASSERT_EQ(w.player.calls.back(), "Prepare 0 400000") << c.what;
        std::remove("data.dat");
        if (!c.data.empty())
            WriteFile("data.dat", c.data);
        if (!c.indexThere)
            std::remove("data.idx");
        book.LoadPhraseClip(c.number);
        EXPECT_EQ(w.player.calls.back(), "Close") << c.what;
        EXPECT_EQ(book.loadedPhrase, -1) << c.what;
    }
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"This file is not in right format!", "Lexavant_French"},
                                                            {"Can't find sound file!", "Lexavant_French"}}));
}

TEST_F(SoundArchive, DamagedEntriesAreRefusedAndTheOthersStillWork)
{
    WriteFile("data.idx", Index({{0, 0}, {7990, 11}, {0xFFFFFFF0u, 100}, {5, 0xFFFFFFFFu}, {7990, 10}}));
    for (int number : {1, 2, 3, 4})
        book.LoadPhraseClip(number);
    EXPECT_EQ(w.player.calls, std::vector<std::string>(4, "Close"));
    EXPECT_EQ(book.loadedPhrase, -1);
    book.LoadPhraseClip(5);
    EXPECT_EQ(w.player.opened, Bytes(clips.end() - 10, clips.end()));
    EXPECT_EQ(book.loadedPhrase, 5);
}
