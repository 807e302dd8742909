// Arbitrary bytes through stream information and frame decoding, on every
// layer (whatever the bytes say) and every output option.

#include "mpadecoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte picks the options; the rest is the stream.
    const uint8_t choice = data[0];
    const std::vector<uint8_t> stream(data + 1, data + size);
    const int32_t length = int32_t(stream.size());

    MpaInit();
    const MpaOptions options{choice % 3, (choice >> 2) & (kMpaChannelMask | kMpaOutput8Bit), 4000 + 4000 * (choice >> 6)};
    MpaSetOptions(&options);
    if (choice & 0x80) {
        const int32_t gains[10] = {10, -10, 20, -20, 30, -30, 40, -40, 50, -50};
        MpaSetEqualizer(gains);
    }

    int32_t position = 0;
    if (!MpaFindSync(stream.data(), length, &position))
        return 0;
    MpaFrameInfo info{};
    if (!MpaGetStreamInfo(stream.data() + position, length - position, &info, 1))
        return 0;
    MpaStartStream(stream.data() + position, length - position);
    std::vector<uint8_t> output;
    for (int frames = 0; position + 4 <= length && frames < 64; ++frames) {
        if (!MpaGetStreamInfo(stream.data() + position, length - position, &info, 1)) {
            ++position;
            continue;
        }
        output.assign(size_t(info.outBytesPerFrame), 0);
        MpaFrameJob job{};
        job.frame = stream.data() + position;
        job.length = length - position;
        job.output = output.data();
        job.outputSize = int32_t(output.size());
        MpaDecodeFrame(&job);
        const int32_t step = info.padding ? info.frameSizePadded : info.frameSize;
        position += step > 0 ? step : 1;
    }
    return 0;
}
