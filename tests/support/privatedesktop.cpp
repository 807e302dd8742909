#include "privatedesktop.h"

#include "programs.h"
#include "processes.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

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
    if (const char* previous = std::getenv("DISPLAY"))
        previousDisplay = previous;
    // A manager that cannot open a display that just answered has been seen
    // on a loaded machine; a fresh server and manager are tried then.
    for (int attempt = 0; attempt < 3 && !Running(); ++attempt)
        Start(attempt);
}

void PrivateDesktop::Start(int attempt)
{
    display.clear();
    // A display number of this process's own: Xvfb ends at once when the
    // number is taken, and the next is tried. (Its -displayfd choice races
    // with servers started at the same moment by other tests.)
    for (int number = 100 + (getpid() + 20 * attempt) % 800, tries = 0; tries < 20 && display.empty();
         ++number, ++tries) {
        // ":N", put together so that GCC 12 gives no false -Wrestrict warning.
        std::string candidate = std::to_string(number);
        candidate.insert(candidate.begin(), ':');
        server = Spawn({"Xvfb", candidate, "-nolisten", "tcp", "-ac", "-screen", "0", "1280x1024x24"});
        // Ours once its lock file names it and it answers.
        const auto ours = [&] {
            std::ifstream lock("/tmp/.X" + std::to_string(number) + "-lock");
            pid_t owner = -1;
            return lock >> owner && owner == server && Quietly("xprop -display " + candidate + " -root");
        };
        if (server > 0 && WaitWhileRunning(server, ours))
            display = candidate;
        else if (server > 0)
            EndProcess(server, SIGKILL);
    }
    if (display.empty()) {
        server = -1;
        failure = "Xvfb did not start";
        return;
    }
    setenv("DISPLAY", display.c_str(), 1);
    const fs::path home = folder / "home";
    fs::create_directories(home);
    manager = Spawn({"openbox", "--sm-disable"},
                    {"PATH=/usr/local/bin:/usr/bin:/bin", "DISPLAY=" + display, "HOME=" + home.string(),
                     "XDG_CONFIG_HOME=" + (home / ".config").string(), "XDG_CACHE_HOME=" + (home / ".cache").string()});
    // The manager is ready once it names its window on the root window. (Before
    // that, xprop says the property is "no such atom on any window".)
    const auto named = [] { return Quietly("xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"); };
    if (manager > 0 && WaitWhileRunning(manager, named))
        return;
    failure = "openbox did not start";
    if (manager > 0)
        EndProcess(manager, SIGKILL);
    manager = -1;
    EndProcess(server, SIGTERM);
    server = -1;
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
