#include "privatedesktop.h"

#include "programs.h"
#include "processes.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Waits up to ten seconds for `ready`; false when `process` ends first or time runs out.
template <typename Ready>
bool WaitFor(pid_t process, Ready ready)
{
    for (const auto giveUp = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < giveUp;
         std::this_thread::sleep_for(50ms)) {
        if (ready())
            return true;
        if (waitpid(process, nullptr, WNOHANG) == process)
            return false;
    }
    return false;
}

} // namespace

PrivateDesktop::PrivateDesktop()
{
    for (const char* program : {"Xvfb", "openbox", "xprop"})
        if (!HaveProgram(program)) {
            failure = std::string(program) + " is not installed (Debian: xvfb, openbox, x11-utils)";
            return;
        }
    std::string pattern = (fs::temp_directory_path() / "tessaly-desktop-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        failure = "no temporary folder for the desktop";
        return;
    }
    folder = pattern;
    // The server picks a free display and writes its number to our pipe.
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        failure = "no pipe";
        return;
    }
    server = Spawn({"Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-ac", "-screen", "0", "1280x1024x24"}, {}, ends[1]);
    close(ends[1]);
    std::string number;
    char c;
    while (server > 0 && read(ends[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(ends[0]);
    if (number.empty()) {
        failure = "Xvfb did not start";
        return;
    }
    display = ":" + number;
    if (const char* previous = std::getenv("DISPLAY"))
        previousDisplay = previous;
    setenv("DISPLAY", display.c_str(), 1);
    const fs::path home = folder / "home";
    fs::create_directories(home);
    manager = Spawn({"openbox", "--sm-disable"},
                    {"PATH=/usr/local/bin:/usr/bin:/bin", "DISPLAY=" + display, "HOME=" + home.string(),
                     "XDG_CONFIG_HOME=" + (home / ".config").string(), "XDG_CACHE_HOME=" + (home / ".cache").string()});
    // The manager is ready once it names itself on the root window.
    if (manager <= 0 || !WaitFor(manager, [] { return Quietly("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window"); })) {
        failure = "openbox did not start";
        if (manager > 0)
            EndProcess(manager, SIGKILL);
        manager = -1;
    }
}

PrivateDesktop::~PrivateDesktop()
{
    if (manager > 0)
        EndProcess(manager, SIGTERM);
    if (server > 0)
        EndProcess(server, SIGTERM);
    if (previousDisplay)
        setenv("DISPLAY", previousDisplay->c_str(), 1);
    else if (!display.empty())
        unsetenv("DISPLAY");
    std::error_code ignored;
    if (!folder.empty())
        fs::remove_all(folder, ignored);
}
