#pragma once
// Starting and ending the outside programs tests run beside themselves:
// sound servers, display servers, window managers, the program itself.

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Starts `argv` with `env` (this process's environment when empty) and its
// standard output on `outFd` (inherited when -1); its standard error goes to
// /dev/null. Its process id, or -1.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env = {}, int outFd = -1);

// Sends `signal` and waits for the process to end.
void EndProcess(pid_t pid, int signal);

// Waits up to ten seconds for `ready`; false when `process` ends first or time runs out.
bool WaitWhileRunning(pid_t process, const std::function<bool()>& ready);

// Runs a shell command with its output thrown away; whether it succeeded.
bool Quietly(const std::string& command);

// What a shell command did: its exit status (-1 when it did not exit) and what it wrote on each stream.
struct CommandRun {
    int status;
    std::string out, errors;
};
// Runs `command` through the shell, its own redirections kept, the rest of its output captured.
CommandRun RunShell(const std::string& command);
