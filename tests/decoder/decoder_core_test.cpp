// The decoder core: the per-frame checks, the subband limit, options and
// the equaliser, and that a frame of a stream the decoder was not started
// on is refused rather than decoded with the wrong tables.

#include "decoder_state.h"
#include "mpadecoder.h"
#include "stream_decode.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A silent MPEG-1 Layer III frame (all side information zero).
std::vector<uint8_t> SilentFrame(uint8_t byte2 = 0x90, uint8_t byte3 = 0x64, size_t size = 418)
{
    std::vector<uint8_t> frame(size, 0);
    frame[0] = 0xFF;
    frame[1] = 0xFB;
    frame[2] = byte2;
    frame[3] = byte3;
    return frame;
}

struct Started {
    std::vector<uint8_t> frame;
    std::vector<uint8_t> output;
    MpaFrameJob job{};

    explicit Started(std::vector<uint8_t> bytes) : frame(std::move(bytes))
    {
        MpaInit();
        MpaFrameInfo info{};
        EXPECT_EQ(MpaGetStreamInfo(frame.data(), int32_t(frame.size()), &info, 1), 1);
        MpaStartStream(frame.data(), int32_t(frame.size()));
        output.assign(size_t(info.outBytesPerFrame), 0x55);
        job.frame = frame.data();
        job.length = int32_t(frame.size());
        job.output = output.data();
        job.outputSize = int32_t(output.size());
    }
};

} // namespace

TEST(DecoderCore, FrameChecksComeBeforeAnyOutput)
{
    Started s(SilentFrame());
    MpaFrameJob job = s.job;
    job.length = 4;
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorTooLittleData);

    // A padded frame needs its extra byte.
    job = s.job;
    s.frame[2] = 0x92;
    job.length = 417;
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
    job.length = 418;
    EXPECT_EQ(MpaDecodeFrame(&job), 1);
    EXPECT_EQ(job.length, 418);
    EXPECT_EQ(job.outputSize, 4608);

    // Too little room for the frame's PCM: refused, nothing written.
    std::vector<uint8_t> small(100, 0x55);
    job = s.job;
    job.output = small.data();
    job.outputSize = int32_t(small.size());
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorTooLittleData);
    EXPECT_EQ(small, std::vector<uint8_t>(100, 0x55));
}

TEST(DecoderCore, FramesOfAnotherStreamAreRefused)
{
    Started s(SilentFrame());
    const struct {
        uint8_t byte1, byte2, byte3;
    } others[] = {
        {0xFD, 0x90, 0x64}, // Layer II
        {0xF3, 0x90, 0x64}, // MPEG-2
        {0xFB, 0x94, 0x64}, // 48000 Hz
        {0xFB, 0x90, 0xC4}, // single channel
    };
    for (const auto& other : others) {
        std::vector<uint8_t> frame = s.frame;
        frame[1] = other.byte1;
        frame[2] = other.byte2;
        frame[3] = other.byte3;
        MpaFrameJob job = s.job;
        job.frame = frame.data();
        EXPECT_EQ(MpaDecodeFrame(&job), 0);
        EXPECT_EQ(MpaGetLastError(), kMpaErrorBadHeader);
    }
    // Without a started stream nothing is decoded.
    MpaInit();
    const std::vector<uint8_t> junk(10, 0);
    MpaStartStream(junk.data(), int32_t(junk.size()));
    MpaFrameJob job = s.job;
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
}

TEST(DecoderCore, SilenceDecodesToZeroOrMidScale)
{
    Started s(SilentFrame());
    MpaFrameJob job = s.job;
    ASSERT_EQ(MpaDecodeFrame(&job), 1);
    EXPECT_EQ(s.output, std::vector<uint8_t>(4608, 0));

    std::vector<uint8_t> stream;
    for (int i = 0; i < 4; ++i) {
        const std::vector<uint8_t> frame = SilentFrame();
        stream.insert(stream.end(), frame.begin(), frame.end() - 1);
    }
    const DecodedStream eightBit = DecodeStream(stream, {0, kMpaOutput8Bit, 24000});
    EXPECT_EQ(eightBit.framesDecoded, 4);
    EXPECT_EQ(eightBit.pcm, std::vector<uint8_t>(4 * 2304, 0x80));
}

