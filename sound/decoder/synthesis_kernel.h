// The synthesis routines themselves, for one width of FloatLanes: included
// by synthesis.cpp (the portable build) and, on x86-64, by
// synthesis_avx2.cpp (compiled for AVX2). Everything here has internal
// linkage, so the two builds never mix.
//
// Polyphase synthesis: per time slot a fast cosine transform of the subband
// samples, kept for the last 16 slots, then the windowed sum over them.
//
// With X[m] = sum_k S[k] cos(m (2k+1) pi / 2N), the standard's 2N matrixed
// values V[i] = sum_k S[k] cos((N/2 + i)(2k+1) pi / 2N) are X read forwards
// and backwards with signs, and output sample j of a slot is
//     sum over ages a = 0..15 of D[32a + j * 32/N] * V_a[j + N * (a odd)],
// V_a being the values of the slot a slots ago. Half and quarter rate (N = 16
// or 8) are the same filterbank sampled every second or fourth output: the
// subbands above N are left out, so nothing else changes, not even the gain.
//
// L consecutive slots go through together, one per lane of a FloatLanes:
// the transform, and the windowed sums, whose history is kept as rows (one
// per matrixed value, along time) so that the L slots a values apart are
// neighbours in a row.
//
// The includer defines FloatLanes, SplatLanes, LoadLanes, StoreLanes,
// TransposeLanes, IntLanes, ClipToInt, StoreSamples and StoreSamplePairs,
// and L, their width.

#include "decoder_state.h"
#include "synthesis.h"
#include "synthesis_history.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// 0.5 / cos((2k+1) pi / 2N) for the halving steps of an N-point transform.
FloatLanes dctFactor32[16], dctFactor16[8], dctFactor8[4], dctFactor4[2], dctFactor2[1];

