// Whole streams against reference PCM: the conformance streams (every one
// the decoder supports within 88 dB PSNR and 0.1 dB of the reference's
// level, both low-passed alike below the part of the band the decoder leaves
// out), the same through the portable vector routines, streams made by lame
// and twolame against mpg123, and the reduced outputs against the full one.

#include "decoder_support.h"
#include "vector_builds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

struct Vector {
    const char* name;
    int channels;
    int frameSamples; // per channel
    double cutoff;    // of the comparison's low-pass, as a fraction of Nyquist
};

// At 44.1 and 48 kHz the top subband is never synthesised (0.9, kept for
// every MPEG-1 stream); MPEG-2 Layer III also drops its last scale-factor
// band (0.85).
constexpr Vector kVectors[] = {
    {"M2L3_bitrate_16_all", 1, 576, 0.85}, {"M2L3_bitrate_22_all", 1, 576, 0.85},
    {"M2L3_bitrate_24_all", 1, 576, 0.85}, {"M2L3_noise", 2, 576, 0.85},
    {"l1-fl1", 2, 384, 0.9},               {"l1-fl2", 2, 384, 0.9},
    {"l1-fl3", 2, 384, 0.9},               {"l1-fl4", 1, 384, 0.9},
    {"l1-fl5", 2, 384, 0.9},               {"l1-fl6", 2, 384, 0.9},
    {"l1-fl8", 2, 384, 0.9},               {"l2-fl10", 2, 1152, 0.9},
    {"l2-fl11", 2, 1152, 0.9},             {"l2-fl12", 2, 1152, 0.9},
    {"l2-fl13", 1, 1152, 0.9},             {"l2-fl14", 2, 1152, 0.9},
    {"l2-fl15", 2, 1152, 0.9},             {"l2-test32", 2, 1152, 0.9},
    {"l3-compl", 1, 1152, 0.9},            {"l3-he_32khz", 1, 1152, 0.9},
    {"l3-he_44khz", 1, 1152, 0.9},         {"l3-he_48khz", 1, 1152, 0.9},
    {"l3-hecommon", 2, 1152, 0.9},         {"l3-si", 1, 1152, 0.9},
    {"l3-si_block", 1, 1152, 0.9},         {"l3-si_huff", 1, 1152, 0.9},
    {"l3-sin1k0db", 2, 1152, 0.9},         {"l3-test45", 2, 576, 0.85},
};

// One stream of each layer and version for the portable vector routines.
constexpr Vector kVectorBuildCases[] = {kVectors[7], kVectors[15], kVectors[22], kVectors[3]};

std::string NameOf(const testing::TestParamInfo<Vector>& info)
{
    std::string name = info.param.name;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

void ExpectReferencePcm(const Vector& v, const DecodedStream& decoded, const char* build)
{
    const Comparison c = ComparePcm(AsSamples16(decoded.pcm), AsSamples16(ReadFile(kVectorDir + v.name + ".pcm")),
                                    v.channels, v.frameSamples, v.cutoff);
    std::printf("%-20s %-9s PSNR %6.1f dB  level %+.3f dB  shift %d frames\n", v.name, build, c.psnrDb, c.levelDb,
                c.shiftFrames);
    EXPECT_GE(c.psnrDb, 88.0) << v.name;
    EXPECT_LT(std::abs(c.levelDb), 0.1) << v.name;
    EXPECT_GT(c.comparedSamples, decoded.pcm.size() / 2 * 9 / 10) << v.name;
}

std::vector<uint8_t> VectorStream(const Vector& v)
{
    const std::string bit = kVectorDir + v.name + ".bit", pcm = kVectorDir + v.name + ".pcm";
    if (!std::filesystem::exists(bit) || !std::filesystem::exists(pcm))
        return {};
    return ReadFile(bit);
}

class Conformance : public testing::TestWithParam<Vector> {};
class VectorBuilds : public testing::TestWithParam<Vector> {};

} // namespace

