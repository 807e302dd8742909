// Frame headers, VBR headers and stream information.

#include "mpadecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<uint8_t> FrameBytes(std::initializer_list<uint8_t> header, size_t size = 2000)
{
    std::vector<uint8_t> bytes(size, 0);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

MpaFrameInfo Info(const std::vector<uint8_t>& bytes)
{
    MpaFrameInfo info{};
    EXPECT_EQ(MpaGetStreamInfo(bytes.data(), int32_t(bytes.size()), &info, 1), 1);
    return info;
}

} // namespace

TEST(FrameHeader, StandardFrameLengthsAndOutputSizes)
{
    MpaInit();
    // MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo.
    MpaFrameInfo info = Info(FrameBytes({0xFF, 0xFB, 0x90, 0x64}));
    EXPECT_EQ(info.version, 1);
    EXPECT_EQ(info.layer, 3);
    EXPECT_EQ(info.mode, 1);
    EXPECT_EQ(info.modeExtension, 2);
    EXPECT_EQ(info.frameSize, 417);
    EXPECT_EQ(info.frameSizePadded, 418);
    EXPECT_EQ(info.outBytesPerFrame, 4608);
    EXPECT_EQ(info.outChannels, 2);
    EXPECT_EQ(info.outRate, 44100);
    EXPECT_EQ(info.bitrate, 128000);

    // MPEG-2 Layer III, 64 kbit/s, 22050 Hz, single channel: 576 samples.
    info = Info(FrameBytes({0xFF, 0xF3, 0x80, 0xC0}));
    EXPECT_EQ(info.version, 2);
    EXPECT_EQ(info.frameSize, 208);
    EXPECT_EQ(info.outBytesPerFrame, 1152);
    EXPECT_EQ(info.outChannels, 1);

    // Layer I, 448 kbit/s, 44100 Hz: slots of four bytes.
    info = Info(FrameBytes({0xFF, 0xFF, 0xE0, 0x00}));
    EXPECT_EQ(info.layer, 1);
    EXPECT_EQ(info.frameSize, 484);
    EXPECT_EQ(info.frameSizePadded, 488);
    EXPECT_EQ(info.outBytesPerFrame, 384 * 2 * 2);

    // MPEG-2.5 (top bits 1110) at 8000 Hz, Layer III.
    info = Info(FrameBytes({0xFF, 0xE2, 0x18, 0xC0}));
    EXPECT_EQ(info.version, 3);
    EXPECT_EQ(info.outRate, 8000);
    EXPECT_EQ(info.frameSize, 8000 * 144 / 8000 / 2);
}

TEST(FrameHeader, ForbiddenValuesAndShortDataAreRefusedWithTheirCodes)
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
    const std::vector<uint8_t> good = FrameBytes({0xFF, 0xFB, 0x90, 0x64});
    EXPECT_EQ(MpaGetStreamInfo(good.data(), int32_t(good.size()), &info, 0), 1);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorTooLittleData);
}

TEST(FrameHeader, ShortFramesAreReadAgainstTheirOwnLength)
{
    // An 8 kbit/s MPEG-2 frame is 26 bytes long: its stream information needs
    // only its own bytes, not a fixed minimum.
    MpaInit();
    const std::vector<uint8_t> frame = FrameBytes({0xFF, 0xF3, 0x10, 0xC0}, 26);
    MpaFrameInfo info{};
    ASSERT_EQ(MpaGetStreamInfo(frame.data(), 26, &info, 1), 1);
    EXPECT_EQ(info.frameSize, 8000 * 144 / 22050 / 2);
}

TEST(FrameHeader, VbrHeadersGiveCountsAndFrameLengthRange)
{
    MpaInit();
    // Xing sits after the 32 bytes of MPEG-1 stereo side information.
    std::vector<uint8_t> frame = FrameBytes({0xFF, 0xFB, 0x92, 0x64});
    const uint8_t xing[] = {'X', 'i', 'n', 'g', 0, 0, 0, 3, 0, 0, 0x01, 0x00, 0, 0x10, 0, 0};
    std::memcpy(frame.data() + 36, xing, sizeof xing);
    MpaFrameInfo info = Info(frame);
    EXPECT_EQ(info.vbrFrames, 256);
    EXPECT_EQ(info.vbrBytes, 0x100000);
    EXPECT_EQ(info.bitrate, 0);
    EXPECT_EQ(info.headerFrameSize, 418);               // 128 kbit/s with padding
    EXPECT_EQ(info.frameSize, 32000 * 144 / 44100);     // slowest
    EXPECT_EQ(info.frameSizePadded, 320000 * 144 / 44100 + 1);

    // Only the byte count flag: both values are read all the same.
    frame[36 + 7] = 0x02;
    EXPECT_EQ(Info(frame).vbrFrames, 256);
    // Neither count flag: refused.
    frame[36 + 7] = 0x0C;
    MpaFrameInfo refused{};
    EXPECT_EQ(MpaGetStreamInfo(frame.data(), int32_t(frame.size()), &refused, 0), 0);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorBadHeader);

    // A "Xing" cut off by the end of the data is not read past it.
    frame[36 + 7] = 0x03;
    EXPECT_EQ(MpaGetStreamInfo(frame.data(), 40, &info, 0), 1);
    EXPECT_EQ(info.vbrFrames, 0);

    // VBRI: 32 bytes after the header, counts at +10 and +14.
    std::vector<uint8_t> vbri = FrameBytes({0xFF, 0xFB, 0x90, 0x64});
    const uint8_t tag[] = {'V', 'B', 'R', 'I', 0, 1, 0, 0, 0, 0, 0, 0, 0x20, 0, 0, 0, 0, 0x30};
    std::memcpy(vbri.data() + 36, tag, sizeof tag);
    info = Info(vbri);
    EXPECT_EQ(info.vbrBytes, 0x2000);
    EXPECT_EQ(info.vbrFrames, 0x30);
}

TEST(FrameHeader, FindSyncStopsAtTheFirstPatternAndReportsNone)
{
    MpaInit();
    const std::vector<uint8_t> bytes = {0x00, 0xFF, 0x12, 0xFF, 0xE3, 0x00, 0x00};
    int32_t offset = -1;
    EXPECT_EQ(MpaFindSync(bytes.data(), int32_t(bytes.size()), &offset), 1);
    EXPECT_EQ(offset, 3);
    const std::vector<uint8_t> none = {0xFF, 0x00, 0xFF, 0xFF};
    EXPECT_EQ(MpaFindSync(none.data(), int32_t(none.size()), &offset), 0);
    EXPECT_EQ(offset, 0);
    EXPECT_EQ(MpaGetLastError(), kMpaErrorTooLittleData);
}

TEST(FrameHeader, ReducedOutputOptionsShrinkTheFrame)
{
    MpaInit();
    const MpaOptions options{2, kMpaChannelsMix | kMpaOutput8Bit, 24000};
    MpaSetOptions(&options);
    const MpaFrameInfo info = Info(FrameBytes({0xFF, 0xFB, 0x90, 0x64}));
    EXPECT_EQ(info.outRate, 11025);
    EXPECT_EQ(info.outChannels, 1);
    EXPECT_EQ(info.outBits, 8);
    EXPECT_EQ(info.outBytesPerFrame, 1152 / 4);
}
