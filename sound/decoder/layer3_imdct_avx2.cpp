// The inverse MDCT compiled for AVX2 and FMA (eight subbands at once), for
// the processors that have them: chosen at start-up by layer3_imdct.cpp.
// Built on x86-64 only, with -mavx2 -mfma; the lane type and its operations
// are these files' own (float_lanes_avx2.h), so nothing compiled here is
// shared with the portable build.

#include "float_lanes_avx2.h"

#include "layer3_imdct_kernel.h"

const ImdctFamily& Avx2ImdctFamily() { return kImdctFamily; }
