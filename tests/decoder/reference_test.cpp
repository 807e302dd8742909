// Whole streams against reference PCM: the conformance streams in both vector
// builds, lame and twolame streams against mpg123, the reduced outputs.

#include "decoder_support.h"
#include "processes.h"
#include "vector_builds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// A Blackman-windowed sinc low-pass over each channel.
std::vector<double> Filter(const int16_t* x, long size, int channels, double cutoff)
{
    if (cutoff >= 1.0)
        return {x, x + size};
    constexpr int half = 96;
    std::vector<double> taps(2 * half + 1);
    double sum = 0;
    for (int k = -half; k <= half; ++k) {
        const double window = 0.42 + 0.5 * std::cos(M_PI * k / half) + 0.08 * std::cos(2 * M_PI * k / half);
        sum += taps[size_t(k + half)] = (k == 0 ? cutoff : std::sin(M_PI * cutoff * k) / (M_PI * k)) * window;
    }
    const long frames = size / channels;
    std::vector<double> y(static_cast<size_t>(size));
    for (int c = 0; c < channels; ++c)
        for (long i = 0; i < frames; ++i) {
            double acc = 0;
            for (long j = std::max(0L, i - half); j <= std::min(frames - 1, i + half); ++j)
                acc += taps[size_t(i - j + half)] * x[size_t(j * channels + c)];
            y[size_t(i * channels + c)] = acc / sum;
        }
    return y;
}


// Both sides low-passed alike at `cutoff` of Nyquist (1: not at all; 0: below
// what the decoder leaves out) at the whole-frame shift that fits best;
// printed and checked. Gives the number of samples compared.
size_t ExpectClose(const std::string& what, const DecodedStream& decoded, const std::vector<int16_t>& reference,
                   double leastPsnrDb, double cutoff = 0)
{
    const std::vector<int16_t> ours = AsSamples16(decoded.pcm);
    const int channels = decoded.format.outChannels;
    const long frame = decoded.format.outBytesPerFrame / 2;
    // No top subband at 44.1 and 48 kHz; MPEG-2 Layer III also drops its last
    // scale-factor band.
    if (cutoff == 0)
        cutoff = decoded.format.layer == 3 && decoded.format.version != 1 ? 0.85 : 0.9;
    const auto span = [&](int shift) {
        const long oursFrom = shift > 0 ? shift * frame : 0, refFrom = shift < 0 ? -shift * frame : 0;
        return std::tuple{oursFrom, refFrom,
                          std::max(0L, std::min(long(ours.size()) - oursFrom, long(reference.size()) - refFrom))};
    };
    int bestShift = 0;
    double bestError = std::numeric_limits<double>::max();
    for (int shift = -4; shift <= 4; ++shift) {
        const auto [oursFrom, refFrom, n] = span(shift);
        double error = 0;
        for (long i = 0; i < n; ++i)
            error += std::pow(double(ours[size_t(oursFrom + i)]) - reference[size_t(refFrom + i)], 2);
        if (n > 0 && error / double(n) < bestError)
            std::tie(bestError, bestShift) = std::pair(error / double(n), shift);
    }
    // Filtered after the alignment, so that both sides end alike.
    const auto [oursFrom, refFrom, n] = span(bestShift);
    const std::vector<double> a = Filter(ours.data() + oursFrom, n, channels, cutoff);
    const std::vector<double> b = Filter(reference.data() + refFrom, n, channels, cutoff);
    double error = 0, energyA = 0, energyB = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        error += (a[i] - b[i]) * (a[i] - b[i]);
        energyA += a[i] * a[i];
        energyB += b[i] * b[i];
    }
    const double psnrDb = 20 * std::log10(32768.0 / std::max(std::sqrt(error / std::max(1.0, double(n))), 1e-9));
    const double levelDb = 10 * std::log10(std::max(energyA, 1e-9) / std::max(energyB, 1e-9));
    std::printf("%-32s PSNR %6.1f dB  level %+.3f dB  shift %d frames\n", what.c_str(), psnrDb, levelDb, bestShift);
    EXPECT_GE(psnrDb, leastPsnrDb) << what;
    EXPECT_LT(std::abs(levelDb), 0.1) << what;
    return a.size();
}

// Every `factor`-th sample of each channel after a low-pass at 1/factor.
std::vector<int16_t> Decimate(const std::vector<int16_t>& pcm, int channels, int factor)
{
    const std::vector<double> x = Filter(pcm.data(), long(pcm.size()), channels, 0.9 / factor);
    std::vector<int16_t> out;
    for (size_t i = 0; i < x.size(); i += size_t(factor * channels))
        for (int c = 0; c < channels; ++c)
            out.push_back(int16_t(std::lround(std::clamp(x[i + size_t(c)], -32768.0, 32767.0))));
    return out;
}

