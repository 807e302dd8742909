// The inverse MDCT compiled for AVX2 and FMA (eight subbands at once), for
// the processors that have them: chosen at start-up by layer3_imdct.cpp.
// Built on x86-64 only, with -mavx2 -mfma; the lane type and its
// operations are this file's own, so nothing compiled here is shared with
// the portable build.

#include <cstring>

namespace {

constexpr int L = 8;
using FloatLanes = float __attribute__((vector_size(32)));

inline FloatLanes SplatLanes(float x) { return FloatLanes{x, x, x, x, x, x, x, x}; }

inline FloatLanes LoadLanes(const float* from)
{
    FloatLanes lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
}

inline void StoreLanes(float* to, FloatLanes lanes) { std::memcpy(to, &lanes, sizeof lanes); }

} // namespace

#include "layer3_imdct_kernel.h"

const ImdctFamily& Avx2ImdctFamily() { return kImdctFamily; }