template <int N>
const FloatLanes* DctFactors()
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
inline void Dct(const FloatLanes* in, FloatLanes* out)
{
    if constexpr (N == 1) {
        out[0] = in[0];
    } else {
        constexpr int H = N / 2;
        const FloatLanes* factor = DctFactors<N>();
        FloatLanes sums[H], differences[H], even[H], odd[H];
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

// Window coefficients per rate shift: [output sample j][age], in every lane.
FloatLanes window32[32][kSynthesisAges], window16[16][kSynthesisAges], window8[8][kSynthesisAges];

template <int Shift>
const FloatLanes (*Window())[kSynthesisAges]
{
    if constexpr (Shift == 0) return window32;
    else if constexpr (Shift == 1) return window16;
    else return window8;
}

// Where a routine reads slot s's subband k from.
struct Source {
    const float* first;  // subband 0 of slot 0
    const float* second; // for a mix: the other channel's, else null
    int stride;          // floats from one slot to the next
};

// Subbands k0 .. k0 + L - 1 of slots s0 .. s0 + L - 1, one subband per
// vector over the slots: L slots loaded side by side, then transposed.
inline void GatherBlock(const Source& source, int s0, int k0, FloatLanes* subbands)
{
    FloatLanes rows[L];
    for (int l = 0; l < L; ++l) {
        const int at = (s0 + l) * source.stride + k0;
        rows[l] = LoadLanes(source.first + at);
        if (source.second)
            rows[l] = (rows[l] + LoadLanes(source.second + at)) * 0.5f;
    }
    TransposeLanes(rows);
    for (int l = 0; l < L; ++l)
        subbands[l] = rows[l];
}

// Synthesises `slots` slots of one channel, or of two (written
// interleaved), from sources[c] through synthesisHistory[c].
template <int Shift, bool EightBit, int Channels>
void SynthesiseSlots(const Source* sources, int slots, uint8_t* output)
{
    constexpr int N = 32 >> Shift;
    constexpr int width = EightBit ? 1 : 2;
    static_assert(N % L == 0);
    const bool equalise = core.equaliserOn;
    const FloatLanes(*window)[kSynthesisAges] = Window<Shift>();
    for (int s0 = 0; s0 < slots; s0 += L) {
        // Slots past the last (in a last group partly used) read the
        // source's padding and are never written out.
        const int column = kSynthesisPastSlots + s0;
        for (int c = 0; c < Channels; ++c) {
            FloatLanes in[N], x[N];
            for (int k0 = 0; k0 < N; k0 += L)
                GatherBlock(sources[c], s0, k0, in + k0);
            if (equalise)
                for (int k = 0; k < N; ++k)
                    in[k] = in[k] * core.equaliserGain[k];
            Dct<N>(in, x);

            SynthesisHistory& h = synthesisHistory[c];
            const auto put = [&](int row, FloatLanes values) { StoreLanes(h.rows[row] + column, values); };
            for (int j = 0; j < N / 2; ++j) {
                put(j, x[N / 2 + j]);
                put(N + j, -x[N / 2 - j]);
            }
            put(N / 2, SplatLanes(0.0f));
            put(N + N / 2, -x[0]);
            for (int j = N / 2 + 1; j < N; ++j) {
                put(j, -x[3 * N / 2 - j]);
                put(N + j, -x[j - N / 2]);
            }
        }

        // L output samples at a time: their sums come one vector per sample
        // over the slots, and transposed, one vector per slot over the
        // samples, ready to be written out together.
        const int lanes = slots - s0 < L ? slots - s0 : L;
        for (int j0 = 0; j0 < N; j0 += L) {
            FloatLanes sums[Channels][L];
            for (int c = 0; c < Channels; ++c) {
                const SynthesisHistory& h = synthesisHistory[c];
                for (int jj = 0; jj < L; ++jj) {
                    const int j = j0 + jj;
                    const float* low = h.rows[j] + column;
                    const float* high = h.rows[N + j] + column;
                    FloatLanes sum = SplatLanes(0.0f);
                    for (int age = 0; age < kSynthesisAges; age += 2) {
                        sum += window[j][age] * LoadLanes(low - age);
                        sum += window[j][age + 1] * LoadLanes(high - age - 1);
                    }
                    sums[c][jj] = sum;
                }
                TransposeLanes(sums[c]);
            }
            for (int l = 0; l < lanes; ++l) {
                uint8_t* at = output + ((s0 + l) * N + j0) * Channels * width;
                // Clipped and truncated as ToSample does.
                const IntLanes first = ClipToInt(sums[0][l], -32768.0f, 32767.0f);
                if constexpr (Channels == 1)
                    StoreSamples<EightBit>(at, first);
                else
                    StoreSamplePairs<EightBit>(at, first, ClipToInt(sums[1][l], -32768.0f, 32767.0f));
            }
        }
    }
    // The last kSynthesisPastSlots slots become the past of the next call (with one
    // column more, which the next call overwrites first: whole lanes).
    static_assert((kSynthesisPastSlots + 1) % L == 0 && L <= kSynthesisWidestLanes);
    for (int c = 0; c < Channels; ++c) {
        SynthesisHistory& h = synthesisHistory[c];
        for (int row = 0; row < 2 * N; ++row)
            for (int col = 0; col <= kSynthesisPastSlots; col += L)
                StoreLanes(h.rows[row] + col, LoadLanes(h.rows[row] + col + slots));
    }
}

// Layers I and II: samples interleaved by slot, 32 per channel, readable up
// to SynthesisReadableSlots(slots).
template <int Shift, bool EightBit, ChannelPlan Plan>
void SubbandRoutine(const float* samples, int slots, uint8_t* output)
{
    const Source left{samples, nullptr, 64}, right{samples + 32, nullptr, 64};
    if constexpr (Plan == ChannelPlan::Stereo) {
        const Source both[2] = {left, right};
        SynthesiseSlots<Shift, EightBit, 2>(both, slots, output);
    } else if constexpr (Plan == ChannelPlan::Mix) {
        const Source mix{samples, samples + 32, 64};
        SynthesiseSlots<Shift, EightBit, 1>(&mix, slots, output);
    } else if constexpr (Plan == ChannelPlan::Right) {
        SynthesiseSlots<Shift, EightBit, 1>(&right, slots, output);
    } else {
        SynthesiseSlots<Shift, EightBit, 1>(&left, slots, output);
    }
}

// Layer III: one granule of one or two channels, 18 slots of 32 subband
// samples each, in buffers of kGranuleFloats.
template <int Shift, bool EightBit, int OutChannels>
void GranuleRoutine(const float* granule, const float* second, uint8_t* output)
{
    const Source sources[2] = {{granule, nullptr, 32}, {second, nullptr, 32}};
    SynthesiseSlots<Shift, EightBit, OutChannels>(sources, 18, output);
}

template <int Shift, bool EightBit>
constexpr SubbandSynthesis subbandRow[5] = {
    SubbandRoutine<Shift, EightBit, ChannelPlan::Mono>, SubbandRoutine<Shift, EightBit, ChannelPlan::Stereo>,
    SubbandRoutine<Shift, EightBit, ChannelPlan::Mix>,  SubbandRoutine<Shift, EightBit, ChannelPlan::Left>,
    SubbandRoutine<Shift, EightBit, ChannelPlan::Right>,
};

void FillFactors(FloatLanes* factors, int n)
{
    for (int k = 0; k < n / 2; ++k)
        factors[k] = SplatLanes(float(0.5 / std::cos((2 * k + 1) * M_PI / (2 * n))));
}

void BuildTables()
{
    FillFactors(dctFactor32, 32);
    FillFactors(dctFactor16, 16);
    FillFactors(dctFactor8, 8);
    FillFactors(dctFactor4, 4);
    FillFactors(dctFactor2, 2);
    FloatLanes(*windows[3])[kSynthesisAges] = {window32, window16, window8};
    for (int shift = 0; shift < 3; ++shift) {
        const int n = 32 >> shift;
        for (int age = 0; age < kSynthesisAges; ++age)
            for (int j = 0; j < n; ++j)
                windows[shift][j][age] = SplatLanes(float(SynthesisWindowCoefficient(32 * age + (j << shift))));
    }
}


constexpr SynthesisFamily kFamily = {
    {{subbandRow<0, false>, subbandRow<1, false>, subbandRow<2, false>},
     {subbandRow<0, true>, subbandRow<1, true>, subbandRow<2, true>}},
    {{{GranuleRoutine<0, false, 1>, GranuleRoutine<0, false, 2>},
      {GranuleRoutine<1, false, 1>, GranuleRoutine<1, false, 2>},
      {GranuleRoutine<2, false, 1>, GranuleRoutine<2, false, 2>}},
     {{GranuleRoutine<0, true, 1>, GranuleRoutine<0, true, 2>},
      {GranuleRoutine<1, true, 1>, GranuleRoutine<1, true, 2>},
      {GranuleRoutine<2, true, 1>, GranuleRoutine<2, true, 2>}}},
    BuildTables,
};

} // namespace
