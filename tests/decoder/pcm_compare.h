#pragma once
// Comparing decoded PCM with a reference: whole-frame alignment, the same
// low-pass filter on both sides, PSNR and level.

#include <cstddef>
#include <cstdint>
#include <vector>

struct Comparison {
    double psnrDb = 0;       // 20 log10(32768 / RMS error)
    double levelDb = 0;      // ours against the reference, by RMS
    int shiftFrames = 0;     // frames ours was moved by to line up
    size_t comparedSamples = 0;
};

// `cutoff` is a fraction of the Nyquist frequency (1 for no filter).
Comparison ComparePcm(const std::vector<int16_t>& ours, const std::vector<int16_t>& reference, int channels,
                      int frameSamples, double cutoff);

// Every `factor`-th sample of each channel after a low-pass filter at
// 1/factor of the band, for reducing full-rate output.
std::vector<int16_t> Decimate(const std::vector<int16_t>& pcm, int channels, int factor);

std::vector<int16_t> ReadPcmFile(const char* path);
