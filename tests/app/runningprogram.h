#pragma once
// The program itself, started by a test on the private desktop with the
// phrase book in a folder of the test's own, and what became of it.

#include "desktopwindows.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A folder holding the bundled phrase book's files (linked, not copied), all
// of them but `leftOut`; the favourites are written there.
std::filesystem::path PhraseBookFolder(const std::filesystem::path& parent, const std::string& name,
                                       const std::vector<std::string>& leftOut = {});

class RunningProgram {
public:
    // Starts the program on `dataFolder`; `runtime` is the user's runtime folder.
    RunningProgram(const std::filesystem::path& dataFolder, const std::filesystem::path& runtime);
    // Ends it with SIGKILL if it still runs.
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    pid_t Pid() const { return pid; }
    std::vector<WindowId> Windows() const { return VisibleWindowsOf(pid); }
    // Waits until the program shows `count` windows.
    bool WaitForWindows(std::size_t count) const;
    // The main window (the size of the skin), once shown.
    std::optional<WindowId> MainWindow() const;

    // Waits up to `limit` for the program to end; its wait status.
    std::optional<int> WaitForEnd(std::chrono::milliseconds limit);

private:
    pid_t pid = -1;
    std::optional<int> status;
};
