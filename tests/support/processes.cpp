#include "processes.h"

#include "files.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int outFd)
{
    const auto pointers = [](const std::vector<std::string>& texts) {
        std::vector<char*> result;
        for (const std::string& text : texts)
            result.push_back(const_cast<char*>(text.c_str()));
        result.push_back(nullptr);
        return result;
    };
    std::vector<char*> args = pointers(argv), envp = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.empty() ? environ : envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

void EndProcess(pid_t pid, int signal)
{
    kill(pid, signal);
    waitpid(pid, nullptr, 0);
}

bool WaitWhileRunning(pid_t process, const std::function<bool()>& ready)
{
    using namespace std::chrono_literals;
    for (const auto giveUp = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < giveUp;
         std::this_thread::sleep_for(50ms)) {
        if (ready())
            return true;
        if (waitpid(process, nullptr, WNOHANG) == process)
            return false;
    }
    return false;
}

bool Quietly(const std::string& command)
{
    return std::system((command + " > /dev/null 2>&1").c_str()) == 0;
}

CommandRun RunShell(const std::string& command)
{
    const auto capture = [] {
        std::string path = (std::filesystem::temp_directory_path() / "tessaly-run-XXXXXX").string();
        close(mkstemp(path.data()));
        return path;
    };
    const std::string out = capture(), errors = capture();
    const int status = std::system(("{ " + command + "\n} >'" + out + "' 2>'" + errors + "'").c_str());
    const CommandRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(errors)};
    std::filesystem::remove(out);
    std::filesystem::remove(errors);
    return run;
}
