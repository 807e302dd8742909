#pragma once
// Layers I and II: bit allocation, scale factors, requantisation.

#include "mpadecoder.h"

#include <cstdint>

// A Layer II quantisation class: the standard's number of steps and how the
// samples are coded (three to one code word, or one code each).
struct QuantClass {
    int steps;
    int bits;      // bits of one code word
    bool grouped;  // one code word carries three samples
};

// Class 0 means no samples; 1..17 run from 3 to 65535 steps.
extern const QuantClass kQuantClasses[18];

// One Layer II allocation table: runs of subbands with the same allocation
// field width and the class each allocation value stands for.
struct AllocationGroup {
    int subbands;
    int bits;
    const uint8_t* classes;
};
struct AllocationTable {
    AllocationGroup groups[4];
};

const AllocationTable& Layer2AllocationTable(int number);
// The table a stream uses: 0..3 for MPEG-1 by bitrate per channel and
// sample rate, 4 for MPEG-2 and 2.5.
int Layer2TableNumber(int version, int mode, int sampleRateIndex, int bitrateIndex);

// Built by MpaInit: 2^(-i/3) at full 16-bit scale (the standard's 2^(1-i/3)
// times 32768), 2/(2^n - 1) for Layer I, 2/steps per class, and the three
// centred digits of each grouped code word.
extern float scaleFactorMultiplier[64];
extern float layer1Factor[16];
extern float classFactor[18];
extern int8_t ungroup3[32][3], ungroup5[128][3], ungroup9[1024][3];

void Layer12SetUp(const MpaFrameInfo& info);
int32_t DecodeLayer1Frame(const MpaFrameJob& job, uint8_t* output);
int32_t DecodeLayer2Frame(const MpaFrameJob& job, uint8_t* output);
