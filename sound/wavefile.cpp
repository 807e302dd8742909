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

std::vector<std::uint8_t> PcmWaveFile(const platform::WaveFormat& format, const std::uint8_t* pcm,
                                      std::uint32_t length)
{
    constexpr std::uint32_t kHeaderAfterRiffSize = 36;
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderAfterRiffSize + 8 + length);
    Put(out, "RIFF");
    Put32(out, kHeaderAfterRiffSize + length);
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
    Put32(out, length);
    out.insert(out.end(), pcm, pcm + length);
    return out;
}
