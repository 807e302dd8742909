#pragma once
// Writing a small file so that a crash, a power cut or a second copy of the
// program never loses it: one writer at a time per folder, a work file of a
// name no other process uses, its bytes on the disk before it replaces the
// file, and the folder's new entry on the disk after.

#include "cfile.h"

#include <filesystem>
#include <string>

// Holds an exclusive lock on a folder while it lives; other processes that
// take the same lock wait. The folder must exist; where it cannot be opened
// the lock is simply not held, and the writes that follow fail on their own.
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool Held() const { return held; }

private:
    int descriptor = -1;
    bool held = false;
};

// A new, empty file in `folder`, created for binary writing under a name
// made from `stem`, a unique part and `extension` ("temp-k3J9aQ.dat").
// `path` is empty and `file` null when it could not be made (errno says why).
struct WorkFile {
    FilePtr file;
    std::string path;
};
WorkFile CreateWorkFile(const std::filesystem::path& folder, const std::string& stem, const std::string& extension);

// Gives `to` the permission bits of `from`, so that a file replaced by its
// work file keeps who may read it; false when either cannot be reached.
bool CopyPermissions(std::FILE* from, std::FILE* to);

// Flushes the stream and the system's cache of the file to the disk; false
// (errno set) when either fails.
bool FlushToDisk(std::FILE* file);

// Puts the folder's entries (a rename into it) on the disk; false when that fails.
bool FlushFolderToDisk(const std::filesystem::path& folder);
