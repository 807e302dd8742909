#include "files.h"

#include "cfile.h"

#include <filesystem>
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

bool FileExists(const std::string& name)
{
    return std::filesystem::exists(name);
}

Bytes Utf16LE(const std::u16string& text)
{
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.push_back(std::uint8_t(unit));
        bytes.push_back(std::uint8_t(unit >> 8));
    }
    return bytes;
}

void Append(Bytes& to, const Bytes& more)
{
    to.insert(to.end(), more.begin(), more.end());
}
