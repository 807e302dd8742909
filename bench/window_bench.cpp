// How long the window takes for what a traveller does most: start, select a
// phrase, play it, search all phrases, add and remove a favourite; and how it
// copes with a "favorite.dat" of 50 MB of random bytes, where listing,
// scrolling and removing must each stay well under 100 ms. Runs on a copy of
// the bundled phrase book; each benchmark repeats and reports its median.
// Selecting and playing are measured twice: with the recording device, which
// never waits, and with the real SDL output into a private PulseAudio daemon
// (skipped when that cannot start), where play counts until the first sample
// is heard at the server's null sink.
//
//   build/bench/window-bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "mylistbox.h"
#include "platform/messagebox.h"
#include "privatepulse.h"
#include "recordingwaveout.h"
#include "resources/controlids.h"
#include "sdlwaveout.h"
#include "soundplayer.h"
#include "tessalydlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The private sound server and the sink the SDL output plays into; started
// by main.
PrivatePulse* soundServer = nullptr;
std::string serverSink;

// A scratch copy of the phrase book as the current directory, so that the
// favourites written here never touch the bundled files.
void EnterPhraseBookCopy()
{
    std::string pattern = (fs::temp_directory_path() / "tessaly-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    // Every data file, so that a file the book gains later (the guide did)
    // is never missing from the copy and stopping the start at its message.
    for (const fs::directory_entry& entry : fs::directory_iterator(TESSALY_DATA_DIR))
        if (entry.is_regular_file())
            fs::copy_file(entry.path(), fs::path(pattern) / entry.path().filename());
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

enum class Output { Recording, SoundServer };

std::unique_ptr<CTessalyDlg> OpenWindow(Output output = Output::Recording)
{
    std::unique_ptr<platform::WaveOut> device;
    if (output == Output::Recording)
        device = std::make_unique<platform::RecordingWaveOut>();
    else
        device = std::make_unique<platform::SdlWaveOut>();
    auto window = std::make_unique<CTessalyDlg>(std::move(device));
    window->OnInitDialog();
    return window;
}

bool ServerMissing(benchmark::State& state, Output output)
{
    if (output == Output::Recording || (soundServer->Running() && !serverSink.empty()))
        return false;
    state.SkipWithError(("no private sound server: " + soundServer->Failure()).c_str());
    return true;
}

template <typename Ready>
bool WaitFor(Ready ready, std::chrono::milliseconds limit)
{
    const auto giveUp = std::chrono::steady_clock::now() + limit;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
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

void SelectRow(benchmark::State& state, Output output)
{
    if (ServerMissing(state, output))
        return;
    auto window = OpenWindow(output);
    window->SelectCategory(200);
    CMyListBox* list = window->PhraseList();
    int row = 0;
    for (auto _ : state) {
        // A new phrase each time, so its clip is read and its first quarter
        // decoded, and the previous one is still playing.
        row = (row + 1) % list->count();
        list->setCurrentRow(row);
        benchmark::DoNotOptimize(window->Book().translationText.size());
        state.PauseTiming();
        window->PlaySelectedPhrase();
        state.ResumeTiming();
    }
}

// How long the clip is silent before its first sample: the sound server
// hears that sample this much later than the first one.
std::chrono::steady_clock::duration LeadingSilence(const CSoundPlayer& player)
{
    const std::uint8_t* block = player.Block();
    const std::size_t bytes = std::size_t(player.FramesInBlock()) * player.FrameBytes();
    std::size_t silent = 0;
    while (silent < bytes && block[silent] == 0)
        ++silent;
    const double seconds = double(silent / player.Format().blockAlign) / player.Format().samplesPerSecond;
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

// From the play command to the first sample: the write itself with the
// recording device; the first sound at the server's sink with SDL.
void PlayToFirstSample(benchmark::State& state, Output output)
{
    if (ServerMissing(state, output))
        return;
    auto window = OpenWindow(output);
    window->SelectCategory(200);
    window->PhraseList()->setCurrentRow(1);
    std::unique_ptr<MonitorRecorder> recorder;
    if (output == Output::SoundServer) {
        recorder = std::make_unique<MonitorRecorder>(serverSink, 44100, 2);
        if (!recorder->WaitUntilRecording(5s)) {
            state.SkipWithError("parec records nothing");
            return;
        }
    }
    for (auto _ : state) {
        if (recorder)
            recorder->ForgetSound();
        const auto start = std::chrono::steady_clock::now();
        window->PlaySelectedPhrase();
        auto heard = std::chrono::steady_clock::now();
        if (recorder) {
            if (!WaitFor([&] { return recorder->FirstSound().has_value(); }, 5s)) {
                state.SkipWithError("the phrase never reached the sink");
                return;
            }
            heard = *recorder->FirstSound() - LeadingSilence(window->Player());
        }
        state.SetIterationTime(std::chrono::duration<double>(heard - start).count());
        window->Player().Stop();
        if (recorder)
            WaitFor([&] { return std::chrono::steady_clock::now() - *recorder->LastSound() > 150ms; }, 5s);
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
BENCHMARK_CAPTURE(SelectRow, RecordingDevice, Output::Recording)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SelectRow, SoundServer, Output::SoundServer)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PlayToFirstSample, RecordingDevice, Output::Recording)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlayToFirstSample, SoundServer, Output::SoundServer)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(SearchAllPhrases)->Unit(benchmark::kMicrosecond);
BENCHMARK(AddAndRemoveFavourite)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    EnterPhraseBookCopy();
    PrivatePulse server(std::chrono::minutes(10)); // outlives quiet stretches of the other benchmarks
    soundServer = &server;
    if (server.Running())
        serverSink = server.AddSink(44100, 2);
    setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
