// Layer I and II tables: the standard's quantisation classes and the five
// Layer II allocation tables, and the factors MpaInit builds.

#include "decoder_state.h"
#include "frame_tables.h"
#include "layer12.h"

#include <cmath>

const QuantClass kQuantClasses[18] = {
    {0, 0, false},      {3, 5, true},       {5, 7, true},       {7, 3, false},      {9, 10, true},
    {15, 4, false},     {31, 5, false},     {63, 6, false},     {127, 7, false},    {255, 8, false},
    {511, 9, false},    {1023, 10, false},  {2047, 11, false},  {4095, 12, false},  {8191, 13, false},
    {16383, 14, false}, {32767, 15, false}, {65535, 16, false},
};

namespace {

// Classes per allocation value, by the kind of subband group.
constexpr uint8_t kHighRateLow[16] = {0, 1, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
constexpr uint8_t kHighRateMiddle[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17};
constexpr uint8_t kHighRateUpper[8] = {0, 1, 2, 3, 4, 5, 6, 17};
constexpr uint8_t kHighRateTop[4] = {0, 1, 2, 17};
constexpr uint8_t kLowRateLow[16] = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr uint8_t kLowRateUpper[8] = {0, 1, 2, 4, 5, 6, 7, 8};
constexpr uint8_t kLowFrequencyLow[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
constexpr uint8_t kLowFrequencyTop[4] = {0, 1, 2, 4};

constexpr AllocationTable kTables[5] = {
    {{{3, 4, kHighRateLow}, {8, 4, kHighRateMiddle}, {12, 3, kHighRateUpper}, {4, 2, kHighRateTop}}},
    {{{3, 4, kHighRateLow}, {8, 4, kHighRateMiddle}, {12, 3, kHighRateUpper}, {7, 2, kHighRateTop}}},
    {{{2, 4, kLowRateLow}, {0, 4, kLowRateLow}, {6, 3, kLowRateUpper}, {0, 2, kHighRateTop}}},
    {{{2, 4, kLowRateLow}, {0, 4, kLowRateLow}, {10, 3, kLowRateUpper}, {0, 2, kHighRateTop}}},
    {{{4, 4, kLowFrequencyLow}, {0, 4, kLowFrequencyLow}, {7, 3, kLowRateUpper}, {19, 2, kLowFrequencyTop}}},
};

void FillUngroup(int8_t (*table)[3], int codes, int steps)
{
    for (int code = 0; code < codes; ++code) {
        int rest = code;
        for (int digit = 0; digit < 3; ++digit) {
            table[code][digit] = int8_t(rest % steps - (steps - 1) / 2);
            rest /= steps;
        }
    }
}

} // namespace

float scaleFactorMultiplier[64];
float layer1Factor[16];
float classFactor[18];
int8_t ungroup3[32][3], ungroup5[128][3], ungroup9[1024][3];

const AllocationTable& Layer2AllocationTable(int number) { return kTables[number]; }

int Layer2TableNumber(int version, int mode, int sampleRateIndex, int bitrateIndex)
{
    if (version != 1)
        return 4;
    // The standard ties each table to a range of bitrate per channel; the
    // combinations it forbids get the table of their range all the same.
    const int kbps = kBitrateKbps[0][1][bitrateIndex];
    const int perChannel = mode == 3 ? kbps : kbps / 2;
    if (perChannel <= 48)
        return sampleRateIndex == 2 ? 3 : 2;
    if (perChannel <= 80)
        return 0;
    return sampleRateIndex == 1 ? 0 : 1;
}

void BuildLayer12Tables()
{
    for (int i = 0; i < 64; ++i)
        scaleFactorMultiplier[i] = float(65536.0 * std::exp2(-i / 3.0));
    for (int n = 1; n < 16; ++n)
        layer1Factor[n] = float(2.0 / ((1 << (n + 1)) - 1));
    for (int c = 1; c < 18; ++c)
        classFactor[c] = float(2.0 / kQuantClasses[c].steps);
    FillUngroup(ungroup3, 32, 3);
    FillUngroup(ungroup5, 128, 5);
    FillUngroup(ungroup9, 1024, 9);
}
