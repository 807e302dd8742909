// Writing a PCM WAVE file: every field little-endian, in the fixed order of
// the 44-byte header.

#include "wavefile.h"

namespace {

void Put(std::vector<std::uint8_t>& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(tag[i]));
}

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Put16(out, std::uint16_t(value));
    Put16(out, std::uint16_t(value >> 16));
}

} // namespace

std::optional<std::vector<std::uint8_t>> PcmWaveHeader(const platform::WaveFormat& format, std::uint64_t length)
{
    if (length > kMostWaveDataBytes)
        return std::nullopt;
    constexpr std::uint32_t kHeaderAfterRiffSize = 36;
    std::vector<std::uint8_t> out;
    Put(out, "RIFF");
    Put32(out, kHeaderAfterRiffSize + std::uint32_t(length));
    Put(out, "WAVE");
    Put(out, "fmt ");
    Put32(out, 16);
    Put16(out, format.formatTag);
    Put16(out, format.channels);
    Put32(out, format.samplesPerSecond);
    Put32(out, format.averageBytesPerSecond);
    Put16(out, format.blockAlign);
    Put16(out, format.bitsPerSample);
    Put(out, "data");
    Put32(out, std::uint32_t(length));
    return out;
}

std::vector<std::uint8_t> PcmWaveFile(const platform::WaveFormat& format, const std::uint8_t* pcm,
                                      std::uint32_t length)
{
    std::optional<std::vector<std::uint8_t>> out = PcmWaveHeader(format, length);
    if (!out)
        return {};
    out->insert(out->end(), pcm, pcm + length);
    return *out;
}
