#include "pcm_compare.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// A Blackman-windowed sinc: flat to well within the pass band, so both
// signals lose the same top of the spectrum and nothing else.
std::vector<double> LowPass(int halfTaps, double cutoff)
{
    std::vector<double> taps(size_t(2 * halfTaps + 1));
    double sum = 0;
    for (int k = -halfTaps; k <= halfTaps; ++k) {
        const double window = 0.42 + 0.5 * std::cos(M_PI * k / halfTaps) + 0.08 * std::cos(2 * M_PI * k / halfTaps);
        const double sinc = k == 0 ? cutoff : std::sin(M_PI * cutoff * k) / (M_PI * k);
        taps[size_t(k + halfTaps)] = sinc * window;
        sum += sinc * window;
    }
    for (double& t : taps)
        t /= sum;
    return taps;
}

std::vector<double> Filter(const std::vector<double>& x, int channels, double cutoff)
{
    if (cutoff >= 1.0)
        return x;
    constexpr int halfTaps = 96;
    const std::vector<double> taps = LowPass(halfTaps, cutoff);
    const long frames = long(x.size()) / channels;
    std::vector<double> y(x.size());
    for (int c = 0; c < channels; ++c)
        for (long i = 0; i < frames; ++i) {
            double sum = 0;
            const long from = std::max(0L, i - halfTaps), to = std::min(frames - 1, i + halfTaps);
            for (long j = from; j <= to; ++j)
                sum += taps[size_t(i - j + halfTaps)] * x[size_t(j * channels + c)];
            y[size_t(i * channels + c)] = sum;
        }
    return y;
}

} // namespace

Comparison ComparePcm(const std::vector<int16_t>& ours, const std::vector<int16_t>& reference, int channels,
                      int frameSamples, double cutoff)
{
    // Find the whole-frame shift that lines the two up best.
    Comparison best;
    double bestError = std::numeric_limits<double>::max();
    for (int shift = -4; shift <= 4; ++shift) {
        const long offset = long(std::abs(shift)) * frameSamples * channels;
        const long oursFrom = shift > 0 ? offset : 0, refFrom = shift < 0 ? offset : 0;
        const long n = std::min(long(ours.size()) - oursFrom, long(reference.size()) - refFrom);
        if (n <= 0)
            continue;
        double error = 0;
        for (long i = 0; i < n; ++i) {
            const double d = double(ours[size_t(oursFrom + i)]) - reference[size_t(refFrom + i)];
            error += d * d;
        }
        error /= double(n);
        if (error < bestError) {
            bestError = error;
            best.shiftFrames = shift;
        }
    }
    const long offset = long(std::abs(best.shiftFrames)) * frameSamples * channels;
    const long oursFrom = best.shiftFrames > 0 ? offset : 0, refFrom = best.shiftFrames < 0 ? offset : 0;
    const long n = std::max(0L, std::min(long(ours.size()) - oursFrom, long(reference.size()) - refFrom));
    std::vector<double> a(ours.begin() + oursFrom, ours.begin() + oursFrom + n);
    std::vector<double> b(reference.begin() + refFrom, reference.begin() + refFrom + n);
    a = Filter(a, channels, cutoff);
    b = Filter(b, channels, cutoff);
    double error = 0, energyA = 0, energyB = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        error += (a[i] - b[i]) * (a[i] - b[i]);
        energyA += a[i] * a[i];
        energyB += b[i] * b[i];
    }
    const double rms = std::sqrt(error / std::max<double>(1, double(a.size())));
    best.psnrDb = 20 * std::log10(32768.0 / std::max(rms, 1e-9));
    best.levelDb = 10 * std::log10(std::max(energyA, 1e-9) / std::max(energyB, 1e-9));
    best.comparedSamples = a.size();
    return best;
}

std::vector<int16_t> Decimate(const std::vector<int16_t>& pcm, int channels, int factor)
{
    std::vector<double> x(pcm.begin(), pcm.end());
    x = Filter(x, channels, 0.9 / factor);
    std::vector<int16_t> out;
    const size_t frames = x.size() / size_t(channels);
    for (size_t i = 0; i < frames; i += size_t(factor))
        for (int c = 0; c < channels; ++c)
            out.push_back(int16_t(std::lround(std::clamp(x[i * size_t(channels) + size_t(c)], -32768.0, 32767.0))));
    return out;
}

std::vector<int16_t> ReadPcmFile(const char* path)
{
    std::vector<int16_t> samples;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return samples;
    uint8_t bytes[2];
    while (std::fread(bytes, 1, 2, file) == 2)
        samples.push_back(int16_t(bytes[0] | bytes[1] << 8));
    std::fclose(file);
    return samples;
}
