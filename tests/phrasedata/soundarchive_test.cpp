// Finding a phrase's clip in the sound archive.

#include "phrasebooktest.h"
#include "phrasefixtures.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

class SoundArchive : public PhraseBookTest {
protected:
    Bytes clips = Bytes(8000);

    void SetUp() override
    {
        for (std::size_t i = 0; i < clips.size(); ++i)
            clips[i] = std::uint8_t(i * 7 + 3);
        WriteSoundArchive({clips});
    }
    Bytes Clip(long from, long length) { return Bytes(clips.begin() + from, clips.begin() + from + length); }
};

TEST_F(SoundArchive, OnlyEntriesInsideTheArchiveAreReadAndTheSamePhraseOnce)
{
    WriteSoundArchive({clips}, {{5, 0}, {7990, 11}, {0xFFFFFFF0u, 100}, {5, 0xFFFFFFFFu}, {7990, 10}, {4096, 100}});
    for (int number : {1, 2, 3, 4, 7, 0, -1, 1000000})
        book.LoadPhraseClip(number);
    EXPECT_EQ(w.player.opens, 0);
    EXPECT_EQ(w.player.closes, 7);   // -1 is "no clip", which the player already holds
    book.LoadPhraseClip(5);
    EXPECT_EQ(w.player.opened, Clip(7990, 10));
    book.LoadPhraseClip(6);   // offset 4096 is position 4108 of the file
    book.LoadPhraseClip(6);
    EXPECT_EQ(w.player.opened, Clip(4096, 100));
    EXPECT_EQ(w.player.opens, 2);
    WriteSoundArchive({clips}, {{0, 10}, {10, 10}});
    std::filesystem::resize_file("data.idx", 15);   // a torn last entry does not count
    book.LoadPhraseClip(1);
    book.LoadPhraseClip(2);
    EXPECT_EQ(book.loadedPhrase, -1);
    EXPECT_TRUE(w.messages.shown.empty());
}

TEST_F(SoundArchive, MissingFilesAndWrongHeadersSaySoOnceAndLeaveThePlayerSilent)
{
    const std::function<void()> faults[] = {
        [] { WriteFile("data.dat", {'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l', 0x35, 0x08, 0, 0}); },   // version 2101
        [] { WriteFile("data.dat", Bytes{'q', 'o', 'r'}); },
        [] { std::remove("data.dat"); }, [] { std::remove("data.dat"); }, [] { std::remove("data.idx"); }};
    for (const auto& fault : faults) {
        WriteSoundArchive({clips}, {{0, 10}, {10, 10}});
        book.LoadPhraseClip(1);   // a clip loaded before must not be left to be played
        const int closes = w.player.closes;
        fault();
        book.LoadPhraseClip(2);
        EXPECT_TRUE(book.loadedPhrase == -1 && w.player.closes == closes + 1);
    }
    EXPECT_EQ(w.messages.shown, (Shown{{"This file is not in right format!"}, {"Can't find sound file!"}}));
}
