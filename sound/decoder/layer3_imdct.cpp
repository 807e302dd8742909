// The inverse MDCT of the portable build (four lanes: SSE, NEON or plain
// floats), and the choice between it and the AVX2 build.

#include "float_lanes.h"
#include "vector_builds.h"

namespace {

constexpr int L = kFloatLanes;

} // namespace

#include "layer3_imdct_kernel.h"

namespace {

const ImdctFamily* family = &kImdctFamily;

} // namespace

void BuildImdctTables()
{
    family = &kImdctFamily;
#if defined(TESSALY_AVX2_ROUTINES)
    if (WidestVectorBuildUsable())
        family = &Avx2ImdctFamily();
#endif
    family->buildTables();
}

ImdctRoutine ChooseImdct() { return family->transform; }
