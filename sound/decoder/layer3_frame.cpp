// The Layer III frame decoder: side information, the bit reservoir, and the
// granule loop that takes each channel from Huffman data to PCM.

#include "bit_reader.h"
#include "frame_tables.h"
#include "layer3.h"
#include "layer3_spectrum.h"
#include "synthesis.h"

#include <algorithm>
#include <cstring>

namespace {

// The reservoir holds the main data of this frame and the frames before it.
// It is compacted once it passes kCompactAbove, which leaves room for the
// largest frame; the slack lets the bit reader's look-ahead stay inside.
constexpr int kReservoirBytes = 8192;
constexpr int kCompactAbove = 6692;

// Which channels reach the output, and how.
enum class Combine { First, Second, Both, Mix };

struct Layer3State {
    uint8_t reservoir[kReservoirBytes + 64];
    int reservoirFill = 0;
    SideInfo side;
    ScaleFactors scaleFactors[2][2]; // [granule][channel]
    ChannelSpectrum spectrum[2];
    alignas(64) float granuleOut[2][kGranuleFloats];
    // Set up per stream.
    int version = 0, rateIndex = 0, channels = 0;
    const BandTable* bands = nullptr;
    int lineLimit = 0, longMax = 0, shortMax = 0;
    Combine combine = Combine::First;
    GranuleSynthesis synthesis = nullptr;
};

Layer3State state;

int ReadSideInfo(BitReader& reader, const MpaFrameJob& job, int channels)
{
    SideInfo& side = state.side;
    const bool mpeg1 = job.version == 1;
    side.mainDataBegin = int(reader.Get(mpeg1 ? 9 : 8));
    reader.Get(mpeg1 ? (channels == 1 ? 5 : 3) : (channels == 1 ? 1 : 2));
    if (mpeg1)
        for (int ch = 0; ch < channels; ++ch)
            for (int group = 0; group < 4; ++group)
                side.scfsi[ch][group] = int(reader.Get(1));
    const int granules = mpeg1 ? 2 : 1;
    const BandTable& bands = *state.bands;
    for (int gr = 0; gr < granules; ++gr) {
        for (int ch = 0; ch < channels; ++ch) {
            GranuleChannel& gc = side.granule[gr][ch];
            gc.part23Length = int(reader.Get(12));
            gc.bigValues = std::min(int(reader.Get(9)), 288);
            gc.globalGain = int(reader.Get(8));
            gc.scalefacCompress = int(reader.Get(mpeg1 ? 4 : 9));
            int region0Count, region1Count;
            if (reader.Get(1)) { // window switching
                gc.blockType = int(reader.Get(2));
                gc.mixedBlock = reader.Get(1) != 0;
                gc.tableSelect[0] = int(reader.Get(5));
                gc.tableSelect[1] = int(reader.Get(5));
                gc.tableSelect[2] = 0;
                for (int w = 0; w < 3; ++w)
                    gc.subblockGain[w] = int(reader.Get(3));
                // Region 1 starts at line 36; region 2 does not exist.
                const bool lowRateShort = !mpeg1 && gc.blockType == 2;
                region0Count = lowRateShort ? 5 : 7;
                region1Count = lowRateShort ? 15 : 13;
            } else {
                gc.blockType = 0;
                gc.mixedBlock = false;
                for (int r = 0; r < 3; ++r)
                    gc.tableSelect[r] = int(reader.Get(5));
                for (int w = 0; w < 3; ++w)
                    gc.subblockGain[w] = 0;
                region0Count = int(reader.Get(4));
                region1Count = int(reader.Get(3));
            }
            gc.region1Start = bands.longBound[std::min(region0Count + 1, 22)];
            gc.region2Start = bands.longBound[std::min(region0Count + region1Count + 2, 22)];
            gc.preflag = mpeg1 ? reader.Get(1) != 0 : false;
            gc.scalefacScale = int(reader.Get(1));
            gc.count1Table = int(reader.Get(1));
        }
    }
    return granules;
}

// Appends the frame's main data; returns where the frame's own main data
// starts in the reservoir (negative when it lies before what is held).
int FillReservoir(const uint8_t* mainData, int length, int mainDataBegin)
{
    if (state.reservoirFill > kCompactAbove) {
        const int keep = std::min(mainDataBegin, state.reservoirFill);
        std::memmove(state.reservoir, state.reservoir + state.reservoirFill - keep, size_t(keep));
        state.reservoirFill = keep;
    }
    const int start = state.reservoirFill - mainDataBegin;
    length = std::clamp(length, 0, kReservoirBytes - state.reservoirFill);
    std::memcpy(state.reservoir + state.reservoirFill, mainData, size_t(length));
    state.reservoirFill += length;
    return start;
}

void DecodeGranule(const MpaFrameJob& job, int gr, int64_t& bitPosition, uint8_t* output)
{
    const int channels = state.channels;
    const bool mpeg1 = job.version == 1;
    const bool jointStereo = job.mode == 1 && channels == 2;
    const bool msStereo = jointStereo && (job.modeExtension & 2);
    const bool intensityStereo = jointStereo && (job.modeExtension & 1);
    const SpectrumLimits limits{*state.bands, state.lineLimit, state.longMax, state.shortMax, mpeg1 ? 8 : 6};
    const int slot = gr; // MPEG-2 frames have granule 0 only
    BitReader reader;

    for (int ch = 0; ch < channels; ++ch) {
        GranuleChannel& gc = state.side.granule[gr][ch];
        const int64_t bytePosition = bitPosition / 8;
        reader.Start(state.reservoir + std::min<int64_t>(bytePosition, state.reservoirFill),
                     state.reservoir + state.reservoirFill);
        reader.Get(int(bitPosition % 8));
        const int64_t part2Start = reader.BitsRead();
        ScaleFactors& sf = state.scaleFactors[slot][ch];
        if (mpeg1)
            ReadScaleFactorsMpeg1(reader, gc, state.side.scfsi[ch], gr, sf, state.scaleFactors[0][ch]);
        else
            ReadScaleFactorsMpeg2(reader, gc, intensityStereo && ch == 1, sf);
        DecodeChannelSpectrum(reader, gc, sf, part2Start, limits, state.spectrum[ch]);
        bitPosition += gc.part23Length;
    }

    if (channels == 2 && (msStereo || intensityStereo)) {
        const ScaleFactors pair[2] = {state.scaleFactors[slot][0], state.scaleFactors[slot][1]};
        const GranuleChannel infos[2] = {state.side.granule[gr][0], state.side.granule[gr][1]};
        ProcessStereo(job.version, *state.bands, infos, pair, msStereo, intensityStereo, state.spectrum);
    }

    const GranuleChannel* gcs = state.side.granule[gr];
    switch (state.combine) {
    case Combine::First:
        HybridSynthesis(gcs[0], *state.bands, state.spectrum[0], 0, state.granuleOut[0]);
        state.synthesis(state.granuleOut[0], nullptr, output);
        break;
    case Combine::Second:
        HybridSynthesis(gcs[1], *state.bands, state.spectrum[1], 1, state.granuleOut[1]);
        state.synthesis(state.granuleOut[1], nullptr, output);
        break;
    case Combine::Both:
        for (int ch = 0; ch < 2; ++ch)
            HybridSynthesis(gcs[ch], *state.bands, state.spectrum[ch], ch, state.granuleOut[ch]);
        state.synthesis(state.granuleOut[0], state.granuleOut[1], output);
        break;
    case Combine::Mix:
        for (int ch = 0; ch < 2; ++ch)
            HybridSynthesis(gcs[ch], *state.bands, state.spectrum[ch], ch, state.granuleOut[ch]);
        for (int i = 0; i < 18 * 32; ++i)
            state.granuleOut[0][i] = (state.granuleOut[0][i] + state.granuleOut[1][i]) * 0.5f;
        state.synthesis(state.granuleOut[0], nullptr, output);
        break;
    }
}

} // namespace

