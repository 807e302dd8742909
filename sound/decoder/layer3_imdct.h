#pragma once
// The inverse MDCT of Layer III with its window, overlap-add with the
// previous granule and the frequency inversion the polyphase filterbank
// expects: a portable build and, on x86-64, one for AVX2 (see
// layer3_imdct_kernel.h), chosen at start-up.

// Transforms the subbands 0 .. active - 1 (and on to the end of the last
// group of lanes, whose lines must then be zero) of one channel's granule:
// `lines` holds 576 lines subband after subband (short blocks reordered to
// window 0, 1, 2 within each subband) and 8 more that can be read; `saved` the overlap by [time slot]
// [subband], replaced by the new one; `granuleOut` receives 18 slots of 32
// subband samples. Returns the number of subbands written.
using ImdctRoutine = int (*)(const float* lines, int blockType, bool mixedBlock, int active, float (*saved)[32],
                             float* granuleOut);

struct ImdctFamily {
    ImdctRoutine transform;
    void (*buildTables)();
};

ImdctRoutine ChooseImdct();
void BuildImdctTables();

#if defined(TESSALY_AVX2_ROUTINES)
const ImdctFamily& Avx2ImdctFamily();
#endif
