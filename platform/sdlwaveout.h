#pragma once
// The wave output over SDL 2 audio, which reaches whatever sound system the
// desktop runs. A written block is copied and queued whole, and played by
// SDL's own thread; nothing comes back to the caller.
//
// Every SDL audio call runs on one sound thread of this object's own, in the
// order the calls were made here: SDL does not guard its device table
// against two threads. No call waits for the sound server. A device is kept
// for the next Open of the same format; one of another format is set aside
// and closed once it has been silent long enough for the server to have
// drained it (closing it sooner waits for that), so that its close holds up
// no later call. The last device goes with this object.

#include "soundthread.h"
#include "waveout.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

namespace platform {

class SdlWaveOut : public WaveOut {
public:
    SdlWaveOut();
    ~SdlWaveOut() override;
    SdlWaveOut(const SdlWaveOut&) = delete;
    SdlWaveOut& operator=(const SdlWaveOut&) = delete;

    // Fails for a format other than 8- or 16-bit integer PCM, and when SDL
    // finds no audio driver or no device for the first Open (the sound
    // thread has nothing else to do then, so that Open waits for the device).
    // A later Open of another format hands the device over and returns at
    // once. Once no device could be had, every later Open fails at once; the
    // first failure is reported on standard error, once.
    bool Open(const WaveFormat& format) override;
    void Prepare(WaveBlock& block) override;
    void Write(const WaveBlock& block) override;
    void Pause() override;
    void Restart() override;
    void Reset() override;
    void Unprepare(WaveBlock& block) override;
    void Close() override;

    // What the sound thread holds once every call before has run; these wait
    // for it (for tests and tools). Bytes queued and not yet played; SDL's id
    // of the device kept, open or stopped (0 when there is none), the frames
    // of its buffer, and whether it is playing.
    std::uint32_t QueuedBytes() const;
    std::uint32_t DeviceId() const;
    std::uint32_t BufferFrames() const;
    bool Playing() const;

    // SDL's buffer for a clip's rate: the largest power of two of at most
    // 1,024 frames and about 33 ms. The server holds about as much again, so
    // play reaches it within a few tens of milliseconds; much less would
    // leave gaps on a busy machine.
    static std::uint16_t BufferFramesFor(std::uint32_t samplesPerSecond);
    // How long a device set aside stays open after it fell silent: a
    // PulseAudio server holds about two seconds of what it was given.
    static constexpr std::chrono::milliseconds kDrainTime{2500};

private:
    // On the sound thread only.
    bool StartAudio();
    bool OpenDevice(const WaveFormat& format);
    void CloseSetAside(bool evenUndrained);
    void Unavailable();

    // The caller's side.
    bool open = false;        // between a successful Open and Close
    bool askedForDevice = false;
    WaveFormat format;        // of the last device asked for
    std::atomic<bool> unavailable{false};

    // The sound thread's side.
    struct SetAside {
        std::uint32_t device;
        SoundThread::Clock::time_point silentSince;
    };
    bool audioStarted = false;
    std::uint32_t device = 0; // SDL's device id, kept while stopped
    std::uint32_t bufferFrames = 0;
    std::vector<SetAside> setAside;

    mutable SoundThread thread; // last: goes first, running every call handed over
};

} // namespace platform
