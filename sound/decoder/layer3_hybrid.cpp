// Layer III from spectrum to subband samples: alias reduction between the
// subbands of long blocks, the inverse MDCT (one 36-point or three 12-point
// transforms per subband) with its window, overlap-add with the previous
// granule, and the frequency inversion the polyphase filterbank expects.
//
// The transforms themselves are layer3_imdct's.

#include "layer3.h"
#include "float_lanes.h"
#include "layer3_imdct.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int L = kFloatLanes;

struct Overlap {
    alignas(64) float saved[18][32] = {}; // [time slot][subband]
    int subbands = 0;                     // subbands whose saved half can be non-zero
};

Overlap overlap[2];

// Butterflies between the last eight lines of each subband and the first
// eight of the next, four at a time: line 18 sb - 1 - i pairs with 18 sb + i.
void ReduceAliases(float* lines, int boundaries)
{
    const FloatLanes cs[2] = {LoadLanes(aliasCs), LoadLanes(aliasCs + 4)};
    const FloatLanes ca[2] = {LoadLanes(aliasCa), LoadLanes(aliasCa + 4)};
    for (int sb = 1; sb <= boundaries; ++sb) {
        float* upper = lines + 18 * sb;
        for (int half = 0; half < 2; ++half) {
            float* belowAt = upper - 4 - 4 * half; // lines i = 4 half .. 4 half + 3, backwards
            float* aboveAt = upper + 4 * half;
            const FloatLanes below = ReverseLanes(LoadLanes(belowAt)), above = LoadLanes(aboveAt);
            StoreLanes(belowAt, ReverseLanes(below * cs[half] - above * ca[half]));
            StoreLanes(aboveAt, above * cs[half] + below * ca[half]);
        }
    }
}

// Short blocks arrive band by band, window by window; the transform wants
// each subband's six lines of window 0, then of 1, then of 2. Returns the
// number of lines, in the new order, that can be non-zero.
int ReorderShort(const GranuleChannel& gc, const BandTable& bands, const float* lines, int nonzero, float* reordered)
{
    const int firstBand = gc.mixedBlock ? 3 : 0;
    const int firstLine = 3 * bands.shortBound[firstBand];
    std::memcpy(reordered, lines, sizeof(float) * size_t(firstLine));
    for (int band = firstBand; band < 13; ++band) {
        const int start = bands.shortBound[band];
        const int width = bands.shortBound[band + 1] - start;
        const float* from = lines + 3 * start;
        for (int w = 0; w < 3; ++w)
            for (int f = start; f < start + width; ++f)
                reordered[(f / 6) * 18 + w * 6 + f % 6] = *from++;
    }
    // A short line's subband is its frequency / 6: the last one holding a
    // coded line bounds the work.
    int lastBand = firstBand;
    while (lastBand < 13 && 3 * bands.shortBound[lastBand] < nonzero)
        ++lastBand;
    return std::max(std::min(nonzero, firstLine), 18 * ((bands.shortBound[lastBand] + 5) / 6));
}

} // namespace

void ClearHybridState()
{
    overlap[0] = overlap[1] = Overlap{};
}

void HybridSynthesis(const GranuleChannel& gc, const BandTable& bands, ChannelSpectrum& spectrum, int channel,
                     float* granuleOut)
{
    float* lines = spectrum.lines;
    const bool shortBlock = gc.blockType == 2;
    int nonzero = spectrum.nonzero;

    if (!shortBlock || gc.mixedBlock) {
        const int boundaries = shortBlock ? 1 : std::min((nonzero + 7) / 18, 31);
        if (boundaries > 0 && nonzero > 0) {
            ReduceAliases(lines, boundaries);
            nonzero = std::max(nonzero, 18 * boundaries + 8);
        }
    }

    alignas(64) float reordered[576 + 8];
    if (shortBlock) {
        std::fill(reordered + 576, reordered + 576 + 8, 0.0f); // read, never used
        nonzero = ReorderShort(gc, bands, lines, nonzero, reordered);
        lines = reordered;
    }

    // Subbands above `transformed` have zero lines, so a group reaching past
    // it transforms zeros there; above the previous granule's extent the
    // saved half is zero as well.
    Overlap& state = overlap[channel];
    const int transformed = std::min((nonzero + 17) / 18, 32);
    const int active = std::max(transformed, state.subbands);
    const int written = ChooseImdct()(lines, gc.blockType, gc.mixedBlock, active, state.saved, granuleOut);
    const FloatLanes zero = SplatLanes(0.0f);
    for (int t = 0; t < 18; ++t)
        for (int sb0 = written; sb0 < 32; sb0 += L)
            StoreLanes(granuleOut + t * 32 + sb0, zero);
    state.subbands = transformed;
}
