// The program's life on a real desktop: one copy per phrase book (a second
// start brings the first copy's window to the front and ends; a copy that
// crashed does not count), and its end within a second on SIGTERM, SIGINT and
// the window manager's close, whatever it shows at the time, with the
// favourites left whole; a second signal ends it at once.

#include "desktopwindows.h"
#include "runningprogram.h"
#include "tempdir.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

struct State {
    const char* name;
    std::vector<std::string> leftOut;   // phrase book files missing
    // Brings the program into the state; false when that failed.
    std::function<bool(const RunningProgram&)> reach;
};

bool Keys(const std::string& keys)
{
    return Xdotool("key --delay 50 " + keys);
}

// Clicks the About button, at its centre in the main window (from its dialog units).
bool ClickAbout(const RunningProgram& program)
{
    const std::optional<WindowId> main = program.MainWindow();
    return main && Xdotool("mousemove --window " + std::to_string(*main) + " 52 35 click 1");
}

// Opens the chooser on the first row of the list that has one.
bool OpenChooser(const RunningProgram& program)
{
    for (int row = 0; row < 40; ++row) {
        if (!Keys("F4"))
            return false;
        if (WaitUntil([&] { return program.Windows().size() == 2; }, 400ms))
            return true;
        Keys("Down");
    }
    return false;
}

const State kStates[] = {
    {"the window alone", {}, [](const RunningProgram&) { return true; }},
    {"the start-up message of a missing file", {"Relate.dat"},
     [](const RunningProgram& p) { return p.WaitForWindows(2); }},
    {"\"This item can't be found\"", {},
     [](const RunningProgram& p) { return Keys("ctrl+f") && Xdotool("type zqxjw") && Keys("Return") && p.WaitForWindows(2); }},
    {"the about box", {},
     [](const RunningProgram& p) { return ClickAbout(p) && p.WaitForWindows(2); }},
    {"the chooser", {}, OpenChooser},
};

// The ways to ask for the end: a signal, or none for the manager's close of the main window.
const struct { int signal; const char* name; } kWays[] = {
    {SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {0, "the manager's close"}};

// Asks for the end in one of those ways and expects it within a second; the wait status (none after 5 s).
std::optional<int> EndWithinASecond(RunningProgram& program, int signal, const std::string& when)
{
    const auto asked = std::chrono::steady_clock::now();
    if (signal != 0)
        kill(program.Pid(), signal);
    else
        EXPECT_TRUE(AskManagerToClose(*program.MainWindow())) << when;
    const std::optional<int> status = program.WaitForEnd(5s);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - asked);
    EXPECT_TRUE(status.has_value()) << when << ": still running after 5 s";
    EXPECT_LT(took.count(), 1000) << when;
    return status;
}

bool ExitedCleanly(int status)
{
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class Lifetime : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_DESKTOP();
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }
    // The favourites are whole records, and no work file is left.
    static void ExpectFavouritesWhole(const fs::path& folder, const std::string& when)
    {
        if (fs::exists(folder / "favorite.dat")) {
            EXPECT_EQ(fs::file_size(folder / "favorite.dat") % 124, 0u) << when;
        }
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_FALSE(entry.path().filename().string().starts_with("temp")) << when;
    }

    ScopedTempDir dir;
    fs::path runtime = dir.path() / "runtime";
};

} // namespace

TEST_F(Lifetime, ASecondStartOnTheSameBookBringsTheRunningWindowToTheFrontAndEnds)
{
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
    EXPECT_TRUE(ExitedCleanly(*status)) << "status " << *status;
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

TEST_F(Lifetime, EachWayEndsTheProgramWithinASecondWhateverIsOpen)
{
    int folders = 0;
    for (const State& state : kStates)
        for (const auto& way : kWays) {
            const std::string when = std::string(way.name) + " with " + state.name;
            const fs::path folder = PhraseBookFolder(dir.path(), "book" + std::to_string(++folders), state.leftOut);
            RunningProgram program(folder, runtime);
            ASSERT_TRUE(WaitUntil([&] { return program.MainWindow().has_value(); }))
                << when << ": " << program.Windows().size() << " windows, ended: " << program.WaitForEnd(0ms).has_value();
            ASSERT_TRUE(state.reach(program)) << "could not reach " << state.name;
            const std::optional<int> status = EndWithinASecond(program, way.signal, when);
            EXPECT_TRUE(status && ExitedCleanly(*status)) << when << ": status " << status.value_or(-1);
            ExpectFavouritesWhole(folder, when);
        }
}

TEST_F(Lifetime, ASignalDuringTheStartEndsTheProgramWithinASecond)
{
    // At these moments the program is loading, making its window or about to run it.
    for (const int after : {0, 50, 150, 300, 600}) {
        RunningProgram program(PhraseBookFolder(dir.path(), "book" + std::to_string(after)), runtime);
        std::this_thread::sleep_for(std::chrono::milliseconds(after));
        const std::optional<int> status = EndWithinASecond(program, SIGTERM, std::to_string(after) + " ms");
        ASSERT_TRUE(status.has_value());
        // Before its handler is in place the signal's default action ends it.
        EXPECT_TRUE(ExitedCleanly(*status) || (WIFSIGNALED(*status) && WTERMSIG(*status) == SIGTERM))
            << after << " ms: status " << *status;
    }
}

TEST_F(Lifetime, ASecondSignalEndsTheProgramAtOnce)
{
    RunningProgram program(PhraseBookFolder(dir.path(), "book"), runtime);
    ASSERT_TRUE(program.WaitForWindows(1));
    // Both signals wait while the program is stopped; the first one handled
    // asks for an orderly end, and the other one then ends it by its default action.
    for (const int signal : {SIGSTOP, SIGTERM, SIGINT, SIGCONT})
        kill(program.Pid(), signal);
    const std::optional<int> status = program.WaitForEnd(5s);
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(WIFSIGNALED(*status)) << "status " << *status;
}
