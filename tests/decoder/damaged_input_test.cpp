// Damaged, truncated, hostile and random streams through the library: it
// decodes what it can and never reads out of bounds (the fuzz build runs the
// same paths under the sanitizers).

#include "decoder_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

const MpaOptions kAllOptions[] = {
    {0, kMpaChannelsBoth, 24000}, {1, kMpaChannelsMix | kMpaOutput8Bit, 24000},
    {2, kMpaChannelsRight, 24000}, {0, kMpaChannelsLeft | kMpaOutput8Bit, 8000},
};

} // namespace

TEST(DamagedInput, FlippedAndCutStreamsDecodeWhatTheyCan)
{
    std::mt19937 random(1234);
    for (const char* name : {"l3-hecommon", "M2L3_noise", "l2-fl14", "l1-fl8", "l3-si_block"}) {
        const std::string path = kVectorDir + name + ".bit";
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << "no conformance streams in " << kVectorDir;
        const std::vector<uint8_t> clean = ReadFile(path);
        const int cleanFrames = DecodeStream(clean).framesDecoded;
        for (int round = 0; round < 6; ++round) {
            std::vector<uint8_t> damaged = clean;
            for (int flip = 0; flip < 40; ++flip)
                damaged[random() % damaged.size()] ^= uint8_t(1u << (random() % 8));
            damaged.resize(damaged.size() - random() % 1000);
            for (const MpaOptions& options : kAllOptions)
                EXPECT_GT(DecodeStream(damaged, options).framesDecoded, cleanFrames / 2) << name << " round " << round;
        }
    }
}

TEST(DamagedInput, LyingSideInformationStaysInBounds)
{
    // Headers whose side information and data are all ones (every length,
    // count and table field at its largest), alternating with 0xA5 frames.
    const struct {
        uint8_t byte1, byte2, byte3;
        int length;
    } headers[] = {
        {0xFB, 0xE0, 0x44, 1045}, // MPEG-1 Layer III, 320 kbit/s, joint stereo, both tools
        {0xFB, 0x10, 0xC0, 104},  // MPEG-1 Layer III, 32 kbit/s, mono
        {0xF3, 0xE0, 0x74, 522},  // MPEG-2 Layer III, joint stereo with intensity
        {0xE3, 0x80, 0x34, 500},  // MPEG-2.5 Layer III, 11025 Hz
        {0xFD, 0xE0, 0x40, 1044}, // Layer II, 384 kbit/s, joint stereo
        {0xFF, 0xE0, 0x70, 484},  // Layer I, 448 kbit/s, joint stereo, bound 16
    };
    for (const auto& h : headers) {
        std::vector<uint8_t> stream;
        for (int f = 0; f < 12; ++f) {
            const size_t at = stream.size();
            stream.resize(at + size_t(h.length), f % 2 ? 0xFF : 0xA5);
            const uint8_t header[4] = {0xFF, h.byte1, h.byte2, h.byte3};
            std::copy_n(header, 4, stream.begin() + at);
        }
        for (const MpaOptions& options : kAllOptions) {
            const DecodedStream decoded = DecodeStream(stream, options);
            EXPECT_TRUE(decoded.started);
            EXPECT_EQ(decoded.pcm.size(), size_t(decoded.framesDecoded) * size_t(decoded.format.outBytesPerFrame));
        }
    }
}

TEST(DamagedInput, RandomBytesWithPlantedHeadersNeverCrash)
{
    std::mt19937 random(99);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> bytes(size_t(random() % 5000));
        for (uint8_t& b : bytes)
            b = uint8_t(random());
        // Headers now and then, so the layer decoders see garbage too.
        for (size_t at = 0; at + 4 < bytes.size(); at += 300 + random() % 400) {
            bytes[at] = 0xFF;
            bytes[at + 1] = uint8_t(0xE2 | (random() & 0x1F));
        }
        const DecodedStream decoded = DecodeStream(bytes, kAllOptions[round % 4]);
        EXPECT_EQ(decoded.pcm.size(), size_t(decoded.framesDecoded) * size_t(decoded.format.outBytesPerFrame));
    }
}
