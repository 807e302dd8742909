#include "files.h"

#include "cfile.h"

#include <fstream>

void WriteFile(const std::string& name, const Bytes& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes ReadFile(const std::string& name)
{
    return ReadWholeFile(name).value_or(Bytes{});
}

std::string ReadText(const std::string& name)
{
    const Bytes bytes = ReadFile(name);
    return {bytes.begin(), bytes.end()};
}

void WriteLines(const std::string& name, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    WriteFile(name, Bytes(text.begin(), text.end()));
}

Bytes Utf16LE(const std::u16string& text)
{
    Bytes bytes;
    for (char16_t unit : text)
        bytes.insert(bytes.end(), {std::uint8_t(unit), std::uint8_t(unit >> 8)});
    return bytes;
}

std::vector<std::int16_t> AsSamples16(const Bytes& pcm)
{
    std::vector<std::int16_t> samples(pcm.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::int16_t(pcm[2 * i] | pcm[2 * i + 1] << 8);
    return samples;
}
