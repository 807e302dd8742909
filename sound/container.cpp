// Finding the audio in a clip and reading its first frame header.

#include "container.h"
#include "frame_tables.h"

#include <algorithm>

namespace {

bool HasTag(const std::uint8_t* clip, std::uint32_t length, const TagAt& at)
{
    if (at.offset > length || length - at.offset < at.tag.size())
        return false;
    return std::equal(at.tag.begin(), at.tag.end(), clip + at.offset,
                      [](char expected, std::uint8_t actual) { return std::uint8_t(expected) == actual; });
}

} // namespace

std::optional<ClipAudio> LocateAudio(const std::uint8_t* clip, std::uint32_t length)
{
    ClipAudio audio;
    if (HasTag(clip, length, {0, "RIFF"})) {
        const RiffLayout* found = nullptr;
        for (const RiffLayout& layout : kRiffLayouts) {
            if (HasTag(clip, length, layout.form) && HasTag(clip, length, layout.chunk))
                found = &layout;
        }
        if (found == nullptr || found->audioStart > length)
            return std::nullopt;
        audio.layout = found->layout;
        audio.start = found->audioStart;
    }
    audio.length = length - audio.start;
    if (audio.length >= kTrailingTagSize &&
        HasTag(clip + audio.start, audio.length, {audio.length - kTrailingTagSize, "TAG"})) {
        audio.length -= kTrailingTagSize;
        audio.trailingTag = true;
    }
    return audio;
}

FirstFrame ReadFirstFrame(const std::uint8_t* audio, std::uint32_t audioLength)
{
    FirstFrame first;
    if (audioLength < 4)
        return first;
    // The header's fields are read even where the decoder refuses the header
    // (free format, index 15, rate index 3): such a clip has a version but no
    // timing. Without a sync pattern the version stays 0.
    MpaFrameInfo header{};
    MpaParseHeader(audio, &header);
    if (header.version == 0 || header.layer > 3)
        return first;
    first.version = MpegVersion(header.version);
    first.layer = std::uint16_t(header.layer);
    first.channels = header.mode == 3 ? 1 : 2;
    first.samplesPerFrame = std::uint16_t(FrameSamples(header.version, header.layer));
    const std::int32_t bitrate = FrameBitrate(header.version, header.layer, header.bitrateIndex);
    first.kbps = std::uint16_t(bitrate / 1000);
    first.rate = std::uint16_t(FrameSampleRate(header.version, header.sampleRateIndex));
    if (!first.IsTimed())
        return first;
    first.frameSize = std::uint16_t(UnpaddedFrameLength(header.layer, header.version, bitrate, first.rate));
    first.frameMs = float(first.samplesPerFrame * 1000) / float(first.rate);
    return first;
}

platform::WaveFormat DeviceFormat(const FirstFrame& first)
{
    platform::WaveFormat format;
    format.formatTag = platform::kWaveFormatPcm;
    format.channels = first.channels;
    format.samplesPerSecond = first.rate;
    format.averageBytesPerSecond = std::uint32_t(first.rate) * first.channels * 2;
    format.blockAlign = std::uint16_t(first.channels * 2);
    format.bitsPerSample = 16;
    format.extraSize = 0;
    return format;
}
