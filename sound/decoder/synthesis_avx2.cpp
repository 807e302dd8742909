// The synthesis routines compiled for AVX2 and FMA (eight lanes), for the
// processors that have them: chosen at start-up by synthesis.cpp. Built on
// x86-64 only, with -mavx2 -mfma; the lane type and its operations are these
// files' own (float_lanes_avx2.h), so nothing compiled here is shared with
// the portable build.

#include "float_lanes_avx2.h"

namespace {

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

} // namespace

#include "synthesis_kernel.h"

const SynthesisFamily& Avx2SynthesisFamily() { return kFamily; }
