#pragma once
// The wave output over SDL 2 audio, which reaches whatever sound system the
// desktop runs. A written block is queued whole and played by SDL's own
// thread; nothing comes back to the caller.
//
// No call waits for the sound server. Closing an SDL device waits until the
// server has drained it, so Close only stops the device and keeps it for the
// next Open of the same format; a device of another format is closed on a
// thread of its own, and the last one when this object goes.

#include "devicecloser.h"
#include "waveout.h"

#include <cstdint>
#include <memory>

namespace platform {

class SdlWaveOut : public WaveOut {
public:
    SdlWaveOut();
    ~SdlWaveOut() override;
    SdlWaveOut(const SdlWaveOut&) = delete;
    SdlWaveOut& operator=(const SdlWaveOut&) = delete;

    // Fails when SDL finds no audio driver or no device, or for a format
    // other than 8- or 16-bit integer PCM. Once no device could be had, every
    // later Open fails at once: the first failure is reported on standard
    // error, once.
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
    // SDL's id of the device kept for this object, open or stopped (0 when
    // there is none), and the frames of its buffer.
    std::uint32_t DeviceId() const { return device; }
    std::uint32_t BufferFrames() const { return bufferFrames; }

    // SDL's buffer for a clip's rate: the largest power of two of at most
    // 1,024 frames and about 33 ms. The server holds about as much again, so
    // play reaches it within a few tens of milliseconds; much less would
    // leave gaps on a busy machine.
    static std::uint16_t BufferFramesFor(std::uint32_t samplesPerSecond);

private:
    bool StartAudio();
    bool OpenDevice(const WaveFormat& format);
    void Unavailable();

    bool audioStarted = false;
    bool unavailable = false;
    bool open = false;           // between a successful Open and Close
    std::uint32_t device = 0;    // SDL's device id, kept while stopped
    WaveFormat deviceFormat;     // the format `device` was opened with
    std::uint32_t bufferFrames = 0;
    std::unique_ptr<DeviceCloser> closer;
};

} // namespace platform
