#include "make_phrasebook_wave.h"

#include "records.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

std::optional<SpokenWave> ReadSpokenWave(std::span<const std::uint8_t> file, std::string& fault)
{
    if (!HasTag(file, 0, "RIFF") || !HasTag(file, 8, "WAVE")) {
        fault = "the speech is not a WAVE file";
        return std::nullopt;
    }
    SpokenWave wave;
    int bitsPerSample = 0;
    int formatTag = 0;
    std::span<const std::uint8_t> samples;
    // Chunks follow one another, each padded to an even length.
    for (std::size_t at = 12; at + 8 <= file.size();) {
        const std::size_t size = ReadLE32(file.data() + at + 4);
        const std::size_t body = at + 8;
        // A writer that could not seek back leaves the data size too large.
        const std::size_t available = std::min(size, file.size() - body);
        if (HasTag(file, at, "fmt ") && available >= 16) {
            formatTag = ReadLE16(file.data() + body);
            wave.channels = ReadLE16(file.data() + body + 2);
            wave.sampleRate = int(ReadLE32(file.data() + body + 4));
            bitsPerSample = ReadLE16(file.data() + body + 14);
        } else if (HasTag(file, at, "data")) {
            samples = file.subspan(body, available);
        }
        at = body + available + (available & 1);
    }
    if (formatTag != 1 || bitsPerSample != 16 || wave.channels < 1 || wave.sampleRate <= 0) {
        fault = "the speech is not 16-bit PCM";
        return std::nullopt;
    }
    wave.frames = samples.size() / (2 * std::size_t(wave.channels));
    for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
        const int value = std::int16_t(ReadLE16(samples.data() + i));
        wave.peak = std::max(wave.peak, std::abs(value));
    }
    return wave;
}
