// One frame at a time: header and VBR-header arithmetic, the decoder core's
// checks and refusals, the subband limit and the equaliser's bands.

#include "decoder_state.h"
#include "decoder_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

std::vector<uint8_t> FrameBytes(std::initializer_list<uint8_t> header, size_t size = 2000)
{
    std::vector<uint8_t> bytes(size, 0);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

MpaFrameInfo Info(const std::vector<uint8_t>& bytes, int32_t length = -1)
{
    MpaFrameInfo info{};
    EXPECT_EQ(MpaGetStreamInfo(bytes.data(), length < 0 ? int32_t(bytes.size()) : length, &info, 1), 1);
    return info;
}

// A silent MPEG-1 Layer III frame, 128 kbit/s, 44100 Hz, joint stereo; the
// decoder is started on it and a job points at it and at 0x55 bytes.
struct Started {
    std::vector<uint8_t> frame = FrameBytes({0xFF, 0xFB, 0x90, 0x64}, 418);
    std::vector<uint8_t> output = std::vector<uint8_t>(4608, 0x55);
    MpaFrameJob job{};

    Started()
    {
        MpaInit();
        MpaStartStream(frame.data(), int32_t(frame.size()));
        job.frame = frame.data();
        job.length = int32_t(frame.size());
        job.output = output.data();
        job.outputSize = int32_t(output.size());
    }
};

} // namespace

TEST(FrameHeader, LengthsAndOutputSizes)
{
    constexpr MpaOptions full{0, 0, 24000}, reduced{2, kMpaChannelsMix | kMpaOutput8Bit, 24000};
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        MpaOptions options;
        int32_t version, frameSize, frameSizePadded, outBytes, outRate, outChannels;
    } cases[] = {
        {"MPEG-1 Layer III", FrameBytes({0xFF, 0xFB, 0x90, 0x64}), full, 1, 417, 418, 4608, 44100, 2},
        {"MPEG-2 Layer III mono", FrameBytes({0xFF, 0xF3, 0x80, 0xC0}), full, 2, 208, 209, 1152, 22050, 1},
        {"Layer I, four-byte slots", FrameBytes({0xFF, 0xFF, 0xE0, 0x00}), full, 1, 484, 488, 1536, 44100, 2},
        {"MPEG-2.5 at 8000 Hz", FrameBytes({0xFF, 0xE2, 0x18, 0xC0}), full, 3, 72, 73, 1152, 8000, 1},
        {"26 bytes, all it has", FrameBytes({0xFF, 0xF3, 0x10, 0xC0}, 26), full, 2, 26, 27, 1152, 22050, 1},
        {"quarter rate, mixed, 8-bit", FrameBytes({0xFF, 0xFB, 0x90, 0x64}), reduced, 1, 417, 418, 288, 11025, 1},
    };
    for (const auto& c : cases) {
        MpaInit();
        MpaSetOptions(&c.options);
        const MpaFrameInfo info = Info(c.bytes);
        EXPECT_EQ(info.version, c.version) << c.what;
        EXPECT_EQ(info.frameSize, c.frameSize) << c.what;
        EXPECT_EQ(info.frameSizePadded, c.frameSizePadded) << c.what;
        EXPECT_EQ(info.outBytesPerFrame, c.outBytes) << c.what;
        EXPECT_EQ(info.outRate, c.outRate) << c.what;
        EXPECT_EQ(info.outChannels, c.outChannels) << c.what;
    }
}

