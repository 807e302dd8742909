// The clip layouts, the trailing tag and the first-frame values.

#include "container.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A clip of `size` bytes filled with 0x55, with ASCII tags placed at offsets.
Bytes ClipWith(std::size_t size, std::initializer_list<TagAt> tags)
{
    Bytes clip(size, 0x55);
    for (const TagAt& t : tags)
        std::memcpy(clip.data() + t.offset, t.tag.data(), t.tag.size());
    return clip;
}

std::optional<ClipAudio> Locate(const Bytes& clip)
{
    return LocateAudio(clip.data(), std::uint32_t(clip.size()));
}

// Where each layout's audio starts is checked by playing real clips in every
// wrapper (soundplayer_pcm_test.cpp); here, what is refused.
TEST(Container, RefusesRiffFilesOfAnyOtherLayout)
{
    const Bytes refused[] = {
        ClipWith(300, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "LIST"}}),
        ClipWith(300, {{0, "RIFF"}, {8, "wavefmt"}, {50, "fact"}}),   // tags are case-sensitive
        ClipWith(300, {{0, "RIFF"}, {8, "WAVEfmx"}, {50, "fact"}}),   // all seven bytes count
        ClipWith(300, {{0, "RIFF"}, {8, "RMP3"}, {12, "DATA"}}),
        ClipWith(300, {{0, "RIFF"}, {8, "WAVE"}, {12, "fmt "}, {36, "data"}}), // plain PCM WAVE
        ClipWith(4, {{0, "RIFF"}}),
        // Right tags, but shorter than its audio start.
        ClipWith(69, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "fact"}}),
        // The tag would run past the end of the clip.
        ClipWith(52, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "fa"}}),
    };
    for (const Bytes& clip : refused)
        EXPECT_FALSE(Locate(clip).has_value()) << clip.size();
    // Bytes 0..3 decide: a clip that merely contains "RIFF" later is bare.
    const auto bare = Locate(ClipWith(300, {{1, "RIFF"}, {8, "RMP3"}, {12, "data"}}));
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(bare->layout, ClipLayout::Bare);
    // The audio start may be the very end: an empty stream, not a refusal.
    const auto empty = Locate(ClipWith(20, {{0, "RIFF"}, {8, "RMP3"}, {12, "data"}}));
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->length, 0u);
}

TEST(Container, DropsATrailingTagOnlyWhereTheLast128BytesOfTheAudioBeginWithIt)
{
    struct Case {
        Bytes clip;
        std::uint32_t start, length;
    };
    const Case cases[] = {
        {ClipWith(1000, {{0, "\xFF\xFB"}, {872, "TAG"}}), 0, 872},
        {ClipWith(1000, {{0, "TAG"}}), 0, 1000},
        {ClipWith(1000, {{871, "TAG"}}), 0, 1000},
        {ClipWith(1000, {{873, "TAG"}}), 0, 1000},
        {ClipWith(1000, {{997, "TAG"}}), 0, 1000},
        // Measured from the end of the audio, inside a wrapper too.
        {ClipWith(70 + 400, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "fact"}, {70 + 272, "TAG"}}), 70, 272},
        {ClipWith(128, {{0, "TAG"}}), 0, 0},   // all tag: nothing left
        {ClipWith(127, {{0, "TAG"}}), 0, 127}, // shorter than a tag: nothing dropped
    };
    for (const Case& c : cases) {
        const auto audio = Locate(c.clip);
        ASSERT_TRUE(audio.has_value());
        EXPECT_EQ(audio->start, c.start);
        EXPECT_EQ(audio->length, c.length) << c.clip.size();
        EXPECT_EQ(audio->trailingTag, c.clip.size() - c.start != c.length) << c.clip.size();
    }
}

FirstFrame First(std::initializer_list<std::uint8_t> header)
{
    const Bytes bytes(header);
    return ReadFirstFrame(bytes.data(), std::uint32_t(bytes.size()));
}

// Headers that give no time or no frame at all are in the player's refusals.
TEST(Container, FirstFrameValuesFollowTheVersionRows)
{
    struct Case {
        std::initializer_list<std::uint8_t> header;
        MpegVersion version;
        std::uint16_t mpeg2, kbps, rate, channels, nominalFrameSize;
        float frameMs;
    };
    const Case cases[] = {
        // MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo.
        {{0xFF, 0xFB, 0x90, 0x64}, MpegVersion::Mpeg1, 0, 128, 44100, 2, 417, 26.12245f},
        // MPEG-1 at 48000 and 32000 Hz, single channel.
        {{0xFF, 0xFB, 0x94, 0xC0}, MpegVersion::Mpeg1, 0, 128, 48000, 1, 384, 24.0f},
        {{0xFF, 0xFB, 0xE8, 0x00}, MpegVersion::Mpeg1, 0, 320, 32000, 2, 1440, 36.0f},
        // MPEG-2 Layer III, 48 kbit/s, 22050 Hz, single channel.
        {{0xFF, 0xF3, 0x60, 0xC0}, MpegVersion::Mpeg2, 1, 48, 22050, 1, 313, 26.12245f},
        {{0xFF, 0xF3, 0xE8, 0xC0}, MpegVersion::Mpeg2, 1, 160, 16000, 1, 1440, 36.0f},
        // MPEG-2.5: the true sampling frequencies, frames twice as long.
        {{0xFF, 0xE3, 0x60, 0xC0}, MpegVersion::Mpeg25, 1, 48, 11025, 1, 626, 52.2449f},
        {{0xFF, 0xE2, 0x88, 0xC0}, MpegVersion::Mpeg25, 1, 64, 8000, 1, 1152, 72.0f},
        // MPEG-2.5 with its version bit set is still MPEG-2.5.
        {{0xFF, 0xEB, 0x60, 0xC0}, MpegVersion::Mpeg25, 1, 48, 11025, 1, 626, 52.2449f},
        // Layer II bits: the Layer III bitrate row all the same.
        {{0xFF, 0xFD, 0x90, 0x00}, MpegVersion::Mpeg1, 0, 128, 44100, 2, 417, 26.12245f},
    };
    for (const Case& c : cases) {
        const FirstFrame first = First(c.header);
        SCOPED_TRACE(int(*(c.header.begin() + 1)) * 65536 + int(*(c.header.begin() + 2)) * 256 +
                     int(*(c.header.begin() + 3)));
        EXPECT_EQ(first.version, c.version);
        EXPECT_EQ(first.mpeg2, c.mpeg2);
        EXPECT_EQ(first.kbps, c.kbps);
        EXPECT_EQ(first.rate, c.rate);
        EXPECT_EQ(first.channels, c.channels);
        EXPECT_EQ(first.nominalFrameSize, c.nominalFrameSize);
        EXPECT_FLOAT_EQ(first.frameMs, c.frameMs);
        EXPECT_TRUE(first.IsTimed());
    }
}

} // namespace
