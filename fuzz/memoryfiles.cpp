#include "memoryfiles.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <sys/types.h>
#include <vector>

extern "C" {
std::FILE* __real_fopen(const char* path, const char* mode);
int __real_rename(const char* from, const char* to);
int __real_remove(const char* path);
}

namespace memoryfiles {
namespace {

// A file's bytes are shared by the store and its open streams, so that a
// stream keeps what it opened after a rename or remove, as on disk.
using Bytes = std::shared_ptr<std::string>;

struct File {
    std::string name;
    Bytes bytes; // none: the file does not exist
};

// A handful of names, looked up on every open: a short list beats a tree.
std::vector<File>& Files()
{
    static std::vector<File> files;
    return files;
}

// The managed file a path names by its last component, or none.
File* Find(std::string_view path)
{
    if (const std::size_t slash = path.rfind('/'); slash != std::string_view::npos)
        path.remove_prefix(slash + 1);
    for (File& file : Files()) {
        if (file.name == path)
            return &file;
    }
    return nullptr;
}

struct Stream {
    Bytes bytes;
    std::size_t position = 0;
    bool appending = false;
    // The stdio buffer, allocated with the stream: a few records' worth, so
    // that an open costs one small allocation.
    char buffer[1024];
};

ssize_t ReadStream(void* cookie, char* buffer, std::size_t size)
{
    Stream& stream = *static_cast<Stream*>(cookie);
    const std::string& bytes = *stream.bytes;
    const std::size_t count = stream.position < bytes.size() ? std::min(size, bytes.size() - stream.position) : 0;
    std::memcpy(buffer, bytes.data() + stream.position, count);
    stream.position += count;
    return ssize_t(count);
}

ssize_t WriteStream(void* cookie, const char* buffer, std::size_t size)
{
    Stream& stream = *static_cast<Stream*>(cookie);
    std::string& bytes = *stream.bytes;
    if (stream.appending)
        stream.position = bytes.size();
    if (bytes.size() < stream.position + size)
        bytes.resize(stream.position + size);
    bytes.replace(stream.position, size, buffer, size);
    stream.position += size;
    return ssize_t(size);
}

int SeekStream(void* cookie, off64_t* offset, int whence)
{
    Stream& stream = *static_cast<Stream*>(cookie);
    const off64_t bases[] = {0, off64_t(stream.position), off64_t(stream.bytes->size())};
    if (whence < SEEK_SET || whence > SEEK_END || bases[whence] + *offset < 0) {
        errno = EINVAL;
        return -1;
    }
    stream.position = std::size_t(bases[whence] + *offset);
    *offset = off64_t(stream.position);
    return 0;
}

int CloseStream(void* cookie)
{
    delete static_cast<Stream*>(cookie);
    return 0;
}

std::FILE* OpenStream(File& file, const char* mode)
{
    const char kind = mode[0];
    if (!file.bytes) {
        if (kind == 'r') {
            errno = ENOENT;
            return nullptr;
        }
        file.bytes = std::make_shared<std::string>();
    }
    if (kind == 'w')
        file.bytes->clear();
    auto* stream = new Stream{file.bytes, 0, kind == 'a', {}};
    std::FILE* opened = fopencookie(stream, mode, {ReadStream, WriteStream, SeekStream, CloseStream});
    if (opened == nullptr) {
        delete stream;
        return nullptr;
    }
    std::setvbuf(opened, stream->buffer, _IOFBF, sizeof stream->buffer);
    return opened;
}

} // namespace

void Manage(std::initializer_list<std::string_view> names)
{
    for (std::string_view name : names) {
        if (Find(name) == nullptr)
            Files().push_back({std::string(name), nullptr});
    }
}

void Write(std::string_view name, std::string_view bytes)
{
    File* file = Find(name);
    if (file == nullptr)
        std::abort(); // a fuzz target writing a name it did not declare
    file->bytes = std::make_shared<std::string>(bytes);
}

void Clear()
{
    for (File& file : Files())
        file.bytes.reset();
}

} // namespace memoryfiles

using namespace memoryfiles;

extern "C" std::FILE* __wrap_fopen(const char* path, const char* mode)
{
    File* file = Find(path);
    return file == nullptr ? __real_fopen(path, mode) : OpenStream(*file, mode);
}

extern "C" int __wrap_rename(const char* from, const char* to)
{
    File* source = Find(from);
    File* target = Find(to);
    if (source == nullptr && target == nullptr)
        return __real_rename(from, to);
    if (source == nullptr || target == nullptr || !source->bytes) {
        errno = source == nullptr || target == nullptr ? EXDEV : ENOENT;
        return -1;
    }
    target->bytes = std::move(source->bytes);
    source->bytes.reset();
    return 0;
}

extern "C" int __wrap_remove(const char* path)
{
    File* file = Find(path);
    if (file == nullptr)
        return __real_remove(path);
    if (!file->bytes) {
        errno = ENOENT;
        return -1;
    }
    file->bytes.reset();
    return 0;
}
