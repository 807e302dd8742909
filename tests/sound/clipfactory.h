#pragma once
// Clips for the player's tests: silent Layer III frames built byte by byte,
// and two-tone clips encoded with lame at test time, with mpg123 as the
// reference decoder. Files are made in the current directory.

#include "programs.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
class CSoundPlayer;

// `count` frames of the 4 header bytes and zeros up to `frameLength`.
Bytes SilentFrames(std::initializer_list<std::uint8_t> header, std::uint32_t frameLength, std::uint32_t count);
// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo: 417 bytes a frame.
Bytes SilentMpeg1Frames(std::uint32_t count);
std::unique_ptr<std::uint8_t[]> OwnedCopy(const Bytes& bytes);
// Opens a copy of `clip` in `player`, handed over as the window hands clips over; the player's answer.
int OpenClip(CSoundPlayer& player, const Bytes& clip);

Bytes WaveFact30(const Bytes& audio);
Bytes WaveFact32(const Bytes& audio);
Bytes WaveNoFact30(const Bytes& audio);
Bytes Rmp3(const Bytes& audio);
Bytes WithTrailingTag(const Bytes& audio);

struct ClipRecipe {
    int rateHz;
    int channels;
    int kbps;
    double seconds;
    bool variableBitrate = false; // lame then puts a "Xing" frame in front
};
std::optional<Bytes> EncodeClip(const ClipRecipe& recipe);
// mpg123's 16-bit PCM of a stream in its own rate and channels.
std::optional<Bytes> ReferenceDecode(const Bytes& stream);
// The largest difference between two runs of 16-bit samples, over the shorter.
int LargestSampleDifference(const Bytes& a, const Bytes& b);
