// The SDL 2 wave output, driven through SDL's own drivers: "disk" writes what
// would be played to a file, "dummy" plays into nothing, and an unknown driver
// stands for a machine with no sound device.

#include "sdlwaveout.h"
#include "files.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

using platform::SdlWaveOut;
using platform::WaveBlock;
using platform::WaveFormat;

const WaveFormat kStereo{1, 2, 22050, 88200, 4, 16, 0};

// A block no run of silence can be mistaken for.
Bytes Ramp(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = std::uint8_t(1 + i % 251);
    return bytes;
}

TEST(SdlWaveOut, WithoutASoundDeviceOpenFailsEveryCallIsHarmlessAndItSaysSoOnce)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlWaveOut device;
    testing::internal::CaptureStderr();
    for (int clip = 0; clip < 3; ++clip) {
        EXPECT_FALSE(device.Open(kStereo));
        Bytes pcm = Ramp(64);
        WaveBlock block{pcm.data(), std::uint32_t(pcm.size())};
        device.Prepare(block);
        EXPECT_FALSE(block.prepared);
        device.Write(block);
        device.Pause();
        device.Restart();
        device.Reset();
        device.Unprepare(block);
        device.Close();
        EXPECT_EQ(device.QueuedBytes(), 0u);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("No sound output"), std::string::npos) << said;
    EXPECT_EQ(said.find("No sound output"), said.rfind("No sound output")) << said;
}

TEST(SdlWaveOut, KeepsOneDeviceAcrossClipsOfAFormatAndLeavesTheSignalsToTheProgram)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const WaveFormat mono{1, 1, 11025, 22050, 2, 16, 0};
    SdlWaveOut device;
    ASSERT_TRUE(device.Open(kStereo)) << SDL_GetError();
    const std::uint32_t first = device.DeviceId();
    EXPECT_LE(device.BufferFrames(), 1024u);
    // SDL catches neither signal: they are the program's to handle.
    for (const int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }

    const Bytes pcm = Ramp(88200 * 4);
    WaveBlock block{pcm.data(), std::uint32_t(pcm.size())};
    device.Prepare(block);
    device.Write(block);
    device.Close();
    // Closing stops the device and empties it, and keeps it for the next
    // clip of the same format.
    EXPECT_EQ(SDL_GetAudioDeviceStatus(first), SDL_AUDIO_PAUSED);
    EXPECT_EQ(SDL_GetQueuedAudioSize(first), 0u);
    ASSERT_TRUE(device.Open(kStereo));
    EXPECT_EQ(device.DeviceId(), first);
    device.Write(block);
    EXPECT_EQ(SDL_GetAudioDeviceStatus(first), SDL_AUDIO_PLAYING);
    device.Close();
    // Another format gets a device of its own (the dummy driver has room for
    // one only, so this also waits for the first one's close).
    ASSERT_TRUE(device.Open(mono));
    EXPECT_LE(device.BufferFrames(), 1024u);
    WaveBlock monoBlock{pcm.data(), 22050};
    device.Prepare(monoBlock);
    device.Write(monoBlock);
    EXPECT_EQ(device.QueuedBytes(), 22050u);
    EXPECT_EQ(SDL_GetAudioDeviceStatus(device.DeviceId()), SDL_AUDIO_PLAYING);
}

TEST(SdlWaveOut, RefusesFormatsItCannotGiveSdl)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlWaveOut device;
    WaveFormat wide = kStereo;
    wide.bitsPerSample = 24;
    EXPECT_FALSE(device.Open(wide));
    WaveFormat compressed = kStereo;
    compressed.formatTag = 0x55;
    EXPECT_FALSE(device.Open(compressed));
    EXPECT_TRUE(device.Open(kStereo));
    device.Close();
}

TEST(SdlWaveOut, PlaysTheWrittenBlockThroughTheDiskDriver)
{
    ScopedTempDir dir;
    const std::string output = (dir.path() / "played.raw").string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);

    SdlWaveOut device;
    ASSERT_TRUE(device.Open(kStereo)) << SDL_GetError();
    const Bytes pcm = Ramp(22050); // a quarter of a second
    WaveBlock block{pcm.data(), std::uint32_t(pcm.size())};
    device.Prepare(block);
    device.Write(block);
    // The disk driver plays in real time; wait for the queue to drain.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (device.QueuedBytes() > 0 && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(device.QueuedBytes(), 0u);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    device.Unprepare(block);
    device.Close();

    const Bytes played = ReadFile(output);
    EXPECT_NE(std::search(played.begin(), played.end(), pcm.begin(), pcm.end()), played.end())
        << "the block is not among the " << played.size() << " bytes played";
}

TEST(SdlWaveOut, ResetTakesBackWhatWasQueued)
{
    ScopedTempDir dir;
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (dir.path() / "played.raw").string().c_str(), 1);
    SdlWaveOut device;
    ASSERT_TRUE(device.Open(kStereo)) << SDL_GetError();
    const Bytes pcm = Ramp(88200 * 4); // four seconds
    WaveBlock block{pcm.data(), std::uint32_t(pcm.size())};
    device.Prepare(block);
    device.Write(block);
    device.Pause();
    EXPECT_GT(device.QueuedBytes(), 0u);
    device.Reset();
    EXPECT_EQ(device.QueuedBytes(), 0u);
    device.Close();
}

} // namespace
