#pragma once
// A fresh, empty directory that is the current directory while it lives: the
// phrase data works on files in the current directory, as the program does.

#include <filesystem>

class ScopedTempDir {
public:
    ScopedTempDir();
    ~ScopedTempDir();
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::filesystem::path& path() const { return dir; }

private:
    std::filesystem::path previous;
    std::filesystem::path dir;
};
