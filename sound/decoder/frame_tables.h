#pragma once
// The header's tables, one copy shared by all layers.

#include "mpadecoder.h"

#include <cstdint>

// kbit/s by [MPEG-1: 0, MPEG-2 and 2.5: 1][layer - 1][bitrate index].
inline constexpr int16_t kBitrateKbps[2][3][16] = {
    {
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    },
    {
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    },
};

// Hz by [version - 1][sample-rate index].
inline constexpr int32_t kSampleRateHz[3][4] = {
    {44100, 48000, 32000, 0},
    {22050, 24000, 16000, 0},
    {11025, 12000, 8000, 0},
};

// Bytes of Layer III side information after the header (and its CRC).
inline int32_t Layer3SideInfoBytes(int32_t version, int32_t mode)
{
    constexpr int32_t bytes[2][2] = {{17, 9}, {32, 17}}; // [MPEG-1?][single channel?]
    return bytes[version == 1][mode == 3];
}

int32_t FrameBitrate(int32_t version, int32_t layer, int32_t index);
int32_t FrameSampleRate(int32_t version, int32_t index);
// PCM samples per channel in one frame at full rate: 384 for Layer I, 1152
// for Layers II and III, half that for Layer III of MPEG-2 and 2.5.
int32_t FrameSamples(int32_t version, int32_t layer);
// A frame's length in bytes at `bitrate` bit/s and `rate` Hz, without the
// padding slot.
int32_t UnpaddedFrameLength(int32_t layer, int32_t version, int32_t bitrate, int32_t rate);
// The frame's length in bytes, padding slot included, at `rate` Hz.
int32_t FrameLength(const MpaFrameInfo& header, int32_t rate);