TEST(DecoderCore, SubbandLimitFollowsBandwidthAndRate)
{
    MpaInit();
    core.streamRate = 44100;
    const struct {
        int32_t rateShift, bandwidth, coded, expected;
    } cases[] = {
        {0, 24000, 32, 31}, // 35 capped below the top subband
        {1, 24000, 32, 15},
        {2, 24000, 32, 8},
        {0, 5000, 32, 7},   // 7.26 rounds to 7
        {0, 24000, 27, 27}, // no more than the layer codes
        {0, 0, 32, 0},
    };
    for (const auto& c : cases) {
        const MpaOptions options{c.rateShift, 0, c.bandwidth};
        MpaSetOptions(&options);
        EXPECT_EQ(SubbandLimitFor(c.coded), c.expected) << c.rateShift << " " << c.bandwidth;
    }
}

TEST(DecoderCore, TopSubbandIsSkippedAtFullRateOnlyAboveHearing)
{
    MpaInit();
    const struct {
        int32_t streamRate, rateShift, expected;
    } cases[] = {
        {48000, 0, 31}, // the top subband starts at 23.25 kHz
        {44100, 0, 31}, // 21.36 kHz
        {32000, 0, 32}, // 15.5 kHz: heard, so kept
        {22050, 0, 32},
        {8000, 0, 32},  // 3.875 kHz
        {8000, 1, 15},  // half rate leaves its own top subband out
        {8000, 2, 8},   // quarter rate keeps its eight
    };
    for (const auto& c : cases) {
        core.streamRate = c.streamRate;
        const MpaOptions options{c.rateShift, 0, 24000};
        MpaSetOptions(&options);
        EXPECT_EQ(SubbandLimitFor(32), c.expected) << c.streamRate << " Hz, rate shift " << c.rateShift;
    }
}

TEST(DecoderCore, OptionsAreClampedAndEqualiserBandsCoverAllSubbands)
{
    MpaInit();
    const MpaOptions wild{9, 0x7FF, -5};
    EXPECT_EQ(MpaSetOptions(&wild), 1);
    MpaOptions read{};
    MpaGetOptions(&read);
    EXPECT_EQ(read.rateShift, 2);
    EXPECT_EQ(read.outputFlags, kMpaChannelMask | kMpaOutput8Bit);
    EXPECT_EQ(read.bandwidthHz, 0);
    MpaInit();
    MpaGetOptions(&read);
    EXPECT_EQ(read.rateShift, 0);
    EXPECT_EQ(read.outputFlags, 0);
    EXPECT_EQ(read.bandwidthHz, 24000);

    const int32_t gains[10] = {0, 10, 20, 30, 40, 50, 60, 70, 80, -200};
    MpaSetEqualizer(gains);
    EXPECT_TRUE(core.equaliserOn);
    EXPECT_FLOAT_EQ(core.equaliserGain[0], 1.0f);
    EXPECT_NEAR(core.equaliserGain[5], 1.7783f, 1e-3);  // 5 dB
    EXPECT_NEAR(core.equaliserGain[7], 1.9953f, 1e-3);  // 6 dB over 6..7
    EXPECT_NEAR(core.equaliserGain[11], 2.2387f, 1e-3); // 7 dB over 8..11
    EXPECT_NEAR(core.equaliserGain[19], 2.5119f, 1e-3); // 8 dB over 12..19
    EXPECT_NEAR(core.equaliserGain[31], 0.1f, 1e-4);     // -20 dB over 20..31
    MpaSetEqualizer(nullptr);
    EXPECT_FALSE(core.equaliserOn);
}
