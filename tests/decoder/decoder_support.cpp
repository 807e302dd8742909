#include "decoder_support.h"

#include "wavefile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>

MpaFrameJob FrameJob(const uint8_t* frame, int32_t length, uint8_t* output, int32_t outputSize)
{
    MpaFrameJob job{};
    job.frame = frame;
    job.length = length;
    job.output = output;
    job.outputSize = outputSize;
    return job;
}

DecodedStream DecodeStream(const std::vector<uint8_t>& stream, const MpaOptions& options)
{
    DecodedStream result;
    MpaInit();
    MpaSetOptions(&options);
    const uint8_t* const end = stream.data() + stream.size();
    int32_t skip = 0;
    if (!MpaFindSync(stream.data(), int32_t(stream.size()), &skip) ||
        !MpaGetStreamInfo(stream.data() + skip, int32_t(end - stream.data() - skip), &result.format, 1))
        return result;
    MpaStartStream(stream.data() + skip, int32_t(end - stream.data() - skip));
    result.started = true;
    for (const uint8_t* at = stream.data() + skip; end - at >= 4;) {
        MpaFrameInfo info{};
        if (!MpaGetStreamInfo(at, int32_t(end - at), &info, 1)) {
            if (!MpaFindSync(at + 1, int32_t(end - at - 1), &skip))
                break;
            at += 1 + skip;
            continue;
        }
        if (!info.headerFrameSize) {
            const size_t from = result.pcm.size();
            result.pcm.resize(from + size_t(info.outBytesPerFrame));
            MpaFrameJob job = FrameJob(at, int32_t(end - at), result.pcm.data() + from, info.outBytesPerFrame);
            if (MpaDecodeFrame(&job))
                ++result.framesDecoded;
            else
                result.pcm.resize(from);
        }
        at += MpaFrameLength(&info);
    }
    return result;
}

std::vector<uint8_t> VectorStream(const std::string& name)
{
    return std::filesystem::exists(kVectorDir + name + ".pcm") ? ReadFile(kVectorDir + name + ".bit") : Bytes{};
}

void WriteTestSignal(const std::string& path, int rate, int channels, double seconds)
{
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 1.0);
    std::vector<uint8_t> pcm;
    for (uint32_t i = 0; i < uint32_t(rate * seconds); ++i) {
        const double t = double(i) / rate;
        const double sweep = 0.3 * std::sin(2 * M_PI * (100 * t + 0.45 * rate * t * t / (2 * seconds)));
        const double burst = std::fmod(t, 0.5) < 0.02 ? 0.4 * noise(random) : 0.0; // transients
        const double tone = 0.2 * std::sin(2 * M_PI * 440 * t);
        for (int c = 0; c < channels; ++c) {
            const double value = sweep + burst + (c == 0 ? tone : -0.5 * tone) + 0.01 * noise(random);
            const auto sample = uint16_t(std::lround(std::clamp(value, -1.0, 1.0) * 32000));
            pcm.insert(pcm.end(), {uint8_t(sample), uint8_t(sample >> 8)});
        }
    }
    const auto blockAlign = uint16_t(2 * channels);
    WriteFile(path, PcmWaveFile({platform::kWaveFormatPcm, uint16_t(channels), uint32_t(rate),
                                 uint32_t(rate) * blockAlign, blockAlign, 16, 0},
                                pcm.data(), uint32_t(pcm.size())));
}
