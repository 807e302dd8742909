// Polyphase synthesis: per time slot a fast cosine transform of the subband
// samples into a ring of the last 16 slots, then the windowed sum over them.
//
// With X[m] = sum_k S[k] cos(m (2k+1) pi / 2N), the standard's 2N matrixed
// values V[i] = sum_k S[k] cos((N/2 + i)(2k+1) pi / 2N) are X read forwards
// and backwards with signs, and output sample j of a slot is
//     sum over ages a = 0..15 of D[32a + j * 32/N] * V_a[j + N * (a odd)],
// V_a being the values of the slot a slots ago. Half and quarter rate (N = 16
// or 8) are the same filterbank sampled every second or fourth output: the
// subbands above N are left out, so nothing else changes, not even the gain.

#include "synthesis.h"

#include "decoder_state.h"

#include <cmath>
#include <cstring>

namespace {

// 0.5 / cos((2k+1) pi / 2N) for the halving steps of an N-point transform.
float dctFactor32[16], dctFactor16[8], dctFactor8[4], dctFactor4[2], dctFactor2[1];

template <int N>
const float* DctFactors()
{
    if constexpr (N == 32) return dctFactor32;
    else if constexpr (N == 16) return dctFactor16;
    else if constexpr (N == 8) return dctFactor8;
    else if constexpr (N == 4) return dctFactor4;
    else return dctFactor2;
}

// The unscaled DCT-II by recursive halving: the sums of mirrored pairs give
// the even outputs, their weighted differences the odd ones.
template <int N>
inline void Dct(const float* in, float* out)
{
    if constexpr (N == 1) {
        out[0] = in[0];
    } else {
        constexpr int H = N / 2;
        const float* factor = DctFactors<N>();
        float sums[H], differences[H], even[H], odd[H];
        for (int k = 0; k < H; ++k) {
            sums[k] = in[k] + in[N - 1 - k];
            differences[k] = (in[k] - in[N - 1 - k]) * factor[k];
        }
        Dct<H>(sums, even);
        Dct<H>(differences, odd);
        for (int m = 0; m < H - 1; ++m) {
            out[2 * m] = even[m];
            out[2 * m + 1] = odd[m] + odd[m + 1];
        }
        out[N - 2] = even[H - 1];
        out[N - 1] = odd[H - 1];
    }
}

// Window coefficients per rate shift, in the order the windowing reads them.
alignas(64) float window32[16 * 32], window16[16 * 16], window8[16 * 8];

template <int Shift>
const float* Window()
{
    if constexpr (Shift == 0) return window32;
    else if constexpr (Shift == 1) return window16;
    else return window8;
}

struct History {
    alignas(64) float ring[16][64] = {}; // per slot: the low half, then at 32 the high half
    int newest = 0;
};

History history[2];

// Turns one slot of subband samples into N PCM values (as floats).
template <int Shift>
inline void SynthesiseSlot(const float* subbands, History& h, float* pcm)
{
    constexpr int N = 32 >> Shift;
    float gained[N];
    if (core.equaliserOn) {
        for (int k = 0; k < N; ++k)
            gained[k] = subbands[k] * core.equaliserGain[k];
        subbands = gained;
    }
    float x[N];
    Dct<N>(subbands, x);

    h.newest = (h.newest - 1) & 15;
    float* low = h.ring[h.newest];
    float* high = low + 32;
    for (int j = 0; j < N / 2; ++j) {
        low[j] = x[N / 2 + j];
        high[j] = -x[N / 2 - j];
    }
    low[N / 2] = 0.0f;
    high[N / 2] = -x[0];
    for (int j = N / 2 + 1; j < N; ++j) {
        low[j] = -x[3 * N / 2 - j];
        high[j] = -x[j - N / 2];
    }

    float sum[N] = {};
    const float* window = Window<Shift>();
    for (int age = 0; age < 16; ++age) {
        const float* v = h.ring[(h.newest + age) & 15] + (age & 1) * 32;
        const float* d = window + age * N;
        for (int j = 0; j < N; ++j)
            sum[j] += d[j] * v[j];
    }
    for (int j = 0; j < N; ++j)
        pcm[j] = sum[j];
}

template <bool EightBit>
inline void Emit(const float* pcm, int n, uint8_t* output, int stride)
{
    for (int j = 0; j < n; ++j) {
        const int32_t sample = ToSample(pcm[j]);
        if constexpr (EightBit) {
            output[j * stride] = ToUnsigned8(sample);
        } else {
            const int16_t s16 = int16_t(sample);
            std::memcpy(output + 2 * j * stride, &s16, 2);
        }
    }
}

template <int Shift, bool EightBit, ChannelPlan Plan>
void SubbandRoutine(const float* samples, int slots, uint8_t* output)
{
    constexpr int N = 32 >> Shift;
    constexpr int width = EightBit ? 1 : 2;
    float pcm[N];
    for (int slot = 0; slot < slots; ++slot) {
        const float* left = samples + slot * 64;
        const float* right = left + 32;
        if constexpr (Plan == ChannelPlan::Stereo) {
            SynthesiseSlot<Shift>(left, history[0], pcm);
            Emit<EightBit>(pcm, N, output, 2);
            SynthesiseSlot<Shift>(right, history[1], pcm);
            Emit<EightBit>(pcm, N, output + width, 2);
            output += 2 * N * width;
            continue;
        }
        const float* chosen = left;
        float mixed[N];
        if constexpr (Plan == ChannelPlan::Mix) {
            for (int k = 0; k < N; ++k)
                mixed[k] = (left[k] + right[k]) * 0.5f;
            chosen = mixed;
        } else if constexpr (Plan == ChannelPlan::Right) {
            chosen = right;
        }
        SynthesiseSlot<Shift>(chosen, history[0], pcm);
        Emit<EightBit>(pcm, N, output, 1);
        output += N * width;
    }
}

template <int Shift, bool EightBit, int OutChannels>
void GranuleRoutine(const float* granule, int channel, uint8_t* output)
{
    constexpr int N = 32 >> Shift;
    constexpr int width = EightBit ? 1 : 2;
    History& h = history[OutChannels == 2 ? channel : 0];
    output += (OutChannels == 2 ? channel : 0) * width;
    float pcm[N];
    for (int slot = 0; slot < 18; ++slot) {
        SynthesiseSlot<Shift>(granule + slot * 32, h, pcm);
        Emit<EightBit>(pcm, N, output, OutChannels);
        output += N * OutChannels * width;
    }
}

template <int Shift, bool EightBit>
constexpr SubbandSynthesis subbandRow[5] = {
    SubbandRoutine<Shift, EightBit, ChannelPlan::Mono>, SubbandRoutine<Shift, EightBit, ChannelPlan::Stereo>,
    SubbandRoutine<Shift, EightBit, ChannelPlan::Mix>,  SubbandRoutine<Shift, EightBit, ChannelPlan::Left>,
    SubbandRoutine<Shift, EightBit, ChannelPlan::Right>,
};

// [eight bit][rate shift][plan]
constexpr const SubbandSynthesis* subbandFamily[2][3] = {
    {subbandRow<0, false>, subbandRow<1, false>, subbandRow<2, false>},
    {subbandRow<0, true>, subbandRow<1, true>, subbandRow<2, true>},
};

// [eight bit][rate shift][output channels - 1]
constexpr GranuleSynthesis granuleFamily[2][3][2] = {
    {{GranuleRoutine<0, false, 1>, GranuleRoutine<0, false, 2>},
     {GranuleRoutine<1, false, 1>, GranuleRoutine<1, false, 2>},
     {GranuleRoutine<2, false, 1>, GranuleRoutine<2, false, 2>}},
    {{GranuleRoutine<0, true, 1>, GranuleRoutine<0, true, 2>},
     {GranuleRoutine<1, true, 1>, GranuleRoutine<1, true, 2>},
     {GranuleRoutine<2, true, 1>, GranuleRoutine<2, true, 2>}},
};

void FillFactors(float* factors, int n)
{
    for (int k = 0; k < n / 2; ++k)
        factors[k] = float(0.5 / std::cos((2 * k + 1) * M_PI / (2 * n)));
}

} // namespace

void BuildSynthesisTables()
{
    FillFactors(dctFactor32, 32);
    FillFactors(dctFactor16, 16);
    FillFactors(dctFactor8, 8);
    FillFactors(dctFactor4, 4);
    FillFactors(dctFactor2, 2);
    float* windows[3] = {window32, window16, window8};
    for (int shift = 0; shift < 3; ++shift) {
        const int n = 32 >> shift;
        for (int age = 0; age < 16; ++age)
            for (int j = 0; j < n; ++j)
                windows[shift][age * n + j] = float(SynthesisWindowCoefficient(32 * age + (j << shift)));
    }
}

void ClearSynthesisHistory()
{
    history[0] = history[1] = History{};
}

SubbandSynthesis ChooseSubbandSynthesis(ChannelPlan plan, int rateShift, bool eightBit)
{
    return subbandFamily[eightBit][rateShift][int(plan)];
}

GranuleSynthesis ChooseGranuleSynthesis(int outChannels, int rateShift, bool eightBit)
{
    return granuleFamily[eightBit][rateShift][outChannels - 1];
}
