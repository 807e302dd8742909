// `tessaly-tool clip` writes what the play button would sound, or says why
// the program would stay silent.

#include "clipfactory.h"
#include "files.h"
#include "phrasefixtures.h"
#include "processes.h"
#include "records.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

CommandRun RunTool(const std::string& arguments) { return RunShell(std::string(TESSALY_TOOL) + " " + arguments); }

TEST(ClipTool, SaysWhyWhereTheProgramWouldStaySilent)
{
    ScopedTempDir dir;
    const std::vector<Bytes> clips = {SilentMpeg1Frames(10), {}, {}, WaveFact32(Bytes(100, 0)),
                                      SilentFrames({0xFF, 0xFB, 0x00, 0x64}, 417, 5)};
    const std::tuple<std::function<void()>, const char*, int, const char*> cases[] = {
        {[] {}, "clip 1 out.wav", 1, "Can't find sound file!"},
        {[] { WriteFile("data.dat", Bytes(12, 0)); }, "clip 1 out.wav", 1, "no data.idx"},
        {[&] { WriteSoundArchive(clips, {}, 2101); }, "clip 1 out.wav", 1, "This file is not in right format!"},
        {[&] { WriteSoundArchive(clips, {{}, {0, 0}, {0, 1000000}}); }, "clip 2 out.wav", 1, "phrase 2 has no clip"},
        {[] {}, "clip 4 out.wav", 1, "refused"},
        {[] {}, "clip 5 out.wav", 1, "no bitrate"},
        {[] {}, "clip 1 out.wav", 0, ""},
    };
    for (const auto& [prepare, arguments, status, said] : cases) {
        prepare();
        const auto [gotStatus, out, errors] = RunTool(arguments);
        EXPECT_EQ(gotStatus, status) << arguments << ": " << errors;
        EXPECT_NE(errors.find(said), std::string::npos) << arguments << ": " << errors;
        EXPECT_EQ(FileExists("out.wav"), status == 0) << arguments;
    }
    // Ten silent frames: the block the device was given, in its format.
    const Bytes wave = ReadFile("out.wav");
    ASSERT_EQ(wave.size(), 44u + 10 * 4608);
    EXPECT_EQ(std::tuple(int(wave[22]), ReadLE32(&wave[24]), ReadLE32(&wave[40])), std::tuple(2, 44100u, 10u * 4608));
    EXPECT_EQ(Bytes(wave.begin() + 44, wave.end()), Bytes(10 * 4608, 0));
}

// The conformance streams of every layer and version, packed into one archive
// and played through `tessaly-tool clip`: each clip plays its own frames (up
// to the block's 300), at most with one silent slot after them, never cut
// short and never padded with seconds of silence.
TEST(ClipTool, PlaysTheFramesOfClipsOfEveryLayer)
{
    const std::string vectors = std::string(TESSALY_SHARED_DIR) + "/vectors/";
    const std::tuple<const char*, int> streams[] = { // name, samples per frame
        {"l1-fl1", 384},  {"l1-fl4", 384},   {"l1-fl5", 384},     {"l2-fl11", 1152},    {"l2-fl13", 1152},
        {"l2-fl14", 1152}, {"l2-test32", 1152}, {"l3-compl", 1152}, {"l3-si", 1152}, {"M2L3_noise", 576}, {"l3-he_32khz", 1152}, {"l3-he_48khz", 1152}, {"l3-test45", 576},
    };
    std::vector<Bytes> clips;
    for (const auto& [name, samples] : streams)
        clips.push_back(ReadFile(vectors + name + ".bit"));
    if (std::ranges::any_of(clips, &Bytes::empty))
        GTEST_SKIP() << "no conformance streams in " << vectors;
    ScopedTempDir dir;
    WriteSoundArchive(clips);
    for (std::size_t n = 0; n < std::size(streams); ++n) {
        const auto& [name, samples] = streams[n];
        ASSERT_EQ(RunTool("clip " + std::to_string(n + 1) + " out.wav").status, 0) << name;
        const Bytes wave = ReadFile("out.wav");
        const std::vector<std::int16_t> reference = AsSamples16(ReadFile(vectors + name + ".pcm"));
        const int channels = wave[22];
        const long played = long(wave.size() - 44) / (2 * channels);
        // The reference ends in zeros, after up to 481 samples that its
        // decoder's synthesis filter still held when the frames ran out.
        long sounding = long(reference.size()) / channels;
        while (sounding > 0 && reference[std::size_t((sounding - 1) * channels)] == 0)
            --sounding;
        const long frames = std::min((std::max(sounding - 481, 0L) + samples - 1) / samples, 300L);
        EXPECT_EQ(played % samples, 0) << name;
        EXPECT_GE(played / samples, frames) << name << ": cut short";
        EXPECT_LE(played / samples, std::min(frames + 1, 300L)) << name << ": followed by silence";
    }
}

} // namespace
