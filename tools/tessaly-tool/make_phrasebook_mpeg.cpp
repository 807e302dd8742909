#include "make_phrasebook_mpeg.h"

#include "frame_tables.h"
#include "records.h"

#include <algorithm>
#include <string_view>

namespace {

// The clip's form, in the decoder's terms: MPEG-2, Layer III, one channel.
constexpr int kMpeg2 = 2;
constexpr int kLayer3 = 3;
constexpr int kSingleChannel = 3;

constexpr std::size_t kHeaderBytes = 4;
constexpr std::size_t kCrcBytes = 2;
constexpr std::size_t kTrailingTagBytes = 128;

struct FrameHeader {
    bool valid = false;
    bool crc = false;
    int kbps = 0;
    int bytes = 0;
};

// What the clip's form allows; anything else is not a valid header here.
FrameHeader ReadHeader(const std::uint8_t* b)
{
    FrameHeader h;
    const bool sync = b[0] == 0xFF && (b[1] & 0xE0) == 0xE0;
    const bool mpeg2 = (b[1] >> 3 & 3) == 2;
    const bool layer3 = (b[1] >> 1 & 3) == 1;
    const int sampleRateIndex = b[2] >> 2 & 3;   // 0: 22050 Hz for MPEG-2
    const bool mono = (b[3] >> 6) == 3;
    // The decoder's own table: 0 for free format and for the forbidden index.
    h.kbps = FrameBitrate(kMpeg2, kLayer3, b[2] >> 4) / 1000;
    h.crc = (b[1] & 1) == 0;
    h.valid = sync && mpeg2 && layer3 && sampleRateIndex == 0 && mono && h.kbps != 0;
    const int padding = b[2] >> 1 & 1;
    h.bytes = UnpaddedFrameLength(kLayer3, kMpeg2, h.kbps * 1000, kClipSampleRate) + padding;
    return h;
}

} // namespace

std::optional<ClipStream> CheckClipStream(std::span<const std::uint8_t> clip, std::string& fault)
{
    if (HasTag(clip, 0, "ID3")) {
        fault = "the clip starts with an ID3 tag";
        return std::nullopt;
    }
    if (clip.size() >= kTrailingTagBytes && HasTag(clip, clip.size() - kTrailingTagBytes, "TAG")) {
        fault = "the clip ends with a TAG block";
        return std::nullopt;
    }
    ClipStream stream;
    std::size_t at = 0;
    while (at < clip.size()) {
        if (clip.size() - at < kHeaderBytes) {
            fault = "the clip ends inside a frame header";
            return std::nullopt;
        }
        const FrameHeader h = ReadHeader(clip.data() + at);
        if (!h.valid) {
            fault = "frame " + std::to_string(stream.frames + 1) +
                    " is not MPEG-2 Layer III, 22050 Hz, one channel";
            return std::nullopt;
        }
        if (stream.frames == 0) {
            stream.kbps = h.kbps;
            const std::size_t vbrAt =
                at + kHeaderBytes + (h.crc ? kCrcBytes : 0) + std::size_t(Layer3SideInfoBytes(kMpeg2, kSingleChannel));
            for (std::string_view tag : {"Xing", "Info", "VBRI"}) {
                if (HasTag(clip, vbrAt, tag)) {
                    fault = "the clip starts with an encoder-information frame (\"" + std::string(tag) + "\")";
                    return std::nullopt;
                }
            }
        } else if (h.kbps != stream.kbps) {
            fault = "the bitrate changes at frame " + std::to_string(stream.frames + 1);
            return std::nullopt;
        }
        if (clip.size() - at < std::size_t(h.bytes)) {
            fault = "the clip ends inside frame " + std::to_string(stream.frames + 1);
            return std::nullopt;
        }
        at += std::size_t(h.bytes);
        ++stream.frames;
    }
    if (stream.frames == 0) {
        fault = "the clip is empty";
        return std::nullopt;
    }
    if (stream.kbps < kClipMinKbps) {
        fault = "the clip's bitrate is " + std::to_string(stream.kbps) + " kbit/s, below " +
                std::to_string(kClipMinKbps);
        return std::nullopt;
    }
    return stream;
}
