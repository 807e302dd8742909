// Layer III tables: the standard's scale-factor bands and pretab, and the
// power, gain, alias, intensity and transform tables built by MpaInit.

#include "layer3.h"
#include "layer3_imdct.h"

#include <cmath>

namespace {

// [version - 1][sample-rate index]; MPEG-2.5 at 11025 and 12000 Hz shares
// MPEG-2's long bands at 16000 Hz, and 8000 Hz has bands of its own.
constexpr BandTable kBands[3][3] = {
    {
        {{0, 4, 8, 12, 16, 20, 24, 30, 36, 44, 52, 62, 74, 90, 110, 134, 162, 196, 238, 288, 342, 418, 576},
         {0, 4, 8, 12, 16, 22, 30, 40, 52, 66, 84, 106, 136, 192}},
        {{0, 4, 8, 12, 16, 20, 24, 30, 36, 42, 50, 60, 72, 88, 106, 128, 156, 190, 230, 276, 330, 384, 576},
         {0, 4, 8, 12, 16, 22, 28, 38, 50, 64, 80, 100, 126, 192}},
        {{0, 4, 8, 12, 16, 20, 24, 30, 36, 44, 54, 66, 82, 102, 126, 156, 194, 240, 296, 364, 448, 550, 576},
         {0, 4, 8, 12, 16, 22, 30, 42, 58, 78, 104, 138, 180, 192}},
    },
    {
        {{0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
         {0, 4, 8, 12, 18, 24, 32, 42, 56, 74, 100, 132, 174, 192}},
        {{0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 114, 136, 162, 194, 232, 278, 332, 394, 464, 540, 576},
         {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 136, 180, 192}},
        {{0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
         {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192}},
    },
    {
        {{0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
         {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192}},
        {{0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
         {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192}},
        {{0, 12, 24, 36, 48, 60, 72, 88, 108, 132, 160, 192, 232, 280, 336, 400, 476, 566, 568, 570, 572, 574, 576},
         {0, 8, 16, 24, 36, 52, 72, 96, 124, 160, 162, 164, 166, 192}},
    },
};

constexpr double kAliasC[8] = {-0.6, -0.535, -0.33, -0.185, -0.095, -0.041, -0.0142, -0.0037};

} // namespace

const uint8_t kPretab[22] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 2, 0};

float pow43Table[8207];
// From 2^(kLowestQuarterStep/4) up: enough for the lowest global gain less
// every subblock gain and scale factor a stream can code.
float quarterStepGain[kQuarterSteps];
float aliasCs[8], aliasCa[8];
float mpeg1IntensityLeft[7], mpeg1IntensityRight[7];

const BandTable& Layer3Bands(int version, int sampleRateIndex)
{
    return kBands[version - 1][sampleRateIndex];
}

void BuildLayer3Tables()
{
    for (int i = 0; i < 8207; ++i)
        pow43Table[i] = float(std::pow(double(i), 4.0 / 3.0));
    // Full scale is 1.0 in the standard's arithmetic and 32768 in ours; the
    // global gain's zero point is 210.
    for (int i = 0; i < kQuarterSteps; ++i)
        quarterStepGain[i] = float(32768.0 * std::exp2((i + kLowestQuarterStep) / 4.0));
    for (int i = 0; i < 8; ++i) {
        const double root = std::sqrt(1.0 + kAliasC[i] * kAliasC[i]);
        aliasCs[i] = float(1.0 / root);
        aliasCa[i] = float(kAliasC[i] / root);
    }
    for (int i = 0; i < 7; ++i) {
        const double ratio = std::tan(i * M_PI / 12.0);
        mpeg1IntensityLeft[i] = float(ratio / (1.0 + ratio));
        mpeg1IntensityRight[i] = float(1.0 / (1.0 + ratio));
    }
    BuildImdctTables();
}
