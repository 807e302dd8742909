#pragma once
// Writing a file whole or not at all: the bytes go to a work file beside it,
// which is renamed over it once complete, so that a failure at any point
// leaves what stood there untouched. A device or a pipe cannot be replaced,
// so it is written in place.

#include "cfile.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class WorkFile {
public:
    explicit WorkFile(std::string path);
    ~WorkFile(); // a work file never committed is removed
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    // False when the work file cannot be created.
    bool Open();
    std::FILE* Stream() const { return file.get(); }
    // Closes the work file and puts it in its place; false, with the place
    // as it was, when a write, the close or the rename failed.
    bool Commit();

private:
    std::string path;    // where the file belongs
    std::string writing; // the work file: beside the path, or the path itself
    FilePtr file;
};

// Replaces `path` with `bytes` through a work file; false when that fails.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
inline bool WriteWholeFile(const std::string& path, std::string_view bytes)
{
    return WriteWholeFile(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}
