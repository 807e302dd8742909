// `tessaly-tool decode` streams what the library decodes into a WAV file
// and refuses what it cannot do, leaving the output as it was.

#include "decoder_support.h"
#include "processes.h"
#include "records.h"
#include "wavefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

int RunDecodeTool(const std::string& arguments)
{
    return RunShell("'" + std::string(TESSALY_TOOL) + "' decode " + arguments).status;
}

} // namespace

TEST(DecodeTool, WritesTheSameSoundAsTheLibraryWithTheLengthsItWrote)
{
    if (!HaveProgram("lame"))
        GTEST_SKIP() << "lame is not installed";
    ScopedTempDir dir;
    WriteTestSignal("in.wav", 22050, 1, 2.0);
    ASSERT_EQ(RunShell("lame --quiet --resample 22.05 -m m -b 24 in.wav stream.mp3").status, 0);
    // Behind more junk than the decoder is offered at once.
    const std::vector<uint8_t> stream = ReadFile("stream.mp3");
    std::vector<uint8_t> padded = stream;
    padded.insert(padded.begin(), (1 << 20) + 300, 0x11);
    WriteFile("padded.mp3", padded);
    ASSERT_EQ(RunDecodeTool("padded.mp3 out.wav"), 0);
    const std::vector<uint8_t> written = ReadFile("out.wav");
    ASSERT_GT(written.size(), 44u);
    EXPECT_EQ(std::string(written.begin(), written.begin() + 4), "RIFF");
    EXPECT_EQ(std::tuple(ReadLE32(&written[4]), ReadLE16(&written[22]), ReadLE32(&written[24]), ReadLE16(&written[34]),
                         ReadLE32(&written[40])),
              std::tuple(written.size() - 8, 1u, 22050u, 16u, written.size() - 44));
    EXPECT_EQ(std::vector<uint8_t>(written.begin() + 44, written.end()), DecodeStream(stream).pcm);

    // A pipe cannot seek back: the largest lengths mark an unknown length.
    ASSERT_EQ(RunDecodeTool("padded.mp3 /dev/stdout | cat > piped.wav"), 0);
    const std::vector<uint8_t> piped = ReadFile("piped.wav");
    ASSERT_EQ(piped.size(), written.size());
    EXPECT_EQ(ReadLE32(&piped[40]), kMostWaveDataBytes);
    EXPECT_TRUE(std::equal(piped.begin() + 44, piped.end(), written.begin() + 44));
}

TEST(DecodeTool, FailsWhereNothingDecodesAndLeavesTheOutputAsItWas)
{
    ScopedTempDir dir;
    std::mt19937 random(99);
    std::vector<uint8_t> noise(20000);
    std::generate(noise.begin(), noise.end(), [&] { return uint8_t(random() & 0x7F); }); // no sync pattern
    WriteFile("noise.bin", noise);
    // A frame whose main data would lie before it: refused, not silence.
    std::vector<uint8_t> orphan = {0xFF, 0xFB, 0x90, 0x64, 0xFF};
    orphan.resize(417);
    WriteFile("orphan.mp3", orphan);
    const std::vector<uint8_t> earlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};
    WriteFile("out.wav", earlier);
    for (const char* input : {"noise.bin", "orphan.mp3", "missing.mp3"}) {
        EXPECT_EQ(RunDecodeTool(std::string(input) + " out.wav 2>/dev/null"), 1) << input;
        EXPECT_EQ(ReadFile("out.wav"), earlier) << input;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 3) << input; // nothing left beside
    }
}
