#pragma once
// The wave output over SDL 2 audio, which reaches whatever sound system the
// desktop runs. A written block is queued whole and played by SDL's own
// thread; nothing comes back to the caller.

#include "waveout.h"

#include <cstdint>

namespace platform {

class SdlWaveOut : public WaveOut {
public:
    SdlWaveOut() = default;
    ~SdlWaveOut() override;
    SdlWaveOut(const SdlWaveOut&) = delete;
    SdlWaveOut& operator=(const SdlWaveOut&) = delete;

    // Fails when SDL finds no audio driver or no device, or for a format
    // other than 8- or 16-bit integer PCM.
    bool Open(const WaveFormat& format) override;
    void Prepare(WaveBlock& block) override;
    void Write(const WaveBlock& block) override;
    void Pause() override;
    void Restart() override;
    void Reset() override;
    void Unprepare(WaveBlock& block) override;
    void Close() override;

    // Bytes queued and not yet played (0 when not open).
    std::uint32_t QueuedBytes() const;

private:
    std::uint32_t device = 0; // SDL's device id; 0 when not open
};

} // namespace platform