// Each within 88 dB PSNR and 0.1 dB of the reference's level.
constexpr const char* kVectors[] = {
    "M2L3_bitrate_16_all", "M2L3_bitrate_22_all", "M2L3_bitrate_24_all", "M2L3_noise", "l1-fl1", "l1-fl2", "l1-fl3",
    "l1-fl4", "l1-fl5", "l1-fl6", "l1-fl8", "l2-fl10", "l2-fl11", "l2-fl12", "l2-fl13", "l2-fl14", "l2-fl15",
    "l2-test32", "l3-compl", "l3-he_32khz", "l3-he_44khz", "l3-he_48khz", "l3-hecommon", "l3-si", "l3-si_block",
    "l3-si_huff", "l3-sin1k0db", "l3-test45",
};

// One stream of each layer and version for the portable vector routines.
constexpr const char* kVectorBuildCases[] = {"l1-fl4", "l2-fl14", "l3-hecommon", "M2L3_noise"};

std::string VectorName(const testing::TestParamInfo<const char*>& info)
{
    std::string name = info.param;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

void ExpectReferencePcm(const std::string& name, const DecodedStream& decoded, const std::string& build)
{
    EXPECT_GT(ExpectClose(name + build, decoded, AsSamples16(ReadFile(kVectorDir + name + ".pcm")), 88.0),
              decoded.pcm.size() / 2 * 9 / 10);
}


class Conformance : public testing::TestWithParam<const char*> {};
class VectorBuilds : public testing::TestWithParam<const char*> {};

} // namespace

TEST_P(Conformance, MatchesReferencePcm)
{
    const std::vector<uint8_t> stream = VectorStream(GetParam());
    SKIP_WITHOUT(stream);
    ExpectReferencePcm(GetParam(), DecodeStream(stream), "");
}
INSTANTIATE_TEST_SUITE_P(Vectors, Conformance, testing::ValuesIn(kVectors), VectorName);

TEST(Conformance, FreeFormatIsRefusedFrameByFrame)
{
    const std::vector<uint8_t> stream = VectorStream("l3-he_free");
    SKIP_WITHOUT(stream);
    EXPECT_EQ(DecodeStream(stream).framesDecoded, 0);
}

// The portable synthesis and inverse MDCT against the reference, and against
// the AVX2 and FMA build, which rounds differently: by two at most.
TEST_P(VectorBuilds, PortableRoutinesMatchTheReferenceAndTheOtherBuild)
{
    const std::vector<uint8_t> stream = VectorStream(GetParam());
    SKIP_WITHOUT(stream);
    const auto decode = [&](bool portableOnly, const MpaOptions& options) {
        MpaInit();
        UsePortableVectorRoutinesOnly(portableOnly);
        DecodedStream decoded = DecodeStream(stream, options);
        UsePortableVectorRoutinesOnly(false);
        return decoded;
    };
    ExpectReferencePcm(GetParam(), decode(true, {0, 0, 24000}), " portable");
    for (const MpaOptions& options : {MpaOptions{0, 0, 24000}, MpaOptions{1, 0, 24000}, MpaOptions{2, 0, 24000},
                                      MpaOptions{0, kMpaOutput8Bit, 24000}, MpaOptions{0, kMpaChannelsMix, 24000}}) {
        const DecodedStream a = decode(true, options), b = decode(false, options);
        ASSERT_EQ(a.pcm.size(), b.pcm.size());
        const size_t step = options.outputFlags & kMpaOutput8Bit ? 1 : 2;
        const auto sample = [step](const std::vector<uint8_t>& p, size_t i) {
            return step == 1 ? int(p[i]) : int(int16_t(p[i] | p[i + 1] << 8));
        };
        int largest = 0;
        for (size_t i = 0; i < a.pcm.size(); i += step)
            largest = std::max(largest, std::abs(sample(a.pcm, i) - sample(b.pcm, i)));
        EXPECT_LE(largest, 2) << "rate shift " << options.rateShift << ", flags " << options.outputFlags;
    }
}
INSTANTIATE_TEST_SUITE_P(Vectors, VectorBuilds, testing::ValuesIn(kVectorBuildCases), VectorName);

