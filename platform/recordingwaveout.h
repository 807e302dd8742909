#pragma once
// A wave-output device that plays nothing and remembers everything: the
// format it was opened with, every call in order, and a copy of each block
// written to it. Tests check the player against it; `tessaly-tool clip` turns
// the block it was given into a file.

#include "waveout.h"

#include <cstdint>
#include <vector>

namespace platform {

enum class WaveCall { Open, Prepare, Write, Pause, Restart, Reset, Unprepare, Close };

class RecordingWaveOut : public WaveOut {
public:
    // With `deviceAvailable` false every Open fails, as on a machine without
    // a sound device.
    explicit RecordingWaveOut(bool deviceAvailable = true) : deviceAvailable(deviceAvailable) {}

    bool Open(const WaveFormat& format) override;
    void Prepare(WaveBlock& block) override;
    void Write(const WaveBlock& block) override;
    void Pause() override;
    void Restart() override;
    void Reset() override;
    void Unprepare(WaveBlock& block) override;
    void Close() override;

    bool IsOpen() const { return open; }
    bool IsPaused() const { return paused; }
    const WaveFormat& Format() const { return format; }
    const std::vector<WaveCall>& Calls() const { return calls; }
    // Every block written while the device was open, oldest first.
    const std::vector<std::vector<std::uint8_t>>& Written() const { return written; }
    void ClearCalls() { calls.clear(); }

private:
    bool deviceAvailable;
    bool open = false;
    bool paused = false;
    WaveFormat format;
    std::vector<WaveCall> calls;
    std::vector<std::vector<std::uint8_t>> written;
};

} // namespace platform
