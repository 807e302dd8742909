#pragma once
// Writing and reading whole files byte for byte, for fixtures, and the 16-bit
// little-endian samples that sound files and devices hold.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const std::string& name, const Bytes& bytes);
Bytes ReadFile(const std::string& name); // empty when the file cannot be read
std::string ReadText(const std::string& name); // the same, as text
void WriteLines(const std::string& name, const std::vector<std::string>& lines); // each ended by a line feed
inline bool FileExists(const std::string& name) { return std::filesystem::exists(name); }
inline void Append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }
Bytes Utf16LE(const std::u16string& text); // without terminator
std::vector<std::int16_t> AsSamples16(const Bytes& pcm);
