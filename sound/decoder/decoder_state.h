#pragma once
// The decoder's module-level state shared by its parts. Not for clients:
// they use mpadecoder.h.

#include "mpadecoder.h"

#include <cstdint>

// One frame decoder per layer: writes the frame's PCM at `output` and returns
// kMpaErrorNone, or writes nothing and returns the error code of its refusal.
using LayerDecoder = int32_t (*)(const MpaFrameJob& job, uint8_t* output);

struct DecoderCore {
    MpaOptions options{0, 0, 24000};
    int32_t lastError = kMpaErrorNone;
    // Set by a primary stream-information call.
    int32_t streamRate = 0;
    // Fixed by MpaStartStream for the whole stream: what the layer decoder
    // writes per frame, whatever a later (perhaps damaged) header says.
    int32_t startedVersion = 0;
    int32_t startedLayer = 0;
    int32_t startedRateIndex = 0;
    int32_t startedChannels = 0;   // channels the stream codes: 1 or 2
    int32_t outChannels = 0;       // channels written: 1 or 2
    int32_t outBytesPerFrame = 0;  // bytes written per frame
    int32_t frameSize = 0;         // length of the frame being decoded
    int32_t subbandLimit = 0;
    LayerDecoder layerDecoder = nullptr;
    bool equaliserOn = false;
    float equaliserGain[32] = {};
};

extern DecoderCore core;

inline void SetError(int32_t code) { core.lastError = code; }

// The number of subbands decoded: the bandwidth in subbands, rounded, below
// the top subband of the output rate where that one is skipped, and no more
// than the layer codes.
int32_t SubbandLimitFor(int32_t codedSubbands);
// Whether the top subband of the output is left out: always at half and
// quarter rate, at full rate only where it lies above hearing.
bool TopSubbandSkipped(int32_t streamRate, int32_t rateShift);

// Tables every layer builds in MpaInit.
void BuildLayer12Tables();
void BuildLayer3Tables();
void BuildSynthesisTables();
void BuildHuffmanDecoders();
