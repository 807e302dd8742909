// The synthesis routines compiled for AVX2 and FMA (eight lanes), for the
// processors that have them: chosen at start-up by synthesis.cpp. Built on
// x86-64 only, with -mavx2 -mfma; the lane type and its operations are this
// file's own, so nothing compiled here is shared with the portable build.

#include <cstdint>
#include <cstring>

namespace {

constexpr int L = 8;
using FloatLanes = float __attribute__((vector_size(32)));
using IntLanes = int32_t __attribute__((vector_size(32)));

inline FloatLanes SplatLanes(float x) { return FloatLanes{x, x, x, x, x, x, x, x}; }

inline FloatLanes LoadLanes(const float* from)
{
    FloatLanes lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
}

inline void StoreLanes(float* to, FloatLanes lanes) { std::memcpy(to, &lanes, sizeof lanes); }

// rows[i][j] becomes rows[j][i]: pairs of rows interleaved, then pairs of
// pairs, then the 128-bit halves.
inline void TransposeLanes(FloatLanes (&rows)[8])
{
    FloatLanes a[8], b[8];
    for (int i = 0; i < 8; i += 2) {
        a[i] = __builtin_shufflevector(rows[i], rows[i + 1], 0, 8, 1, 9, 4, 12, 5, 13);
        a[i + 1] = __builtin_shufflevector(rows[i], rows[i + 1], 2, 10, 3, 11, 6, 14, 7, 15);
    }
    for (int i = 0; i < 8; i += 4) {
        b[i] = __builtin_shufflevector(a[i], a[i + 2], 0, 1, 8, 9, 4, 5, 12, 13);
        b[i + 1] = __builtin_shufflevector(a[i], a[i + 2], 2, 3, 10, 11, 6, 7, 14, 15);
        b[i + 2] = __builtin_shufflevector(a[i + 1], a[i + 3], 0, 1, 8, 9, 4, 5, 12, 13);
        b[i + 3] = __builtin_shufflevector(a[i + 1], a[i + 3], 2, 3, 10, 11, 6, 7, 14, 15);
    }
    for (int i = 0; i < 4; ++i) {
        rows[i] = __builtin_shufflevector(b[i], b[i + 4], 0, 1, 2, 3, 8, 9, 10, 11);
        rows[i + 4] = __builtin_shufflevector(b[i], b[i + 4], 4, 5, 6, 7, 12, 13, 14, 15);
    }
}

// Eight samples (clipped already) written one after another as 16-bit
// signed or 8-bit unsigned values (the top byte with its sign flipped).
template <bool EightBit>
inline void StoreSamples(uint8_t* at, IntLanes samples)
{
    if constexpr (EightBit) {
        using Bytes = uint8_t __attribute__((vector_size(8)));
        const Bytes bytes = __builtin_convertvector((samples >> 8) ^ 0x80, Bytes);
        std::memcpy(at, &bytes, sizeof bytes);
    } else {
        using Shorts = int16_t __attribute__((vector_size(16)));
        const Shorts shorts = __builtin_convertvector(samples, Shorts);
        std::memcpy(at, &shorts, sizeof shorts);
    }
}

// The same for two channels, interleaved: left, right, left, right ...
template <bool EightBit>
inline void StoreSamplePairs(uint8_t* at, IntLanes left, IntLanes right)
{
    if constexpr (EightBit) {
        using Bytes = uint8_t __attribute__((vector_size(8)));
        const Bytes a = __builtin_convertvector((left >> 8) ^ 0x80, Bytes);
        const Bytes b = __builtin_convertvector((right >> 8) ^ 0x80, Bytes);
        using Pairs = uint8_t __attribute__((vector_size(16)));
        const Pairs pairs = __builtin_shufflevector(a, b, 0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15);
        std::memcpy(at, &pairs, sizeof pairs);
    } else {
        using Shorts = int16_t __attribute__((vector_size(16)));
        const Shorts a = __builtin_convertvector(left, Shorts), b = __builtin_convertvector(right, Shorts);
        using Pairs = int16_t __attribute__((vector_size(32)));
        const Pairs pairs = __builtin_shufflevector(a, b, 0, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14, 7, 15);
        std::memcpy(at, &pairs, sizeof pairs);
    }
}

inline IntLanes ClipToInt(FloatLanes x, float low, float high)
{
    const FloatLanes lows = SplatLanes(low), highs = SplatLanes(high);
    x = x >= lows ? x : lows;
    x = x <= highs ? x : highs;
    return __builtin_convertvector(x, IntLanes);
}

} // namespace

#include "synthesis_kernel.h"

const SynthesisFamily& Avx2SynthesisFamily() { return kFamily; }
