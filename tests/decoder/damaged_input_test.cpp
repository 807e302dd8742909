// Damaged, hostile and random streams: the decoder decodes what it can, in
// whole frames (the fuzz build runs the same paths under the sanitizers).

#include "decoder_support.h"

#include <gtest/gtest.h>

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
        const std::vector<uint8_t> clean = VectorStream(name);
        SKIP_WITHOUT(clean);
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

// Frames all ones after the header (every field at its largest) between 0xA5
// frames, and random bytes with headers planted now and then.
TEST(DamagedInput, HostileStreamsStayInBoundsAndGiveWholeFrames)
{
    MpaInit();
    std::vector<std::vector<uint8_t>> streams;
    for (const uint32_t header : {
             0xFFFBE044u, // MPEG-1 Layer III, 320 kbit/s, joint stereo, both tools
             0xFFFB10C0u, // MPEG-1 Layer III, 32 kbit/s, mono
             0xFFF3E074u, // MPEG-2 Layer III, joint stereo with intensity
             0xFFE38034u, // MPEG-2.5 Layer III, 11025 Hz
             0xFFFDE040u, // Layer II, 384 kbit/s, joint stereo
             0xFFFFE070u, // Layer I, 448 kbit/s, joint stereo, bound 16
         }) {
        const std::vector<uint8_t> bytes = {uint8_t(header >> 24), uint8_t(header >> 16), uint8_t(header >> 8),
                                            uint8_t(header)};
        MpaFrameInfo info{};
        ASSERT_EQ(MpaGetStreamInfo(bytes.data(), 4, &info, 0), 1);
        streams.emplace_back();
        for (int f = 0; f < 12; ++f) {
            streams.back().insert(streams.back().end(), bytes.begin(), bytes.end());
            streams.back().resize(streams.back().size() + size_t(MpaFrameLength(&info)) - 4, f % 2 ? 0xFF : 0xA5);
        }
    }
    const size_t lying = streams.size();
    std::mt19937 random(99);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> bytes(size_t(random() % 5000) + 4);
        std::generate(bytes.begin(), bytes.end(), [&] { return uint8_t(random()); });
        for (size_t at = 0; at + 4 < bytes.size(); at += 300 + random() % 400)
            std::copy_n(std::initializer_list<uint8_t>{0xFF, uint8_t(0xE2 | (random() & 0x1F))}.begin(), 2, &bytes[at]);
        streams.push_back(bytes);
    }
    for (size_t s = 0; s < streams.size(); ++s)
        for (const MpaOptions& options : kAllOptions) {
            const DecodedStream decoded = DecodeStream(streams[s], options);
            EXPECT_TRUE(decoded.started || s >= lying) << "stream " << s;
            EXPECT_EQ(decoded.pcm.size(), size_t(decoded.framesDecoded) * size_t(decoded.format.outBytesPerFrame));
        }
}
