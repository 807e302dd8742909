// Damaged, truncated, hostile and random streams: the decoder decodes what
// it can and never reads out of bounds (the fuzz build runs the same paths
// under the sanitizers); `tessaly-tool decode` fails only when nothing at all
// could be decoded.

#include "external_tools.h"
#include "stream_decode.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace {

const std::string kVectors = std::string(TESSALY_SHARED_DIR) + "/vectors/";

const MpaOptions kAllOptions[] = {
    {0, kMpaChannelsBoth, 24000}, {1, kMpaChannelsMix | kMpaOutput8Bit, 24000},
    {2, kMpaChannelsRight, 24000}, {0, kMpaChannelsLeft | kMpaOutput8Bit, 8000},
};

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// A stream of `frames` headers whose side information and data are all ones:
// every length, count and table field at its largest.
std::vector<uint8_t> HostileStream(uint8_t byte1, uint8_t byte2, uint8_t byte3, int frameLength, int frames)
{
    std::vector<uint8_t> stream;
    for (int f = 0; f < frames; ++f) {
        std::vector<uint8_t> frame(size_t(frameLength), f % 2 ? 0xFF : 0xA5);
        frame[0] = 0xFF;
        frame[1] = byte1;
        frame[2] = byte2;
        frame[3] = byte3;
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    return stream;
}

} // namespace

TEST(DamagedInput, FlippedAndCutStreamsDecodeWhatTheyCan)
{
    const char* names[] = {"l3-hecommon", "M2L3_noise", "l2-fl14", "l1-fl8", "l3-si_block"};
    std::mt19937 random(1234);
    for (const char* name : names) {
        const std::string path = kVectors + name + ".bit";
        if (!std::filesystem::exists(path))
            GTEST_SKIP() << "no conformance streams";
        const std::vector<uint8_t> clean = ReadBytes(path.c_str());
        const int cleanFrames = DecodeStream(clean).framesDecoded;
        for (int round = 0; round < 6; ++round) {
            std::vector<uint8_t> damaged = clean;
            for (int flip = 0; flip < 40; ++flip)
                damaged[random() % damaged.size()] ^= uint8_t(1u << (random() % 8));
            damaged.resize(damaged.size() - random() % 1000);
            for (const MpaOptions& options : kAllOptions) {
                const DecodedStream decoded = DecodeStream(damaged, options);
                EXPECT_GT(decoded.framesDecoded, cleanFrames / 2) << name << " round " << round;
            }
        }
    }
}

TEST(DamagedInput, LyingSideInformationStaysInBounds)
{
    const struct {
        uint8_t byte1, byte2, byte3;
        int length;
    } headers[] = {
        {0xFB, 0xE0, 0x44, 1045}, // MPEG-1 Layer III, 320 kbit/s, joint stereo, both tools
        {0xFB, 0x10, 0xC0, 104},  // MPEG-1 Layer III, 32 kbit/s, mono
        {0xF3, 0xE0, 0x74, 522},  // MPEG-2 Layer III, joint stereo with intensity
        {0xE3, 0x80, 0x34, 500},  // MPEG-2.5 Layer III, 8000 Hz... at index 0: 11025 Hz
        {0xFD, 0xE0, 0x40, 1044}, // Layer II, 384 kbit/s, joint stereo
        {0xFF, 0xE0, 0x70, 484},  // Layer I, 448 kbit/s, joint stereo, bound 16
    };
    for (const auto& h : headers) {
        const std::vector<uint8_t> stream = HostileStream(h.byte1, h.byte2, h.byte3, h.length, 12);
        for (const MpaOptions& options : kAllOptions) {
            const DecodedStream decoded = DecodeStream(stream, options);
            EXPECT_TRUE(decoded.started);
            EXPECT_EQ(decoded.pcm.size(), size_t(decoded.framesDecoded) * size_t(decoded.format.outBytesPerFrame));
        }
    }
}

TEST(DamagedInput, RandomBytesNeverCrashAndTheToolSaysSo)
{
    std::mt19937 random(99);
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> bytes(size_t(random() % 5000));
        for (uint8_t& b : bytes)
            b = uint8_t(random());
        // Plant headers now and then so the layer decoders see garbage too.
        for (size_t at = 0; at + 4 < bytes.size(); at += 300 + random() % 400) {
            bytes[at] = 0xFF;
            bytes[at + 1] = uint8_t(0xE2 | (random() & 0x1F));
        }
        DecodeStream(bytes, kAllOptions[round % 4]);
    }

    const std::string folder = ScratchFolder("random");
    std::vector<uint8_t> noise(20000);
    for (uint8_t& b : noise)
        b = uint8_t(random() & 0x7F); // no 0xFF: no sync pattern at all
    WriteBytes(folder + "/noise.bin", noise);
    EXPECT_EQ(RunCommand(std::string(TESSALY_TOOL) + " decode " + Quote(folder + "/noise.bin") + " " +
                         Quote(folder + "/out.wav") + " 2>/dev/null"),
              1);
    EXPECT_FALSE(std::filesystem::exists(folder + "/out.wav"));
    EXPECT_EQ(RunCommand(std::string(TESSALY_TOOL) + " decode " + Quote(folder + "/missing.mp3") + " " +
                         Quote(folder + "/out.wav") + " 2>/dev/null"),
              1);
}

TEST(DamagedInput, TheToolDecodesADamagedStreamAndSkipsTheDamage)
{
    const std::string path = kVectors + "l3-hecommon.bit";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no conformance streams";
    std::vector<uint8_t> stream = ReadBytes(path.c_str());
    // A stretch of zeros in the middle and a cut-off end.
    std::fill(stream.begin() + 10000, stream.begin() + 12000, 0);
    stream.resize(stream.size() - 150);
    const std::string folder = ScratchFolder("damaged");
    WriteBytes(folder + "/damaged.mp3", stream);
    ASSERT_EQ(RunCommand(std::string(TESSALY_TOOL) + " decode " + Quote(folder + "/damaged.mp3") + " " +
                         Quote(folder + "/out.wav") + " --rate half --channels mix"),
              0);
    const std::vector<uint8_t> wav = ReadBytes((folder + "/out.wav").c_str());
    ASSERT_GT(wav.size(), 44u);
    const size_t frames = (wav.size() - 44) / (576 * 2);
    const size_t cleanFrames = ReadBytes(path.c_str()).size() / 417;
    EXPECT_GT(frames, cleanFrames - 10);
    EXPECT_LE(frames, cleanFrames);
}
