#pragma once
// What the builds of the synthesis routines (synthesis_kernel.h) share: the
// per-channel history and the table of routines a build offers.

#include "synthesis.h"

constexpr int kSynthesisAges = 16;                     // slots the window reaches over, the current one included
constexpr int kSynthesisPastSlots = kSynthesisAges - 1;
constexpr int kSynthesisMostSlots = 36;                // slots per call (Layer II)
constexpr int kSynthesisWidestLanes = 8;
// Past slots, new slots, and room for a last group partly used (and for
// moving the past by whole groups of lanes).
constexpr int kSynthesisRowLength = kSynthesisPastSlots + 1 + kSynthesisMostSlots + kSynthesisWidestLanes;

// Row r < N holds the low half of the matrixed values (value r) and row
// N + r the high half, slot after slot; the first kSynthesisPastSlots
// columns hold the slots before the call.
struct SynthesisHistory {
    alignas(32) float rows[64][kSynthesisRowLength];
};

extern SynthesisHistory synthesisHistory[2]; // left, right

struct SynthesisFamily {
    const SubbandSynthesis* subband[2][3]; // [eight bit][rate shift] -> by ChannelPlan
    GranuleSynthesis granule[2][3][2];     // [eight bit][rate shift][output channels - 1]
    void (*buildTables)();
};

#if defined(TESSALY_AVX2_ROUTINES)
// The routines compiled for AVX2 and FMA; only for processors that have both.
const SynthesisFamily& Avx2SynthesisFamily();
#endif
