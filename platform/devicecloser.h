#pragma once
// Closes sound devices on a thread of its own. Closing an SDL device waits
// until the sound server has drained it (seconds under PulseAudio), which the
// window's thread must never do: it hands the device over and goes on.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace platform {

class DeviceCloser {
public:
    using CloseFunction = std::function<void(std::uint32_t device)>;

    explicit DeviceCloser(CloseFunction close);
    // Closes every device still handed over, then ends the thread.
    ~DeviceCloser();
    DeviceCloser(const DeviceCloser&) = delete;
    DeviceCloser& operator=(const DeviceCloser&) = delete;

    // Returns at once; the device is closed later, in the order handed over.
    void Close(std::uint32_t device);
    // Waits until every device handed over is closed; false when none was
    // left to close. For sound systems that allow one open device only,
    // whose close is quick.
    bool WaitUntilDone();

private:
    void Run();

    CloseFunction close;
    std::mutex mutex;
    std::condition_variable handedOver;
    std::condition_variable closed;
    std::vector<std::uint32_t> pending;
    bool closing = false;
    bool ending = false;
    std::thread worker; // last: starts once everything above exists
};

} // namespace platform
