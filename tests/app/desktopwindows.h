#pragma once
// The private desktop the tests against a real window manager share; what the
// window system itself says of windows on it, as a user's tools see it
// (xwininfo, xdotool), and what the window manager is asked to do to them, for
// comparing with what the program believes.

#include "privatedesktop.h"

#include <QRect>
#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Started by the first test's set-up, before any window is made: every test
// that shows windows or starts the program first skips without it.
const PrivateDesktop& Desktop();
#define SKIP_WITHOUT_DESKTOP() \
    if (!Desktop().Running()) GTEST_SKIP() << Desktop().Failure()

using WindowId = unsigned long;

// The window's rectangle on the screen, its frame left out.
std::optional<QRect> ScreenGeometry(WindowId window);
// The visible windows of a process, as xdotool finds them.
std::vector<WindowId> VisibleWindowsOf(pid_t process);
// The window that has the keyboard.
std::optional<WindowId> ActiveWindow();
// Runs an xdotool command line; whether it succeeded.
bool Xdotool(const std::string& arguments);
// Asks the window manager to close the window, as a taskbar does.
bool AskManagerToClose(WindowId window);

// Handles this process's events for a moment, or sleeps when it has none.
void WaitBriefly();

// Waits up to `limit` (generous: a busy machine starts programs slowly) for
// `done`, checking every 20 ms or so.
template <typename Done>
bool WaitUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(30000))
{
    for (const auto giveUp = std::chrono::steady_clock::now() + limit;; ) {
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        WaitBriefly();
    }
}
