// Frames per second of the decoder per layer, on the conformance streams
// beside the checkout (skipped when they are absent), and on the file named
// by TESSALY_BENCH_STREAM (compare-with-mpg123 times the library alone on
// its long file this way).

#include "cfile.h"
#include "mpadecoder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void DecodeStream(benchmark::State& state, const std::vector<uint8_t>& stream, int32_t rateShift)
{
    if (stream.empty()) {
        state.SkipWithError("no stream to decode");
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
            position += MpaFrameLength(&info);
            ++frames;
        }
    }
    state.counters["frames/s"] = benchmark::Counter(double(frames), benchmark::Counter::kIsRate);
}

void DecodeVector(benchmark::State& state, const std::string& name, int32_t rateShift)
{
    const std::string path = std::string(TESSALY_SHARED_DIR) + "/vectors/" + name;
    DecodeStream(state, ReadWholeFile(path).value_or(std::vector<uint8_t>{}), rateShift);
}

void DecodeNamedFile(benchmark::State& state)
{
    const char* path = std::getenv("TESSALY_BENCH_STREAM");
    if (!path) {
        state.SkipWithError("TESSALY_BENCH_STREAM is not set");
        return;
    }
    DecodeStream(state, ReadWholeFile(path).value_or(std::vector<uint8_t>{}), 0);
}

} // namespace

BENCHMARK_CAPTURE(DecodeVector, layer1_stereo_44k, std::string("l1-fl8.bit"), 0);
BENCHMARK_CAPTURE(DecodeVector, layer2_stereo_48k, std::string("l2-fl14.bit"), 0);
BENCHMARK_CAPTURE(DecodeVector, layer3_stereo_44k, std::string("l3-hecommon.bit"), 0);
BENCHMARK_CAPTURE(DecodeVector, layer3_mpeg2_stereo_22k, std::string("M2L3_noise.bit"), 0);
BENCHMARK_CAPTURE(DecodeVector, layer3_mpeg2_mono_22k, std::string("M2L3_bitrate_22_all.bit"), 0);
BENCHMARK_CAPTURE(DecodeVector, layer3_stereo_44k_half_rate, std::string("l3-hecommon.bit"), 1);
BENCHMARK(DecodeNamedFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
