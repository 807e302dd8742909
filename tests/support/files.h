#pragma once
// Writing and reading whole files byte for byte, for fixtures.

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

void WriteFile(const std::string& name, const Bytes& bytes);
// Empty when the file cannot be read.
Bytes ReadFile(const std::string& name);
bool FileExists(const std::string& name);

// UTF-16LE bytes of a text, without terminator.
Bytes Utf16LE(const std::u16string& text);
void Append(Bytes& to, const Bytes& more);
