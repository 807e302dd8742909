// The Layer I and Layer II frame decoders.

#include "layer12.h"

#include "bit_reader.h"
#include "decoder_state.h"
#include "synthesis.h"

#include <algorithm>
#include <cstring>

namespace {

// The subbands from the bound up share one allocation and one set of samples
// in joint stereo; each channel keeps its own scale factors there.
constexpr int kJointBound[4] = {4, 8, 12, 16};

struct Layer12State {
    int layer = 0, version = 0, rateIndex = 0, channels = 0;
    int table = 0;         // Layer II allocation table
    int codedSubbands = 0; // sblimit
    int subbandLimit = 0;  // subbands requantised and synthesised
    SubbandSynthesis synthesis = nullptr;
    alignas(64) float samples[SynthesisReadableSlots(36)][2][32]; // [slot][channel][subband]
    // Per subband and channel.
    int allocation[32][2];
    int scfsi[32][2];
    float scale[32][2][3];
};

Layer12State state;

int Bound(const MpaFrameJob& job)
{
    return job.mode == 1 ? kJointBound[job.modeExtension] : 32;
}

bool Fits(const MpaFrameJob& job, int layer)
{
    const int channels = job.mode == 3 ? 1 : 2;
    return state.synthesis && state.layer == layer && job.version == state.version &&
           job.sampleRateIndex == state.rateIndex && channels == state.channels;
}

void StartReader(BitReader& reader, const MpaFrameJob& job)
{
    reader.Start(job.frame + 4 + (job.crcProtected ? 2 : 0), job.frame + core.frameSize);
}

// Layer II bit allocation: the quantisation class of each subband and
// channel; the subbands from the bound up share one.
void ReadLayer2Allocation(BitReader& reader, const AllocationTable& table, int bound)
{
    auto& allocation = state.allocation;
    const int channels = state.channels;
    int sb = 0;
    for (const AllocationGroup& group : table.groups) {
        for (int n = 0; n < group.subbands; ++n, ++sb) {
            if (sb < bound) {
                for (int ch = 0; ch < channels; ++ch)
                    allocation[sb][ch] = group.classes[reader.Get(group.bits)];
            } else {
                allocation[sb][0] = allocation[sb][1] = group.classes[reader.Get(group.bits)];
            }
        }
    }
}

// Layer II scale factors: the selection information of every allocated
// subband, then one, two or three scale factors for the three parts of the
// frame, as the selection says which parts share one.
void ReadLayer2ScaleFactors(BitReader& reader)
{
    const auto next = [&reader] { return scaleFactorMultiplier[reader.Get(6)]; };
    const int channels = state.channels, sblimit = state.codedSubbands;
    for (int sb = 0; sb < sblimit; ++sb)
        for (int ch = 0; ch < channels; ++ch)
            if (state.allocation[sb][ch])
                state.scfsi[sb][ch] = int(reader.Get(2));
    for (int sb = 0; sb < sblimit; ++sb) {
        for (int ch = 0; ch < channels; ++ch) {
            if (!state.allocation[sb][ch])
                continue;
            float* scale = state.scale[sb][ch];
            switch (state.scfsi[sb][ch]) {
            case 0:
                for (int part = 0; part < 3; ++part)
                    scale[part] = next();
                break;
            case 1:
                scale[0] = scale[1] = next();
                scale[2] = next();
                break;
            case 2:
                scale[0] = scale[1] = scale[2] = next();
                break;
            default:
                scale[0] = next();
                scale[1] = scale[2] = next();
                break;
            }
        }
    }
}

// The three samples of one Layer II code (grouped in one word or coded one
// by one), requantised but not yet scaled.
void ReadLayer2Triple(BitReader& reader, int quantClass, float values[3])
{
    const QuantClass& quant = kQuantClasses[quantClass];
    const float factor = classFactor[quantClass];
    if (quant.grouped) {
        const int code = int(reader.Get(quant.bits));
        const int8_t* digits = quant.steps == 3   ? ungroup3[code & 31]
                               : quant.steps == 5 ? ungroup5[code & 127]
                                                  : ungroup9[code & 1023];
        for (int s = 0; s < 3; ++s)
            values[s] = float(digits[s]) * factor;
    } else if (quant.bits) {
        const int centre = (1 << (quant.bits - 1)) - 1;
        for (int s = 0; s < 3; ++s)
            values[s] = float(int(reader.Get(quant.bits)) - centre) * factor;
    } else {
        values[0] = values[1] = values[2] = 0.0f;
    }
}

// One Layer II granule: three slots of samples for every subband, scaled by
// the scale factor of the frame's part the granule lies in. The subbands at
// and above the limit are read past; those above the coded ones are zero.
void ReadLayer2Granule(BitReader& reader, int granule, int bound)
{
    const int channels = state.channels;
    const int sblimit = state.codedSubbands;
    const int limit = state.subbandLimit;
    const int part = granule / 4;
    float(*slots[3])[32] = {state.samples[3 * granule], state.samples[3 * granule + 1],
                            state.samples[3 * granule + 2]};
    int skipped = 0;
    for (int sb = 0; sb < sblimit; ++sb) {
        const int coded = sb >= bound ? 1 : channels;
        const bool sharedBand = coded == 1 && channels == 2;
        for (int ch = 0; ch < coded; ++ch) {
            const int quantClass = state.allocation[sb][ch];
            const QuantClass& quant = kQuantClasses[quantClass];
            if (sb >= limit) {
                skipped += quant.grouped ? quant.bits : 3 * quant.bits;
                continue;
            }
            float values[3];
            ReadLayer2Triple(reader, quantClass, values);
            const int first = sharedBand ? 0 : ch, last = sharedBand ? 1 : ch;
            for (int c = first; c <= last; ++c)
                for (int s = 0; s < 3; ++s)
                    slots[s][c][sb] = values[s] * state.scale[sb][c][part];
        }
    }
    reader.Skip(skipped);
    for (int s = 0; s < 3; ++s)
        for (int ch = 0; ch < channels; ++ch)
            std::fill(slots[s][ch] + std::min(limit, sblimit), slots[s][ch] + 32, 0.0f);
}

} // namespace

