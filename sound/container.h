#pragma once
// A pronunciation clip is a whole sound file: bare MPEG audio, or MPEG audio
// in one of four fixed RIFF layouts, perhaps followed by a 128-byte "TAG"
// block. This finds the audio inside it and reads, from the first frame's
// four header bytes alone, what the player needs before any decoding: the
// values it times and sizes the block with and the device's PCM format.

#include "waveout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

enum class ClipLayout {
    Bare,         // no wrapper: audio from byte 0
    WaveFact30,   // RIFF WAVE, 30-byte MPEG format chunk, fact chunk
    WaveFact32,   // RIFF WAVE, 32-byte format chunk, fact chunk
    WaveNoFact30, // RIFF WAVE, 30-byte MPEG format chunk, no fact chunk
    Rmp3,         // RIFF RMP3: the data chunk's payload
};

// ASCII bytes expected at an offset of the clip (compared exactly).
struct TagAt {
    std::uint32_t offset;
    std::string_view tag;
};

// A RIFF layout is known by two tags after "RIFF"; its audio starts at a
// fixed offset. Only these bytes are looked at: chunk sizes and the format
// chunk's contents are not read.
struct RiffLayout {
    ClipLayout layout;
    TagAt form;
    TagAt chunk;
    std::uint32_t audioStart;
};

// In the order they are tested; a later match overrides an earlier one.
inline constexpr std::array<RiffLayout, 4> kRiffLayouts = {{
    {ClipLayout::WaveFact30, {8, "WAVEfmt"}, {50, "fact"}, 70},
    {ClipLayout::WaveFact32, {8, "WAVEfmt"}, {52, "fact"}, 72},
    {ClipLayout::WaveNoFact30, {8, "WAVEfmt"}, {50, "data"}, 58},
    {ClipLayout::Rmp3, {8, "RMP3"}, {12, "data"}, 20},
}};

inline constexpr std::uint32_t kTrailingTagSize = 128;

// Where the audio data lies in a clip.
struct ClipAudio {
    ClipLayout layout = ClipLayout::Bare;
    std::uint32_t start = 0;   // offset of the first frame in the clip
    std::uint32_t length = 0;  // bytes from there to the end, less a trailing tag
    bool trailingTag = false;  // a "TAG" block was dropped from the end
};

// Nothing for a RIFF file of any other layout, or one shorter than its
// layout's audio start.
std::optional<ClipAudio> LocateAudio(const std::uint8_t* clip, std::uint32_t length);

enum class MpegVersion : std::uint8_t { None, Mpeg1, Mpeg2, Mpeg25 };

// What the first frame's header bytes say, by the decoder's own header
// reading and tables, for every layer and version.
struct FirstFrame {
    MpegVersion version = MpegVersion::None; // None: no frame header (no sync, or the reserved layer)
    std::uint16_t layer = 0;           // 1, 2 or 3
    std::uint16_t kbps = 0;            // 0 for free format and index 15
    std::uint16_t rate = 0;            // Hz; 0 for index 3
    std::uint16_t channels = 0;        // 1 in single-channel mode, else 2
    std::uint16_t samplesPerFrame = 0; // per channel
    // Bytes of a frame at this bitrate and rate without its padding slot; 0
    // when the clip is not timed.
    std::uint16_t frameSize = 0;
    // Milliseconds one frame lasts (single precision); 0 when not timed.
    float frameMs = 0;

    // A bitrate and a rate to time the clip by.
    bool IsTimed() const { return kbps != 0 && rate != 0; }
};

// Reads the four bytes at `audio`; a clip with fewer gives an empty record.
FirstFrame ReadFirstFrame(const std::uint8_t* audio, std::uint32_t audioLength);

// 16-bit integer PCM at the first frame's rate and channel count.
platform::WaveFormat DeviceFormat(const FirstFrame& first);
