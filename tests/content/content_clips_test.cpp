// The sound archive: one clip per phrase, each in the one form the player
// takes, and each one audible.

#include "contentdata.h"

#include "container.h"
#include "soundarchive.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

struct ArchivedClip {
    int number;
    std::span<const std::uint8_t> bytes;
};

const Bytes& Archive()
{
    static const Bytes archive = ReadFile(DataPath("data.dat"));
    return archive;
}

// Every clip, through the index; empty when the index or archive is broken
// (which the first test reports).
std::vector<ArchivedClip> Clips()
{
    const Bytes index = ReadFile(DataPath("data.idx"));
    std::vector<ArchivedClip> clips;
    for (std::size_t at = 0; at + SoundIndexEntry::kSize <= index.size(); at += SoundIndexEntry::kSize) {
        const SoundIndexEntry entry = SoundIndexEntry::Decode(index.data() + at);
        const std::size_t start = SoundArchiveHeader::kSize + std::size_t(entry.offset);
        if (start + entry.length > Archive().size())
            return {};
        clips.push_back({int(at / SoundIndexEntry::kSize) + 1, std::span(Archive()).subspan(start, entry.length)});
    }
    return clips;
}

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag)
{
    return at + tag.size() <= bytes.size() && std::equal(tag.begin(), tag.end(), bytes.begin() + long(at));
}

// MPEG-2 Layer III frame length in bytes.
std::size_t FrameBytes(const FirstFrame& first, const std::uint8_t* header)
{
    return std::size_t(72000 * first.kbps / first.rate + (header[2] >> 1 & 1));
}

} // namespace

TEST(ContentClips, ArchiveHeaderAndIndexCoverEveryClipInOrder)
{
    ASSERT_GE(Archive().size(), SoundArchiveHeader::kSize);
    EXPECT_TRUE(SoundArchiveHeader::IsValid(Archive().data()));
    const std::vector<ArchivedClip> clips = Clips();
    ASSERT_EQ(clips.size(), 831u);
    // Clips follow one another with nothing between them and nothing after.
    std::size_t next = SoundArchiveHeader::kSize;
    for (const ArchivedClip& clip : clips) {
        EXPECT_EQ(std::size_t(clip.bytes.data() - Archive().data()), next) << "phrase " << clip.number;
        EXPECT_GT(clip.bytes.size(), 0u);
        next += clip.bytes.size();
    }
    EXPECT_EQ(next, Archive().size());
}

TEST(ContentClips, EveryClipIsBareConstantBitrateMpeg2MonoUnderSevenAndAHalfSeconds)
{
    for (const ArchivedClip& clip : Clips()) {
        SCOPED_TRACE("phrase " + std::to_string(clip.number));
        const std::optional<ClipAudio> audio = LocateAudio(clip.bytes.data(), std::uint32_t(clip.bytes.size()));
        ASSERT_TRUE(audio);
        EXPECT_EQ(audio->layout, ClipLayout::Bare);
        EXPECT_FALSE(audio->trailingTag);
        EXPECT_FALSE(HasTag(clip.bytes, 0, "ID3"));
        const FirstFrame first = ReadFirstFrame(clip.bytes.data(), std::uint32_t(clip.bytes.size()));
        ASSERT_EQ(first.version, MpegVersion::Mpeg2);
        ASSERT_EQ(first.rate, 22050);
        EXPECT_EQ(first.channels, 1);
        ASSERT_GE(first.kbps, 48);
        EXPECT_GE(first.nominalFrameSize, 156);
        ASSERT_GE(FrameBytes(first, clip.bytes.data()), 156u);
        // No encoder-information frame where the player looks for a
        // variable-bitrate header (after the 4-byte header and 9 bytes of
        // side information).
        for (std::string_view tag : {"Xing", "Info", "VBRI"})
            EXPECT_FALSE(HasTag(clip.bytes, 13, tag)) << tag;

        // Whole frames of the same kind from the first byte to the last.
        std::size_t at = 0;
        int frames = 0;
        while (at + 4 <= clip.bytes.size()) {
            const std::uint8_t* header = clip.bytes.data() + at;
            ASSERT_TRUE(std::equal(header, header + 2, clip.bytes.data())) << "frame " << frames;
            ASSERT_EQ(header[2] & 0xFD, clip.bytes[2] & 0xFD) << "frame " << frames;
            ASSERT_EQ(header[3], clip.bytes[3]) << "frame " << frames;
            at += FrameBytes(first, header);
            ++frames;
        }
        EXPECT_EQ(at, clip.bytes.size());
        // The player times a clip by its bitrate and decodes at most 300 frames.
        const std::uint32_t durationMs = audio->length / first.kbps * 8;
        EXPECT_LT(durationMs, 7500u);
        EXPECT_LT(frames * 576.0 / 22050, 7.5);
    }
}

TEST(ContentClips, ReferenceDecoderHearsSpeechInEveryClip)
{
    if (std::system("mpg123 --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "mpg123 is not installed (tools/install-packages installs it)";
    const ScopedTempDir dir;
    for (const ArchivedClip& clip : Clips()) {
        SCOPED_TRACE("phrase " + std::to_string(clip.number));
        WriteFile("clip.mp3", Bytes(clip.bytes.begin(), clip.bytes.end()));
        ASSERT_EQ(std::system("mpg123 -q -s clip.mp3 >clip.pcm 2>/dev/null"), 0);
        const Bytes pcm = ReadFile("clip.pcm");
        EXPECT_GT(pcm.size() / 2, 22050u / 2) << "shorter than half a second";
        EXPECT_GT(Peak(pcm), kSpeechPeak);
    }
}
