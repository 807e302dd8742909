// How long the window takes for what a traveller does most: start, select a
// phrase, search all phrases, add and remove a favourite. Runs on a copy of
// the bundled phrase book; each benchmark repeats and reports its median.
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

} // namespace

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
