#pragma once
// Layer III: side information, reservoir, scale factors, Huffman decoding,
// requantisation, stereo processing, alias reduction, inverse MDCT.

#include "decoder_state.h"
#include "mpadecoder.h"

#include <cstdint>

struct GranuleChannel {
    int part23Length = 0;
    int bigValues = 0;
    int globalGain = 0;
    int scalefacCompress = 0;
    int blockType = 0;   // 0 normal, 1 start, 2 short, 3 stop
    bool mixedBlock = false;
    int tableSelect[3] = {};
    int subblockGain[3] = {};
    int region1Start = 0; // first line of region 1, 2 (capped at 576)
    int region2Start = 0;
    bool preflag = false;
    int scalefacScale = 0;
    int count1Table = 0;
};

struct SideInfo {
    int mainDataBegin = 0;
    int scfsi[2][4] = {};
    GranuleChannel granule[2][2]; // [granule][channel]
};

// Scale-factor bands of one sample rate: 23 long and 14 short boundaries.
struct BandTable {
    int16_t longBound[23];
    int16_t shortBound[14];
};

struct ScaleFactors {
    uint8_t longBands[22];
    uint8_t shortBands[13][3];
    // MPEG-2 intensity stereo: the largest value each band's field can hold,
    // which marks the band as not intensity coded.
    uint8_t longLimit[22];
    uint8_t shortLimit[13];
};

// Where requantisation left a channel: the lines that can be non-zero.
struct ChannelSpectrum {
    alignas(64) float lines[576 + 8] = {};
    int nonzero = 0;
};

// Tables built by MpaInit.
const BandTable& Layer3Bands(int version, int sampleRateIndex);
extern const uint8_t kPretab[22];
extern float pow43Table[8207];          // |i|^(4/3) for i = 0..8206
// 2^(q/4) at full 16-bit scale, for q from kLowestQuarterStep on (lower and
// higher values are clamped to the ends of the table).
constexpr int kLowestQuarterStep = -440;
constexpr int kQuarterSteps = 520;
extern float quarterStepGain[kQuarterSteps];
inline float QuarterStepGain(int quarterSteps)
{
    int index = quarterSteps - kLowestQuarterStep;
    index = index < 0 ? 0 : (index >= kQuarterSteps ? kQuarterSteps - 1 : index);
    return quarterStepGain[index];
}
extern float aliasCs[8], aliasCa[8];
extern float mpeg1IntensityLeft[7], mpeg1IntensityRight[7];

// Huffman decoding into lines already raised to the power 4/3, with their
// signs (the band gains come later).
struct BitReader;
// Decodes lines [from, to) with a big-values table; a table number that
// codes nothing gives zeros.
void DecodeBigValues(BitReader& reader, int tableNumber, float* lines, int from, int to);
// Decodes count1 quadruples from `from` until `lineEnd` or until the bits
// read reach `bitEnd`; returns the line after the last one written (up to
// three past lineEnd).
int DecodeCount1(BitReader& reader, int table, float* lines, int from, int lineEnd, int64_t bitEnd);

// Scale factors: returns nothing; reads from the reader.
void ReadScaleFactorsMpeg1(BitReader& reader, const GranuleChannel& gc, const int scfsi[4], int granule,
                           ScaleFactors& sf, const ScaleFactors& granule0);
void ReadScaleFactorsMpeg2(BitReader& reader, GranuleChannel& gc, bool intensityRight, ScaleFactors& sf);

// Stereo processing of one granule, in coded order.
void ProcessStereo(int version, const BandTable& bands, const GranuleChannel gc[2], const ScaleFactors sf[2],
                   bool msStereo, bool intensityStereo, ChannelSpectrum spectrum[2]);

// Alias reduction, inverse MDCT and overlap-add of one channel into 18 time
// slots of 32 subband samples (frequency inversion included).
void HybridSynthesis(const GranuleChannel& gc, const BandTable& bands, ChannelSpectrum& spectrum, int channel,
                     float* granuleOut);
void ClearHybridState();

// Stream set-up and frame decoder.
void Layer3SetUp(const MpaFrameInfo& info);
int32_t DecodeLayer3Frame(const MpaFrameJob& job, uint8_t* output);
void ClearLayer3Reservoir();
