#include "external_tools.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <algorithm>
#include <sys/wait.h>
#include <unistd.h>

int RunCommand(const std::string& command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ScratchFolder(const char* name)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tessaly-decoder-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    static std::vector<std::filesystem::path> made;
    if (made.empty())
        std::atexit([] {
            for (const auto& path : made)
                std::filesystem::remove_all(path);
        });
    made.push_back(folder);
    return folder.string();
}

std::string Quote(const std::string& path) { return "'" + path + "'"; }

void WriteTestSignal(const std::string& path, int rate, int channels, double seconds)
{
    const uint32_t frames = uint32_t(rate * seconds);
    std::vector<int16_t> samples;
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (uint32_t i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const double sweep = 0.3 * std::sin(2 * M_PI * (100 * t + 0.45 * rate * t * t / (2 * seconds)));
        // Bursts every half second give the encoder transients.
        const double burst = std::fmod(t, 0.5) < 0.02 ? 0.4 * noise(random) : 0.0;
        const double tone = 0.2 * std::sin(2 * M_PI * 440 * t);
        for (int c = 0; c < channels; ++c) {
            const double value = sweep + burst + (c == 0 ? tone : -0.5 * tone) + 0.01 * noise(random);
            samples.push_back(int16_t(std::lround(std::clamp(value, -1.0, 1.0) * 32000)));
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const auto put = [&](uint32_t value, int bytes) {
        for (int b = 0; b < bytes; ++b)
            std::fputc(int(value >> (8 * b)) & 0xFF, file);
    };
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    std::fputs("RIFF", file);
    put(36 + dataBytes, 4);
    std::fputs("WAVEfmt ", file);
    put(16, 4);
    put(1, 2);
    put(uint32_t(channels), 2);
    put(uint32_t(rate), 4);
    put(uint32_t(rate * channels * 2), 4);
    put(uint32_t(channels * 2), 2);
    put(16, 2);
    std::fputs("data", file);
    put(dataBytes, 4);
    for (int16_t s : samples)
        put(uint16_t(s), 2);
    std::fclose(file);
}