void Layer12SetUp(const MpaFrameInfo& info)
{
    state.layer = info.layer;
    state.version = info.version;
    state.rateIndex = info.sampleRateIndex;
    state.channels = info.mode == 3 ? 1 : 2;
    if (info.layer == 2) {
        state.table = Layer2TableNumber(info.version, info.mode, info.sampleRateIndex, info.bitrateIndex);
        state.codedSubbands = 0;
        for (const AllocationGroup& group : Layer2AllocationTable(state.table).groups)
            state.codedSubbands += group.subbands;
    } else {
        state.codedSubbands = 32;
    }
    state.subbandLimit = core.subbandLimit = SubbandLimitFor(state.codedSubbands);

    ChannelPlan plan = ChannelPlan::Mono;
    if (state.channels == 2) {
        static constexpr ChannelPlan bySelection[4] = {ChannelPlan::Stereo, ChannelPlan::Mix, ChannelPlan::Left,
                                                       ChannelPlan::Right};
        plan = bySelection[core.options.outputFlags & kMpaChannelMask];
    }
    state.synthesis = ChooseSubbandSynthesis(plan, core.options.rateShift,
                                             (core.options.outputFlags & kMpaOutput8Bit) != 0);
    std::memset(state.samples, 0, sizeof state.samples);
}

int32_t DecodeLayer1Frame(const MpaFrameJob& job, uint8_t* output)
{
    if (!Fits(job, 1))
        return kMpaErrorBadHeader;
    BitReader reader;
    StartReader(reader, job);
    const int channels = state.channels;
    const int bound = std::min(Bound(job), 32);
    auto& allocation = state.allocation;

    for (int sb = 0; sb < 32; ++sb) {
        if (sb < bound) {
            for (int ch = 0; ch < channels; ++ch)
                allocation[sb][ch] = int(reader.Get(4));
        } else {
            allocation[sb][0] = allocation[sb][1] = int(reader.Get(4));
        }
    }
    for (int sb = 0; sb < 32; ++sb)
        for (int ch = 0; ch < channels; ++ch)
            if (allocation[sb][ch])
                state.scale[sb][ch][0] = scaleFactorMultiplier[reader.Get(6)];

    // An allocation of 15 is forbidden: it carries no samples.
    const auto sampleBits = [](int a) { return (a == 0 || a == 15) ? 0 : a + 1; };
    const int limit = state.subbandLimit;
    for (int slot = 0; slot < 12; ++slot) {
        float(*out)[32] = state.samples[slot];
        int skipped = 0;
        for (int sb = 0; sb < 32; ++sb) {
            const int shared = sb >= bound ? 1 : channels;
            for (int ch = 0; ch < shared; ++ch) {
                const int a = allocation[sb][ch];
                const int bits = sampleBits(a);
                if (sb >= limit) {
                    skipped += bits;
                    continue;
                }
                float value = 0.0f;
                if (bits) {
                    const int code = int(reader.Get(bits));
                    value = float(code - ((1 << a) - 1)) * layer1Factor[a];
                }
                if (shared == 1 && channels == 2) {
                    out[0][sb] = bits ? value * state.scale[sb][0][0] : 0.0f;
                    out[1][sb] = bits ? value * state.scale[sb][1][0] : 0.0f;
                } else {
                    out[ch][sb] = bits ? value * state.scale[sb][ch][0] : 0.0f;
                }
            }
        }
        reader.Skip(skipped);
        for (int ch = 0; ch < channels; ++ch)
            std::fill(out[ch] + std::min(limit, 32), out[ch] + 32, 0.0f);
    }
    state.synthesis(&state.samples[0][0][0], 12, output);
    return kMpaErrorNone;
}

int32_t DecodeLayer2Frame(const MpaFrameJob& job, uint8_t* output)
{
    if (!Fits(job, 2))
        return kMpaErrorBadHeader;
    BitReader reader;
    StartReader(reader, job);
    const int bound = std::min(Bound(job), state.codedSubbands);
    ReadLayer2Allocation(reader, Layer2AllocationTable(state.table), bound);
    ReadLayer2ScaleFactors(reader);
    for (int granule = 0; granule < 12; ++granule)
        ReadLayer2Granule(reader, granule, bound);
    state.synthesis(&state.samples[0][0][0], 36, output);
    return kMpaErrorNone;
}
