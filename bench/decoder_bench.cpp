// Frames per second of the decoder per layer, on the conformance streams
// beside the checkout (skipped when they are absent).

#include "mpadecoder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadStream(const std::string& name)
{
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen((std::string(TESSALY_SHARED_DIR) + "/vectors/" + name).c_str(), "rb");
    if (!file)
        return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF)
        bytes.push_back(uint8_t(c));
    std::fclose(file);
    return bytes;
}

void DecodeAll(benchmark::State& state, const std::string& name, int32_t rateShift)
{
    const std::vector<uint8_t> stream = ReadStream(name);
    if (stream.empty()) {
        state.SkipWithError("no conformance streams");
        return;
    }
    std::vector<uint8_t> pcm(8192);
    int64_t frames = 0;
    for (auto _ : state) {
        MpaInit();
        const MpaOptions options{rateShift, 0, 24000};
        MpaSetOptions(&options);
        MpaStartStream(stream.data(), int32_t(stream.size()));
        int32_t position = 0;
        MpaFrameInfo info{};
        while (position + 4 <= int32_t(stream.size()) &&
               MpaGetStreamInfo(stream.data() + position, int32_t(stream.size()) - position, &info, 1)) {
            MpaFrameJob job{};
            job.frame = stream.data() + position;
            job.length = int32_t(stream.size()) - position;
            job.output = pcm.data();
            job.outputSize = int32_t(pcm.size());
            MpaDecodeFrame(&job);
            position += info.padding ? info.frameSizePadded : info.frameSize;
            ++frames;
        }
    }
    state.counters["frames/s"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK_CAPTURE(DecodeAll, layer1_stereo_44k, std::string("l1-fl8.bit"), 0);
BENCHMARK_CAPTURE(DecodeAll, layer2_stereo_48k, std::string("l2-fl14.bit"), 0);
BENCHMARK_CAPTURE(DecodeAll, layer3_stereo_44k, std::string("l3-hecommon.bit"), 0);
BENCHMARK_CAPTURE(DecodeAll, layer3_mpeg2_stereo_22k, std::string("M2L3_noise.bit"), 0);
BENCHMARK_CAPTURE(DecodeAll, layer3_mpeg2_mono_22k, std::string("M2L3_bitrate_22_all.bit"), 0);
BENCHMARK_CAPTURE(DecodeAll, layer3_stereo_44k_half_rate, std::string("l3-hecommon.bit"), 1);

BENCHMARK_MAIN();
