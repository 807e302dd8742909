// One channel's spectrum of one granule: Huffman decoding of the big-values
// and count1 regions (which already gives |x|^(4/3) with its sign), then each
// band's gain.

#include "bit_reader.h"
#include "layer3.h"
#include "layer3_spectrum.h"

#include <algorithm>
#include <cstring>

namespace {

inline void Scale(float* lines, int from, int to, float gain)
{
    for (int i = from; i < to; ++i)
        lines[i] *= gain;
}

void ApplyBandGains(const GranuleChannel& gc, const ScaleFactors& sf, const SpectrumLimits& limits, int nonzero,
                    float* lines)
{
    const BandTable& bands = limits.bands;
    const int scaleShift = gc.scalefacScale ? 4 : 2; // quarter steps per scale-factor unit
    const int global = gc.globalGain - 210;

    int longBands = 22;
    int firstShort = 13;
    if (gc.blockType == 2) {
        longBands = gc.mixedBlock ? limits.mixedLongBands : 0;
        firstShort = gc.mixedBlock ? 3 : 0;
    }
    for (int band = 0; band < longBands && bands.longBound[band] < nonzero; ++band) {
        const int factor = sf.longBands[band] + (gc.preflag ? kPretab[band] : 0);
        Scale(lines, bands.longBound[band], std::min<int>(bands.longBound[band + 1], nonzero),
              QuarterStepGain(global - scaleShift * factor));
    }
    for (int band = firstShort; band < 13 && 3 * bands.shortBound[band] < nonzero; ++band) {
        const int width = bands.shortBound[band + 1] - bands.shortBound[band];
        for (int window = 0; window < 3; ++window) {
            const int from = 3 * bands.shortBound[band] + window * width;
            const int quarters = global - 8 * gc.subblockGain[window] - scaleShift * sf.shortBands[band][window];
            Scale(lines, from, std::min(from + width, nonzero), QuarterStepGain(quarters));
        }
    }
}

} // namespace

void DecodeChannelSpectrum(BitReader& reader, const GranuleChannel& gc, const ScaleFactors& sf, int64_t part2Start,
                           const SpectrumLimits& limits, ChannelSpectrum& spectrum)
{
    float* lines = spectrum.lines;
    const int bigEnd = std::min(2 * gc.bigValues, limits.lineLimit);
    const int region1 = std::min(gc.region1Start, bigEnd);
    const int region2 = std::min(gc.region2Start, bigEnd);
    DecodeBigValues(reader, gc.tableSelect[0], lines, 0, region1);
    DecodeBigValues(reader, gc.tableSelect[1], lines, region1, region2);
    DecodeBigValues(reader, gc.tableSelect[2], lines, region2, bigEnd);
    int nonzero = DecodeCount1(reader, gc.count1Table, lines, bigEnd, limits.lineLimit, part2Start + gc.part23Length);

    const int maxLine = gc.blockType == 2 ? limits.shortMax : limits.longMax;
    nonzero = std::min(nonzero, maxLine);
    // Huffman data that ran past the channel's bits (with some slack) is
    // damaged: the channel is silent for this granule.
    if (reader.BitsRead() - part2Start > gc.part23Length + 39)
        nonzero = 0;
    // Trailing zero pairs need no work further on.
    while (nonzero > 0 && lines[nonzero - 1] == 0.0f)
        --nonzero;

    ApplyBandGains(gc, sf, limits, nonzero, lines);
    std::memset(lines + nonzero, 0, sizeof(float) * size_t(576 + 8 - nonzero));
    spectrum.nonzero = nonzero;
}