TEST_P(Conformance, MatchesReferencePcm)
{
    const std::vector<uint8_t> stream = VectorStream(GetParam());
    if (stream.empty())
        GTEST_SKIP() << "no conformance streams in " << kVectorDir;
    const DecodedStream decoded = DecodeStream(stream);
    ASSERT_GT(decoded.framesDecoded, 0);
    EXPECT_EQ(decoded.format.outChannels, GetParam().channels);
    ExpectReferencePcm(GetParam(), decoded, "");
}
INSTANTIATE_TEST_SUITE_P(Vectors, Conformance, testing::ValuesIn(kVectors), NameOf);

TEST(Conformance, FreeFormatIsRefusedFrameByFrame)
{
    if (!std::filesystem::exists(kVectorDir + "l3-he_free.bit"))
        GTEST_SKIP() << "no conformance streams in " << kVectorDir;
    EXPECT_EQ(DecodeStream(ReadFile(kVectorDir + "l3-he_free.bit")).framesDecoded, 0);
}

// The vector routines (synthesis and inverse MDCT) exist in a portable build
// and, on x86-64, in one for AVX2 and FMA taken where the processor has them.
// The portable one is forced here and checked against the reference, and
// against the other build under every rate, width and channel choice: the
// builds differ only in rounding (fused multiply-adds), so by two at most.
TEST_P(VectorBuilds, PortableRoutinesMatchTheReferenceAndTheOtherBuild)
{
    const std::vector<uint8_t> stream = VectorStream(GetParam());
    if (stream.empty())
        GTEST_SKIP() << "no conformance streams in " << kVectorDir;
    const auto decode = [&](bool portableOnly, const MpaOptions& options) {
        MpaInit();
        UsePortableVectorRoutinesOnly(portableOnly);
        DecodedStream decoded = DecodeStream(stream, options);
        UsePortableVectorRoutinesOnly(false);
        return decoded;
    };
    ExpectReferencePcm(GetParam(), decode(true, {0, 0, 24000}), "portable");
    for (const MpaOptions& options : {MpaOptions{0, 0, 24000}, MpaOptions{1, 0, 24000}, MpaOptions{2, 0, 24000},
                                      MpaOptions{0, kMpaOutput8Bit, 24000}, MpaOptions{0, kMpaChannelsMix, 24000}}) {
        const DecodedStream a = decode(true, options), b = decode(false, options);
        ASSERT_EQ(a.pcm.size(), b.pcm.size());
        const bool eightBit = options.outputFlags & kMpaOutput8Bit;
        int largest = 0;
        for (size_t i = 0; i < a.pcm.size(); i += eightBit ? 1 : 2) {
            const auto sample = [&](const std::vector<uint8_t>& p) {
                return eightBit ? int(p[i]) : int(int16_t(p[i] | p[i + 1] << 8));
            };
            largest = std::max(largest, std::abs(sample(a.pcm) - sample(b.pcm)));
        }
        EXPECT_LE(largest, 2) << "rate shift " << options.rateShift << ", flags " << options.outputFlags;
    }
}
INSTANTIATE_TEST_SUITE_P(Vectors, VectorBuilds, testing::ValuesIn(kVectorBuildCases), NameOf);

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
    ScopedTempDir dir;
    WriteTestSignal("in.wav", e.rate, e.channels, 4.0);
    // lame would pick a lower rate for a low bitrate: keep the signal's.
    const std::string keepRate =
        std::string(e.encoder) == "lame" ? " --resample " + std::to_string(e.rate / 1000.0) : std::string();
    ASSERT_EQ(RunCommand(std::string(e.encoder) + " --quiet " + e.options + keepRate + " in.wav stream.mpa"), 0);
    ASSERT_EQ(RunCommand("mpg123 --no-gapless -q -s stream.mpa > oracle.raw 2>/dev/null"), 0);

    const DecodedStream decoded = DecodeStream(ReadFile("stream.mpa"));
    ASSERT_GT(decoded.framesDecoded, 0);
    EXPECT_EQ(decoded.format.outRate, e.rate);
    EXPECT_EQ(decoded.format.outChannels, e.channels);
    const Comparison c =
        ComparePcm(AsSamples16(decoded.pcm), AsSamples16(ReadFile("oracle.raw")), e.channels, e.frameSamples, e.cutoff);
    std::printf("%-30s PSNR %6.1f dB  level %+.3f dB\n", e.name, c.psnrDb, c.levelDb);
    EXPECT_GE(c.psnrDb, 88.0);
    EXPECT_LT(std::abs(c.levelDb), 0.1);
}
INSTANTIATE_TEST_SUITE_P(Encoders, Oracle, testing::ValuesIn(kEncodings),
                         [](const testing::TestParamInfo<Encoding>& info) { return std::string(info.param.name); });

