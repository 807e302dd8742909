// One frame at a time: header and VBR-header refusals and arithmetic, the
// decoder core's refusals, and the bit reader at its boundaries.

#include "bit_reader.h"
#include "decoder_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

std::vector<uint8_t> FrameBytes(std::initializer_list<uint8_t> header, size_t size = 2000)
{
    std::vector<uint8_t> bytes(size, 0);
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

} // namespace

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
        {FrameBytes({0xFF, 0xFB, 0xF0, 0x64}), kMpaErrorBadHeader}, // bitrate index 15
        {FrameBytes({0xFF, 0xFB, 0x9C, 0x64}), kMpaErrorBadHeader}, // sample-rate index 3
        {FrameBytes({0xFF, 0xF9, 0x90, 0x64}), kMpaErrorBadHeader}, // layer code 0
        {FrameBytes({0xFF, 0xFB, 0x90}, 3), kMpaErrorTooLittleData},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MpaGetStreamInfo(c.bytes.data(), int32_t(c.bytes.size()), &info, 0), 0);
        EXPECT_EQ(MpaGetLastError(), c.error);
    }
}

TEST(FrameHeader, VbrHeadersGiveCountsAndFrameLengthRange)
{
    MpaInit();
    MpaFrameInfo i{};
    // Xing after the 32 bytes of MPEG-1 stereo side information.
    std::vector<uint8_t> xing = FrameBytes({0xFF, 0xFB, 0x92, 0x64}), vbri = FrameBytes({0xFF, 0xFB, 0x90, 0x64});
    std::memcpy(&xing[36], "Xing\0\0\0\3\0\0\1\0\0\x10\0\0", 16);
    ASSERT_EQ(MpaGetStreamInfo(xing.data(), int32_t(xing.size()), &i, 1), 1);
    EXPECT_EQ(std::tuple(i.vbrFrames, i.vbrBytes, i.bitrate, i.headerFrameSize, MpaFrameLength(&i)),
              std::tuple(256, 0x100000, 0, 418, 418)); // its own 128 kbit/s, padded
    ASSERT_EQ(MpaGetStreamInfo(xing.data(), 40, &i, 1), 1);
    EXPECT_EQ(i.vbrFrames, 0); // cut off by the end of the data: not read past it
    // VBRI: 32 bytes after the header, counts at +10 and +14.
    std::memcpy(&vbri[36], "VBRI\0\1\0\0\0\0\0\0\x20\0\0\0\0\x30", 18);
    ASSERT_EQ(MpaGetStreamInfo(vbri.data(), int32_t(vbri.size()), &i, 1), 1);
    EXPECT_EQ(std::tuple(i.vbrBytes, i.vbrFrames), std::tuple(0x2000, 0x30));
}

// On a stream started with a silent MPEG-1 Layer III frame (128 kbit/s,
// 44100 Hz, joint stereo, padded: 418 bytes), into 4608 bytes of 0x55.
TEST(DecoderCore, RefusesFramesItCannotDecodeWritingNothingAndDecodesSilenceAsZeros)
{
    const struct {
        const char* what;
        std::initializer_list<uint8_t> header;
        int32_t length, outputSize;
        int mainDataBegin; // the side information's first nine bits
        void (*select)();
        int32_t error;
    } cases[] = {
        {"four bytes", {0xFF, 0xFB, 0x92, 0x64}, 4, 4608, 0, nullptr, kMpaErrorTooLittleData},
        {"one byte short", {0xFF, 0xFB, 0x92, 0x64}, 417, 4608, 0, nullptr, kMpaErrorTooLittleData},
        {"output one byte short", {0xFF, 0xFB, 0x92, 0x64}, 418, 4607, 0, nullptr, kMpaErrorTooLittleData},
        {"Layer II", {0xFF, 0xFD, 0x90, 0x64}, 418, 4608, 0, nullptr, kMpaErrorBadHeader},
        {"MPEG-2", {0xFF, 0xF3, 0x90, 0x64}, 418, 4608, 0, nullptr, kMpaErrorBadHeader},
        {"48000 Hz", {0xFF, 0xFB, 0x94, 0x64}, 418, 4608, 0, nullptr, kMpaErrorBadHeader},
        {"single channel", {0xFF, 0xFB, 0x90, 0xC4}, 418, 4608, 0, nullptr, kMpaErrorBadHeader},
        {"main data before the first frame", {0xFF, 0xFB, 0x92, 0x64}, 418, 4608, 100, nullptr, kMpaErrorTooLittleData},
        {"no layer decoder selected", {0xFF, 0xFB, 0x92, 0x64}, 418, 4608, 0, MpaSelectNoLayer, kMpaErrorBadHeader},
        {"no stream started", {0xFF, 0xFB, 0x92, 0x64}, 418, 4608, 0,
         [] { MpaStartStream(FrameBytes({0, 0, 0, 0}).data(), 10); }, kMpaErrorBadHeader},
        {"silence", {0xFF, 0xFB, 0x92, 0x64}, 418, 4608, 0, nullptr, 0},
    };
    const std::vector<uint8_t> first = FrameBytes({0xFF, 0xFB, 0x92, 0x64}, 418);
    for (const auto& c : cases) {
        MpaInit();
        MpaStartStream(first.data(), int32_t(first.size()));
        if (c.select)
            c.select();
        std::vector<uint8_t> frame = FrameBytes(c.header, 418), output(4608, 0x55);
        frame[4] = uint8_t(c.mainDataBegin >> 1);
        frame[5] = uint8_t(c.mainDataBegin << 7);
        MpaFrameJob job = FrameJob(frame.data(), c.length, output.data(), c.outputSize);
        EXPECT_EQ(MpaDecodeFrame(&job), c.error ? 0 : 1) << c.what;
        if (c.error) {
            EXPECT_EQ(MpaGetLastError(), c.error) << c.what;
            EXPECT_EQ(output, std::vector<uint8_t>(4608, 0x55)) << c.what;
        } else {
            EXPECT_EQ(std::tuple(job.length, job.outputSize), std::tuple(418, 4608));
            EXPECT_EQ(output, std::vector<uint8_t>(4608, 0));
        }
    }
}

TEST(BitReader, SkipsAnyNumberOfBitsIncludingAWholeFullCacheAndPastTheEnd)
{
    std::vector<uint8_t> bytes(20);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(i * 37 ^ 0x5A);
    // Bit `at` of the buffer, most significant first; zeros past its end.
    const auto bitAt = [&](int64_t at) { return at < 160 ? (bytes[size_t(at / 8)] >> (7 - at % 8)) & 1 : 0; };
    for (const int64_t skip : {0, 1, 7, 8, 56, 57, 63, 64, 65, 100, 152, 160, 200}) {
        BitReader reader;
        reader.Start(bytes.data(), bytes.data() + bytes.size());
        reader.Refill(); // a full cache: 64 bits held
        reader.Skip(skip);
        uint32_t expected = 0;
        for (int64_t bit = skip; bit < skip + 12; ++bit)
            expected = expected << 1 | uint32_t(bitAt(bit));
        EXPECT_EQ(reader.Get(12), expected) << "after skipping " << skip;
        EXPECT_EQ(reader.BitsRead(), skip + 12) << skip;
    }
}
