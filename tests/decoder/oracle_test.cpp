// Streams made by lame and twolame from a synthetic signal, decoded by us and
// by mpg123 (the oracle): every version and layer the encoders make,
// including MPEG-2.5, joint stereo and a VBR stream with its header frame.

#include "external_tools.h"
#include "pcm_compare.h"
#include "stream_decode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

struct Encoding {
    const char* name;
    const char* encoder; // "lame" or "twolame"
    const char* options;
    int rate, channels, frameSamples;
    double cutoff;
};

constexpr Encoding kEncodings[] = {
    {"mpeg1_joint_stereo_128", "lame", "-m j -b 128", 44100, 2, 1152, 0.9},
    {"mpeg1_vbr_stereo", "lame", "-m s -V 4", 48000, 2, 1152, 0.9},
    {"mpeg2_mono_32_like_the_clips", "lame", "-m m -b 32", 22050, 1, 576, 0.85},
    {"mpeg2_stereo_24k", "lame", "-m j -b 64", 24000, 2, 576, 0.85},
    {"mpeg25_stereo_11k", "lame", "-m j -b 32", 11025, 2, 576, 0.85},
    {"mpeg25_mono_12k", "lame", "-m m -b 24", 12000, 1, 576, 0.85},
    // At 8000 Hz the encoder fills the top subband (3.9 to 4 kHz): these
    // streams are loud enough there for it to matter.
    {"mpeg25_mono_8k", "lame", "-m m -b 16", 8000, 1, 576, 0.85},
    {"mpeg25_stereo_8k", "lame", "-m s -b 32", 8000, 2, 576, 0.85},
    {"mpeg25_joint_8k", "lame", "-m j -b 32", 8000, 2, 576, 0.85},
    {"layer2_stereo_48k", "twolame", "-m s -b 192", 48000, 2, 1152, 0.9},
    {"layer2_joint_44k", "twolame", "-m j -b 128", 44100, 2, 1152, 0.9},
    {"layer2_mono_32k", "twolame", "-m m -b 64", 32000, 1, 1152, 0.9},
    {"layer2_mpeg2_22k", "twolame", "-m j -b 64", 22050, 2, 1152, 0.9},
};

class Oracle : public testing::TestWithParam<Encoding> {};

} // namespace

TEST_P(Oracle, MatchesMpg123)
{
    const Encoding& e = GetParam();
    if (!HaveProgram(e.encoder) || !HaveProgram("mpg123"))
        GTEST_SKIP() << e.encoder << " or mpg123 is not installed";
    const std::string folder = ScratchFolder(e.name);
    const std::string wav = folder + "/in.wav", mp = folder + "/stream.mpa", raw = folder + "/oracle.raw";
    WriteTestSignal(wav, e.rate, e.channels, 4.0);
    // lame would pick a lower rate for a low bitrate: keep the signal's.
    const std::string keepRate =
        std::string(e.encoder) == "lame" ? " --resample " + std::to_string(e.rate / 1000.0) : std::string();
    ASSERT_EQ(RunCommand(std::string(e.encoder) + " --quiet " + e.options + keepRate + " " + Quote(wav) + " " +
                         Quote(mp)),
              0);
    ASSERT_EQ(RunCommand("mpg123 --no-gapless -q -s " + Quote(mp) + " > " + Quote(raw) + " 2>/dev/null"), 0);

    const DecodedStream decoded = DecodeStream(ReadBytes(mp.c_str()));
    ASSERT_GT(decoded.framesDecoded, 0);
    EXPECT_EQ(decoded.format.outRate, e.rate);
    EXPECT_EQ(decoded.format.outChannels, e.channels);
    const Comparison c =
        ComparePcm(AsSamples16(decoded.pcm), ReadPcmFile(raw.c_str()), e.channels, e.frameSamples, e.cutoff);
    std::printf("%-30s PSNR %6.1f dB  level %+.3f dB\n", e.name, c.psnrDb, c.levelDb);
    RecordProperty("psnr_db", std::to_string(c.psnrDb));
    EXPECT_GE(c.psnrDb, 88.0);
    EXPECT_LT(std::abs(c.levelDb), 0.1);
}

INSTANTIATE_TEST_SUITE_P(Encoders, Oracle, testing::ValuesIn(kEncodings),
                         [](const testing::TestParamInfo<Encoding>& info) { return std::string(info.param.name); });

TEST(OracleTool, DecodeCommandWritesTheSameSoundAsTheLibrary)
{
    if (!HaveProgram("lame"))
        GTEST_SKIP() << "lame is not installed";
    const std::string folder = ScratchFolder("tool");
    const std::string wav = folder + "/in.wav", mp = folder + "/stream.mp3", out = folder + "/out.wav";
    WriteTestSignal(wav, 22050, 1, 2.0);
    ASSERT_EQ(RunCommand("lame --quiet --resample 22.05 -m m -b 24 " + Quote(wav) + " " + Quote(mp)), 0);
    // Wrapped in junk that is not a frame: the command finds the first one.
    std::vector<uint8_t> stream = ReadBytes(mp.c_str());
    std::vector<uint8_t> padded(300, 0x11);
    padded.insert(padded.end(), stream.begin(), stream.end());
    std::FILE* file = std::fopen((folder + "/padded.mp3").c_str(), "wb");
    std::fwrite(padded.data(), 1, padded.size(), file);
    std::fclose(file);
    ASSERT_EQ(RunCommand(std::string(TESSALY_TOOL) + " decode " + Quote(folder + "/padded.mp3") + " " + Quote(out)), 0);

    const std::vector<uint8_t> written = ReadBytes(out.c_str());
    ASSERT_GT(written.size(), 44u);
    EXPECT_EQ(std::string(written.begin(), written.begin() + 4), "RIFF");
    EXPECT_EQ(written[22] | written[23] << 8, 1);                                     // channels
    EXPECT_EQ(written[24] | written[25] << 8 | written[26] << 16, 22050);             // rate
    EXPECT_EQ(written[34], 16);                                                       // bits
    const std::vector<uint8_t> pcm(written.begin() + 44, written.end());
    const DecodedStream decoded = DecodeStream(stream);
    EXPECT_EQ(pcm, decoded.pcm);
}
