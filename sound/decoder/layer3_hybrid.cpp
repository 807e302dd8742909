// Layer III from spectrum to subband samples: alias reduction between the
// subbands of long blocks, the inverse MDCT (one 36-point or three 12-point
// transforms per subband) with its window, overlap-add with the previous
// granule, and the frequency inversion the polyphase filterbank expects.

#include "layer3.h"

#include <algorithm>
#include <cstring>

namespace {

struct Overlap {
    float saved[32][18] = {};
    int subbands = 0; // subbands whose saved half can be non-zero
};

Overlap overlap[2];

void ReduceAliases(float* lines, int boundaries)
{
    for (int sb = 1; sb <= boundaries; ++sb) {
        float* upper = lines + 18 * sb;
        for (int i = 0; i < 8; ++i) {
            const float below = upper[-1 - i], above = upper[i];
            upper[-1 - i] = below * aliasCs[i] - above * aliasCa[i];
            upper[i] = above * aliasCs[i] + below * aliasCa[i];
        }
    }
}

// 36 windowed outputs of the long inverse MDCT, from an 18-point DCT-IV:
// out[i] is t[i+9] for i < 9, -t[26-i] for i < 27, else -t[i-27].
void LongTransform(const float* in, const float* window, float* out)
{
    float t[18] = {};
    for (int m = 0; m < 18; ++m) {
        const float x = in[m];
        const float* row = dct4Long[m];
        for (int k = 0; k < 18; ++k)
            t[k] += x * row[k];
    }
    for (int i = 0; i < 9; ++i)
        out[i] = t[i + 9] * window[i];
    for (int i = 9; i < 27; ++i)
        out[i] = -t[26 - i] * window[i];
    for (int i = 27; i < 36; ++i)
        out[i] = -t[i - 27] * window[i];
}

// Three 12-point transforms, windowed and overlapped at 6 + 6w.
void ShortTransform(const float* in, float* out)
{
    std::fill(out, out + 36, 0.0f);
    const float* window = imdctWindow[2];
    for (int w = 0; w < 3; ++w) {
        float t[6] = {};
        for (int m = 0; m < 6; ++m)
            for (int k = 0; k < 6; ++k)
                t[k] += in[w * 6 + m] * dct4Short[m][k];
        float y[12];
        for (int i = 0; i < 3; ++i)
            y[i] = t[i + 3];
        for (int i = 3; i < 9; ++i)
            y[i] = -t[8 - i];
        for (int i = 9; i < 12; ++i)
            y[i] = -t[i - 9];
        for (int i = 0; i < 12; ++i)
            out[6 + 6 * w + i] += y[i] * window[i];
    }
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

    // Short blocks arrive band by band, window by window; the transform wants
    // each subband's six lines of window 0, then of 1, then of 2.
    float reordered[576];
    if (shortBlock) {
        const int firstBand = gc.mixedBlock ? 3 : 0;
        const int firstLine = 3 * bands.shortBound[firstBand];
        std::memcpy(reordered, lines, sizeof(float) * firstLine);
        for (int band = firstBand; band < 13; ++band) {
            const int start = bands.shortBound[band];
            const int width = bands.shortBound[band + 1] - start;
            for (int w = 0; w < 3; ++w)
                for (int f = start; f < start + width; ++f)
                    reordered[(f / 6) * 18 + w * 6 + f % 6] = lines[3 * start + w * width + f - start];
        }
        // A short line's subband is its frequency / 6: the last one holding
        // a coded line bounds the work.
        int lastBand = firstBand;
        while (lastBand < 13 && 3 * bands.shortBound[lastBand] < nonzero)
            ++lastBand;
        nonzero = std::max(std::min(nonzero, firstLine), 18 * ((bands.shortBound[lastBand] + 5) / 6));
        lines = reordered;
    }

    Overlap& state = overlap[channel];
    const int transformed = std::min((nonzero + 17) / 18, 32);
    const int active = std::max(transformed, state.subbands);
    float out[36];
    for (int sb = 0; sb < active; ++sb) {
        float* saved = state.saved[sb];
        if (sb < transformed) {
            const bool longHere = !shortBlock || (gc.mixedBlock && sb < 2);
            // The two lowest subbands of a mixed block are always normal long
            // blocks, so a start or stop block flagged mixed keeps the normal
            // window there too.
            const int windowType = (gc.mixedBlock && sb < 2) ? 0 : gc.blockType;
            if (longHere)
                LongTransform(lines + 18 * sb, imdctWindow[windowType], out);
            else
                ShortTransform(lines + 18 * sb, out);
        } else {
            std::fill(out, out + 36, 0.0f);
        }
        const float sign = (sb & 1) ? -1.0f : 1.0f;
        for (int t = 0; t < 18; ++t) {
            const float value = out[t] + saved[t];
            granuleOut[t * 32 + sb] = (t & 1) ? value * sign : value;
            saved[t] = out[18 + t];
        }
    }
    for (int t = 0; t < 18; ++t)
        std::fill(granuleOut + t * 32 + active, granuleOut + t * 32 + 32, 0.0f);
    state.subbands = transformed;
}