TEST(FrameHeader, ForbiddenValuesAndMissingSyncAreRefusedWithTheirCodes)
{
    MpaInit();
    MpaFrameInfo info{};
    const struct {
        std::vector<uint8_t> bytes;
        int32_t error;
    } cases[] = {
        {FrameBytes({0xFE, 0xFB, 0x90, 0x64}), kMpaErrorNoSync},    // byte 0 not all ones
        {FrameBytes({0xFF, 0xCB, 0x90, 0x64}), kMpaErrorNoSync},    // neither 1111 nor 1110
        {FrameBytes({0xFF, 0xFB, 0x00, 0x64}), kMpaErrorBadHeader}, // free format
        {FrameBytes({0xFF, 0xFB, 0xF0, 0x64}), kMpaErrorBadHeader}, // bitrate index 15
        {FrameBytes({0xFF, 0xFB, 0x9C, 0x64}), kMpaErrorBadHeader}, // sample-rate index 3
        {FrameBytes({0xFF, 0xF9, 0x90, 0x64}), kMpaErrorBadHeader}, // layer code 0
        {FrameBytes({0xFF, 0xFB, 0x90}, 3), kMpaErrorTooLittleData},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MpaGetStreamInfo(c.bytes.data(), int32_t(c.bytes.size()), &info, 0), 0);
        EXPECT_EQ(MpaGetLastError(), c.error);
    }
    // A later success does not clear the code.
    EXPECT_EQ(MpaGetStreamInfo(FrameBytes({0xFF, 0xFB, 0x90, 0x64}).data(), 4, &info, 0), 1);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorTooLittleData);

    const std::vector<uint8_t> bytes = {0x00, 0xFF, 0x12, 0xFF, 0xE3, 0x00, 0x00}, none = {0xFF, 0x00, 0xFF, 0xFF};
    int32_t offset = -1;
    EXPECT_EQ(MpaFindSync(bytes.data(), int32_t(bytes.size()), &offset), 1);
    EXPECT_EQ(offset, 3);
    EXPECT_EQ(MpaFindSync(none.data(), int32_t(none.size()), &offset), 0);
    EXPECT_EQ(offset, 0);
}

TEST(FrameHeader, VbrHeadersGiveCountsAndFrameLengthRange)
{
    MpaInit();
    // Xing after the 32 bytes of MPEG-1 stereo side information.
    std::vector<uint8_t> frame = FrameBytes({0xFF, 0xFB, 0x92, 0x64});
    const uint8_t xing[] = {'X', 'i', 'n', 'g', 0, 0, 0, 3, 0, 0, 0x01, 0x00, 0, 0x10, 0, 0};
    std::memcpy(frame.data() + 36, xing, sizeof xing);
    MpaFrameInfo info = Info(frame);
    EXPECT_EQ(info.vbrFrames, 256);
    EXPECT_EQ(info.vbrBytes, 0x100000);
    EXPECT_EQ(info.bitrate, 0);
    EXPECT_EQ(info.headerFrameSize, 418); // its own 128 kbit/s, padded
    EXPECT_EQ(MpaFrameLength(&info), 418);
    EXPECT_EQ(info.frameSize, 32000 * 144 / 44100);
    EXPECT_EQ(info.frameSizePadded, 320000 * 144 / 44100 + 1);
    EXPECT_EQ(Info(frame, 40).vbrFrames, 0); // cut off by the end of the data: not read past it
    frame[36 + 7] = 0x0C;                    // neither count flag: refused
    EXPECT_EQ(MpaGetStreamInfo(frame.data(), int32_t(frame.size()), &info, 0), 0);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorBadHeader);

    // VBRI: 32 bytes after the header, counts at +10 and +14.
    std::vector<uint8_t> vbri = FrameBytes({0xFF, 0xFB, 0x90, 0x64});
    const uint8_t tag[] = {'V', 'B', 'R', 'I', 0, 1, 0, 0, 0, 0, 0, 0, 0x20, 0, 0, 0, 0, 0x30};
    std::memcpy(vbri.data() + 36, tag, sizeof tag);
    info = Info(vbri);
    EXPECT_EQ(info.vbrBytes, 0x2000);
    EXPECT_EQ(info.vbrFrames, 0x30);
}

TEST(DecoderCore, DecodesOnlyWhatTheJobHasRoomForAndSilenceAsZeros)
{
    Started s;
    MpaFrameJob job = s.job;
    job.length = 4;
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorTooLittleData);
    job = s.job;
    job.outputSize = 4607;
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
    EXPECT_EQ(s.output, std::vector<uint8_t>(4608, 0x55));

    s.frame[2] = 0x92; // a padded frame needs its extra byte
    job = s.job;
    job.length = 417;
    EXPECT_EQ(MpaDecodeFrame(&job), 0);
    job.length = 418;
    EXPECT_EQ(MpaDecodeFrame(&job), 1);
    EXPECT_EQ(job.length, 418);
    EXPECT_EQ(job.outputSize, 4608);
    EXPECT_EQ(s.output, std::vector<uint8_t>(4608, 0));
}

