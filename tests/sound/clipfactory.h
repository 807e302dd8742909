#pragma once
// Clips for the player's tests: frames built byte by byte (silent Layer III
// frames, which need no encoder), and real speech-like clips made at test
// time with lame from a generated two-tone signal, with mpg123 as the
// reference decoder. Files are made in the current directory.

#include "programs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// `count` silent frames, each the 4 header bytes and zeros to `frameLength`.
Bytes SilentFrames(std::initializer_list<std::uint8_t> header, std::uint32_t frameLength, std::uint32_t count);
// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo, no padding: 417 bytes a frame.
Bytes SilentMpeg1Frames(std::uint32_t count);

// The wrappers around an MPEG stream.
Bytes WaveFact30(const Bytes& audio);
Bytes WaveFact32(const Bytes& audio);
Bytes WaveNoFact30(const Bytes& audio);
Bytes Rmp3(const Bytes& audio);
Bytes WithTrailingTag(const Bytes& audio);

struct ClipRecipe {
    int rateHz;      // the stream's sampling frequency
    int channels;    // 1 or 2
    int kbps;
    double seconds;
    // Variable bitrate (lame's quality setting, kbps unused), with the frame
    // carrying a "Xing" header that lame puts in front of such a stream.
    bool variableBitrate = false;
};

// A Layer III stream: constant bitrate without lame's information frame, or
// variable bitrate with it; nothing when lame fails.
std::optional<Bytes> EncodeClip(const ClipRecipe& recipe);

// mpg123's 16-bit little-endian PCM of a stream, in the stream's own rate and
// channels; nothing when mpg123 fails.
std::optional<Bytes> ReferenceDecode(const Bytes& stream);

// The largest difference between two 16-bit little-endian sample runs of the
// same length.
int LargestSampleDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t bytes);
