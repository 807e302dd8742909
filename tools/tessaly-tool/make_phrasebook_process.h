#pragma once
// Running the speech and encoding programs of the pipeline.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Runs `command` (its first word is looked up on PATH) with no input and its
// output and error messages written to `logPath`, and waits for it. Returns
// its exit status, or -1 when it could not be started or did not exit.
int RunProgram(const std::vector<std::string>& command, const std::string& logPath);

// Calls `job(index, worker)` for every index below `count`, on two threads at
// most (the machine is shared); `worker` (0 or 1) lets a job keep its work
// files apart from the other's. Reports progress on standard error as "`what`
// N of COUNT" every hundred.
void ForEachInParallel(std::size_t count, const char* what,
                       const std::function<void(std::size_t index, int worker)>& job);

// A file's bytes; none when it cannot be read (the checks that follow say
// what is wrong with an empty clip or wave).
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

// What went wrong with a program RunProgram ran: that it could not be
// started, or its status and the messages in its log.
std::string ProgramFault(const std::string& program, int status, const std::filesystem::path& log);

// A private directory for the work files, removed with everything in it;
// its path is empty when it could not be made.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return dir; }

private:
    std::filesystem::path dir;
};
