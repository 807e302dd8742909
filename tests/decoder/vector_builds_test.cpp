// The vector routines (synthesis and inverse MDCT) exist in a portable
// build and, on x86-64, in one for AVX2 and FMA, taken where the processor
// has them. The conformance tests reach only the build this machine takes;
// here the portable one is forced, checked against the reference and
// against the other build.

#include "pcm_compare.h"
#include "stream_decode.h"
#include "vector_builds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct Case {
    const char* name;
    int channels, frameSamples;
    double cutoff;
};

constexpr Case kCases[] = {
    {"l1-fl4", 1, 384, 0.9},
    {"l2-fl14", 2, 1152, 0.9},
    {"l3-hecommon", 2, 1152, 0.9},
    {"M2L3_noise", 2, 576, 0.85},
};

const std::string kVectorDir = std::string(TESSALY_SHARED_DIR) + "/vectors/";

DecodedStream DecodeWith(bool portableOnly, const std::vector<uint8_t>& stream, const MpaOptions& options)
{
    MpaInit(); // builds the tables once per process; the switch below rebuilds the vector routines' ones
    UsePortableVectorRoutinesOnly(portableOnly);
    DecodedStream decoded = DecodeStream(stream, options);
    UsePortableVectorRoutinesOnly(false);
    return decoded;
}

int LargestDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, bool eightBit)
{
    if (eightBit) {
        int largest = 0;
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
            largest = std::max(largest, std::abs(int(a[i]) - int(b[i])));
        return largest;
    }
    const std::vector<int16_t> x = AsSamples16(a), y = AsSamples16(b);
    int largest = 0;
    for (size_t i = 0; i < std::min(x.size(), y.size()); ++i)
        largest = std::max(largest, std::abs(int(x[i]) - int(y[i])));
    return largest;
}

} // namespace

TEST(VectorBuilds, PortableRoutinesMatchTheReferenceAndTheOtherBuild)
{
    for (const Case& c : kCases) {
        const std::string bit = kVectorDir + c.name + ".bit", pcm = kVectorDir + c.name + ".pcm";
        if (!std::filesystem::exists(bit) || !std::filesystem::exists(pcm))
            GTEST_SKIP() << "no conformance streams in " << kVectorDir;
        const std::vector<uint8_t> stream = ReadBytes(bit.c_str());

        const DecodedStream portable = DecodeWith(true, stream, {0, 0, 24000});
        ASSERT_GT(portable.framesDecoded, 0) << c.name;
        const Comparison against = ComparePcm(AsSamples16(portable.pcm), ReadPcmFile(pcm.c_str()), c.channels,
                                              c.frameSamples, c.cutoff);
        std::printf("%-12s portable build: PSNR %.1f dB, level %+.3f dB\n", c.name, against.psnrDb, against.levelDb);
        EXPECT_GE(against.psnrDb, 88.0) << c.name;
        EXPECT_LT(std::abs(against.levelDb), 0.1) << c.name;

        // Every rate, width and channel choice: the builds differ only in
        // rounding (fused multiply-adds), a unit of the last place at most
        // after truncation, so allow two.
        const MpaOptions variants[] = {
            {0, 0, 24000}, {1, 0, 24000}, {2, 0, 24000}, {0, kMpaOutput8Bit, 24000}, {0, kMpaChannelsMix, 24000},
        };
        for (const MpaOptions& options : variants) {
            const DecodedStream a = DecodeWith(true, stream, options);
            const DecodedStream b = DecodeWith(false, stream, options);
            ASSERT_EQ(a.pcm.size(), b.pcm.size()) << c.name;
            const bool eightBit = options.outputFlags & kMpaOutput8Bit;
            EXPECT_LE(LargestDifference(a.pcm, b.pcm, eightBit), 2)
                << c.name << " rate shift " << options.rateShift << " flags " << options.outputFlags;
        }
    }
}
