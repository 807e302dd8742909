#pragma once
// The form every spoken clip must have: bare MPEG-2 Layer III, 22050 Hz, one
// channel, one constant bitrate of at least 48 kbit/s, whole frames from the
// first byte to the last, and nothing else: no ID3 tag at either end and no
// encoder-information frame, which the player would take for part of the
// sound or for a variable-bitrate header.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

constexpr int kClipSampleRate = 22050;
constexpr int kClipMinKbps = 48;
constexpr int kClipSamplesPerFrame = 576;

struct ClipStream {
    int frames = 0;
    int kbps = 0;

    double Seconds() const { return double(frames) * kClipSamplesPerFrame / kClipSampleRate; }
};

// Nothing, with a description in `fault`, for a clip of any other form.
std::optional<ClipStream> CheckClipStream(std::span<const std::uint8_t> clip, std::string& fault);
