// The sound archive: one clip per phrase, each in the one form the player takes. That each one plays as
// speech is heard through the player (content_player_test), whose decoder is held to mpg123 elsewhere.

#include "contentdata.h"

#include "container.h"
#include "records.h"
#include "soundarchive.h"

#include <gtest/gtest.h>

#include <span>
#include <string_view>

namespace {

const Bytes& Archive()
{
    static const Bytes archive = ReadFile(DataPath("data.dat"));
    return archive;
}

// Every clip's bytes, through the index; none when the index points past the archive.
std::vector<std::span<const std::uint8_t>> Clips()
{
    const Bytes index = ReadFile(DataPath("data.idx"));
    std::vector<std::span<const std::uint8_t>> clips;
    for (std::size_t at = 0; at + SoundIndexEntry::kSize <= index.size(); at += SoundIndexEntry::kSize) {
        const SoundIndexEntry entry = SoundIndexEntry::Decode(index.data() + at);
        if (SoundArchiveHeader::kSize + entry.offset + entry.length > Archive().size())
            return {};
        clips.push_back(std::span(Archive()).subspan(SoundArchiveHeader::kSize + entry.offset, entry.length));
    }
    return clips;
}

} // namespace

TEST(ContentClips, ClipsFollowOneAnotherEachBareConstantBitrateMpeg2MonoUnderSevenAndAHalfSeconds)
{
    ASSERT_EQ(Clips().size(), 831u);   // the header and each clip are taken through the window by the player test
    int phrase = 0;
    const std::uint8_t* next = Archive().data() + SoundArchiveHeader::kSize;
    for (const auto& clip : Clips()) {
        SCOPED_TRACE("phrase " + std::to_string(++phrase));
        EXPECT_EQ(clip.data(), next);   // nothing between clips
        next = clip.data() + clip.size();
        const std::optional<ClipAudio> audio = LocateAudio(clip.data(), std::uint32_t(clip.size()));
        ASSERT_TRUE(audio);
        EXPECT_TRUE(audio->layout == ClipLayout::Bare && !audio->trailingTag && !HasTag(clip, 0, "ID3"));
        const FirstFrame first = ReadFirstFrame(clip.data(), std::uint32_t(clip.size()));
        ASSERT_EQ(std::tuple(first.version, first.rate, first.channels), std::tuple(MpegVersion::Mpeg2, 22050, 1));
        ASSERT_GE(first.kbps, 48);
        // No encoder-information frame where the player looks for a variable-
        // bitrate header (after the 4-byte header and 9 bytes of side information).
        for (std::string_view tag : {"Xing", "Info", "VBRI"})
            EXPECT_FALSE(HasTag(clip, 13, tag)) << tag;
        // Whole MPEG-2 Layer III frames of the same kind from the first byte to the last.
        std::size_t at = 0;
        int frames = 0;
        for (; at + 4 <= clip.size(); ++frames) {
            const std::uint8_t* header = clip.data() + at;
            ASSERT_TRUE(header[0] == clip[0] && header[1] == clip[1] && (header[2] & 0xFD) == (clip[2] & 0xFD) &&
                        header[3] == clip[3]) << "frame " << frames;
            at += std::size_t(72000 * first.kbps / first.rate + (header[2] >> 1 & 1));
        }
        EXPECT_EQ(at, clip.size());
        // Under seven and a half seconds (the player's block, 300 frames, holds each whole: content_player_test).
        EXPECT_LT(frames * 576.0 / 22050, 7.5);
    }
    EXPECT_EQ(next, Archive().data() + Archive().size());   // nothing after the last
}
