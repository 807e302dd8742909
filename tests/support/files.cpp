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

Bytes Utf16LE(const std::u16string& text)
{
    Bytes bytes;
    for (char16_t unit : text)
        bytes.insert(bytes.end(), {std::uint8_t(unit), std::uint8_t(unit >> 8)});
    return bytes;
}
