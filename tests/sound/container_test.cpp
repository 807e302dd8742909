// The clip layouts and the trailing tag. Where each layout's audio starts is
// checked by playing real clips in every wrapper.

#include "container.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// `size` bytes of 0x55 with ASCII tags at their offsets.
Bytes ClipWith(std::size_t size, std::initializer_list<TagAt> tags)
{
    Bytes clip(size, 0x55);
    for (const TagAt& t : tags)
        std::memcpy(clip.data() + t.offset, t.tag.data(), t.tag.size());
    return clip;
}

// (start, length, tag dropped), or (-1, -1, false) for a refusal.
std::tuple<long, long, bool> Locate(const Bytes& clip)
{
    const auto audio = LocateAudio(clip.data(), std::uint32_t(clip.size()));
    return audio ? std::tuple(long(audio->start), long(audio->length), audio->trailingTag) : std::tuple(-1L, -1L, false);
}

TEST(Container, RefusesOtherRiffLayoutsAndDropsOnlyATagInTheLast128BytesOfTheAudio)
{
    const std::tuple<Bytes, long, long, bool> cases[] = {
        {ClipWith(300, {{0, "RIFF"}, {8, "wavefmt"}, {50, "fact"}}), -1, -1, false},   // case-sensitive
        {ClipWith(300, {{0, "RIFF"}, {8, "WAVEfmx"}, {50, "fact"}}), -1, -1, false},   // all seven bytes
        {ClipWith(300, {{0, "RIFF"}, {8, "RMP3"}, {12, "DATA"}}), -1, -1, false},
        {ClipWith(300, {{0, "RIFF"}, {8, "WAVE"}, {12, "fmt "}, {36, "data"}}), -1, -1, false}, // PCM WAVE
        {ClipWith(4, {{0, "RIFF"}}), -1, -1, false},
        {ClipWith(69, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "fact"}}), -1, -1, false},    // ends before its audio
        {ClipWith(52, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "fa"}}), -1, -1, false},      // tag runs past the end
        {ClipWith(300, {{1, "RIFF"}, {8, "RMP3"}, {12, "data"}}), 0, 300, false},      // only bytes 0..3 decide
        {ClipWith(20, {{0, "RIFF"}, {8, "RMP3"}, {12, "data"}}), 20, 0, false},        // an empty stream
        {ClipWith(1000, {{0, "\xFF\xFB"}, {872, "TAG"}}), 0, 872, true},
        {ClipWith(1000, {{871, "TAG"}}), 0, 1000, false},
        {ClipWith(1000, {{873, "TAG"}}), 0, 1000, false},
        {ClipWith(470, {{0, "RIFF"}, {8, "WAVEfmt"}, {50, "fact"}, {342, "TAG"}}), 70, 272, true},
        {ClipWith(128, {{0, "TAG"}}), 0, 0, true},
        {ClipWith(127, {{0, "TAG"}}), 0, 127, false},
    };
    int row = 0;
    for (const auto& [clip, start, length, tag] : cases)
        EXPECT_EQ(Locate(clip), std::tuple(start, length, tag)) << "row " << row++;
}

} // namespace
