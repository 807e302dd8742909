// The choice between the portable and the AVX2 build of the vector routines.

#include "vector_builds.h"

#include "decoder_state.h"
#include "layer3_imdct.h"

namespace {

bool portableOnly = false;

} // namespace

bool WidestVectorBuildUsable()
{
#if defined(TESSALY_AVX2_ROUTINES)
    return !portableOnly && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#else
    return false;
#endif
}

void UsePortableVectorRoutinesOnly(bool only)
{
    portableOnly = only;
    BuildSynthesisTables();
    BuildImdctTables();
}