namespace {

struct Encoding {
    const char* name;
    const char* encoder; // "lame" or "twolame"
    const char* options;
    int rate, channels;
};

constexpr Encoding kEncodings[] = {
    {"mpeg1_joint_stereo_128", "lame", "-m j -b 128", 44100, 2},
    {"mpeg1_vbr_stereo", "lame", "-m s -V 4", 48000, 2},
    {"mpeg2_mono_32_like_the_clips", "lame", "-m m -b 32", 22050, 1},
    {"mpeg2_stereo_24k", "lame", "-m j -b 64", 24000, 2},
    {"mpeg25_stereo_11k", "lame", "-m j -b 32", 11025, 2},
    {"mpeg25_mono_12k", "lame", "-m m -b 24", 12000, 1},
    // At 8000 Hz the encoder fills the top subband (3.9 to 4 kHz): these
    // streams are loud enough there for it to matter.
    {"mpeg25_mono_8k", "lame", "-m m -b 16", 8000, 1},
    {"mpeg25_stereo_8k", "lame", "-m s -b 32", 8000, 2},
    {"mpeg25_joint_8k", "lame", "-m j -b 32", 8000, 2},
    {"layer2_stereo_48k", "twolame", "-m s -b 192", 48000, 2},
    {"layer2_joint_44k", "twolame", "-m j -b 128", 44100, 2},
    {"layer2_mono_32k", "twolame", "-m m -b 64", 32000, 1},
    {"layer2_mpeg2_22k", "twolame", "-m j -b 64", 22050, 2},
};

void PrintTo(const Encoding& e, std::ostream* out) { *out << e.name; }

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
    ASSERT_EQ(RunShell(std::string(e.encoder) + " --quiet " + e.options + keepRate + " in.wav stream.mpa").status, 0);
    ASSERT_EQ(RunShell("mpg123 --no-gapless -q -s stream.mpa > oracle.raw 2>/dev/null").status, 0);

    const DecodedStream decoded = DecodeStream(ReadFile("stream.mpa"));
    ASSERT_GT(decoded.framesDecoded, 0);
    EXPECT_EQ(std::pair(decoded.format.outRate, decoded.format.outChannels), std::pair(e.rate, e.channels));
    ExpectClose(e.name, decoded, AsSamples16(ReadFile("oracle.raw")), 88.0);
}
INSTANTIATE_TEST_SUITE_P(Encoders, Oracle, testing::ValuesIn(kEncodings),
                         [](const testing::TestParamInfo<Encoding>& info) { return std::string(info.param.name); });

// Against the full output reduced alike: a reduced rate differs by the aliasing
// at the band edge (40 dB), a channel choice by truncation (1 LSB, 85 dB).
TEST(ReducedOutput, RatesChannelsAndWidthsFollowTheFullOutput)
{
    for (const std::string name : {"l3-hecommon", "l2-fl14"}) {
        const std::vector<uint8_t> stream = VectorStream(name);
        SKIP_WITHOUT(stream);
        const DecodedStream fullStream = DecodeStream(stream);
        const std::vector<int16_t> full = AsSamples16(fullStream.pcm);
        for (int shift = 1; shift <= 2; ++shift) {
            const DecodedStream reduced = DecodeStream(stream, {shift, 0, 24000});
            EXPECT_EQ(reduced.format.outRate, fullStream.format.outRate >> shift);
            ExpectClose(name + " rate shift " + std::to_string(shift), reduced, Decimate(full, 2, 1 << shift), 40, 0.8);
        }
        std::vector<int16_t> left, right, mix, widened, truncated;
        for (size_t i = 0; i + 1 < full.size(); i += 2) {
            left.push_back(full[i]);
            right.push_back(full[i + 1]);
            mix.push_back(int16_t((full[i] + full[i + 1]) / 2));
            truncated.insert(truncated.end(), {int16_t((full[i] >> 8) * 256), int16_t((full[i + 1] >> 8) * 256)});
        }
        for (const auto& [selection, expected] : {std::pair{kMpaChannelsLeft, &left}, {kMpaChannelsRight, &right},
                                                  {kMpaChannelsMix, &mix}}) {
            const DecodedStream one = DecodeStream(stream, {0, selection, 24000});
            EXPECT_EQ(one.format.outChannels, 1);
            ExpectClose(name + " selection " + std::to_string(selection), one, *expected,
                        selection == kMpaChannelsMix ? 80.0 : 85.0, 1.0);
        }
        for (uint8_t byte : DecodeStream(stream, {0, kMpaOutput8Bit, 24000}).pcm)
            widened.push_back(int16_t((int(byte) - 128) * 256));
        EXPECT_EQ(widened, truncated);
    }
}