// Half and quarter rate, one-channel selections and 8-bit output against the
// full-rate 16-bit output reduced the same way. A reduced-rate filterbank
// differs from a low-passed, decimated full-rate signal only by the aliasing
// of the band at the edge (40 dB and more); a channel choice is exact up to
// the truncation of each side (1 LSB, 85 dB); 8-bit output is the top byte.
TEST(ReducedOutput, RatesChannelsAndWidthsFollowTheFullOutput)
{
    for (const char* name : {"l3-hecommon", "l2-fl14"}) {
        const std::vector<uint8_t> stream = VectorStream({name, 2, 1152, 1.0});
        if (stream.empty())
            GTEST_SKIP() << "no conformance streams in " << kVectorDir;
        const DecodedStream fullStream = DecodeStream(stream);
        const std::vector<int16_t> full = AsSamples16(fullStream.pcm);
        for (int shift = 1; shift <= 2; ++shift) {
            const DecodedStream reduced = DecodeStream(stream, {shift, 0, 24000});
            EXPECT_EQ(reduced.format.outRate, fullStream.format.outRate >> shift);
            const Comparison c =
                ComparePcm(AsSamples16(reduced.pcm), Decimate(full, 2, 1 << shift), 2, 1152 >> shift, 0.8);
            std::printf("%s rate shift %d: PSNR %.1f dB, level %+.2f dB\n", name, shift, c.psnrDb, c.levelDb);
            EXPECT_GE(c.psnrDb, 40.0);
            EXPECT_LT(std::abs(c.levelDb), 0.5);
        }
        std::vector<int16_t> left, right, mix, truncated;
        for (size_t i = 0; i + 1 < full.size(); i += 2) {
            left.push_back(full[i]);
            right.push_back(full[i + 1]);
            mix.push_back(int16_t((full[i] + full[i + 1]) / 2));
        }
        const std::pair<int32_t, const std::vector<int16_t>*> selections[] = {
            {kMpaChannelsLeft, &left}, {kMpaChannelsRight, &right}, {kMpaChannelsMix, &mix}};
        for (const auto& [selection, expected] : selections) {
            const DecodedStream one = DecodeStream(stream, {0, selection, 24000});
            EXPECT_EQ(one.format.outChannels, 1);
            const Comparison c = ComparePcm(AsSamples16(one.pcm), *expected, 1, 1152, 1.0);
            std::printf("%s selection %d: PSNR %.1f dB\n", name, selection, c.psnrDb);
            EXPECT_GE(c.psnrDb, selection == kMpaChannelsMix ? 80.0 : 85.0);
        }
        std::vector<int16_t> widened;
        for (uint8_t byte : DecodeStream(stream, {0, kMpaOutput8Bit, 24000}).pcm)
            widened.push_back(int16_t((int(byte) - 128) * 256));
        for (int16_t s : full)
            truncated.push_back(int16_t((s >> 8) * 256));
        EXPECT_EQ(widened, truncated);
    }
}
