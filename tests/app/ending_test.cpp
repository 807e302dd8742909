// The program ends within a second on SIGTERM, SIGINT and the window
// manager's close, whatever it shows at the time, and leaves the favourites
// whole; a second signal ends it at once.

#include "desktop.h"
#include "files.h"
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

// The centre of the About button in the main window, from its dialog units.
constexpr int kAboutButton[] = {52, 35};

enum class Way { Term, Interrupt, ManagerClose };

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
     [](const RunningProgram& p) { return p.Click(kAboutButton[0], kAboutButton[1]) && p.WaitForWindows(2); }},
    {"the chooser", {}, OpenChooser},
};

const struct { Way way; const char* name; } kWays[] = {
    {Way::Term, "SIGTERM"}, {Way::Interrupt, "SIGINT"}, {Way::ManagerClose, "the manager's close"}};

class Ending : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Desktop().Running())
            GTEST_SKIP() << Desktop().Failure();
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

TEST_F(Ending, EachWayEndsTheProgramWithinASecondWhateverIsOpen)
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
            const auto asked = std::chrono::steady_clock::now();
            if (way.way == Way::ManagerClose)
                ASSERT_TRUE(AskManagerToClose(*program.MainWindow()));
            else
                kill(program.Pid(), way.way == Way::Term ? SIGTERM : SIGINT);
            const std::optional<int> status = program.WaitForEnd(5s);
            const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - asked);
            if (!status) {
                ADD_FAILURE() << when << ": still running after 5 s";
                continue;
            }
            EXPECT_LT(took.count(), 1000) << when;
            EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << when << ": status " << *status;
            ExpectFavouritesWhole(folder, when);
        }
}

TEST_F(Ending, ASignalDuringTheStartEndsTheProgramWithinASecond)
{
    // At these moments the program is loading, making its window or about to run it.
    for (const int after : {0, 50, 150, 300, 600}) {
        RunningProgram program(PhraseBookFolder(dir.path(), "book" + std::to_string(after)), runtime);
        std::this_thread::sleep_for(std::chrono::milliseconds(after));
        const auto asked = std::chrono::steady_clock::now();
        kill(program.Pid(), SIGTERM);
        const std::optional<int> status = program.WaitForEnd(5s);
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - asked);
        ASSERT_TRUE(status.has_value()) << after << " ms: still running after 5 s";
        EXPECT_LT(took.count(), 1000) << after << " ms";
        // Before its handler is in place the signal's default action ends it.
        EXPECT_TRUE((WIFEXITED(*status) && WEXITSTATUS(*status) == 0) ||
                    (WIFSIGNALED(*status) && WTERMSIG(*status) == SIGTERM)) << after << " ms: status " << *status;
    }
}

TEST_F(Ending, ASecondSignalEndsTheProgramAtOnce)
{
    RunningProgram program(PhraseBookFolder(dir.path(), "book"), runtime);
    ASSERT_TRUE(program.WaitForWindows(1));
    // Both signals wait while the program is stopped; the first one handled
    // asks for an orderly end, and the other one then ends it by its default action.
    kill(program.Pid(), SIGSTOP);
    kill(program.Pid(), SIGTERM);
    kill(program.Pid(), SIGINT);
    kill(program.Pid(), SIGCONT);
    const std::optional<int> status = program.WaitForEnd(5s);
    ASSERT_TRUE(status.has_value());
    EXPECT_TRUE(WIFSIGNALED(*status)) << "status " << *status;
}
