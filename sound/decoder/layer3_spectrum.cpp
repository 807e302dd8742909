// One channel's spectrum of one granule: Huffman decoding of the big-values
// and count1 regions, then requantisation, |x|^(4/3) times the band's gain.

#include "bit_reader.h"
#include "layer3.h"
#include "layer3_spectrum.h"

#include <algorithm>
#include <cstring>

namespace {

void Requantise(const GranuleChannel& gc, const ScaleFactors& sf, const SpectrumLimits& limits, const int* values,
                int nonzero, float* lines)
{
    const BandTable& bands = limits.bands;
    const int scaleShift = gc.scalefacScale ? 4 : 2; // quarter steps per scale-factor unit
    const int global = gc.globalGain - 210;
    const auto apply = [&](int from, int to, float gain) {
        to = to < nonzero ? to : nonzero;
        for (int i = from; i < to; ++i) {
            const int v = values[i];
            const float magnitude = pow43Table[v < 0 ? -v : v] * gain;
            lines[i] = v < 0 ? -magnitude : magnitude;
        }
    };

    int longBands = 22;
    int firstShort = 13;
    if (gc.blockType == 2) {
        longBands = gc.mixedBlock ? limits.mixedLongBands : 0;
        firstShort = gc.mixedBlock ? 3 : 0;
    }
    for (int band = 0; band < longBands && bands.longBound[band] < nonzero; ++band) {
        const int factor = sf.longBands[band] + (gc.preflag ? kPretab[band] : 0);
        apply(bands.longBound[band], bands.longBound[band + 1], QuarterStepGain(global - scaleShift * factor));
    }
    for (int band = firstShort; band < 13 && 3 * bands.shortBound[band] < nonzero; ++band) {
        const int width = bands.shortBound[band + 1] - bands.shortBound[band];
        for (int window = 0; window < 3; ++window) {
            const int from = 3 * bands.shortBound[band] + window * width;
            const int quarters = global - 8 * gc.subblockGain[window] - scaleShift * sf.shortBands[band][window];
            apply(from, from + width, QuarterStepGain(quarters));
        }
    }
}

} // namespace

void DecodeChannelSpectrum(BitReader& reader, const GranuleChannel& gc, const ScaleFactors& sf, int64_t part2Start,
                           const SpectrumLimits& limits, ChannelSpectrum& spectrum)
{
    int values[576 + 8];
    const int bigEnd = std::min(2 * gc.bigValues, limits.lineLimit);
    const int region1 = std::min(gc.region1Start, bigEnd);
    const int region2 = std::min(gc.region2Start, bigEnd);
    DecodeBigValues(reader, gc.tableSelect[0], values, 0, region1);
    DecodeBigValues(reader, gc.tableSelect[1], values, region1, region2);
    DecodeBigValues(reader, gc.tableSelect[2], values, region2, bigEnd);
    int nonzero = DecodeCount1(reader, gc.count1Table, values, bigEnd, limits.lineLimit, part2Start + gc.part23Length);

    const int maxLine = gc.blockType == 2 ? limits.shortMax : limits.longMax;
    nonzero = std::min(nonzero, maxLine);
    // Huffman data that ran past the channel's bits (with some slack) is
    // damaged: the channel is silent for this granule.
    if (reader.BitsRead() - part2Start > gc.part23Length + 39)
        nonzero = 0;
    // Trailing zero pairs need no work further on.
    while (nonzero > 0 && values[nonzero - 1] == 0)
        --nonzero;

    float* lines = spectrum.lines;
    Requantise(gc, sf, limits, values, nonzero, lines);
    std::memset(lines + nonzero, 0, sizeof(float) * (576 - nonzero));
    spectrum.nonzero = nonzero;
}
