#include "decoder_support.h"

#include "wavefile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <sys/wait.h>

namespace {

// A Blackman-windowed sinc low-pass over each channel.
std::vector<double> Filter(const std::vector<double>& x, int channels, double cutoff)
{
    if (cutoff >= 1.0)
        return x;
    constexpr int half = 96;
    std::vector<double> taps(2 * half + 1);
    double sum = 0;
    for (int k = -half; k <= half; ++k) {
        const double window = 0.42 + 0.5 * std::cos(M_PI * k / half) + 0.08 * std::cos(2 * M_PI * k / half);
        sum += taps[size_t(k + half)] = (k == 0 ? cutoff : std::sin(M_PI * cutoff * k) / (M_PI * k)) * window;
    }
    const long frames = long(x.size()) / channels;
    std::vector<double> y(x.size());
    for (int c = 0; c < channels; ++c)
        for (long i = 0; i < frames; ++i) {
            double acc = 0;
            for (long j = std::max(0L, i - half); j <= std::min(frames - 1, i + half); ++j)
                acc += taps[size_t(i - j + half)] * x[size_t(j * channels + c)];
            y[size_t(i * channels + c)] = acc / sum;
        }
    return y;
}

} // namespace

DecodedStream DecodeStream(const std::vector<uint8_t>& stream, const MpaOptions& options)
{
    DecodedStream result;
    MpaInit();
    MpaSetOptions(&options);
    const int32_t size = int32_t(stream.size());
    int32_t position = 0;
    if (!MpaFindSync(stream.data(), size, &position) ||
        !MpaGetStreamInfo(stream.data() + position, size - position, &result.format, 1))
        return result;
    MpaStartStream(stream.data() + position, size - position);
    result.started = true;
    while (position + 4 <= size) {
        MpaFrameInfo info{};
        if (!MpaGetStreamInfo(stream.data() + position, size - position, &info, 1)) {
            int32_t skip = 0; // not a frame here: on to the next header
            if (!MpaFindSync(stream.data() + position + 1, size - position - 1, &skip))
                break;
            position += 1 + skip;
            continue;
        }
        if (!info.headerFrameSize) {
            const size_t at = result.pcm.size();
            result.pcm.resize(at + size_t(info.outBytesPerFrame));
            MpaFrameJob job{};
            job.frame = stream.data() + position;
            job.length = size - position;
            job.output = result.pcm.data() + at;
            job.outputSize = info.outBytesPerFrame;
            if (MpaDecodeFrame(&job))
                ++result.framesDecoded;
            else
                result.pcm.resize(at);
        }
        position += MpaFrameLength(&info);
    }
    return result;
}

Comparison ComparePcm(const std::vector<int16_t>& ours, const std::vector<int16_t>& reference, int channels,
                      int frameSamples, double cutoff)
{
    const auto span = [&](int shift) {
        const long offset = long(std::abs(shift)) * frameSamples * channels;
        const long oursFrom = shift > 0 ? offset : 0, refFrom = shift < 0 ? offset : 0;
        const long n = std::max(0L, std::min(long(ours.size()) - oursFrom, long(reference.size()) - refFrom));
        return std::tuple{oursFrom, refFrom, n};
    };
    Comparison result;
    double bestError = std::numeric_limits<double>::max();
    for (int shift = -4; shift <= 4; ++shift) {
        const auto [oursFrom, refFrom, n] = span(shift);
        double error = 0;
        for (long i = 0; i < n; ++i)
            error += std::pow(double(ours[size_t(oursFrom + i)]) - reference[size_t(refFrom + i)], 2);
        if (n > 0 && error / double(n) < bestError) {
            bestError = error / double(n);
            result.shiftFrames = shift;
        }
    }
    const auto [oursFrom, refFrom, n] = span(result.shiftFrames);
    const std::vector<double> a = Filter({ours.begin() + oursFrom, ours.begin() + oursFrom + n}, channels, cutoff);
    const std::vector<double> b =
        Filter({reference.begin() + refFrom, reference.begin() + refFrom + n}, channels, cutoff);
    double error = 0, energyA = 0, energyB = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        error += (a[i] - b[i]) * (a[i] - b[i]);
        energyA += a[i] * a[i];
        energyB += b[i] * b[i];
    }
    const double rms = std::sqrt(error / std::max<double>(1, double(a.size())));
    result.psnrDb = 20 * std::log10(32768.0 / std::max(rms, 1e-9));
    result.levelDb = 10 * std::log10(std::max(energyA, 1e-9) / std::max(energyB, 1e-9));
    result.comparedSamples = a.size();
    return result;
}

std::vector<int16_t> Decimate(const std::vector<int16_t>& pcm, int channels, int factor)
{
    const std::vector<double> x = Filter({pcm.begin(), pcm.end()}, channels, 0.9 / factor);
    std::vector<int16_t> out;
    for (size_t i = 0; i < x.size(); i += size_t(factor * channels))
        for (int c = 0; c < channels; ++c)
            out.push_back(int16_t(std::lround(std::clamp(x[i + size_t(c)], -32768.0, 32767.0))));
    return out;
}

std::vector<int16_t> AsSamples16(const std::vector<uint8_t>& pcm)
{
    std::vector<int16_t> samples(pcm.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(pcm[2 * i] | pcm[2 * i + 1] << 8);
    return samples;
}

bool HaveProgram(const char* name)
{
    return std::system(("command -v " + std::string(name) + " > /dev/null 2>&1").c_str()) == 0;
}

int RunCommand(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunDecodeTool(const std::string& arguments)
{
    return RunCommand("'" + std::string(TESSALY_TOOL) + "' decode " + arguments);
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
    const platform::WaveFormat format{platform::kWaveFormatPcm, uint16_t(channels), uint32_t(rate),
                                      uint32_t(rate) * blockAlign, blockAlign, 16, 0};
    WriteFile(path, PcmWaveFile(format, pcm.data(), uint32_t(pcm.size())));
}
