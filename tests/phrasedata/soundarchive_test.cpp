// Finding a phrase's clip in the sound archive.

#include "fakeviews.h"
#include "files.h"
#include "records.h"

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

const std::vector<std::string> kLoaded = {"Close", "Open", "Prepare 0 400000"};

} // namespace

class SoundArchive : public PhraseBookTest {
protected:
    Bytes clips = Bytes(8000);

    void SetUp() override
    {
        for (std::size_t i = 0; i < clips.size(); ++i)
            clips[i] = std::uint8_t(i * 7 + 3);
        Bytes data = Header();
        Append(data, clips);
        WriteFile("data.dat", data);
    }
};

TEST_F(SoundArchive, EntriesPointPastTheHeaderAndTheSamePhraseIsReadOnce)
{
    WriteFile("data.idx", Index({{0, 5000}, {4096, 100}}));
    book.LoadPhraseClip(1);
    book.LoadPhraseClip(1);
    EXPECT_EQ(w.player.calls, kLoaded);
    EXPECT_EQ(w.player.opened, Bytes(clips.begin(), clips.begin() + 5000));
    EXPECT_EQ(book.loadedPhrase, 1);

    // Entry 2 starts at offset 4096, which is position 4108 of the file.
    book.LoadPhraseClip(2);
    EXPECT_EQ(w.player.opened, Bytes(clips.begin() + 4096, clips.begin() + 4196));
    EXPECT_EQ(book.loadedPhrase, 2);
}

TEST_F(SoundArchive, NumbersOutsideTheIndexOrDamagedEntriesAreRefusedSilently)
{
    WriteFile("data.idx", Index({{0, 0}, {7990, 11}, {0xFFFFFFF0u, 100}, {5, 0xFFFFFFFFu}, {7990, 10}}));
    for (int number : {1, 2, 3, 4, 6, 0, -1, 1000000})
        book.LoadPhraseClip(number);
    EXPECT_TRUE(w.player.calls.empty());
    EXPECT_EQ(book.loadedPhrase, -1);
    book.LoadPhraseClip(5);
    EXPECT_EQ(w.player.opened, Bytes(clips.end() - 10, clips.end()));
    EXPECT_EQ(book.loadedPhrase, 5);

    // A torn last entry does not count.
    Bytes index = Index({{0, 10}, {10, 10}});
    index.resize(15);
    WriteFile("data.idx", index);
    book.LoadPhraseClip(2);
    EXPECT_EQ(book.loadedPhrase, 5);
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(SoundArchive, MissingFilesAndWrongHeadersSaySo)
{
    WriteFile("data.idx", Index({{0, 10}}));
    Bytes data = Header(2101);
    Append(data, clips);
    WriteFile("data.dat", data);
    book.LoadPhraseClip(1);
    WriteFile("data.dat", Bytes{'q', 'o', 'r'});   // too short for a header
    book.LoadPhraseClip(1);
    std::remove("data.dat");
    book.LoadPhraseClip(1);
    SetUp();
    std::remove("data.idx");
    book.LoadPhraseClip(1);
    EXPECT_EQ(w.messages.shown, (std::vector<ShownMessage>{{"This file is not in right format!", "Lexavant_French"},
                                                            {"This file is not in right format!", "Lexavant_French"},
                                                            {"Can't find sound file!", "Lexavant_French"}}));
    EXPECT_TRUE(w.player.calls.empty());
    EXPECT_EQ(book.loadedPhrase, -1);
}
