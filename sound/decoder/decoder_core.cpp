// The decoder core: options, equaliser, last error, stream start-up and the
// per-frame entry point that dispatches to the layer decoders.

#include "decoder_state.h"
#include "frame_tables.h"
#include "layer12.h"
#include "layer3.h"
#include "synthesis.h"

#include <algorithm>
#include <cmath>

DecoderCore core;

namespace {

// Equaliser bands: the first subband of each of the ten gains.
constexpr int kEqualiserBandStart[11] = {0, 1, 2, 3, 4, 5, 6, 8, 12, 20, 32};

// Writes nothing, so it refuses every frame.
int32_t DoNothing(const MpaFrameJob&, uint8_t*) { return kMpaErrorBadHeader; }

LayerDecoder DecoderForLayer(int layer)
{
    static constexpr LayerDecoder decoders[4] = {DoNothing, DecodeLayer1Frame, DecodeLayer2Frame,
                                                 DecodeLayer3Frame};
    return decoders[(layer >= 1 && layer <= 3) ? layer : 0];
}

} // namespace

int32_t SubbandLimitFor(int32_t codedSubbands)
{
    const int64_t rate = core.streamRate > 0 ? core.streamRate : 44100;
    int64_t limit = (int64_t(core.options.bandwidthHz) * 64 + rate / 2) / rate;
    const int32_t top = 32 >> core.options.rateShift;
    const bool skipTop = top > 8 && TopSubbandSkipped(int32_t(rate), core.options.rateShift);
    limit = std::min<int64_t>(limit, skipTop ? top - 1 : top);
    return int32_t(std::clamp<int64_t>(limit, 0, codedSubbands));
}

bool TopSubbandSkipped(int32_t streamRate, int32_t rateShift)
{
    // At full rate the top subband is worth skipping only where nobody hears
    // it: from 31/32 of the Nyquist frequency up, 21.4 kHz at 44100 Hz. At the
    // lower rates it is signal (3.9 to 4 kHz at 8000 Hz, where an encoder
    // fills it): leaving it out there changes the sound, and loud passages
    // clip where the stream's true output does not.
    constexpr int64_t kHearingLimitHz = 20000;
    return rateShift > 0 || int64_t(streamRate) * 31 / 64 >= kHearingLimitHz;
}

void MpaInit()
{
    core.options = MpaOptions{0, 0, 24000};
    static bool built = false;
    if (!built) {
        BuildLayer12Tables();
        BuildLayer3Tables();
        BuildHuffmanDecoders();
        BuildSynthesisTables();
        built = true;
    }
}

void MpaGetOptions(MpaOptions* options)
{
    if (options)
        *options = core.options;
}

int32_t MpaSetOptions(const MpaOptions* options)
{
    if (!options)
        return 0;
    core.options.rateShift = std::clamp(options->rateShift, 0, 2);
    core.options.outputFlags = options->outputFlags & (kMpaChannelMask | kMpaOutput8Bit);
    core.options.bandwidthHz = std::clamp(options->bandwidthHz, 0, 1000000);
    return 1;
}

void MpaSetEqualizer(const int32_t* gains)
{
    core.equaliserOn = gains != nullptr;
    if (!gains)
        return;
    for (int band = 0; band < 10; ++band) {
        const int32_t tenths = std::clamp(gains[band], -1000, 1000);
        const float gain = float(std::pow(10.0, tenths / 200.0));
        for (int sb = kEqualiserBandStart[band]; sb < kEqualiserBandStart[band + 1]; ++sb)
            core.equaliserGain[sb] = gain;
    }
}

int32_t MpaGetLastError() { return core.lastError; }

void MpaStartStream(const uint8_t* bytes, int32_t length)
{
    MpaFrameInfo info{};
    core.layerDecoder = nullptr;
    if (!MpaGetStreamInfo(bytes, length, &info, 1))
        return;
    ClearSynthesisHistory();
    core.startedVersion = info.version;
    core.startedLayer = info.layer;
    core.startedRateIndex = info.sampleRateIndex;
    core.startedChannels = info.mode == 3 ? 1 : 2;
    core.outChannels = info.outChannels;
    core.outBytesPerFrame = info.outBytesPerFrame;
    if (info.layer == 3)
        Layer3SetUp(info);
    else
        Layer12SetUp(info);
    core.layerDecoder = DecoderForLayer(info.layer);
}

void MpaSelectLayer(const MpaFrameInfo* info)
{
    if (!info)
        return;
    if (info->layer == 3)
        ClearLayer3Reservoir();
    core.layerDecoder = DecoderForLayer(info->layer);
}

void MpaSelectNoLayer() { core.layerDecoder = DoNothing; }

int32_t MpaDecodeFrame(MpaFrameJob* job)
{
    if (!job || !job->frame || job->length <= 4) {
        SetError(kMpaErrorTooLittleData);
        return 0;
    }
    MpaFrameInfo header{};
    if (!MpaParseHeader(job->frame, &header))
        return 0;
    MpaCopyHeaderFields(&header, job);
    job->bitrate = FrameBitrate(header.version, header.layer, header.bitrateIndex);

    // Frames of another version, layer, rate or channel count than the
    // stream the decoder was started on would not fit its tables or output.
    const int channels = header.mode == 3 ? 1 : 2;
    if (!core.layerDecoder || header.version != core.startedVersion || header.layer != core.startedLayer ||
        header.sampleRateIndex != core.startedRateIndex || channels != core.startedChannels) {
        SetError(kMpaErrorBadHeader);
        return 0;
    }
    core.frameSize = FrameLength(header, FrameSampleRate(header.version, header.sampleRateIndex));
    if (job->length < core.frameSize || !job->output || job->outputSize < core.outBytesPerFrame) {
        SetError(kMpaErrorTooLittleData);
        return 0;
    }
    if (const int32_t refused = core.layerDecoder(*job, job->output)) {
        SetError(refused);
        return 0;
    }
    job->length = core.frameSize;
    job->outputSize = core.outBytesPerFrame;
    return 1;
}
