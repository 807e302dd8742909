#include "make_phrasebook_process.h"

#include "cfile.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <thread>

extern char** environ;

namespace {

// The file actions of one child; released whatever happens.
class FileActions {
public:
    FileActions() { posix_spawn_file_actions_init(&actions); }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions; }

private:
    posix_spawn_file_actions_t actions;
};

} // namespace

int RunProgram(const std::vector<std::string>& command, const std::string& logPath)
{
    if (command.empty())
        return -1;
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    FileActions actions;
    posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.get(), 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(actions.get(), 1, 2);

    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], actions.get(), nullptr, argv.data(), environ) != 0)
        return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ForEachInParallel(std::size_t count, const char* what,
                       const std::function<void(std::size_t index, int worker)>& job)
{
    constexpr int kWorkers = 2;
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    // Workers take indices in turn; each job writes only its own index's
    // results, so the outcome does not depend on which worker ran it.
    auto work = [&](int worker) {
        for (std::size_t i = next++; i < count; i = next++) {
            job(i, worker);
            if (const std::size_t finished = ++done; finished % 100 == 0 || finished == count)
                std::fprintf(stderr, "tessaly-tool: %s %zu of %zu\n", what, finished, count);
        }
    };
    std::vector<std::jthread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back(work, w);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    return ReadWholeFile(path.string()).value_or(std::vector<std::uint8_t>{});
}

std::string ProgramFault(const std::string& program, int status, const std::filesystem::path& log)
{
    if (status < 0)
        return "could not run " + program + " (tools/install-packages installs it)";
    const std::vector<std::uint8_t> logBytes = ReadBytes(log);
    std::string message(logBytes.begin(), logBytes.end());
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return program + " failed with status " + std::to_string(status) + (message.empty() ? "" : ": " + message);
}

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-speech-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        dir = pattern;
}

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    if (!dir.empty())
        std::filesystem::remove_all(dir, ignored);
}
