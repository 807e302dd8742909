#pragma once
// Decoding one channel's spectrum of one granule.

#include "layer3.h"

struct SpectrumLimits {
    const BandTable& bands;
    int lineLimit; // no line at or above it is decoded
    int longMax;   // lines kept of long blocks
    int shortMax;  // of short blocks, in coded order
    int mixedLongBands; // long bands before the short ones of a mixed block
};

// `part2Start` is the reader's bit count where the channel's scale factors
// began; the channel owns gc.part23Length bits from there.
void DecodeChannelSpectrum(BitReader& reader, const GranuleChannel& gc, const ScaleFactors& sf, int64_t part2Start,
                           const SpectrumLimits& limits, ChannelSpectrum& spectrum);
