#pragma once
// Eight floats worked on together, for the files compiled for AVX2 and FMA
// (synthesis_avx2.cpp, layer3_imdct_avx2.cpp) and nothing else: everything
// here has internal linkage, so none of it is shared with the portable
// build (float_lanes.h).

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

inline IntLanes ClipToInt(FloatLanes x, float low, float high)
{
    const FloatLanes lows = SplatLanes(low), highs = SplatLanes(high);
    x = x >= lows ? x : lows;
    x = x <= highs ? x : highs;
    return __builtin_convertvector(x, IntLanes);
}

} // namespace
