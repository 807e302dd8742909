// How long slow play takes to make its slowed block, on the bundled clips: the
// longest one (goal: under 10 ms) and a typical one. The block is the one the
// play button writes; making the slowed copy is all slow play adds to it.
//
//   build/bench/slowplay-bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "recordingwaveout.h"
#include "soundarchive.h"
#include "soundplayer.h"
#include "tempo.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadDataFile(const char* name)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* file = std::fopen((std::string(TESSALY_DATA_DIR) + "/" + name).c_str(), "rb");
    if (!file)
        return bytes;
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(std::uint8_t(c));
    std::fclose(file);
    return bytes;
}

struct PlayedBlock {
    std::vector<std::uint8_t> pcm;
    platform::WaveFormat format;
};

// What the play button writes for every clip of the archive, shortest first.
std::vector<PlayedBlock> PlayedBlocks()
{
    const std::vector<std::uint8_t> index = ReadDataFile("data.idx");
    const std::vector<std::uint8_t> clips = ReadDataFile("data.dat");
    std::vector<PlayedBlock> blocks;
    for (std::size_t at = 0; at + SoundIndexEntry::kSize <= index.size(); at += SoundIndexEntry::kSize) {
        const SoundIndexEntry entry = SoundIndexEntry::Decode(index.data() + at);
        const std::size_t start = SoundArchiveHeader::kSize + std::size_t(entry.offset);
        if (entry.length == 0 || start + entry.length > clips.size())
            continue;
        platform::RecordingWaveOut device;
        CSoundPlayer player(device);
        auto clip = std::make_unique<std::uint8_t[]>(entry.length);
        std::copy_n(clips.data() + start, entry.length, clip.get());
        if (player.Open(clip, entry.length) != CSoundPlayer::kOpened)
            continue;
        player.Prepare(0, 400000);
        player.Play();
        blocks.push_back({device.Written().back(), device.Format()});
    }
    std::sort(blocks.begin(), blocks.end(), [](auto& a, auto& b) { return a.pcm.size() < b.pcm.size(); });
    return blocks;
}

const std::vector<PlayedBlock>& Blocks()
{
    static const std::vector<PlayedBlock> blocks = PlayedBlocks();
    return blocks;
}

void SlowClip(benchmark::State& state, const PlayedBlock* (*pick)())
{
    const PlayedBlock* block = pick();
    if (!block) {
        state.SkipWithError("no clips in data/");
        return;
    }
    for (auto _ : state) {
        std::vector<std::uint8_t> slowed = StretchTempo(block->pcm.data(), std::uint32_t(block->pcm.size()),
                                                        block->format.channels, block->format.samplesPerSecond,
                                                        CSoundPlayer::kSlowTempo);
        benchmark::DoNotOptimize(slowed.data());
    }
    state.counters["clip_ms"] = 1000.0 * double(block->pcm.size()) / block->format.averageBytesPerSecond;
}

const PlayedBlock* Longest() { return Blocks().empty() ? nullptr : &Blocks().back(); }
const PlayedBlock* Median() { return Blocks().empty() ? nullptr : &Blocks()[Blocks().size() / 2]; }

} // namespace

BENCHMARK_CAPTURE(SlowClip, longest, Longest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SlowClip, median, Median)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
