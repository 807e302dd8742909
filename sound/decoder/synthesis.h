#pragma once
// The polyphase synthesis filterbank and PCM output: a family of routines,
// one per output variant, chosen once per stream by the layer's set-up.

#include <cstdint>

// D[i] of the standard's synthesis window, i in 0..511.
double SynthesisWindowCoefficient(int i);

void ClearSynthesisHistory();

// What a routine makes of the channels it is given.
enum class ChannelPlan {
    Mono,   // a single-channel stream
    Stereo, // two channels in, two interleaved out
    Mix,    // two in, (left + right) / 2 out
    Left,   // two in, the left one out
    Right,  // two in, the right one out
};

// The routines read slots in groups of up to eight: a buffer of `slots`
// slots must be readable (and hold finite values) up to this many.
constexpr int SynthesisReadableSlots(int slots) { return (slots + 7) / 8 * 8; }

// Layers I and II: `samples` holds `slots` time slots of 64 floats each: the
// 32 subband samples of channel 0, then those of channel 1 (unused in Mono),
// readable up to SynthesisReadableSlots(slots).
using SubbandSynthesis = void (*)(const float* samples, int slots, uint8_t* output);
SubbandSynthesis ChooseSubbandSynthesis(ChannelPlan plan, int rateShift, bool eightBit);

// Layer III: one granule, 18 time slots of 32 subband samples in a buffer
// of kGranuleFloats: of the one output channel, or of the left one with
// `second` the right one's (null with one output channel).
constexpr int kGranuleFloats = SynthesisReadableSlots(18) * 32;
using GranuleSynthesis = void (*)(const float* granule, const float* second, uint8_t* output);
GranuleSynthesis ChooseGranuleSynthesis(int outChannels, int rateShift, bool eightBit);

// A windowed sum becomes a sample by truncation toward zero and clipping to
// 16 bits; NaN (never expected) becomes -32768.
inline int32_t ToSample(float value)
{
    value = value >= -32768.0f ? value : -32768.0f;
    value = value <= 32767.0f ? value : 32767.0f;
    return int32_t(value);
}

// 8-bit output is unsigned: the top byte of the sample with its sign flipped.
inline uint8_t ToUnsigned8(int32_t sample) { return uint8_t((sample >> 8) ^ 0x80); }

// Samples each slot yields per channel at a rate shift: 32, 16 or 8.
constexpr int SamplesPerSlot(int rateShift) { return 32 >> rateShift; }
