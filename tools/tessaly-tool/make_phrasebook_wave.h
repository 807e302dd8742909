#pragma once
// What the speech synthesiser wrote: a RIFF WAVE file of 16-bit PCM.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct SpokenWave {
    int sampleRate = 0;
    int channels = 0;
    std::size_t frames = 0;   // samples per channel
    int peak = 0;             // largest absolute sample value, 0 to 32768

    double Seconds() const { return sampleRate ? double(frames) / sampleRate : 0; }
};

// Nothing, with a description in `fault`, for anything but 16-bit PCM WAVE.
std::optional<SpokenWave> ReadSpokenWave(std::span<const std::uint8_t> file, std::string& fault);
