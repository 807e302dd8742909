// Arbitrary bytes through stream information and frame decoding, on every
// layer (whatever the bytes say) and every output option.
//
// Byte 0 picks the options. Byte 1 picks how the rest is read: as it is
// (the decoder must find and check every header itself), or cut into frames
// that each start with one of a set of valid headers, so that nearly every
// input reaches the side information, the Huffman data and the synthesis.

#include "mpadecoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Valid headers of every version and layer, the stereo modes included.
constexpr uint8_t kHeaders[][4] = {
    {0xFF, 0xFB, 0x90, 0x64}, // MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo (MS)
    {0xFF, 0xFB, 0xE4, 0x00}, // MPEG-1 Layer III, 320 kbit/s, 48000 Hz, stereo
    {0xFF, 0xFB, 0x58, 0xC0}, // MPEG-1 Layer III, 64 kbit/s, 32000 Hz, single channel
    {0xFF, 0xFA, 0x90, 0x74}, // MPEG-1 Layer III with CRC, joint stereo (MS and intensity)
    {0xFF, 0xF3, 0x80, 0x70}, // MPEG-2 Layer III, 64 kbit/s, 22050 Hz, joint stereo (MS and intensity)
    {0xFF, 0xF3, 0x44, 0x50}, // MPEG-2 Layer III, 32 kbit/s, 24000 Hz, intensity stereo
    {0xFF, 0xE3, 0x28, 0xC0}, // MPEG-2.5 Layer III, 16 kbit/s, 8000 Hz, single channel
    {0xFF, 0xE3, 0x40, 0x70}, // MPEG-2.5 Layer III, 32 kbit/s, 11025 Hz, joint stereo
    {0xFF, 0xFD, 0xA0, 0x40}, // MPEG-1 Layer II, 192 kbit/s, 44100 Hz, joint stereo
    {0xFF, 0xFD, 0x24, 0xC0}, // MPEG-1 Layer II, 48 kbit/s, 48000 Hz, single channel
    {0xFF, 0xF5, 0x84, 0x00}, // MPEG-2 Layer II, 64 kbit/s, 24000 Hz, stereo
    {0xFF, 0xFF, 0xC4, 0x00}, // MPEG-1 Layer I, 384 kbit/s, 48000 Hz, stereo
    {0xFF, 0xFF, 0x90, 0x60}, // MPEG-1 Layer I, 288 kbit/s, 44100 Hz, joint stereo
    {0xFF, 0xF7, 0x40, 0xC0}, // MPEG-2 Layer I, 64 kbit/s, 22050 Hz, single channel
};
constexpr size_t kHeaderCount = sizeof kHeaders / sizeof kHeaders[0];

// Writes the chosen header at the start of every frame of `stream`.
void StampFrames(std::vector<uint8_t>& stream, const uint8_t* header)
{
    MpaFrameInfo info{};
    std::vector<uint8_t> probe(256, 0);
    for (int i = 0; i < 4; ++i)
        probe[size_t(i)] = header[i];
    if (!MpaGetStreamInfo(probe.data(), int32_t(probe.size()), &info, 0) || info.frameSize <= 0)
        return;
    for (size_t at = 0; at + 4 <= stream.size(); at += size_t(info.frameSize)) {
        for (int i = 0; i < 4; ++i)
            stream[at + size_t(i)] = header[i];
        stream[at + 2] &= 0xFD; // no padding: every frame is frameSize long
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const uint8_t choice = data[0];
    const uint8_t framing = data[1];
    std::vector<uint8_t> stream(data + 2, data + size);
    const int32_t length = int32_t(stream.size());

    MpaInit();
    const MpaOptions options{choice % 3, (choice >> 2) & (kMpaChannelMask | kMpaOutput8Bit), 4000 + 4000 * (choice >> 6)};
    MpaSetOptions(&options);
    if (choice & 0x80) {
        const int32_t gains[10] = {10, -10, 20, -20, 30, -30, 40, -40, 50, -50};
        MpaSetEqualizer(gains);
    } else {
        MpaSetEqualizer(nullptr);
    }
    if (framing != 0)
        StampFrames(stream, kHeaders[framing % kHeaderCount]);

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
        const int32_t step = MpaFrameLength(&info);
        position += step > 0 ? step : 1;
    }
    return 0;
}
