#include "durablefiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderName(const std::filesystem::path& folder)
{
    return folder.empty() ? std::string(".") : folder.string();
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& folder)
{
    descriptor = open(FolderName(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    int result;
    do
        result = flock(descriptor, LOCK_EX);
    while (result != 0 && errno == EINTR);
    held = result == 0;
}

FolderLock::~FolderLock()
{
    // Closing the descriptor releases the lock.
    if (descriptor >= 0)
        close(descriptor);
}

WorkFile CreateWorkFile(const std::filesystem::path& folder, const std::string& stem, const std::string& extension)
{
    std::string name = (folder.empty() ? std::filesystem::path(stem) : folder / stem).string() + "-XXXXXX" + extension;
    const int descriptor = mkostemps(name.data(), int(extension.size()), O_CLOEXEC);
    if (descriptor < 0)
        return {};
    FilePtr file(fdopen(descriptor, "wb"));
    if (!file) {
        const int error = errno;
        close(descriptor);
        std::remove(name.c_str());
        errno = error;
        return {};
    }
    return {std::move(file), name};
}

bool CopyPermissions(std::FILE* from, std::FILE* to)
{
    struct stat status {};
    return fstat(fileno(from), &status) == 0 && fchmod(fileno(to), status.st_mode & 07777) == 0;
}

bool FlushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

bool FlushFolderToDisk(const std::filesystem::path& folder)
{
    const int descriptor = open(FolderName(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool flushed = fsync(descriptor) == 0;
    close(descriptor);
    return flushed;
}
