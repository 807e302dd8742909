#include "stream_decode.h"

#include <cstdio>

DecodedStream DecodeStream(const std::vector<uint8_t>& stream, const MpaOptions& options)
{
    DecodedStream result;
    MpaInit();
    MpaSetOptions(&options);
    const int32_t size = int32_t(stream.size());
    int32_t first = 0;
    if (!MpaFindSync(stream.data(), size, &first) ||
        !MpaGetStreamInfo(stream.data() + first, size - first, &result.format, 1))
        return result;
    MpaStartStream(stream.data() + first, size - first);
    result.started = true;
    const uint8_t silence = (options.outputFlags & kMpaOutput8Bit) ? 0x80 : 0;

    int32_t position = first;
    while (position + 4 <= size) {
        MpaFrameInfo info{};
        if (!MpaGetStreamInfo(stream.data() + position, size - position, &info, 1)) {
            // Not a frame here: look for the next header.
            int32_t skip = 0;
            if (!MpaFindSync(stream.data() + position + 1, size - position - 1, &skip))
                break;
            position += 1 + skip;
            ++result.framesRefused;
            continue;
        }
        const int32_t length =
            info.headerFrameSize ? info.headerFrameSize : (info.padding ? info.frameSizePadded : info.frameSize);
        if (!info.headerFrameSize) {
            const size_t at = result.pcm.size();
            result.pcm.resize(at + size_t(info.outBytesPerFrame), silence);
            MpaFrameJob job{};
            job.frame = stream.data() + position;
            job.length = size - position;
            job.output = result.pcm.data() + at;
            job.outputSize = info.outBytesPerFrame;
            if (MpaDecodeFrame(&job)) {
                ++result.framesDecoded;
            } else {
                result.pcm.resize(at);
                ++result.framesRefused;
            }
        }
        position += length;
    }
    return result;
}

std::vector<int16_t> AsSamples16(const std::vector<uint8_t>& pcm)
{
    std::vector<int16_t> samples(pcm.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(pcm[2 * i] | pcm[2 * i + 1] << 8);
    return samples;
}

std::vector<uint8_t> ReadBytes(const char* path)
{
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return bytes;
    uint8_t block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);
    return bytes;
}
