// The synthesis routines of the portable build (four lanes: SSE, NEON or
// plain floats), the choice between them and the AVX2 build (see
// vector_builds.h), and what the decoder core calls.

#include "synthesis.h"

#include "float_lanes.h"
#include "synthesis_history.h"
#include "vector_builds.h"

namespace {

constexpr int L = kFloatLanes;

} // namespace

#include "synthesis_kernel.h"

SynthesisHistory synthesisHistory[2];

namespace {

const SynthesisFamily* family = &kFamily;

} // namespace

void BuildSynthesisTables()
{
    family = &kFamily;
#if defined(TESSALY_AVX2_ROUTINES)
    if (WidestVectorBuildUsable())
        family = &Avx2SynthesisFamily();
#endif
    family->buildTables();
}

void ClearSynthesisHistory()
{
    for (SynthesisHistory& h : synthesisHistory)
        h = SynthesisHistory{};
}

SubbandSynthesis ChooseSubbandSynthesis(ChannelPlan plan, int rateShift, bool eightBit)
{
    return family->subband[eightBit][rateShift][int(plan)];
}

GranuleSynthesis ChooseGranuleSynthesis(int outChannels, int rateShift, bool eightBit)
{
    return family->granule[eightBit][rateShift][outChannels - 1];
}
