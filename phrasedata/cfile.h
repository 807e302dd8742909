#pragma once
// Owned C streams: every data file goes through <cstdio> in binary mode.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

inline FilePtr OpenFile(const char* name, const char* mode)
{
    return FilePtr(std::fopen(name, mode));
}

// The size of a file in bytes, leaving the position at its start; -1 on failure.
inline long FileSize(std::FILE* file)
{
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    if (std::fseek(file, 0, SEEK_SET) != 0)
        return -1;
    return size;
}

// Reads exactly `size` bytes at `offset`; false when fewer are there.
inline bool ReadAt(std::FILE* file, long offset, void* buffer, std::size_t size)
{
    return std::fseek(file, offset, SEEK_SET) == 0 && std::fread(buffer, 1, size, file) == size;
}

// Every byte of a file (or of a pipe: it reads to the end rather than trusting
// a size); nothing when it cannot be opened or a read fails.
inline std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path)
{
    FilePtr file = OpenFile(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    // Sized first where the file can say its size, so that nothing is copied
    // as it grows; a pipe is read as it comes.
    if (const long size = FileSize(file.get()); size > 0)
        bytes.reserve(std::size_t(size));
    std::uint8_t block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file.get())) > 0)
        bytes.insert(bytes.end(), block, block + got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}
