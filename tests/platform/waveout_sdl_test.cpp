// The SDL 2 wave output, driven through SDL's "dummy" driver, which plays
// into nothing, and an unknown driver, which stands for a machine with no
// sound device. The sound itself, its buffer size and that each block is
// heard whole are checked through a private sound server.

#include "sdlwaveout.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <vector>

namespace {

using platform::SdlWaveOut;
using platform::WaveBlock;
using platform::WaveFormat;
using Bytes = std::vector<std::uint8_t>;

const WaveFormat kStereo{1, 2, 22050, 88200, 4, 16, 0};

// A block no run of silence can be mistaken for.
Bytes Ramp(std::size_t size)
{
    Bytes bytes(size);
    std::generate(bytes.begin(), bytes.end(), [i = 0]() mutable { return std::uint8_t(1 + i++ % 251); });
    return bytes;
}

TEST(SdlWaveOut, WithoutASoundDeviceOpenFailsAndEveryCallIsHarmless)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlWaveOut device;
    Bytes pcm = Ramp(64);
    WaveBlock block{pcm.data(), std::uint32_t(pcm.size())};
    for (int clip = 0; clip < 3; ++clip) {
        EXPECT_FALSE(device.Open(kStereo));
        device.Prepare(block);
        device.Write(block);
        device.Pause();
        device.Restart();
        device.Reset();
        device.Unprepare(block);
        device.Close();
        EXPECT_EQ(std::tuple(block.prepared, device.QueuedBytes()), std::tuple(false, 0u));
    }
}

TEST(SdlWaveOut, KeepsOneDeviceAcrossClipsOfAFormatAndLeavesTheSignalsToTheProgram)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlWaveOut device;
    for (const auto& [tag, bits] : {std::pair{0x55, 16}, std::pair{1, 24}}) // formats SDL is not given
        EXPECT_FALSE(device.Open({std::uint16_t(tag), 2, 22050, 88200, 4, std::uint16_t(bits), 0})) << tag << bits;
    ASSERT_TRUE(device.Open(kStereo));
    const std::uint32_t first = device.DeviceId();
    for (const int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "SDL caught signal " << signal;
    }
    const Bytes pcm = Ramp(88200 * 4);
    WaveBlock block{pcm.data(), std::uint32_t(pcm.size())};
    device.Prepare(block);
    device.Write(block);
    device.Pause();
    EXPECT_GT(device.QueuedBytes(), 0u);
    device.Reset();
    EXPECT_EQ(device.QueuedBytes(), 0u) << "a reset left sound queued";
    device.Write(block);
    device.Close();
    // Closing stops and empties the device and keeps it for the next clip of the same format.
    EXPECT_EQ(std::tuple(device.Playing(), device.QueuedBytes(), device.DeviceId()), std::tuple(false, 0u, first));
    ASSERT_TRUE(device.Open(kStereo));
    EXPECT_EQ(device.DeviceId(), first);
    device.Write(block);
    EXPECT_TRUE(device.Playing());
    device.Close();
    // Another format gets a device of its own (the dummy driver has room for
    // one only, so this also waits for the first one's close).
    ASSERT_TRUE(device.Open({1, 1, 11025, 22050, 2, 16, 0}));
    WaveBlock monoBlock{pcm.data(), 22050};
    device.Prepare(monoBlock);
    device.Write(monoBlock);
    EXPECT_TRUE(device.Playing());
}

} // namespace
