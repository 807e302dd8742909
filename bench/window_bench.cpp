// How long the window takes for what a traveller does most: start, select a
// phrase, search all phrases, add and remove a favourite; and how it copes
// with a "favorite.dat" of 50 MB of random bytes, where listing, scrolling and
// removing must each stay well under 100 ms. Runs on a copy of the bundled
// phrase book; each benchmark repeats and reports its median.
//
//   build/bench/window-bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "mylistbox.h"
#include "platform/messagebox.h"
#include "recordingwaveout.h"
#include "resources/controlids.h"
#include "tessalydlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

// A scratch copy of the phrase book as the current directory, so that the
// favourites written here never touch the bundled files.
void EnterPhraseBookCopy()
{
    std::string pattern = (fs::temp_directory_path() / "tessaly-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    for (const char* name : {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "data.idx", "data.dat"})
        fs::copy_file(fs::path(TESSALY_DATA_DIR) / name, fs::path(pattern) / name);
    fs::current_path(pattern);
}

// Notices the window's first paint.
class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

std::unique_ptr<CTessalyDlg> OpenWindow()
{
    auto window = std::make_unique<CTessalyDlg>(std::make_unique<platform::RecordingWaveOut>());
    window->OnInitDialog();
    return window;
}

void StartUpToFirstPaint(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = OpenWindow();
        PaintWatcher watcher;
        window->installEventFilter(&watcher);
        window->show();
        while (!watcher.painted)
            QCoreApplication::processEvents();
        state.PauseTiming();
        window->removeEventFilter(&watcher);
        window.reset();
        state.ResumeTiming();
    }
}

void SelectRow(benchmark::State& state)
{
    auto window = OpenWindow();
    window->SelectCategory(200);
    CMyListBox* list = window->PhraseList();
    int row = 0;
    for (auto _ : state) {
        // A new phrase each time, so its clip is read and its first quarter decoded.
        row = (row + 1) % list->count();
        list->setCurrentRow(row);
        benchmark::DoNotOptimize(window->Book().translationText.size());
    }
}

void SearchAllPhrases(benchmark::State& state)
{
    platform::MessageBoxRecorder quiet;
    auto window = OpenWindow();
    window->EnterSearchMode();
    qobject_cast<QLineEdit*>(window->Control(resources::kKeywordBox))->setText("ticket");
    for (auto _ : state) {
        window->RunSearch();
        benchmark::DoNotOptimize(window->PhraseList()->count());
    }
}

void AddAndRemoveFavourite(benchmark::State& state)
{
    platform::MessageBoxRecorder quiet;
    auto window = OpenWindow();
    for (auto _ : state) {
        window->ToggleFavorite();   // adds the phrase on screen
        window->ShowFavorites();
        window->ToggleFavorite();   // removes it again
        window->SelectCategory(100);
    }
}

// Replaces the favourites with 50 MB of random bytes, for the life of the object.
class HostileFavourites {
public:
    HostileFavourites()
    {
        std::vector<char> noise(50 << 20);
        std::mt19937 random(50);
        for (char& byte : noise)
            byte = char(random());
        std::ofstream("favorite.dat", std::ios::binary).write(noise.data(), std::streamsize(noise.size()));
    }
    ~HostileFavourites() { fs::remove("favorite.dat"); }
};

// The window on screen, in its favourites view over the hostile store.
std::unique_ptr<CTessalyDlg> OpenHostileFavourites()
{
    auto window = OpenWindow();
    window->show();
    window->ShowFavorites();
    QCoreApplication::processEvents();
    return window;
}

void HostileFavouritesList(benchmark::State& state)
{
    platform::MessageBoxRecorder quiet;
    HostileFavourites store;
    auto window = OpenHostileFavourites();
    for (auto _ : state) {
        window->ShowFavorites();
        window->PhraseList()->viewport()->repaint();
    }
}

void HostileFavouritesScroll(benchmark::State& state)
{
    platform::MessageBoxRecorder quiet;
    HostileFavourites store;
    auto window = OpenHostileFavourites();
    CMyListBox* list = window->PhraseList();
    bool atEnd = false;
    for (auto _ : state) {
        atEnd = !atEnd;
        QKeyEvent key(QEvent::KeyPress, atEnd ? Qt::Key_End : Qt::Key_Home, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &key);
        list->viewport()->repaint();
    }
}

void HostileFavouritesRemove(benchmark::State& state)
{
    platform::MessageBoxRecorder quiet;
    HostileFavourites store;
    auto window = OpenHostileFavourites();
    for (auto _ : state) {
        window->ToggleFavorite();   // removes the first row and lists the rest again
        window->PhraseList()->viewport()->repaint();
    }
}

} // namespace

BENCHMARK(HostileFavouritesList)->Unit(benchmark::kMillisecond);
BENCHMARK(HostileFavouritesScroll)->Unit(benchmark::kMillisecond);
BENCHMARK(HostileFavouritesRemove)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpToFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(SelectRow)->Unit(benchmark::kMicrosecond);
BENCHMARK(SearchAllPhrases)->Unit(benchmark::kMicrosecond);
BENCHMARK(AddAndRemoveFavourite)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    EnterPhraseBookCopy();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
