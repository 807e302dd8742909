// Half and quarter rate, one-channel selections and 8-bit output, checked
// against the full-rate 16-bit output reduced the same way.
//
// Tolerances: a reduced-rate filterbank keeps the subbands below the new
// Nyquist frequency and samples the same synthesis at every second or fourth
// output, so it differs from a low-passed, decimated full-rate signal only by
// the aliasing of the one band at the edge: 40 dB and more. A channel choice
// is exact up to the truncation of each side (1 LSB, so 85 dB). 8-bit output
// keeps the top byte: its error is below 256, so at least 42 dB.

#include "pcm_compare.h"
#include "stream_decode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

const std::string kStream = std::string(TESSALY_SHARED_DIR) + "/vectors/l3-hecommon.bit";
const std::string kLayer2 = std::string(TESSALY_SHARED_DIR) + "/vectors/l2-fl14.bit";

std::vector<int16_t> Channel(const std::vector<int16_t>& stereo, int which)
{
    std::vector<int16_t> one;
    for (size_t i = size_t(which); i < stereo.size(); i += 2)
        one.push_back(stereo[i]);
    return one;
}

std::vector<int16_t> Mix(const std::vector<int16_t>& stereo)
{
    std::vector<int16_t> one;
    for (size_t i = 0; i + 1 < stereo.size(); i += 2)
        one.push_back(int16_t((stereo[i] + stereo[i + 1]) / 2));
    return one;
}

} // namespace

TEST(ReducedOutput, RatesChannelsAndWidthsFollowTheFullOutput)
{
    for (const std::string& path : {kStream, kLayer2}) {
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << "no conformance streams";
        const std::vector<uint8_t> stream = ReadBytes(path.c_str());
        const DecodedStream fullStream = DecodeStream(stream);
        const std::vector<int16_t> full = AsSamples16(fullStream.pcm);
        const std::vector<int16_t> left = Channel(full, 0), right = Channel(full, 1);
        const int frame = 1152;

        for (int shift = 1; shift <= 2; ++shift) {
            const DecodedStream reduced = DecodeStream(stream, {shift, 0, 24000});
            EXPECT_EQ(reduced.format.outRate, fullStream.format.outRate >> shift);
            const std::vector<int16_t> expected = Decimate(full, 2, 1 << shift);
            const Comparison c =
                ComparePcm(AsSamples16(reduced.pcm), expected, 2, frame >> shift, 0.8);
            std::printf("%s rate shift %d: PSNR %.1f dB, level %+.2f dB\n", path.c_str(), shift, c.psnrDb, c.levelDb);
            EXPECT_GE(c.psnrDb, 40.0);
            EXPECT_LT(std::abs(c.levelDb), 0.5);
        }

        const struct {
            int32_t selection;
            std::vector<int16_t> expected;
            double tolerance;
        } selections[] = {
            {kMpaChannelsLeft, left, 85.0},
            {kMpaChannelsRight, right, 85.0},
            {kMpaChannelsMix, Mix(full), 80.0},
        };
        for (const auto& s : selections) {
            const DecodedStream one = DecodeStream(stream, {0, s.selection, 24000});
            EXPECT_EQ(one.format.outChannels, 1);
            const Comparison c = ComparePcm(AsSamples16(one.pcm), s.expected, 1, frame, 1.0);
            std::printf("%s selection %d: PSNR %.1f dB\n", path.c_str(), s.selection, c.psnrDb);
            EXPECT_GE(c.psnrDb, s.tolerance);
        }

        const DecodedStream eight = DecodeStream(stream, {0, kMpaOutput8Bit, 24000});
        ASSERT_EQ(eight.pcm.size() * 2, full.size() * 2);
        std::vector<int16_t> widened;
        for (uint8_t byte : eight.pcm)
            widened.push_back(int16_t((int(byte) - 128) * 256));
        std::vector<int16_t> truncated;
        for (int16_t s : full)
            truncated.push_back(int16_t((s >> 8) * 256));
        EXPECT_EQ(widened, truncated);
    }
}
