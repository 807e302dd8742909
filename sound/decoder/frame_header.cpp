// Frame header, "Xing" and "VBRI" headers, and stream information.

#include "decoder_state.h"
#include "frame_tables.h"

#include <cstring>

namespace {

uint32_t BigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

struct VbrHeader {
    bool present = false;
    int32_t frames = 0;
    int32_t bytes = 0;
};

// Looks for a "Xing" or "VBRI" header where it would stand in this frame.
// Bytes past `length` are absent. Returns false for a useless "Xing" header.
bool ReadVbrHeader(const uint8_t* bytes, int32_t length, const MpaFrameInfo& info, VbrHeader& vbr)
{
    int offset = 4 + (info.crcProtected ? 2 : 0);
    if (info.layer == 3)
        offset += Layer3SideInfoBytes(info.version, info.mode);
    const auto has = [&](int from, int count) { return offset + from + count <= length; };
    if (has(0, 8) && std::memcmp(bytes + offset, "Xing", 4) == 0) {
        const uint32_t flags = BigEndian32(bytes + offset + 4);
        if ((flags & 3) == 0)
            return false;
        vbr.present = true;
        vbr.frames = has(8, 4) ? int32_t(BigEndian32(bytes + offset + 8)) : 0;
        vbr.bytes = has(12, 4) ? int32_t(BigEndian32(bytes + offset + 12)) : 0;
    } else if (has(0, 18) && std::memcmp(bytes + offset, "VBRI", 4) == 0) {
        vbr.present = true;
        vbr.bytes = int32_t(BigEndian32(bytes + offset + 10));
        vbr.frames = int32_t(BigEndian32(bytes + offset + 14));
    }
    return true;
}

int32_t PaddingSlot(int32_t layer) { return layer == 1 ? 4 : 1; }

} // namespace

// Layer III of MPEG-2 and 2.5 has half the samples, so half the bytes.
int32_t UnpaddedFrameLength(int32_t layer, int32_t version, int32_t bitrate, int32_t rate)
{
    if (layer == 1)
        return bitrate * 12 / rate * 4;
    const int32_t length = bitrate * 144 / rate;
    return (layer == 3 && version != 1) ? length / 2 : length;
}

int32_t FrameSamples(int32_t version, int32_t layer)
{
    if (layer == 1)
        return 384;
    return (layer == 3 && version != 1) ? 576 : 1152;
}

int32_t FrameBitrate(int32_t version, int32_t layer, int32_t index)
{
    return kBitrateKbps[version == 1 ? 0 : 1][layer - 1][index] * 1000;
}

int32_t FrameSampleRate(int32_t version, int32_t index)
{
    return kSampleRateHz[version - 1][index];
}

int32_t FrameLength(const MpaFrameInfo& header, int32_t rate)
{
    const int32_t bitrate = FrameBitrate(header.version, header.layer, header.bitrateIndex);
    return UnpaddedFrameLength(header.layer, header.version, bitrate, rate) +
           (header.padding ? PaddingSlot(header.layer) : 0);
}

int32_t MpaParseHeader(const uint8_t* bytes, MpaFrameInfo* info)
{
    const int layerCode = (bytes[1] >> 1) & 3;
    info->crcProtected = 1 - (bytes[1] & 1);
    info->bitrateIndex = bytes[2] >> 4;
    info->sampleRateIndex = (bytes[2] >> 2) & 3;
    info->padding = (bytes[2] >> 1) & 1;
    info->privateBit = bytes[2] & 1;
    info->mode = bytes[3] >> 6;
    info->modeExtension = (bytes[3] >> 4) & 3;
    info->copyright = (bytes[3] >> 3) & 1;
    info->original = (bytes[3] >> 2) & 1;
    info->emphasis = bytes[3] & 3;
    info->layer = 4 - layerCode;

    if (bytes[0] != 0xFF) {
        SetError(kMpaErrorNoSync);
        return 0;
    }
    if (bytes[1] >= 0xF0) {
        info->version = (bytes[1] & 0x08) ? 1 : 2;
    } else if ((bytes[1] & 0xF0) == 0xE0) {
        info->version = 3;
    } else {
        SetError(kMpaErrorNoSync);
        return 0;
    }
    if (info->sampleRateIndex == 3 || info->bitrateIndex == 0 || info->bitrateIndex == 15 || layerCode == 0) {
        SetError(kMpaErrorBadHeader);
        return 0;
    }
    return 1;
}

int32_t MpaFindSync(const uint8_t* bytes, int32_t length, int32_t* offset)
{
    for (int32_t i = 0; i + 3 < length; ++i) {
        if (bytes[i] == 0xFF && (bytes[i + 1] >= 0xF0 || (bytes[i + 1] & 0xF0) == 0xE0)) {
            *offset = i;
            return 1;
        }
    }
    *offset = 0;
    SetError(kMpaErrorTooLittleData);
    return 0;
}

int32_t MpaGetStreamInfo(const uint8_t* bytes, int32_t length, MpaFrameInfo* info, int32_t primary)
{
    if (bytes == nullptr || length < 4) {
        SetError(kMpaErrorTooLittleData);
        return 0;
    }
    if (!MpaParseHeader(bytes, info))
        return 0;
    VbrHeader vbr;
    if (!ReadVbrHeader(bytes, length, *info, vbr)) {
        SetError(kMpaErrorBadHeader);
        return 0;
    }

    const int32_t rate = FrameSampleRate(info->version, info->sampleRateIndex);
    const int32_t bitrate = FrameBitrate(info->version, info->layer, info->bitrateIndex);
    const int32_t slot = PaddingSlot(info->layer);
    info->bitrate = bitrate;
    info->vbrFrames = vbr.frames;
    info->vbrBytes = vbr.bytes;
    if (vbr.present) {
        int32_t minRate = 0, maxRate = 0;
        for (int index = 1; index <= 14; ++index) {
            const int32_t r = FrameBitrate(info->version, info->layer, index);
            if (minRate == 0 || r < minRate)
                minRate = r;
            if (r > maxRate)
                maxRate = r;
        }
        info->headerFrameSize = UnpaddedFrameLength(info->layer, info->version, bitrate, rate) +
                                (info->padding ? slot : 0);
        info->frameSize = UnpaddedFrameLength(info->layer, info->version, minRate, rate);
        info->frameSizePadded = UnpaddedFrameLength(info->layer, info->version, maxRate, rate) + slot;
    } else {
        info->headerFrameSize = 0;
        info->frameSize = UnpaddedFrameLength(info->layer, info->version, bitrate, rate);
        info->frameSizePadded = info->frameSize + slot;
    }

    const int32_t shift = core.options.rateShift;
    const int32_t samples = FrameSamples(info->version, info->layer) >> shift;
    const bool oneChannel = info->mode == 3 || (core.options.outputFlags & kMpaChannelMask) != kMpaChannelsBoth;
    info->outChannels = oneChannel ? 1 : 2;
    const bool eightBit = (core.options.outputFlags & kMpaOutput8Bit) != 0;
    info->outBits = eightBit ? 8 : 16;
    info->outBytesPerFrame = samples * info->outChannels * (eightBit ? 1 : 2);
    if (primary)
        core.streamRate = rate;
    info->outRate = rate >> shift;
    if (vbr.present)
        info->bitrate = 0;
    return 1;
}
