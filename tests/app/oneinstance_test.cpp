// One copy of the program per phrase book: a second start brings the first
// copy's window to the front and ends; a copy that crashed does not count.

#include "desktop.h"
#include "runningprogram.h"
#include "tempdir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(OneInstance, ASecondStartBringsTheRunningWindowToTheFrontAndEnds)
{
    SKIP_WITHOUT_DESKTOP();
    ScopedTempDir dir;
    const fs::path runtime = dir.path() / "runtime";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const fs::path book = PhraseBookFolder(dir.path(), "book"), other = PhraseBookFolder(dir.path(), "other");

    auto first = std::make_unique<RunningProgram>(book, runtime);
    ASSERT_TRUE(first->WaitForWindows(1));
    const WindowId firstWindow = *first->MainWindow();
    // Another phrase book is another copy, whose window takes the keyboard.
    RunningProgram elsewhere(other, runtime);
    ASSERT_TRUE(elsewhere.WaitForWindows(1));
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == elsewhere.MainWindow(); }));

    RunningProgram second(book, runtime);
    const std::optional<int> status = second.WaitForEnd(10s);
    ASSERT_TRUE(status.has_value()) << "the second copy still runs";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "status " << *status;
    EXPECT_TRUE(WaitUntil([&] { return ActiveWindow() == firstWindow; }, 3s))
        << "active: " << ActiveWindow().value_or(0) << ", first: " << firstWindow;
    EXPECT_EQ(first->Windows().size(), 1u);

    // A copy killed outright leaves its socket behind; the next start runs.
    kill(first->Pid(), SIGKILL);
    ASSERT_TRUE(first->WaitForEnd(5s).has_value());
    first.reset();
    RunningProgram after(book, runtime);
    EXPECT_TRUE(after.WaitForWindows(1));
    EXPECT_FALSE(after.WaitForEnd(0ms).has_value());
}
