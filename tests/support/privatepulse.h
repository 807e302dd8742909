#pragma once
// A PulseAudio daemon of the caller's own in a fresh folder, playing into null
// sinks only, for tests and benchmarks of the real sound path. It ends with
// this object, or `idleExit` after its last client should the caller die.
// While it runs, this process and its children reach it through PULSE_SERVER.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

class PrivatePulse {
public:
    explicit PrivatePulse(std::chrono::seconds idleExit = std::chrono::seconds(20));
    ~PrivatePulse();
    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;

    bool Running() const { return daemon > 0; }
    const std::string& Failure() const { return failure; } // why it is not running
    // Adds a null sink of 16-bit samples in this format, the default for the
    // streams opened from now on. Its name; empty on failure.
    std::string AddSink(int rate, int channels);

private:
    std::filesystem::path folder;
    pid_t daemon = -1;
    std::string failure;
    bool serverSet = false;
    std::optional<std::string> previousServer;
};

// Records what a sink plays through parec, as 16-bit little-endian samples of
// the given format, from construction to Stop.
class MonitorRecorder {
public:
    using Clock = std::chrono::steady_clock;

    MonitorRecorder(const std::string& sink, int rate, int channels);
    ~MonitorRecorder() { Stop(); }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Waits until parec delivers, so that nothing played from now on is missed.
    bool WaitUntilRecording(std::chrono::milliseconds limit);
    // When the first and the latest sample other than silence arrived since
    // construction or the last ForgetSound.
    std::optional<Clock::time_point> FirstSound() const { std::lock_guard lock(mutex); return firstSound; }
    std::optional<Clock::time_point> LastSound() const { std::lock_guard lock(mutex); return lastSound; }
    void ForgetSound() { std::lock_guard lock(mutex); firstSound = lastSound = std::nullopt; }
    // Ends parec and gives everything recorded.
    std::vector<std::uint8_t> Stop();

private:
    void Read(int from);

    pid_t recorder = -1;
    int pipeEnd = -1;
    std::thread reader;
    mutable std::mutex mutex;
    std::vector<std::uint8_t> recorded;
    std::optional<Clock::time_point> firstSound, lastSound;
};
