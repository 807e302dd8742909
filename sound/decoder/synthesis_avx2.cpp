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
