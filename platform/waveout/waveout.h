#pragma once
// The wave-output device as the pronunciation player sees it: one PCM stream,
// opened with a fixed format, that is handed one whole block at a time.
// Header-only and free of any sound library, so that sound/ can use it
// anywhere, the fuzz build included.

#include <cstdint>

namespace platform {

// The PCM format a device is opened with (the classic 18-byte wave format
// record; the player fills every field).
struct WaveFormat {
    std::uint16_t formatTag = 0;        // 1: integer PCM
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    std::uint32_t averageBytesPerSecond = 0;
    std::uint16_t blockAlign = 0;       // bytes of one sample of every channel
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;        // always 0 for PCM

    friend bool operator==(const WaveFormat&, const WaveFormat&) = default;
};

inline constexpr std::uint16_t kWaveFormatPcm = 1;

// Describes one block to the device, from Prepare to Unprepare. The device
// reads `length` bytes at `data` while the block is written.
struct WaveBlock {
    const std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    bool prepared = false;
};

// One output stream. Results other than Open's are not examined by the
// player, so implementations make every call safe in every state: a call on a
// device that failed to open, or was closed, does nothing.
class WaveOut {
public:
    virtual ~WaveOut() = default;

    // Opens the default output device with exactly this format (the device,
    // not the caller, converts when the hardware wants another). False when
    // there is no device to open.
    virtual bool Open(const WaveFormat& format) = 0;
    virtual void Prepare(WaveBlock& block) = 0;
    // Hands the whole block over and starts (or continues) playing.
    virtual void Write(const WaveBlock& block) = 0;
    virtual void Pause() = 0;
    virtual void Restart() = 0;
    // Ends playback at once and gives back every block not yet played.
    virtual void Reset() = 0;
    virtual void Unprepare(WaveBlock& block) = 0;
    virtual void Close() = 0;
};

} // namespace platform
