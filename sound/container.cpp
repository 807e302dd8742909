// Finding the audio in a clip and reading its first frame header.

#include "container.h"

#include <algorithm>

namespace {

bool HasTag(const std::uint8_t* clip, std::uint32_t length, const TagAt& at)
{
    if (at.offset > length || length - at.offset < at.tag.size())
        return false;
    return std::equal(at.tag.begin(), at.tag.end(), clip + at.offset,
                      [](char expected, std::uint8_t actual) { return std::uint8_t(expected) == actual; });
}

// Bitrates in kbit/s by bitrate index: the Layer III rows of MPEG-1 and of
// MPEG-2 (which MPEG-2.5 shares). Indexes 0 (free format) and 15 give 0.
constexpr std::uint16_t kKbps[2][16] = {
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
};

// Per version: the sampling frequencies by index, and how long a frame of
// that version lasts at each (1152 samples for MPEG-1, 576 otherwise). MPEG-2.5
// has its own row: its frames last twice as long as MPEG-2's at index for index.
struct VersionRates {
    std::uint16_t rate[4];
    float frameMs[4];
};

constexpr VersionRates kMpeg1Rates = {{44100, 48000, 32000, 0}, {26.12245f, 24.0f, 36.0f, 0}};
constexpr VersionRates kMpeg2Rates = {{22050, 24000, 16000, 0}, {26.12245f, 24.0f, 36.0f, 0}};
constexpr VersionRates kMpeg25Rates = {{11025, 12000, 8000, 0}, {52.24490f, 48.0f, 72.0f, 0}};

// Byte 1 of a header: 1111 then the version bit for MPEG-1 and MPEG-2, 1110
// for MPEG-2.5 (its version bit is not looked at).
MpegVersion VersionOf(const std::uint8_t* header)
{
    if (header[0] != 0xFF)
        return MpegVersion::None;
    if (header[1] >= 0xF0)
        return (header[1] & 0x08) ? MpegVersion::Mpeg1 : MpegVersion::Mpeg2;
    if ((header[1] & 0xF0) == 0xE0)
        return MpegVersion::Mpeg25;
    return MpegVersion::None;
}

const VersionRates* RatesOf(MpegVersion version)
{
    switch (version) {
    case MpegVersion::Mpeg1:
        return &kMpeg1Rates;
    case MpegVersion::Mpeg2:
        return &kMpeg2Rates;
    case MpegVersion::Mpeg25:
        return &kMpeg25Rates;
    case MpegVersion::None:
        break;
    }
    return nullptr;
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
    first.version = VersionOf(audio);
    const VersionRates* rates = RatesOf(first.version);
    if (rates == nullptr)
        return first;
    first.mpeg2 = first.version == MpegVersion::Mpeg1 ? 0 : 1;
    first.kbps = kKbps[first.mpeg2][audio[2] >> 4];
    first.sampleRateIndex = (audio[2] >> 2) & 3;
    first.rate = rates->rate[first.sampleRateIndex];
    first.frameMs = rates->frameMs[first.sampleRateIndex];
    first.channels = (audio[3] >> 6) == 3 ? 1 : 2;
    if (first.IsTimed())
        first.nominalFrameSize = std::uint16_t(std::uint32_t(first.kbps) * 144000 / first.rate);
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