TEST(DecoderCore, FramesItCannotDecodeAreRefusedAndWriteNothing)
{
    const struct {
        const char* what;
        std::initializer_list<uint8_t> header;
        int mainDataBegin; // of the side information's first nine bits
        void (*select)();
        int32_t error;
    } cases[] = {
        {"Layer II", {0xFF, 0xFD, 0x90, 0x64}, 0, nullptr, kMpaErrorBadHeader},
        {"MPEG-2", {0xFF, 0xF3, 0x90, 0x64}, 0, nullptr, kMpaErrorBadHeader},
        {"48000 Hz", {0xFF, 0xFB, 0x94, 0x64}, 0, nullptr, kMpaErrorBadHeader},
        {"single channel", {0xFF, 0xFB, 0x90, 0xC4}, 0, nullptr, kMpaErrorBadHeader},
        {"main data before the first frame", {0xFF, 0xFB, 0x90, 0x64}, 100, nullptr, kMpaErrorTooLittleData},
        {"no layer decoder selected", {0xFF, 0xFB, 0x90, 0x64}, 0, MpaSelectNoLayer, kMpaErrorBadHeader},
        {"no stream started", {0xFF, 0xFB, 0x90, 0x64}, 0,
         [] { MpaStartStream(FrameBytes({0, 0, 0, 0}).data(), 10); }, kMpaErrorBadHeader},
    };
    for (const auto& c : cases) {
        Started s;
        std::vector<uint8_t> frame = FrameBytes(c.header, 418);
        frame[4] = uint8_t(c.mainDataBegin >> 1);
        frame[5] = uint8_t(c.mainDataBegin << 7);
        if (c.select)
            c.select();
        MpaFrameJob job = s.job;
        job.frame = frame.data();
        EXPECT_EQ(MpaDecodeFrame(&job), 0) << c.what;
        EXPECT_EQ(MpaGetLastError(), c.error) << c.what;
        EXPECT_EQ(s.output, std::vector<uint8_t>(4608, 0x55)) << c.what;
    }
}

TEST(DecoderCore, SubbandLimitFollowsBandwidthRateAndHearing)
{
    const struct {
        int32_t streamRate, rateShift, bandwidth, coded, expected;
    } cases[] = {
        {44100, 0, 24000, 32, 31}, // 35, below the top subband (21.36 kHz)
        {48000, 0, 24000, 32, 31}, // top subband from 23.25 kHz
        {32000, 0, 24000, 32, 32}, // 15.5 kHz: heard, so kept
        {8000, 0, 24000, 32, 32},  // 3.875 kHz
        {44100, 1, 24000, 32, 15}, // half rate leaves its own top subband out
        {8000, 2, 24000, 32, 8},   // quarter rate keeps its eight
        {44100, 0, 5000, 32, 7},   // 7.26 rounds to 7
        {44100, 0, 24000, 27, 27}, // no more than the layer codes
        {44100, 0, 0, 32, 0},
    };
    for (const auto& c : cases) {
        MpaInit();
        core.streamRate = c.streamRate;
        const MpaOptions options{c.rateShift, 0, c.bandwidth};
        MpaSetOptions(&options);
        EXPECT_EQ(SubbandLimitFor(c.coded), c.expected) << c.streamRate << " Hz, shift " << c.rateShift;
    }
}

TEST(DecoderCore, EqualiserGainsCoverTheirSubbands)
{
    MpaInit();
    const int32_t gains[10] = {0, 10, 20, 30, 40, 50, 60, 70, 80, -200};
    MpaSetEqualizer(gains);
    const double expectedDb[32] = {0, 1, 2, 3, 4, 5, 6, 6, 7, 7, 7, 7, 8, 8, 8, 8,
                                   8, 8, 8, 8, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20, -20};
    for (int sb = 0; sb < 32; ++sb)
        EXPECT_NEAR(core.equaliserGain[sb], std::pow(10.0, expectedDb[sb] / 20), 1e-4) << sb;
    MpaSetEqualizer(nullptr);
    EXPECT_FALSE(core.equaliserOn);
}