void ClearLayer3Reservoir()
{
    state.reservoirFill = 0;
}

void Layer3SetUp(const MpaFrameInfo& info)
{
    ClearLayer3Reservoir();
    state.version = info.version;
    state.rateIndex = info.sampleRateIndex;
    state.channels = info.mode == 3 ? 1 : 2;
    state.bands = &Layer3Bands(info.version, info.sampleRateIndex);
    core.subbandLimit = SubbandLimitFor(32);
    const BandTable& bands = *state.bands;
    // MPEG-2 and 2.5 leave out their last scale-factor band.
    state.longMax = info.version == 1 ? 576 : bands.longBound[21];
    state.shortMax = info.version == 1 ? 576 : 3 * bands.shortBound[12];
    state.lineLimit = std::min(state.longMax + 8, core.subbandLimit * 18);
    state.longMax = std::min(state.longMax, state.lineLimit);
    state.shortMax = std::min(state.shortMax, state.lineLimit);

    const int selection = core.options.outputFlags & kMpaChannelMask;
    if (state.channels == 1 || selection == kMpaChannelsLeft)
        state.combine = Combine::First;
    else if (selection == kMpaChannelsRight)
        state.combine = Combine::Second;
    else if (selection == kMpaChannelsMix)
        state.combine = Combine::Mix;
    else
        state.combine = Combine::Both;
    state.synthesis = ChooseGranuleSynthesis(state.combine == Combine::Both ? 2 : 1, core.options.rateShift,
                                             (core.options.outputFlags & kMpaOutput8Bit) != 0);
    for (ChannelSpectrum& spectrum : state.spectrum)
        spectrum = ChannelSpectrum{};
    std::memset(state.scaleFactors, 0, sizeof state.scaleFactors);
    ClearHybridState();
}

int32_t DecodeLayer3Frame(const MpaFrameJob& job, uint8_t* output)
{
    // Only frames of the stream the tables were set up for.
    const int channels = job.mode == 3 ? 1 : 2;
    if (state.bands == nullptr || job.version != state.version || job.sampleRateIndex != state.rateIndex ||
        channels != state.channels)
        return kMpaErrorBadHeader;

    const int sideInfoStart = 4 + (job.crcProtected ? 2 : 0);
    const int mainDataStart = sideInfoStart + Layer3SideInfoBytes(job.version, job.mode);
    if (core.frameSize < mainDataStart)
        return kMpaErrorTooLittleData;
    BitReader reader;
    reader.Start(job.frame + sideInfoStart, job.frame + mainDataStart);
    const int granules = ReadSideInfo(reader, job, channels);
    const int start = FillReservoir(job.frame + mainDataStart, core.frameSize - mainDataStart,
                                    state.side.mainDataBegin);
    // The frame's main data began before the first frame given: it is gone.
    if (start < 0)
        return kMpaErrorTooLittleData;

    int64_t bitPosition = int64_t(start) * 8;
    const int granuleBytes = core.outBytesPerFrame / granules;
    for (int gr = 0; gr < granules; ++gr)
        DecodeGranule(job, gr, bitPosition, output + gr * granuleBytes);
    return kMpaErrorNone;
}
