#include "runningprogram.h"

#include "processes.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sys/wait.h>

namespace fs = std::filesystem;

fs::path PhraseBookFolder(const fs::path& parent, const std::string& name, const std::vector<std::string>& leftOut)
{
    const fs::path folder = parent / name;
    fs::create_directories(folder);
    for (const char* file : {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "data.idx", "data.dat",
                             "Guide.dat", "Synonyms.dat", "Keywords.dat"})
        if (std::find(leftOut.begin(), leftOut.end(), file) == leftOut.end())
            fs::create_symlink(fs::path(TESSALY_DATA_DIR) / file, folder / file);
    return folder;
}

RunningProgram::RunningProgram(const fs::path& dataFolder, const fs::path& runtime)
{
    const std::string home = (runtime.parent_path() / "home").string();
    std::vector<std::string> environment{"PATH=/usr/local/bin:/usr/bin:/bin", "HOME=" + home,
                                         "XDG_RUNTIME_DIR=" + runtime.string(), "XDG_DATA_HOME=" + home + "/data",
                                         std::string("DISPLAY=") + std::getenv("DISPLAY"), "QT_QPA_PLATFORM=xcb",
                                         "SDL_AUDIODRIVER=dummy", "LANG=C.UTF-8"};
    // Under a sanitizer build the program keeps the tests' sanitizer settings
    // (their suppressions of the system libraries' exit leaks among them).
    for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "TSAN_OPTIONS"})
        if (const char* value = std::getenv(name))
            environment.push_back(std::string(name) + "=" + value);
    pid = Spawn({TESSALY_PROGRAM, "--data", dataFolder.string()}, environment);
}

RunningProgram::~RunningProgram()
{
    if (pid > 0 && !status)
        EndProcess(pid, SIGKILL);
}

bool RunningProgram::WaitForWindows(std::size_t count) const
{
    return WaitUntil([&] { return Windows().size() == count; });
}

std::optional<WindowId> RunningProgram::MainWindow() const
{
    for (const WindowId window : Windows())
        if (const auto shown = ScreenGeometry(window); shown && shown->size() == QSize(723, 558))
            return window;
    return std::nullopt;
}

std::optional<int> RunningProgram::WaitForEnd(std::chrono::milliseconds limit)
{
    if (status)
        return status;
    int result = 0;
    if (WaitUntil([&] { return waitpid(pid, &result, WNOHANG) == pid; }, limit))
        status = result;
    return status;
}
